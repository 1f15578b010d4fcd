#include "tax/IncomeTaxCalculator.h"

#include "tax/TaxRoutines.h"

namespace {

enum class Family { Wage, Contract, Service, Royalty, FranchiseLease, Interest, Unknown };

Family familyOf(const QString &type)
{
    const QStringList &types = CalculatorIncomeTypes();
    switch (types.indexOf(type)) {
    case 0:
        return Family::Wage;
    case 1:
        return Family::Contract;
    case 2:
        return Family::Service;
    case 3:
        return Family::Royalty;
    case 4: // 特许权使用费
    case 6: // 财产租赁
        return Family::FranchiseLease;
    case 5: // 利息、股息、红利
    case 7: // 财产转让
    case 8: // 偶然所得
    case 9: // 其他所得
        return Family::Interest;
    default:
        return Family::Unknown;
    }
}

} // namespace

const QStringList &CalculatorIncomeTypes()
{
    static const QStringList types = {
        QStringLiteral("工资、薪金"),     QStringLiteral("承包经营"), QStringLiteral("劳务报酬"),
        QStringLiteral("稿酬所得"),       QStringLiteral("特许权使用费"),
        QStringLiteral("利息、股息、红利"), QStringLiteral("财产租赁"), QStringLiteral("财产转让"),
        QStringLiteral("偶然所得"),       QStringLiteral("其他所得")};
    return types;
}

QString CalculatorWageType()
{
    return CalculatorIncomeTypes().first();
}

TaxRates::Kind CalculatorRateKind(const CalculatorInput &input)
{
    switch (familyOf(input.incomeType)) {
    case Family::Wage:
        // From an after-tax amount the Chinese-staff brackets serve both staff types; only the
        // deduction follows the staff choice.
        return (input.afterTax || input.chinese) ? TaxRates::Kind::Wage : TaxRates::Kind::Foreign;
    case Family::Contract:
        return TaxRates::Kind::Contract;
    case Family::Service:
        return input.afterTax ? TaxRates::Kind::NetService : TaxRates::Kind::Service;
    case Family::Royalty:
    case Family::FranchiseLease:
    case Family::Interest:
    case Family::Unknown:
        break;
    }
    return TaxRates::Kind::Other;
}

std::optional<CalculatorResult> CalculateIncomeTax(const TaxRates &rates,
                                                   const CalculatorInput &input)
{
    const Family family = familyOf(input.incomeType);
    if (family == Family::Unknown) {
        return std::nullopt;
    }
    const RateSet &set = rates.set(CalculatorRateKind(input));
    const Money amount = input.amount;

    if (!input.afterTax) {
        std::optional<Money> tax;
        switch (family) {
        case Family::Wage:
            tax = CalcWageTax(set, amount, input.deduction);
            break;
        case Family::Contract:
            tax = CalcContractTax(set, amount);
            break;
        case Family::Service:
            tax = CalcServiceTax(set, amount);
            break;
        case Family::Royalty:
            tax = CalcRoyaltyTax(set, amount);
            break;
        case Family::FranchiseLease:
            tax = CalcFranchiseLeaseTax(set, amount);
            break;
        case Family::Interest:
            tax = CalcInterestTax(set, amount);
            break;
        case Family::Unknown:
            break;
        }
        if (!tax) {
            return std::nullopt;
        }
        return CalculatorResult{*tax, amount - *tax};
    }

    std::optional<GrossAndTax> r;
    switch (family) {
    case Family::Wage:
        r = CalcWageTaxFromNet(set, amount, input.deduction);
        break;
    case Family::Contract:
        r = CalcContractTaxFromNet(set, amount);
        break;
    case Family::Service:
        r = CalcServiceTaxFromNet(set, amount);
        break;
    case Family::Royalty:
        r = CalcRoyaltyTaxFromNet(set, amount);
        break;
    case Family::FranchiseLease:
        r = CalcFranchiseLeaseTaxFromNet(set, amount);
        break;
    case Family::Interest:
        r = CalcInterestTaxFromNet(set, amount);
        break;
    case Family::Unknown:
        break;
    }
    if (!r) {
        return std::nullopt;
    }
    return CalculatorResult{r->tax, r->gross};
}
