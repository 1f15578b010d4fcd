#pragma once

#include "payroll/WageItem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The figures the computation writes into a row, and the one-off bonus, which is typed like an
// item but is a fixed column of Wage.
enum class WageResult {
    Gross,         // 应发工资
    Taxable,       // 应税工资
    Net,           // 实发工资
    Deduction,     // 减除费用
    TaxableIncome, // 应纳税所得额
    Rate,          // 适用税率
    QuickDeduct,   // 速算扣除数
    Tax,           // 纳税额
    Bonus,         // 一次性奖金
};
inline constexpr int kWageResultCount = 9;

QString WageResultColumn(WageResult r);

// Every column of Wage that is not a wage item (the period, the employee, the state, the result
// columns, the bonus and back pay). An item may not take one of these names, nor one of the
// titles under which the sheet shows its fixed columns: it would alias a column that means
// something else. Compared ignoring case, as the engine compares column names.
const QStringList &FixedWageColumns();
const QStringList &SheetFixedTitles();
bool IsReservedWageColumn(const QString &name);

// Two column names the engine takes for one: equal but for the case of ASCII letters.
bool SameColumnName(QStringView a, QStringView b);
bool ContainsColumn(const QStringList &columns, QStringView name);

// The money columns of one sheet, in the order the sheet shows them: taxable items, tax-free
// items, pre-tax deductions, 应发工资, 应税工资, after-tax deductions, tax-exempt deductions,
// 实发工资, 减除费用, 应纳税所得额, 适用税率, 速算扣除数, 纳税额, 一次性奖金. Within a group the
// items keep the order they were given in (the catalogue's or the snapshot's table order).
//
// A row of the sheet holds its amounts by these column indexes.
class WageSheetLayout
{
public:
    // A sheet without items: the result columns and the bonus only.
    WageSheetLayout() : WageSheetLayout(QList<RdWageItem>{}) {}
    // The items in force (the catalogue's items in use, or a posted month's snapshot). Items of
    // a type the computation does not know, nameless ones, names taken by a fixed column and
    // repeated names are left out.
    explicit WageSheetLayout(const QList<RdWageItem> &items);

    int columnCount() const { return int(m_names.size()); }
    const QStringList &names() const { return m_names; }
    const QString &name(int column) const { return m_names.at(column); }
    // -1 when the sheet has no such column; names are compared as the engine compares them.
    int indexOf(const QString &name) const;

    bool isItem(int column) const { return m_groupOf.at(column) != ItemGroup::None; }
    ItemGroup group(int column) const { return m_groupOf.at(column); }
    const QList<int> &groupColumns(ItemGroup g) const { return m_groups[std::size_t(g)]; }
    // The names of one group, in order.
    QStringList groupNames(ItemGroup g) const;
    int column(WageResult r) const { return m_results[std::size_t(r)]; }
    // What the clerk may type into: the items and the bonus.
    bool isEditable(int column) const
    {
        return isItem(column) || column == this->column(WageResult::Bonus);
    }
    // 减除费用, 适用税率 and 速算扣除数 are not summed in the totals row: they stay blank there.
    bool isBlankInTotals(int column) const;

    bool operator==(const WageSheetLayout &o) const { return m_names == o.m_names; }

private:
    QStringList m_names;
    QList<ItemGroup> m_groupOf;
    std::array<QList<int>, kItemGroupCount> m_groups;
    std::array<int, kWageResultCount> m_results{};
};
