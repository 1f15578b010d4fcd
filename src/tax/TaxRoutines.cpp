#include "tax/TaxRoutines.h"

#include "base/TextHelpers.h"
#include "tax/TaxTexts.h"

namespace {

constexpr Money kOne = Money::fromYuan(1);

Money positiveOrZero(Money m)
{
    return m > Money() ? m : Money();
}

TaxResult rounded(TaxResult r)
{
    r.BaseMoney = RoundMoney(r.BaseMoney);
    r.TaxableIncome = RoundMoney(r.TaxableIncome);
    r.TaxRate = RoundMoney(r.TaxRate);
    r.QuickDeduct = RoundMoney(r.QuickDeduct);
    r.TaxMoney = RoundMoney(r.TaxMoney);
    return r;
}

GrossAndTax roundedPair(Money gross, Money tax)
{
    return {RoundMoney(gross), RoundMoney(tax)};
}

// Where no bracket applies, or the formula would give back a negative tax, nothing is taxed.
GrossAndTax untaxed(Money net)
{
    return {RoundMoney(net), Money()};
}

} // namespace

std::optional<Money> CalcWageTax(const RateSet &rates, Money income, Money deduction)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const Money taxable = income - deduction;
    if (taxable <= Money()) {
        return Money();
    }
    const auto b = rates.bracket(taxable);
    if (!b) {
        return Money();
    }
    return RoundMoney(taxable * b->LevelRate - b->QuickDeduct);
}

std::optional<TaxResult> CalcWageTaxDetail(const RateSet &rates, Money taxablePay)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    TaxResult r;
    if (rates.isEmpty()) {
        return r;
    }
    r.BaseMoney = rates.baseMoney();
    r.TaxableIncome = taxablePay - r.BaseMoney;
    const auto b = r.TaxableIncome > Money() ? rates.bracket(r.TaxableIncome) : std::nullopt;
    if (b) {
        r.TaxRate = b->LevelRate;
        r.QuickDeduct = b->QuickDeduct;
        r.TaxMoney = r.TaxableIncome * b->LevelRate - b->QuickDeduct;
    } else {
        r.TaxableIncome = Money();
    }
    return rounded(r);
}

std::optional<GrossAndTax> CalcWageTaxFromNet(const RateSet &rates, Money net, Money deduction)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const Money x = net - deduction;
    const auto b = x > Money() ? rates.netBracket(x) : std::nullopt;
    if (!b) {
        return untaxed(net);
    }
    const Money t = (x - b->QuickDeduct) / (kOne - b->LevelRate);
    return roundedPair(deduction + t, t * b->LevelRate - b->QuickDeduct);
}

std::optional<Money> CalcContractTax(const RateSet &rates, Money taxable)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto b = rates.bracket(taxable);
    if (!b) {
        return Money();
    }
    return RoundMoney(positiveOrZero(taxable * b->LevelRate - b->QuickDeduct));
}

std::optional<TaxResult> CalcContractTaxDetail(const RateSet &rates, TaxResult result,
                                               Money taxable)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    // The bracket belongs to the amount that is actually taxed: looking it up on the amount
    // before BaseMoney would pick too high a rate whenever the caller passes a deduction.
    const Money amount = taxable - result.BaseMoney;
    if (const auto b = rates.bracket(amount)) {
        result.TaxRate = b->LevelRate;
        result.QuickDeduct = b->QuickDeduct;
        result.TaxMoney = positiveOrZero(amount * b->LevelRate - b->QuickDeduct);
    }
    return rounded(result);
}

std::optional<GrossAndTax> CalcContractTaxFromNet(const RateSet &rates, Money net)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto b = rates.netBracket(net);
    if (!b) {
        return untaxed(net);
    }
    const Money t = (net - b->QuickDeduct) / (kOne - b->LevelRate);
    const Money tax = t * b->LevelRate - b->QuickDeduct;
    if (tax < Money()) {
        return untaxed(net);
    }
    return roundedPair(t, tax);
}

std::optional<Money> CalcServiceTax(const RateSet &rates, Money income)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto first = rates.first();
    if (!first) {
        return Money();
    }
    const Money base = first->BaseMoney;
    const Money r1 = first->LevelRate;
    Money tax;
    if (income <= TaxLimit::kFixedDeductionLimit) {
        tax = (income - base) * r1;
    } else if (income <= TaxLimit::kServiceBracketLimit) {
        tax = income * (kOne - r1) * r1;
    } else {
        const Money taxable = income * (kOne - r1);
        if (const auto b = rates.bracket(taxable)) {
            tax = taxable * b->LevelRate - b->QuickDeduct;
        }
    }
    return RoundMoney(positiveOrZero(tax));
}

std::optional<TaxResult> CalcServiceTaxDetail(const RateSet &rates, Money income)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    TaxResult r;
    const auto first = rates.first();
    if (!first) {
        return r;
    }
    const Money r1 = first->LevelRate;
    r.BaseMoney = first->BaseMoney;
    r.TaxRate = r1;
    if (income <= TaxLimit::kFixedDeductionLimit) {
        r.TaxMoney = (income - r.BaseMoney) * r1;
    } else if (income <= TaxLimit::kServiceBracketLimit) {
        r.BaseMoney = income * r1;
        r.TaxMoney = income * (kOne - r1) * r1;
    } else {
        const Money taxable = income * (kOne - r1);
        r.BaseMoney = income * r1;
        if (const auto b = rates.bracket(taxable)) {
            r.TaxRate = b->LevelRate;
            r.QuickDeduct = b->QuickDeduct;
            r.TaxMoney = taxable * b->LevelRate - b->QuickDeduct;
        }
    }
    r.TaxMoney = positiveOrZero(r.TaxMoney);
    return rounded(r);
}

std::optional<GrossAndTax> CalcServiceTaxFromNet(const RateSet &netRates, Money net)
{
    if (!netRates.isLoaded()) {
        return std::nullopt;
    }
    const auto first = netRates.first();
    if (!first) {
        return untaxed(net);
    }
    const Money r1 = first->LevelRate;
    Money gross;
    Money tax;
    if (net > TaxLimit::kNetFixedDeductionLimit) {
        const auto b = netRates.netBracket(net);
        if (!b) {
            return untaxed(net);
        }
        const Money taxable = (net - b->QuickDeduct) * (kOne - r1)
                              / (kOne - b->LevelRate * (kOne - r1));
        gross = taxable / (kOne - r1);
        tax = taxable * b->LevelRate - b->QuickDeduct;
    } else {
        const Money taxable = (net - first->BaseMoney) / (kOne - r1);
        gross = first->BaseMoney + taxable;
        tax = taxable * r1;
    }
    if (tax < Money()) {
        return untaxed(net);
    }
    return roundedPair(gross, tax);
}

namespace {

// The royalty reduction: the rate of the first 稿酬减免 row, none when there is no such row.
Money royaltyReduction(const RateSet &rates)
{
    const auto row = rates.ofType(TaxText::royaltyReduction()).first();
    return row ? row->LevelRate : Money();
}

} // namespace

std::optional<Money> CalcRoyaltyTax(const RateSet &rates, Money income)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const Money keep = kOne - royaltyReduction(rates);
    const auto b = rates.ofType(TaxText::royalty()).bracket(income);
    if (!b) {
        return Money();
    }
    Money tax;
    if (income > TaxLimit::kFixedDeductionLimit) {
        tax = income * (kOne - b->LevelRate) * b->LevelRate * keep;
    } else {
        // In the lower royalty row QuickDeduct holds the fixed deduction.
        tax = (income - b->QuickDeduct) * b->LevelRate * keep;
    }
    return RoundMoney(positiveOrZero(tax));
}

std::optional<GrossAndTax> CalcRoyaltyTaxFromNet(const RateSet &rates, Money net)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const Money keep = kOne - royaltyReduction(rates);
    const auto b = rates.ofType(TaxText::royalty()).netBracket(net);
    if (!b) {
        return untaxed(net);
    }
    const Money rate = b->LevelRate;
    const Money q = b->QuickDeduct;
    Money gross;
    Money tax;
    if (net > TaxLimit::kNetRoyaltyDeductionLimit) {
        // In the upper royalty row QuickDeduct is the percentage deduction, as a fraction.
        gross = net / (kOne - rate * (kOne - q) * keep);
        tax = *CalcRoyaltyTax(rates, gross);
    } else {
        gross = (net - rate * q * keep) / (kOne - rate * keep);
        tax = (gross - q) * rate * keep;
    }
    if (tax < Money()) {
        return untaxed(net);
    }
    return roundedPair(gross, tax);
}

std::optional<Money> CalcFranchiseLeaseTax(const RateSet &rates, Money income)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto b = rates.ofType(TaxText::franchiseLease()).netBracket(income);
    if (!b) {
        return Money();
    }
    Money tax;
    if (income > TaxLimit::kFixedDeductionLimit) {
        tax = income * (kOne - b->LevelRate) * b->LevelRate;
    } else {
        tax = (income - b->BaseMoney) * b->LevelRate;
    }
    return RoundMoney(positiveOrZero(tax));
}

std::optional<GrossAndTax> CalcFranchiseLeaseTaxFromNet(const RateSet &rates, Money net)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto b = rates.ofType(TaxText::franchiseLease()).netBracket(net);
    if (!b) {
        return untaxed(net);
    }
    const Money rate = b->LevelRate;
    Money taxable;
    Money gross;
    if (net > TaxLimit::kNetFixedDeductionLimit) {
        taxable = net * (kOne - rate) / (kOne - rate * (kOne - rate));
        gross = taxable / (kOne - rate);
    } else {
        taxable = (net - b->BaseMoney) / (kOne - rate);
        gross = b->QuickDeduct + taxable;
    }
    const Money tax = taxable * rate;
    if (tax < Money()) {
        return untaxed(net);
    }
    return roundedPair(gross, tax);
}

std::optional<Money> CalcInterestTax(const RateSet &rates, Money income)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto row = rates.ofType(TaxText::interest()).first();
    return row ? RoundMoney(income * row->LevelRate) : Money();
}

std::optional<TaxResult> CalcInterestTaxDetail(const RateSet &rates, Money income)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    TaxResult r;
    r.TaxableIncome = income;
    if (const auto row = rates.ofType(TaxText::interest()).first()) {
        r.TaxRate = row->LevelRate;
        r.TaxMoney = income * row->LevelRate;
    }
    return rounded(r);
}

std::optional<GrossAndTax> CalcInterestTaxFromNet(const RateSet &rates, Money net)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto row = rates.ofType(TaxText::interest()).first();
    if (!row || row->LevelRate >= kOne) {
        return untaxed(net);
    }
    const Money gross = net / (kOne - row->LevelRate);
    return roundedPair(gross, gross * row->LevelRate);
}

std::optional<Money> CalcBonusTax(const RateSet &rates, Money bonus, Money wage, Money deduction)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    const auto b = rates.bracket(bonus);
    if (!b) {
        return Money();
    }
    if (deduction.isZero()) {
        deduction = b->BaseMoney;
    }
    Money tax;
    if (deduction > wage) {
        // The month's wage leaves part of the deduction unused: it reduces the bonus first.
        const Money x = wage + bonus - deduction;
        if (const auto b2 = rates.bracket(x)) {
            tax = x * b2->LevelRate - b2->QuickDeduct;
        }
    } else {
        tax = bonus * b->LevelRate - b->QuickDeduct;
    }
    return RoundMoney(positiveOrZero(tax));
}

std::optional<TaxResult> CalcBonusTaxDetail(const RateSet &rates, Money bonus, Money wage)
{
    if (!rates.isLoaded()) {
        return std::nullopt;
    }
    TaxResult r;
    const auto b = rates.bracket(bonus);
    if (!b) {
        return r;
    }
    r.BaseMoney = b->BaseMoney;
    r.TaxRate = b->LevelRate;
    r.QuickDeduct = b->QuickDeduct;
    if (r.BaseMoney > wage) {
        r.TaxableIncome = wage + bonus - r.BaseMoney;
        if (const auto b2 = rates.bracket(r.TaxableIncome)) {
            r.TaxRate = b2->LevelRate;
            r.QuickDeduct = b2->QuickDeduct;
        } else {
            // Nothing left to tax: a rate and quick deduction of the bonus's own bracket would
            // not describe this row.
            r.TaxableIncome = Money();
            r.TaxRate = Money();
            r.QuickDeduct = Money();
        }
    } else {
        r.TaxableIncome = bonus;
    }
    r.TaxMoney = positiveOrZero(r.TaxableIncome * r.TaxRate - r.QuickDeduct);
    return rounded(r);
}
