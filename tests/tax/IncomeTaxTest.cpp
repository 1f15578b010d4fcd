// Contract income, labour remuneration, royalties, franchise and lease, interest. Expected
// figures worked out by hand from the rows in TaxTestRates.h.

#include "TaxTestRates.h"

#include "tax/TaxRoutines.h"

#include <gtest/gtest.h>

namespace {

TaxResult R(const char *base, const char *taxable, const char *rate, const char *quick,
            const char *tax)
{
    return {M(base), M(taxable), M(rate), M(quick), M(tax)};
}

struct TaxCase
{
    const char *amount, *tax;
};
struct NetCase
{
    const char *net, *gross, *tax;
};

void expectTaxes(std::optional<Money> (*routine)(const RateSet &, Money), const RateSet &set,
                 std::initializer_list<TaxCase> cases)
{
    for (const TaxCase &c : cases) {
        EXPECT_EQ(routine(set, M(c.amount)), M(c.tax)) << c.amount;
    }
}

void expectNets(std::optional<GrossAndTax> (*routine)(const RateSet &, Money), const RateSet &set,
                std::initializer_list<NetCase> cases)
{
    for (const NetCase &c : cases) {
        EXPECT_EQ(routine(set, M(c.net)), GT(c.gross, c.tax)) << c.net;
    }
}

TEST(CalcContractTax, WholeAmountThroughTheBrackets)
{
    expectTaxes(CalcContractTax, contractSet(),
                {{"-100", "0"},           // a typed deduction above the income
                 {"0", "0"},
                 {"1234.56", "61.73"},    // 61.728
                 {"5000", "250"},
                 {"5000.01", "250"},      // 10% - 250 = 250.001
                 {"10000", "750"},
                 {"30000", "4750"},
                 {"50000", "10750"},
                 {"50000.01", "10750"},   // 35% - 6750 = 10750.0035
                 {"100000", "28250"}});
}

TEST(CalcContractTaxDetail, FieldsWithoutABracketStayAsTheyCame)
{
    EXPECT_EQ(CalcContractTaxDetail(contractSet(), TaxResult{}, M("30000")),
              R("0", "0", "0.2", "1250", "4750"));
    // Income 1000 with 1500 deducted: nothing to tax; the caller's figures are kept.
    EXPECT_EQ(CalcContractTaxDetail(contractSet(), R("0", "777", "0", "0", "0"), M("-500")),
              R("0", "777", "0", "0", "0"));
    EXPECT_EQ(CalcContractTaxDetail(contractSet(), TaxResult{}, M("1234.567")),
              R("0", "0", "0.05", "0", "61.73"));
    // With BaseMoney from the caller the bracket is that of the 4000 taxed (5%), not of 6000.
    EXPECT_EQ(CalcContractTaxDetail(contractSet(), R("2000", "0", "0", "0", "0"), M("6000")),
              R("2000", "0", "0.05", "0", "200"));
}

TEST(CalcContractTaxFromNet, GrossAndTaxFromTheAfterTaxBounds)
{
    expectNets(CalcContractTaxFromNet, contractSet(),
               {{"-5", "-5", "0"},
                {"0", "0", "0"},
                {"4750", "5000", "250"},
                {"4750.01", "5000.01", "250"},     // t = 4500.01 / 0.9 = 5000.0111
                {"25250", "30000", "4750"},
                {"9250", "10000", "750"},
                {"9250.01", "10000.01", "750"},     // t = 8000.01 / 0.8 = 10000.0125
                {"100000", "143461.54", "43461.54"}}); // t = 93250 / 0.65 = 143461.5385
}

TEST(CalcServiceTax, FixedThenPercentageDeductionThenBrackets)
{
    expectTaxes(CalcServiceTax, serviceSet(),
                {{"0", "0"},
                 {"800", "0"},
                 {"1000", "40"},
                 {"1234.56", "86.91"},    // 434.56 * 0.2 = 86.912
                 {"4000", "640"},         // still the fixed 800
                 {"4000.01", "640"},      // 3200.008 * 0.2 = 640.0016
                 {"20000", "3200"},       // still the middle formula
                 {"20000.01", "3200"},    // 16000.008 through the brackets: 20%
                 {"25000", "4000"},       // taxable 20000: the bracket below
                 {"25000.01", "4000"},    // 20000.008 at 30% - 2000
                 {"30000", "5200"},
                 {"62500", "13000"},
                 {"62500.01", "13000"},   // 50000.008 at 40% - 7000
                 {"100000", "25000"}});
}

TEST(CalcServiceTaxDetail, DeductionRateAndQuickOfEachFormula)
{
    struct Case
    {
        const char *income;
        TaxResult expected;
    } cases[] = {
        {"500", R("800", "0", "0.2", "0", "0")},
        {"1000", R("800", "0", "0.2", "0", "40")},
        {"4000", R("800", "0", "0.2", "0", "640")},
        {"4000.01", R("800", "0", "0.2", "0", "640")}, // 800.002 percentage deduction
        {"20000", R("4000", "0", "0.2", "0", "3200")},
        {"30000", R("6000", "0", "0.3", "2000", "5200")},
        {"100000", R("20000", "0", "0.4", "7000", "25000")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalcServiceTaxDetail(serviceSet(), M(c.income)), c.expected) << c.income;
    }
}

TEST(CalcServiceTaxFromNet, FixedDeductionUpTo3360)
{
    expectNets(CalcServiceTaxFromNet, netServiceSet(),
               {{"0", "0", "0"},
                {"500", "500", "0"},              // would give negative tax
                {"800", "800", "0"},
                {"2000", "2300", "300"},
                {"3360", "4000", "640"},          // the fixed-deduction formula
                {"3360.01", "4000.01", "640"},    // 3200.0095 taxable
                {"21000", "25000", "4000"},
                {"21000.01", "25000.01", "4000"}, // 20000.0105 at 30% - 2000
                {"24800", "30000", "5200"},
                {"49500.01", "62500.01", "13000"}, // 50000.0118 at 40% - 7000
                {"49500", "62500", "13000"},
                {"100000", "136764.71", "36764.71"}}); // taxable 74400 / 0.68 = 109411.7647
}

TEST(CalcRoyaltyTax, ThirtyPercentReductionOfTheTax)
{
    expectTaxes(CalcRoyaltyTax, otherSet(),
                {{"0", "0"},
                 {"800", "0"},
                 {"1000", "28"},          // 200 * 20% * 70%
                 {"1234.56", "60.84"},    // 86.912 * 0.7 = 60.8384
                 {"4000", "448"},
                 {"4000.01", "448"},      // 3200.008 * 0.2 * 0.7 = 448.0011
                 {"5000", "560"},
                 {"10000", "1120"},
                 {"100000", "11200"}});
}

TEST(CalcRoyaltyTaxFromNet, FixedDeductionUpTo3552)
{
    expectNets(CalcRoyaltyTaxFromNet, otherSet(),
               {{"0", "0", "0"},
                {"500", "500", "0"},
                {"800", "800", "0"},            // (800 - 112) / 0.86 = 800
                {"1000", "1032.56", "32.56"},   // 888 / 0.86 = 1032.5581
                {"3552", "4000", "448"},
                {"3552.01", "4000.01", "448"},  // 3552.01 / 0.888 = 4000.0113
                {"4368", "4918.92", "550.92"},
                {"4440", "5000", "560"},
                {"8880", "10000", "1120"}});
}

TEST(CalcFranchiseLeaseTax, FlatRateAfterTheDeduction)
{
    expectTaxes(CalcFranchiseLeaseTax, otherSet(),
                {{"0", "0"},
                 {"500", "0"},
                 {"800", "0"},
                 {"1000", "40"},
                 {"1234.56", "86.91"},
                 {"4000", "640"},
                 {"4000.01", "640"},
                 {"5000", "800"},
                 {"10000", "1600"}});
}

TEST(CalcFranchiseLeaseTaxFromNet, FixedDeductionUpTo3360)
{
    expectNets(CalcFranchiseLeaseTaxFromNet, otherSet(),
               {{"0", "0", "0"},
                {"500", "500", "0"},
                {"800", "800", "0"},
                {"2000", "2300", "300"},
                {"3360", "4000", "640"},
                {"3360.01", "4000.01", "640"},
                {"4200", "5000", "800"},
                {"8400", "10000", "1600"}});
}

TEST(CalcInterestTax, FlatRateWithoutDeduction)
{
    expectTaxes(CalcInterestTax, otherSet(),
                {{"0", "0"}, {"0.03", "0.01"}, {"100", "20"}, {"1234.56", "246.91"}});
    EXPECT_EQ(CalcInterestTaxDetail(otherSet(), M("1000")), R("0", "1000", "0.2", "0", "200"));
    EXPECT_EQ(CalcInterestTaxDetail(otherSet(), M("1234.56")),
              R("0", "1234.56", "0.2", "0", "246.91"));
    expectNets(CalcInterestTaxFromNet, otherSet(),
               {{"0", "0", "0"},
                {"0.01", "0.01", "0"},     // 0.0125 and 0.0025
                {"80", "100", "20"},
                {"333.33", "416.66", "83.33"},
                {"1234.56", "1543.2", "308.64"}});
}

TEST(OtherIncome, TypesWithoutRowsAreNotTaxed)
{
    const RateSet onlyInterest = handSet({{"0", "0", "0.20", "0", "0", "利息股息偶然所得"}});
    EXPECT_EQ(CalcRoyaltyTax(onlyInterest, M("5000")), M("0"));
    EXPECT_EQ(CalcFranchiseLeaseTax(onlyInterest, M("5000")), M("0"));
    EXPECT_EQ(CalcRoyaltyTaxFromNet(onlyInterest, M("5000")), GT("5000", "0"));
    EXPECT_EQ(CalcFranchiseLeaseTaxFromNet(onlyInterest, M("5000")), GT("5000", "0"));
    // Without its reduction row a royalty is taxed at the full rate.
    const RateSet noReduction = handSet({{"0", "0", "0.20", "800", "800", "稿酬"}});
    EXPECT_EQ(CalcRoyaltyTax(noReduction, M("1000")), M("40"));
    const RateSet noInterest = handSet({{"0", "0", "0.20", "800", "800", "稿酬"}});
    EXPECT_EQ(CalcInterestTax(noInterest, M("100")), M("0"));
    EXPECT_EQ(CalcInterestTaxFromNet(noInterest, M("100")), GT("100", "0"));
}

} // namespace
