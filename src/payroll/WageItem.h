#pragma once

#include <QString>

// One wage item of the catalogue (Dict_Item) or of a posted month's snapshot (WageItem), as the
// catalogue window, the item dialog and the sheet's layout see it. A fresh record is an item in
// use that is not a basic item.
struct RdWageItem
{
    QString ItemName;
    QString ItemType;
    bool IsInUse = true;
    bool ReadOnly = false;
    QString Remark;
    bool operator==(const RdWageItem &) const = default;
};

// How the computation counts an item, by its type. Items of any other type are in no group and
// are shown nowhere in the sheet.
enum class ItemGroup {
    Taxable,  // 工资薪金所得纳税项: gross, taxable and net pay
    TaxFree,  // 工资薪金所得免税项: gross and net pay
    PreTax,   // 税前列支项: taken from gross, taxable and net pay
    AfterTax, // 税后列支项: taken from net pay
    Exempt,   // 免税扣除项 (the three funds): taken from taxable and net pay
    None,
};
inline constexpr int kItemGroupCount = 5;

ItemGroup ItemGroupOf(const QString &itemType);
