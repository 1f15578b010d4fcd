#include "BackPayFixture.h"

#include "TestApp.h"
#include "backpay/BackPayTax.h"
#include "db/Database.h"

#include <gtest/gtest.h>

using namespace BackPayFixture;

namespace {

const QString kChinese = QStringLiteral("中方");
const QString kForeign = QStringLiteral("外方");

struct TaxCase
{
    const char *what;
    const char *backPay, *taxable, *deduction;
    const char *tax;
};

// Worked on paper with 0-500 at 5% and 500-2000 at 10% less 25.
const TaxCase kCases[] = {
    // (2000 + 300 - 1600) x 10% - 25 = 45, less (2000 - 1600) x 5% = 20.
    {"the example", "300", "2000", "1600", "25"},
    // Only the 200 that lifts 1400 above 1600 is taxed: 200 x 5% = 10.
    {"taxable below the deduction", "400", "1400", "1600", "10"},
    {"still below the deduction", "100", "1400", "1600", "0"},
    // 2000 + 1000 - 0 = 3000 lies above the highest upper bound (2000): the top band's rate,
    // 3000 x 10% - 25 = 275, less 2000 x 10% - 25 = 175.
    {"above the highest band", "1000", "2000", "0", "100"},
    // 500 is the top of the first band: 500 x 5% = 25; 500.01 belongs to the second:
    // 500.01 x 10% - 25 = 25.001, to cents 25.00.
    {"on a band's upper bound", "500", "0", "0", "25"},
    {"just above it", "500.01", "0", "0", "25"},
    // Each figure in cents: 700.05 x 10% - 25 = 45.005 -> 45.01; 400 x 5% = 20.
    {"cents", "300.05", "2000", "1600", "25.01"},
    {"no back pay", "0", "2000", "1600", "0"},
};

} // namespace

TEST(BackPayTax, HandWorkedMonths)
{
    const TaxRates rates = exampleRates();
    for (const TaxCase &c : kCases) {
        EXPECT_EQ(BackPayMonthTax(rates, kChinese, M(c.backPay), M(c.taxable), M(c.deduction)),
                  M(c.tax))
            << c.what;
    }
}

TEST(BackPayTax, EmptyTableTaxesNothingAndMissingTableNoFigure)
{
    const TaxRates empty = ratesWith(RateSet::loadedWith({}), RateSet::loadedWith({}));
    EXPECT_EQ(BackPayMonthTax(empty, kChinese, M("300"), M("2000"), M("1600")), M("0"));
    const TaxRates missing = ratesWith(RateSet(), RateSet());
    EXPECT_FALSE(BackPayMonthTax(missing, kChinese, M("300"), M("2000"), M("1600")).has_value());
}

TEST(BackPayTax, ForeignStaffOnTheirOwnRates)
{
    // A flat 20% for foreign staff tells the two sets apart.
    const TaxRates rates =
        ratesWith(exampleRates().wage(), bands({{"0", "99999999", "0.20", "0"}}));
    // (4000 + 1000 - 4000) x 20% = 200, less 0.
    EXPECT_EQ(BackPayMonthTax(rates, kForeign, M("1000"), M("4000"), M("4000")), M("200"));
    EXPECT_EQ(BackPayMonthTax(rates, kChinese, M("300"), M("2000"), M("1600")), M("25"));
}

TEST(BackPayTax, SqlFunctionGivesTheSameFigures)
{
    TestApp app;
    const TaxRates rates =
        ratesWith(exampleRates().wage(), bands({{"0", "99999999", "0.20", "0"}}));
    ASSERT_TRUE(RegisterBackPayTax(app.db(), rates));
    const auto tax = [&](const QVariant &c, const QVariant &t, const QVariant &d,
                         const QString &type) {
        const auto v =
            app.db().scalar(QStringLiteral("select BackPayTax(?, ?, ?, ?)"), {c, t, d, type});
        EXPECT_TRUE(v.has_value()) << app.db().lastError().toStdString();
        return v ? Money::fromRaw(v->toLongLong()) : Money::fromRaw(-1);
    };
    const auto money = [](const char *text) { return QVariant::fromValue(M(text)); };
    for (const TaxCase &c : kCases) {
        EXPECT_EQ(tax(money(c.backPay), money(c.taxable), money(c.deduction), kChinese), M(c.tax))
            << c.what;
    }
    EXPECT_EQ(tax(money("1000"), money("4000"), money("4000"), kForeign), M("200"));
    // Amounts left empty count as nothing.
    EXPECT_EQ(tax(money("300"), QVariant(), money("0"), kChinese), M("15"));
}

TEST(BackPayTax, SqlFunctionFailsWithoutTheEmployeesRates)
{
    TestApp app;
    ASSERT_TRUE(RegisterBackPayTax(app.db(), ratesWith(exampleRates().wage(), RateSet())));
    EXPECT_TRUE(
        app.db().scalar(QStringLiteral("select BackPayTax(1, 2, 0, ?)"), {kChinese}).has_value());
    EXPECT_FALSE(
        app.db().scalar(QStringLiteral("select BackPayTax(1, 2, 0, ?)"), {kForeign}).has_value());
    EXPECT_EQ(app.db().lastError(), TaxRates::failureMessage(TaxRates::Kind::Foreign));
}
