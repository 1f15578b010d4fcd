// Wages and one-off bonus on the wage sets. Expected figures worked out by hand from the rows:
// Chinese deduction 800, foreign 4000; brackets 5% to 45% with their quick deductions.

#include "TaxTestRates.h"

#include "tax/TaxRoutines.h"

#include <gtest/gtest.h>

namespace {

TaxResult R(const char *base, const char *taxable, const char *rate, const char *quick,
            const char *tax)
{
    return {M(base), M(taxable), M(rate), M(quick), M(tax)};
}

TEST(CalcWageTax, EveryBracketAndItsBounds)
{
    const RateSet cn = chineseWage();
    struct Case
    {
        const char *income, *deduction, *tax;
    } cases[] = {
        {"500", "800", "0"},              // below the deduction
        {"800", "800", "0"},              // exactly the deduction
        {"800.01", "800", "0"},           // 0.0005 rounds to nothing
        {"1033.33", "800", "11.67"},      // 11.6665 rounds half away from zero
        {"1300", "800", "25"},            // 500 is the top of the 5% bracket
        {"1300.01", "800", "25"},         // 500.01 at 10% - 25
        {"2800", "800", "175"},           // 2000 still 10%
        {"2800.01", "800", "175"},        // 2000.01 at 15% - 125 = 175.0015
        {"3000", "800", "205"},           // interior of 15%
        {"5800", "800", "625"},
        {"5801", "800", "625.2"},
        {"20800", "800", "3625"},
        {"20800.01", "800", "3625"},      // 3625.0025
        {"40800", "800", "8625"},
        {"60800", "800", "14625"},
        {"80800", "800", "21625"},
        {"100800", "800", "29625"},
        {"100800.01", "800", "29625"},    // 29625.0045 in the 45% bracket
        {"200800", "800", "74625"},
        {"100", "0", "5"},                // a deduction typed as 0
        {"9000", "4000", "625"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalcWageTax(cn, M(c.income), M(c.deduction)), M(c.tax)) << c.income;
    }
    // The foreign set has the same brackets; its deduction is only read by the detail routine.
    EXPECT_EQ(CalcWageTax(foreignWage(), M("9000"), M("4000")), M("625"));
}

TEST(CalcWageTaxDetail, DeductionComesFromTheSet)
{
    struct Case
    {
        const RateSet set;
        const char *pay;
        TaxResult expected;
    } cases[] = {
        {chineseWage(), "800", R("800", "0", "0", "0", "0")},
        {chineseWage(), "500", R("800", "0", "0", "0", "0")},
        {chineseWage(), "1300", R("800", "500", "0.05", "0", "25")},
        {chineseWage(), "3000", R("800", "2200", "0.15", "125", "205")},
        {chineseWage(), "20800.01", R("800", "20000.01", "0.25", "1375", "3625")},
        {foreignWage(), "9000", R("4000", "5000", "0.15", "125", "625")},
        {foreignWage(), "4000", R("4000", "0", "0", "0", "0")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalcWageTaxDetail(c.set, M(c.pay)), c.expected) << c.pay;
    }
    EXPECT_EQ(CalcWageTaxDetail(RateSet::loadedWith({}), M("5000")), TaxResult{});
}

TEST(CalcWageTaxFromNet, BracketOnTheAfterTaxBounds)
{
    const RateSet cn = chineseWage();
    struct Case
    {
        const char *net, *deduction, *gross, *tax;
    } cases[] = {
        {"500", "800", "500", "0"},            // no bracket: gross = net
        {"800", "800", "800", "0"},
        {"1275", "800", "1300", "25"},         // 475 after tax: top of 5%
        {"1275.01", "800", "1300.01", "25"},   // t = 450.01 / 0.9 = 500.0111
        {"5000", "800", "5594.12", "594.12"},  // t = 4075 / 0.85 = 4794.1176
        {"5000", "4000", "5083.33", "83.33"},  // t = 975 / 0.9 = 1083.3333
        {"17175", "800", "20800", "3625"},     // 16375 after tax: top of 20%
        {"2625.01", "800", "2800.01", "175"},  // t = 1700.01 / 0.85 = 2000.0118
        {"4475", "4000", "4500", "25"},        // foreign deduction: 475 after tax, 5%
        {"71175.01", "800", "100800.02", "29625.01"}, // t = 55000.01 / 0.55 = 100000.0182
        {"100000", "800", "153209.09", "53209.09"}, // t = 83825 / 0.55 = 152409.0909
    };
    for (const Case &c : cases) {
        const auto r = CalcWageTaxFromNet(cn, M(c.net), M(c.deduction));
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->gross, M(c.gross)) << c.net;
        EXPECT_EQ(r->tax, M(c.tax)) << c.net;
    }
}

TEST(CalcBonusTax, ShortfallOfTheDeductionReducesTheBonus)
{
    struct Case
    {
        const RateSet set;
        const char *bonus, *wage, *deduction, *tax;
    } cases[] = {
        {chineseWage(), "0", "3000", "0", "0"},
        {chineseWage(), "1000", "3000", "0", "75"},   // deduction from the set; 10% - 25
        {chineseWage(), "1000", "3000", "800", "75"},
        {chineseWage(), "500", "3000", "0", "25"},    // bonus on a lower bound: 5%
        {chineseWage(), "500.01", "3000", "0", "25"}, // 25.001
        {chineseWage(), "1000", "800", "0", "75"},    // wage uses the deduction exactly
        {chineseWage(), "1000", "500", "0", "45"},    // 700 at 10% - 25
        {chineseWage(), "1000", "0", "0", "10"},      // 200 at 5%
        {chineseWage(), "300", "500", "0", "0"},      // wage + bonus = deduction
        {chineseWage(), "200", "500", "0", "0"},      // wage + bonus below it
        {foreignWage(), "6000", "3000", "0", "625"},  // 5000 at 15% - 125
        {chineseWage(), "25000", "5000", "4000", "4875"},
        {chineseWage(), "1000", "1500", "2000", "25"}, // a typed deduction's shortfall: 500
        {foreignWage(), "1000", "3500", "0", "25"},    // 500 left: still 5%
        {foreignWage(), "1000", "3500.01", "0", "25"}, // 500.01 at 10% - 25 = 25.001
        {chineseWage(), "20000", "100", "0", "3485"},  // 19300 at 20% - 375
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalcBonusTax(c.set, M(c.bonus), M(c.wage), M(c.deduction)), M(c.tax))
            << c.bonus << " / " << c.wage;
    }
}

TEST(CalcBonusTaxDetail, FiguresOfTheBracketActuallyApplied)
{
    struct Case
    {
        const char *bonus, *wage;
        TaxResult expected;
    } cases[] = {
        {"0", "3000", R("0", "0", "0", "0", "0")},
        {"1000", "3000", R("800", "1000", "0.10", "25", "75")},
        {"2500", "1400", R("800", "2500", "0.15", "125", "250")},
        {"2500", "200", R("800", "1900", "0.10", "25", "165")}, // bracket of 1900, not 2500
        {"1000", "500", R("800", "700", "0.10", "25", "45")},
        {"1000", "0", R("800", "200", "0.05", "0", "10")},
        {"300", "500", R("800", "0", "0", "0", "0")},  // nothing left: no rate, no quick
        {"600", "100", R("800", "0", "0", "0", "0")},  // wage + bonus short of it
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalcBonusTaxDetail(chineseWage(), M(c.bonus), M(c.wage)), c.expected)
            << c.bonus << " / " << c.wage;
    }
    EXPECT_EQ(CalcBonusTaxDetail(foreignWage(), M("6000"), M("3000")),
              R("4000", "5000", "0.15", "125", "625"));
}

} // namespace
