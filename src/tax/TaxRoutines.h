#pragma once

#include "base/Money.h"
#include "tax/TaxRates.h"

#include <optional>

// Individual income tax, one routine per income type and direction. Every routine is a pure
// function of the rate set it is given and its inputs. Inside a routine products and quotients
// keep 4 decimals (ties to even); every figure returned is rounded to cents (RoundMoney).
//
// A routine given a set that failed to load returns nothing: there is no tax figure without
// brackets. A loaded set without a bracket for the amount gives tax 0 (and, from an after-tax
// amount, a gross equal to the net amount).

// Income limits of the era's rules that are part of the formulas rather than of the rate rows.
namespace TaxLimit {
// Labour remuneration, royalties, franchise and lease: up to this income the fixed deduction
// applies, above it the percentage deduction.
inline constexpr Money kFixedDeductionLimit = Money::fromYuan(4000);
// Labour remuneration: above this income the taxable amount goes through the brackets.
inline constexpr Money kServiceBracketLimit = Money::fromYuan(20000);
// After-tax income that corresponds to 4000.00 of labour remuneration, franchise or lease.
inline constexpr Money kNetFixedDeductionLimit = Money::fromYuan(3360);
// After-tax income that corresponds to 4000.00 of royalties.
inline constexpr Money kNetRoyaltyDeductionLimit = Money::fromYuan(3552);
} // namespace TaxLimit

// The figures of one computation, as the wage sheet and the ledger store them.
struct TaxResult
{
    Money BaseMoney;     // the deduction
    Money TaxableIncome; // the amount subject to the rate
    Money TaxRate;
    Money QuickDeduct;
    Money TaxMoney;
    bool operator==(const TaxResult &) const = default;
};

// The outcome of a computation from an after-tax amount.
struct GrossAndTax
{
    Money gross;
    Money tax;
    bool operator==(const GrossAndTax &) const = default;
};

// Wages (either wage set).
std::optional<Money> CalcWageTax(const RateSet &rates, Money income, Money deduction);
// The deduction is the set's BaseMoney. Fields without a bracket stay 0.
std::optional<TaxResult> CalcWageTaxDetail(const RateSet &rates, Money taxablePay);
std::optional<GrossAndTax> CalcWageTaxFromNet(const RateSet &rates, Money net, Money deduction);

// Contract operation income (承包经营), on the amount after its deduction.
std::optional<Money> CalcContractTax(const RateSet &rates, Money taxable);
// `result` comes in with BaseMoney set by the caller (other fields as the caller wants them kept
// when no bracket applies); the bracket is that of taxable - BaseMoney, the amount taxed.
std::optional<TaxResult> CalcContractTaxDetail(const RateSet &rates, TaxResult result,
                                               Money taxable);
std::optional<GrossAndTax> CalcContractTaxFromNet(const RateSet &rates, Money net);

// Labour remuneration (劳务报酬): pre-tax on the labour set, after-tax on the after-tax set.
std::optional<Money> CalcServiceTax(const RateSet &rates, Money income);
// TaxableIncome is left 0.
std::optional<TaxResult> CalcServiceTaxDetail(const RateSet &rates, Money income);
std::optional<GrossAndTax> CalcServiceTaxFromNet(const RateSet &netRates, Money net);

// The mixed set: royalties (稿酬, with the 稿酬减免 reduction), franchise fees and property
// lease (特许权财产租赁), interest, dividends and incidental income (利息股息偶然所得).
std::optional<Money> CalcRoyaltyTax(const RateSet &rates, Money income);
std::optional<GrossAndTax> CalcRoyaltyTaxFromNet(const RateSet &rates, Money net);
std::optional<Money> CalcFranchiseLeaseTax(const RateSet &rates, Money income);
std::optional<GrossAndTax> CalcFranchiseLeaseTaxFromNet(const RateSet &rates, Money net);
std::optional<Money> CalcInterestTax(const RateSet &rates, Money income);
std::optional<TaxResult> CalcInterestTaxDetail(const RateSet &rates, Money income);
std::optional<GrossAndTax> CalcInterestTaxFromNet(const RateSet &rates, Money net);

// One-off bonus (一次性奖金) on the wage set of the employee's type, with the month's taxable
// wage. A deduction of 0 means the set's own.
std::optional<Money> CalcBonusTax(const RateSet &rates, Money bonus, Money wage, Money deduction);
std::optional<TaxResult> CalcBonusTaxDetail(const RateSet &rates, Money bonus, Money wage);
