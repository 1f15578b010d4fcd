#include "payroll/WageSheetLayout.h"

QString WageResultColumn(WageResult r)
{
    static const char *const names[kWageResultCount] = {"应发工资",   "应税工资",     "实发工资",
                                                        "减除费用",   "应纳税所得额", "适用税率",
                                                        "速算扣除数", "纳税额",       "一次性奖金"};
    return QString::fromUtf8(names[int(r)]);
}

const QStringList &FixedWageColumns()
{
    static const QStringList names = [] {
        QStringList n{QStringLiteral("WageID"),    QStringLiteral("WageYear"),
                      QStringLiteral("WageMonth"), QStringLiteral("WageType"),
                      QStringLiteral("WageTimes"), QStringLiteral("WageState"),
                      QStringLiteral("EmpId"),     QStringLiteral("EmpName"),
                      QStringLiteral("EmpType"),   QStringLiteral("DeptName")};
        for (int r = 0; r < kWageResultCount; ++r) {
            n << WageResultColumn(WageResult(r));
        }
        n << QStringLiteral("补发工资");
        return n;
    }();
    return names;
}

const QStringList &SheetFixedTitles()
{
    static const QStringList titles{
        QStringLiteral("部门名称"), QStringLiteral("姓名"),     QStringLiteral("所属年份"),
        QStringLiteral("所属月份"), QStringLiteral("工资类型"), QStringLiteral("工资次数"),
        QStringLiteral("员工编号"), QStringLiteral("员工类型"), QStringLiteral("工资单状态")};
    return titles;
}

bool IsReservedWageColumn(const QString &name)
{
    const QString n = name.trimmed();
    return FixedWageColumns().contains(n, Qt::CaseInsensitive) ||
           SheetFixedTitles().contains(n, Qt::CaseInsensitive);
}

bool SameColumnName(QStringView a, QStringView b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y) {
            continue;
        }
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (x >= 128 || y >= 128 || lower(x) != lower(y)) {
            return false;
        }
    }
    return true;
}

bool ContainsColumn(const QStringList &columns, QStringView name)
{
    for (const QString &c : columns) {
        if (SameColumnName(c, name)) {
            return true;
        }
    }
    return false;
}

WageSheetLayout::WageSheetLayout(const QList<RdWageItem> &items)
{
    std::array<QStringList, kItemGroupCount> byGroup;
    QStringList seen;
    for (const RdWageItem &item : items) {
        const ItemGroup g = ItemGroupOf(item.ItemType);
        if (g == ItemGroup::None || item.ItemName.isEmpty() ||
            IsReservedWageColumn(item.ItemName) || ContainsColumn(seen, item.ItemName)) {
            continue;
        }
        seen << item.ItemName;
        byGroup[std::size_t(g)] << item.ItemName;
    }
    const auto addGroup = [&](ItemGroup g) {
        for (const QString &name : byGroup[std::size_t(g)]) {
            m_groups[std::size_t(g)] << int(m_names.size());
            m_names << name;
            m_groupOf << g;
        }
    };
    const auto addResult = [&](WageResult r) {
        m_results[std::size_t(r)] = int(m_names.size());
        m_names << WageResultColumn(r);
        m_groupOf << ItemGroup::None;
    };
    addGroup(ItemGroup::Taxable);
    addGroup(ItemGroup::TaxFree);
    addGroup(ItemGroup::PreTax);
    addResult(WageResult::Gross);
    addResult(WageResult::Taxable);
    addGroup(ItemGroup::AfterTax);
    addGroup(ItemGroup::Exempt);
    for (WageResult r :
         {WageResult::Net, WageResult::Deduction, WageResult::TaxableIncome, WageResult::Rate,
          WageResult::QuickDeduct, WageResult::Tax, WageResult::Bonus}) {
        addResult(r);
    }
}

int WageSheetLayout::indexOf(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (SameColumnName(m_names[i], name)) {
            return i;
        }
    }
    return -1;
}

QStringList WageSheetLayout::groupNames(ItemGroup g) const
{
    QStringList names;
    for (int c : groupColumns(g)) {
        names << m_names[c];
    }
    return names;
}

bool WageSheetLayout::isBlankInTotals(int column) const
{
    return column == this->column(WageResult::Deduction) ||
           column == this->column(WageResult::Rate) ||
           column == this->column(WageResult::QuickDeduct);
}
