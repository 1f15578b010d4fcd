#pragma once

#include "returns/FormTable.h"
#include "returns/ReturnPeriod.h"

#include <QStringList>

#include <optional>

class Database;

// The rows of the income payment and withholding detail (支付个人收入及代扣税金明细表) for one
// month and one staff type: the total line " 合 计 ", then one line per employee (per EmpId,
// name and card number as the ledger rows carry them) with his income and tax of the month,
// in all and in five income groups, by name and card number. Every ledger row of the month
// counts, with or without tax; employees whose income sums to 0 are left out; a line carries
// its EmpId's full sums even when his rows of the month hold more than one name.
//
// The 15 columns are those of the form's result set; every amount is "#.00", or "-" when the
// group has no rows or sums to 0.
namespace PaymentDetail {

enum Column {
    EmpId,
    EmpName,
    EmpCardNo,
    SumIncome,
    Sumtax,
    wageIncome,
    wageTaxMoney,
    ManageIncome,
    ManageTaxMoney,
    ServeIncome,
    ServeTaxMoney,
    ContingencyIncome,
    ContingencyTaxMoney,
    OtherIncome,
    OtherTaxMoney,
    ColumnCount
};

QStringList columnNames();

// Filler lines for `rows` lines (the total line included): 12 - n up to 11 lines, 17 - n from
// 12 to 15; beyond 15 the same over n mod 15 (a remainder of 0 gives 12).
int fillerCount(int rows);

// The lines with their filler lines; nothing when the ledger cannot be read.
std::optional<FormTable> load(Database &db, ReturnPeriod period, bool foreignStaff);

} // namespace PaymentDetail
