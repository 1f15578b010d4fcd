#include "payroll/WageComputation.h"

#include "payroll/WageRow.h"
#include "payroll/WageSheetLayout.h"
#include "tax/TaxRates.h"
#include "tax/TaxRoutines.h"
#include "tax/TaxTexts.h"

std::optional<WageFigures> ComputeWageFigures(const WageInputs &in, const TaxRates &rates)
{
    WageFigures f;
    f.gross = in.bonus + in.taxable + in.taxFree - in.preTax;
    const Money w = in.taxable - in.preTax - in.exempt;
    f.taxablePay = w < Money() ? Money() : w;

    TaxResult wageTax;
    if (in.empType == TaxText::chinese() || in.empType == TaxText::foreign()) {
        const auto r = CalcWageTaxDetail(rates.wageFor(in.empType), f.taxablePay);
        if (!r) {
            return std::nullopt;
        }
        wageTax = *r;
    }
    Money bonusTax;
    if (!in.bonus.isZero()) {
        const auto t = CalcBonusTax(rates.wageFor(in.empType), in.bonus, f.taxablePay, Money());
        if (!t) {
            return std::nullopt;
        }
        bonusTax = *t;
    }
    f.deduction = wageTax.BaseMoney;
    f.taxableIncome = wageTax.TaxableIncome;
    f.rate = wageTax.TaxRate;
    f.quickDeduct = wageTax.QuickDeduct;
    f.tax = wageTax.TaxMoney + bonusTax;
    f.net = in.bonus + in.taxable + in.taxFree - in.preTax - in.exempt - in.afterTax - f.tax;
    return f;
}

bool ComputeWageRow(const WageSheetLayout &layout, const TaxRates &rates, WageRow &row)
{
    const auto sum = [&](ItemGroup g) {
        Money s;
        for (int c : layout.groupColumns(g)) {
            s += row.amount(c);
        }
        return s;
    };
    WageInputs in;
    in.taxable = sum(ItemGroup::Taxable);
    in.taxFree = sum(ItemGroup::TaxFree);
    in.preTax = sum(ItemGroup::PreTax);
    in.afterTax = sum(ItemGroup::AfterTax);
    in.exempt = sum(ItemGroup::Exempt);
    in.bonus = row.amount(layout.column(WageResult::Bonus));
    in.empType = row.empType();
    const auto f = ComputeWageFigures(in, rates);
    if (!f) {
        return false;
    }
    const auto put = [&](WageResult r, Money value) { row.setAmount(layout.column(r), value); };
    put(WageResult::Gross, f->gross);
    put(WageResult::Taxable, f->taxablePay);
    put(WageResult::Net, f->net);
    put(WageResult::Deduction, f->deduction);
    put(WageResult::TaxableIncome, f->taxableIncome);
    put(WageResult::Rate, f->rate);
    put(WageResult::QuickDeduct, f->quickDeduct);
    put(WageResult::Tax, f->tax);
    return true;
}

QString MissingRatesMessage(const QString &empType, const TaxRates &rates)
{
    if (empType == TaxText::chinese()) {
        return TaxRates::failureMessage(TaxRates::Kind::Wage);
    }
    return rates.foreign().isLoaded() ? QString()
                                      : TaxRates::failureMessage(TaxRates::Kind::Foreign);
}
