#include "otherpay/OtherTax.h"

#include "base/TextHelpers.h"
#include "otherpay/OtherPayTexts.h"
#include "tax/TaxRoutines.h"

namespace {

Money positiveOrZero(Money m)
{
    return m > Money() ? m : Money();
}

} // namespace

std::optional<TaxRates::Kind> OtherTaxRateKind(const QString &taxType)
{
    const QString type = taxType.trimmed();
    if (type == OtherPayText::Contract) {
        return TaxRates::Kind::Contract;
    }
    if (type == OtherPayText::Service) {
        return TaxRates::Kind::Service;
    }
    if (type == OtherPayText::Interest || type == OtherPayText::OtherIncome) {
        return TaxRates::Kind::Other;
    }
    return std::nullopt;
}

std::optional<OtherTaxFigures> ComputeOtherTax(const TaxRates &rates, const QString &taxType,
                                               Money income, std::optional<Money> shownDeduction)
{
    const auto kind = OtherTaxRateKind(taxType);
    OtherTaxFigures f;
    if (kind == TaxRates::Kind::Contract) {
        // The typed deduction stays as typed; the routine sees the amount after it.
        f.deduction = shownDeduction.value_or(Money());
        f.taxable = RoundMoney(positiveOrZero(income - f.deduction));
        const auto r = CalcContractTaxDetail(rates.contract(), TaxResult{}, f.taxable);
        if (!r) {
            return std::nullopt;
        }
        f.rate = r->TaxRate;
        f.quickDeduct = r->QuickDeduct;
        f.tax = r->TaxMoney;
        return f;
    }

    std::optional<TaxResult> r = TaxResult{};
    r->BaseMoney = shownDeduction.value_or(Money());
    if (kind == TaxRates::Kind::Service) {
        r = CalcServiceTaxDetail(rates.service(), income);
    } else if (kind == TaxRates::Kind::Other) {
        r = CalcInterestTaxDetail(rates.other(), income);
    }
    if (!r) {
        return std::nullopt;
    }
    f.deduction = RoundMoney(r->BaseMoney);
    f.taxable = RoundMoney(positiveOrZero(income - f.deduction));
    f.rate = r->TaxRate;
    f.quickDeduct = r->QuickDeduct;
    f.tax = r->TaxMoney;
    return f;
}
