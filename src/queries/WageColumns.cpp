#include "queries/WageColumns.h"

#include "db/Database.h"
#include "db/Sql.h"

namespace WageColumns {

const QStringList &fixedColumns()
{
    static const QStringList fixed{
        QStringLiteral("WageID"),       QStringLiteral("WageYear"),  QStringLiteral("WageMonth"),
        QStringLiteral("WageType"),     QStringLiteral("WageTimes"), QStringLiteral("WageState"),
        QStringLiteral("EmpName"),      QStringLiteral("EmpId"),     QStringLiteral("EmpType"),
        QStringLiteral("DeptName"),     QStringLiteral("应税工资"),  QStringLiteral("减除费用"),
        QStringLiteral("应纳税所得额"), QStringLiteral("适用税率"),  QStringLiteral("速算扣除数"),
        QStringLiteral("补发工资")};
    return fixed;
}

std::optional<QStringList> summed(Database &db)
{
    const QStringList all = db.columns(QStringLiteral("Wage"));
    if (all.isEmpty()) {
        return std::nullopt;
    }
    QStringList result;
    for (const QString &name : all) {
        // The engine matches names ignoring case, so no item can differ from a fixed
        // column by case alone.
        if (!fixedColumns().contains(name, Qt::CaseInsensitive)) {
            result.prepend(name);
        }
    }
    return result;
}

QString sumList(const QStringList &columns, const QString &table, int firstAlias, bool withAliases)
{
    QString list;
    int alias = firstAlias;
    for (const QString &name : columns) {
        list += QStringLiteral(", sum(") + table + u'.' + QuoteIdent(name) + u')';
        if (withAliases) {
            list += QStringLiteral(" as c") + QString::number(alias);
        }
        ++alias;
    }
    return list;
}

} // namespace WageColumns
