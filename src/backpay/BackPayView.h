#pragma once

#include "backpay/BackPayGrid.h"
#include "backpay/BackPayMonth.h"

#include <QString>

#include <optional>

class Database;
class TaxRates;

// The view of the pending sheet (BuildBackPayView): every column of ReissueTemp, then each
// month's back-pay tax (named after its taxable-wage column, "2005年3月应税工资补税"), then
// 合计补发工资 (the months' back pay), 扣税 (their taxes) and 实际补发 (the difference), by
// department and employee code. Shown: 部门, 姓名, 员工编号, the months' back pay and the three
// totals; the back-pay columns are the ones the clerk types.
QString BackPayViewSql(const BackPayMonths &months, bool oneEmployee = false);
QList<BackPayGridColumn> BackPayViewColumns(const BackPayMonths &months);

// Reads the view, with the back-pay tax registered over the run's wage sets.
std::optional<BackPayGrid> ReadBackPayView(Database &db, const TaxRates &rates,
                                           const BackPayMonths &months);
// One employee's row of the view (after an edit); an empty grid when he is not on the sheet.
std::optional<BackPayGrid> ReadBackPayViewRow(Database &db, const TaxRates &rates,
                                              const BackPayMonths &months, const QString &empId);

// The columns the view adds to the sheet's and that are worked out, not stored: the export
// writes them as amounts.
QStringList BackPayViewComputedColumns(const BackPayMonths &months);
