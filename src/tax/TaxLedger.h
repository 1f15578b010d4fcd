#pragma once

#include "base/Money.h"

#include <QString>

class Database;

// One row of the tax ledger (TaxIncome) to be written.
struct RdTaxIncome
{
    int TaxYear = 0;
    int TaxMonth = 0;
    QString TaxType;
    QString EmpId;
    QString EmpName;
    QString EmpCardNo;
    QString EmpType;
    QString DeptID;
    QString Address;
    Money FactIncome;
    Money Income;
    Money MinusFare;
    Money TaxIncome;
    Money TaxRate;
    Money TakeOutMoney;
    Money TaxMoney;
    QString TaxDate; // "yyyy-mm-dd"; blank stores no date
};

// Writes one ledger row. The employee's name, card number, type, department and address are
// taken from Employee as it is now, finding him by his code ignoring case (empty when the
// employee no longer exists), whatever the row carries. False when the lookup or the insert
// fails (the caller reports it). TaxLedgerWriter writes many rows.
bool InsertTaxIncome(Database &db, const RdTaxIncome &row);
