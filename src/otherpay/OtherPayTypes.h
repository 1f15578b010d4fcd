#pragma once

#include "base/Money.h"

#include <QDate>
#include <QString>

// One payment of a month's list: a ledger row that is neither wages, a bonus nor back pay,
// with its department's name.
struct OtherPayment
{
    qint64 id = 0;
    int taxYear = 0;
    int taxMonth = 0;
    QString empName;
    QString empId;
    QString empCardNo;
    QString empType;
    QString taxType;
    QString deptId;
    QString deptName;
    QString address;
    Money taxRate;
    Money takeOutMoney;
    QString taxNumber;
    QString taxDate; // "yyyy-mm-dd", empty when the row has none
    Money income;
    Money taxIncome;
    Money receiveTaxMoney;
    Money minusFare;
    Money taxMoney;
    Money oughtTaxMoney;
};

// The person a payment is for, as Employee holds him now.
struct PaymentPerson
{
    QString empId;
    QString empName;
    QString deptId;
    QString deptName;
    QString idCardNo;
    QString address;
    QString empType;
    bool isEmpty() const { return empName.isEmpty() && deptName.isEmpty(); }
};

// What the record panel holds when a payment is saved: the texts as typed.
struct PaymentInput
{
    QString taxType;
    QString incomeText;
    QString deductionText;
    QDate taxDate;
    QString taxNumber;
};

// The figures of a payment's tax as the panel shows them and the ledger stores them.
struct OtherTaxFigures
{
    Money deduction;   // 费用减除 (MinusFare)
    Money taxable;     // 应纳税所得 (TaxIncome): income less the deduction, never below 0
    Money rate;        // 适用税率
    Money quickDeduct; // 速算扣除数
    Money tax;         // 应纳税额
    bool operator==(const OtherTaxFigures &) const = default;
};
