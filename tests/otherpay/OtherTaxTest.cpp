// The tax of an other payment by income type, on the delivered rate rows (written out by hand
// in TaxTestRates.h). Every expected figure is worked out on paper in the comment beside it.

#include "../tax/TaxTestRates.h"

#include "otherpay/OtherTax.h"

#include <gtest/gtest.h>

// Found by GoogleTest next to the type, so failures print the figures.
void PrintTo(const OtherTaxFigures &f, std::ostream *os)
{
    *os << "{deduction " << qPrintable(f.deduction.toPlainString()) << ", taxable "
        << qPrintable(f.taxable.toPlainString()) << ", rate " << qPrintable(f.rate.toPlainString())
        << ", quick " << qPrintable(f.quickDeduct.toPlainString()) << ", tax "
        << qPrintable(f.tax.toPlainString()) << '}';
}

namespace {

OtherTaxFigures F(const char *deduction, const char *taxable, const char *rate, const char *quick,
                  const char *tax)
{
    return {M(deduction), M(taxable), M(rate), M(quick), M(tax)};
}

struct Case
{
    const char *type;
    const char *income;
    const char *shownDeduction; // nullptr: the field is empty
    OtherTaxFigures expected;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.type << ' ' << c.income << (c.shownDeduction ? " less " : "")
        << (c.shownDeduction ? c.shownDeduction : "");
}

class OtherTaxCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(OtherTaxCases, GivesTheFiguresOfTheType)
{
    const Case &c = GetParam();
    const TaxRates rates = handRates();
    const std::optional<Money> shown =
        c.shownDeduction ? std::optional<Money>(M(c.shownDeduction)) : std::nullopt;
    const auto f = ComputeOtherTax(rates, QString::fromUtf8(c.type), M(c.income), shown);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(*f, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ByType, OtherTaxCases,
    ::testing::Values(
        // Labour up to 4000: fixed deduction 800; (3000 - 800) × 20% = 440.
        Case{"劳务报酬收入", "3000", nullptr, F("800", "2200", "0.2", "0", "440")},
        // A deduction left in the field from before does not matter: the routine sets its own.
        Case{"劳务报酬收入", "3000", "123", F("800", "2200", "0.2", "0", "440")},
        // Above 20000: deduction 30000 × 20% = 6000; 24000 in the 30% bracket less 2000 = 5200.
        Case{"劳务报酬收入", "30000", nullptr, F("6000", "24000", "0.3", "2000", "5200")},
        // Contract: 50000 less a typed 60000 is nothing to tax; the deduction stays as typed.
        Case{"承包经营收入", "50000", "60000", F("60000", "0", "0", "0", "0")},
        // Contract: 50000 - 10000 = 40000 in the 30% bracket: 12000 - 4250 = 7750.
        Case{"承包经营收入", "50000", "10000", F("10000", "40000", "0.3", "4250", "7750")},
        // Contract with the deduction field empty: 8000 in the 10% bracket: 800 - 250 = 550.
        Case{"承包经营收入", "8000", nullptr, F("0", "8000", "0.1", "250", "550")},
        // Interest: a flat 20%, no deduction; 1234.56 × 20% = 246.912, in cents 246.91.
        Case{"利息股息偶然所得", "1234.56", nullptr, F("0", "1234.56", "0.2", "0", "246.91")},
        // Other income is taxed on the interest rows: 1000 × 20% = 200.
        Case{"其他所得", "1000", nullptr, F("0", "1000", "0.2", "0", "200")},
        // A type no routine taxes: taxable = income, no rate, no tax.
        Case{"稿酬所得", "5000", nullptr, F("0", "5000", "0", "0", "0")},
        // ... less a deduction the panel already showed for the row (never below 0).
        Case{"稿酬所得", "5000", "800", F("800", "4200", "0", "0", "0")},
        Case{"稿酬所得", "500", "800", F("800", "0", "0", "0", "0")},
        // No type chosen at all: the same.
        Case{"", "5000", nullptr, F("0", "5000", "0", "0", "0")}));

TEST(OtherTax, TypesAreReadTrimmed)
{
    const TaxRates rates = handRates();
    EXPECT_EQ(ComputeOtherTax(rates, QStringLiteral(" 其他所得 "), M("1000"), std::nullopt)->tax,
              M("200"));
}

TEST(OtherTax, NoFigureFromARateSetThatFailedToLoad)
{
    TaxRates rates = handRates();
    rates.setRates(TaxRates::Kind::Service, RateSet());
    EXPECT_FALSE(ComputeOtherTax(rates, QStringLiteral("劳务报酬收入"), M("3000"), std::nullopt));
    EXPECT_EQ(OtherTaxRateKind(QStringLiteral("劳务报酬收入")), TaxRates::Kind::Service);
    // Types without a routine need no rate set.
    EXPECT_TRUE(ComputeOtherTax(rates, QStringLiteral("稿酬所得"), M("3000"), std::nullopt));
    EXPECT_FALSE(OtherTaxRateKind(QStringLiteral("稿酬所得")));
}

} // namespace
