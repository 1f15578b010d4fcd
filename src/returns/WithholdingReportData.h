#pragma once

#include "returns/FormTable.h"
#include "returns/ReturnPeriod.h"

#include <QStringList>

#include <optional>

class Database;

// The rows of the withholding tax report (代扣代缴个人所得税报告表) for one month and one staff
// type: the total row "合  计", then every ledger row of that month and type on which tax was
// withheld (TaxMoney above 0), by card number. Rows with no tax withheld are neither listed
// nor summed.
//
// The 22 columns are those of the form's result set, in its order and under its names; every
// cell is the text the form prints (see ReturnFormats.h). The total row carries the sums of
// the amount columns it sums and one blank elsewhere; with nothing listed its sums are empty.
namespace WithholdingReport {

enum Column {
    IncomePeriod,
    TaxType,
    EmpName,
    EmpCardNo,
    EmpType,
    DeptID,
    Address,
    ChinaIncome,
    ForeignIncome,
    MoneyType,
    ForeignExchange,
    ForeignToChinaIncome,
    Income,
    TaxIncome,
    TaxRate,
    TakeOutMoney,
    ReceiveTaxMoney,
    MinusFare,
    TaxMoney,
    OughtTaxMoney,
    TaxNumber,
    TaxDate,
    ColumnCount
};

QStringList columnNames();

// Filler rows for a report of `rows` rows (the total row included), so that the last page
// keeps one row: 19 - n up to 17 rows, then 20 - ((n - 17) mod 18).
int fillerCount(int rows);

// The report's rows with their filler rows; nothing when the ledger cannot be read.
std::optional<FormTable> load(Database &db, ReturnPeriod period, bool foreignStaff);

} // namespace WithholdingReport
