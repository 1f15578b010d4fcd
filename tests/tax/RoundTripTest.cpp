// Every after-tax routine against its pre-tax counterpart: the gross it returns, taxed again,
// leaves the net amount within one cent. And sets that are empty or missing.

#include "TaxTestRates.h"

#include "tax/TaxRoutines.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using FromNet = std::function<std::optional<GrossAndTax>(Money)>;
using PreTax = std::function<std::optional<Money>(Money)>;

// Nets around every bound of the sets and thresholds, and a spread in between.
QList<Money> nets()
{
    QList<Money> list;
    for (const char *bound : {"475", "800", "1825", "3360", "3552", "4375", "4750", "9250",
                              "16375", "21000", "25250", "31375", "39250", "45375", "49500",
                              "58375", "70375"}) {
        for (const char *delta : {"-0.01", "0", "0.01", "800", "4000"}) {
            list << M(bound) + M(delta);
        }
    }
    for (std::int64_t cents = 1; cents < 30000000; cents = cents * 11 / 10 + 7) {
        list << Money::fromCents(cents);
    }
    return list;
}

void roundTrip(const char *name, const FromNet &fromNet, const PreTax &preTax)
{
    SCOPED_TRACE(name);
    const Money cent = Money::fromCents(1);
    for (const Money net : nets()) {
        const auto r = fromNet(net);
        ASSERT_TRUE(r.has_value());
        const auto tax = preTax(r->gross);
        ASSERT_TRUE(tax.has_value());
        const Money back = r->gross - *tax;
        EXPECT_LE(back - net, cent) << qPrintable(net.toPlainString()) << " -> "
                                     << qPrintable(r->gross.toPlainString());
        EXPECT_GE(back - net, -cent) << qPrintable(net.toPlainString()) << " -> "
                                      << qPrintable(r->gross.toPlainString());
        EXPECT_LE(r->tax - *tax, cent) << qPrintable(net.toPlainString());
        EXPECT_GE(r->tax - *tax, -cent) << qPrintable(net.toPlainString());
    }
}

TEST(RoundTrip, AfterTaxGrossTaxedAgainGivesTheNetBack)
{
    const RateSet cn = chineseWage();
    const RateSet other = otherSet();
    for (const char *deduction : {"800", "4000", "0"}) {
        const Money d = M(deduction);
        roundTrip(deduction, [&](Money n) { return CalcWageTaxFromNet(cn, n, d); },
                  [&](Money g) { return CalcWageTax(cn, g, d); });
    }
    const RateSet contract = contractSet();
    roundTrip("contract", [&](Money n) { return CalcContractTaxFromNet(contract, n); },
              [&](Money g) { return CalcContractTax(contract, g); });
    const RateSet net = netServiceSet();
    const RateSet service = serviceSet();
    roundTrip("service", [&](Money n) { return CalcServiceTaxFromNet(net, n); },
              [&](Money g) { return CalcServiceTax(service, g); });
    roundTrip("royalty", [&](Money n) { return CalcRoyaltyTaxFromNet(other, n); },
              [&](Money g) { return CalcRoyaltyTax(other, g); });
    roundTrip("franchise", [&](Money n) { return CalcFranchiseLeaseTaxFromNet(other, n); },
              [&](Money g) { return CalcFranchiseLeaseTax(other, g); });
    roundTrip("interest", [&](Money n) { return CalcInterestTaxFromNet(other, n); },
              [&](Money g) { return CalcInterestTax(other, g); });
}

TEST(EmptySet, NoBracketsMeansNoTaxAndGrossEqualsNet)
{
    const RateSet empty = RateSet::loadedWith({});
    const Money a = M("12345.67");
    EXPECT_EQ(CalcWageTax(empty, a, M("800")), Money());
    EXPECT_EQ(CalcContractTax(empty, a), Money());
    EXPECT_EQ(CalcServiceTax(empty, a), Money());
    EXPECT_EQ(CalcRoyaltyTax(empty, a), Money());
    EXPECT_EQ(CalcFranchiseLeaseTax(empty, a), Money());
    EXPECT_EQ(CalcInterestTax(empty, a), Money());
    EXPECT_EQ(CalcBonusTax(empty, a, a, Money()), Money());
    const GrossAndTax same{a, Money()};
    EXPECT_EQ(CalcWageTaxFromNet(empty, a, M("800")), same);
    EXPECT_EQ(CalcContractTaxFromNet(empty, a), same);
    EXPECT_EQ(CalcServiceTaxFromNet(empty, a), same);
    EXPECT_EQ(CalcRoyaltyTaxFromNet(empty, a), same);
    EXPECT_EQ(CalcFranchiseLeaseTaxFromNet(empty, a), same);
    EXPECT_EQ(CalcInterestTaxFromNet(empty, a), same);
    EXPECT_EQ(CalcServiceTaxDetail(empty, a), TaxResult{});
    EXPECT_EQ(CalcBonusTaxDetail(empty, a, a), TaxResult{});
}

TEST(MissingSet, NoRoutineGivesAFigureFromASetThatFailedToLoad)
{
    const RateSet missing;
    const Money a = M("5000");
    EXPECT_FALSE(CalcWageTax(missing, a, a));
    EXPECT_FALSE(CalcWageTaxDetail(missing, a));
    EXPECT_FALSE(CalcWageTaxFromNet(missing, a, a));
    EXPECT_FALSE(CalcContractTax(missing, a));
    EXPECT_FALSE(CalcContractTaxDetail(missing, TaxResult{}, a));
    EXPECT_FALSE(CalcContractTaxFromNet(missing, a));
    EXPECT_FALSE(CalcServiceTax(missing, a));
    EXPECT_FALSE(CalcServiceTaxDetail(missing, a));
    EXPECT_FALSE(CalcServiceTaxFromNet(missing, a));
    EXPECT_FALSE(CalcRoyaltyTax(missing, a));
    EXPECT_FALSE(CalcRoyaltyTaxFromNet(missing, a));
    EXPECT_FALSE(CalcFranchiseLeaseTax(missing, a));
    EXPECT_FALSE(CalcFranchiseLeaseTaxFromNet(missing, a));
    EXPECT_FALSE(CalcInterestTax(missing, a));
    EXPECT_FALSE(CalcInterestTaxDetail(missing, a));
    EXPECT_FALSE(CalcInterestTaxFromNet(missing, a));
    EXPECT_FALSE(CalcBonusTax(missing, a, a, a));
    EXPECT_FALSE(CalcBonusTaxDetail(missing, a, a));
}

TEST(SharedSet, ACallWithoutBracketDoesNotDisturbTheNext)
{
    // The same set serves a whole wage sheet: a row below the deduction must not make the set
    // look empty to the next row.
    const RateSet cn = chineseWage();
    EXPECT_EQ(CalcWageTax(cn, M("500"), M("800")), Money());
    EXPECT_EQ(CalcWageTaxDetail(cn, M("3000"))->TaxMoney, M("205"));
    EXPECT_EQ(CalcContractTax(contractSet(), M("-1")), Money());
    EXPECT_EQ(CalcBonusTax(cn, M("300"), M("500"), Money()), Money());
    EXPECT_EQ(cn.baseMoney(), M("800"));
    EXPECT_EQ(CalcWageTax(cn, M("3000"), M("800")), M("205"));
}

} // namespace
