#pragma once

#include "backpay/BackPayMonth.h"
#include "base/MessageService.h"
#include "base/Money.h"
#include "tax/TaxRates.h"

#include <QString>

#include <ostream>

class Database;

inline Money M(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

inline void PrintTo(const Money &m, std::ostream *os)
{
    *os << qPrintable(m.toPlainString());
}

// Back pay's tests: the rates worked on paper and the wage months back pay is paid for.
namespace BackPayFixture {

// One bracket: lower bound (exclusive), upper bound, rate, quick deduction.
struct Band
{
    const char *low, *high, *rate, *quick;
};
RateSet bands(std::initializer_list<Band> rows);

// The two lowest brackets of the era's wage table and nothing above them: 0-500 at 5%,
// 500-2000 at 10% less 25. Chinese and foreign staff alike unless `foreign` is given.
TaxRates exampleRates();
TaxRates ratesWith(const RateSet &chinese, const RateSet &foreign);

// A posted wage row of a month with its taxable pay and deduction (PayrollFixture::addWageRow).
void addPostedWage(Database &db, int year, int month, const QString &empId, const QString &deptName,
                   Money taxable, Money deduction, const QString &empType = QStringLiteral("中方"));
// Back pay already posted for a month (a ReissueMonth row).
void addPostedBackPay(Database &db, const BackPayMonth &payPeriod, const BackPayMonth &month,
                      const QString &empId, Money amount);

// Money in a column of the sheet's row of an employee.
Money sheetAmount(Database &db, const QString &empId, const QString &column);
// A count of rows.
int count(Database &db, const QString &sql, const QVariantList &params = {});

} // namespace BackPayFixture
