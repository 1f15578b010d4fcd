#pragma once

#include "backpay/BackPayMonth.h"
#include "base/Money.h"

#include <QString>

#include <optional>

class Database;
class TaxRates;

// The tax of back pay, month by month: what the month's taxable wage plus the back pay costs
// under the wage brackets, minus what the taxable wage alone costs, both after the month's
// deduction. Each of the two figures is the month's wage tax exactly as the wage sheet works it
// out (CalcWageTax: the bracket whose lower bound lies below the amount, the top bracket open
// upwards, rounded to cents), so the back pay of a month pays the difference between the tax
// withheld and the tax due with the back pay included. The taxable wage of a month already
// holds earlier back pay for it, so a second back pay is taxed above the first.
//
// An employee is taxed on the wage set of his type, as his wages were: "中方" the Chinese-staff
// set, any other type the foreign-staff set. Nothing when that set failed to load.
std::optional<Money> BackPayMonthTax(const TaxRates &rates, const QString &empType, Money backPay,
                                     Money taxable, Money deduction);

// The same formula for SQL: registers BackPayTax(backPay, taxable, deduction, empType) on the
// connection, over a copy of the two wage sets as they are now (register again after they were
// reloaded). The sheet's view and posting both call it, so what the clerk sees is what is
// posted. It answers in ten-thousandths (NULL amounts count as 0) and fails the statement for an
// employee whose wage set did not load. False when the engine refuses the function.
bool RegisterBackPayTax(Database &db, const TaxRates &rates);

// The function call for one month on the sheet's columns (ReissueTemp).
QString BackPayTaxSql(const BackPayMonth &month);
