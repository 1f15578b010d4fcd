#include "payroll/WageItem.h"

#include "payroll/PayrollTexts.h"

ItemGroup ItemGroupOf(const QString &itemType)
{
    if (itemType == WageText::TaxableItem) {
        return ItemGroup::Taxable;
    }
    if (itemType == WageText::TaxFreeItem) {
        return ItemGroup::TaxFree;
    }
    if (itemType == WageText::PreTaxDeduction) {
        return ItemGroup::PreTax;
    }
    if (itemType == WageText::AfterTaxDeduction) {
        return ItemGroup::AfterTax;
    }
    if (itemType == WageText::ExemptDeduction) {
        return ItemGroup::Exempt;
    }
    return ItemGroup::None;
}
