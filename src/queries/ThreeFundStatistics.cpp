#include "queries/ThreeFundStatistics.h"

#include "base/TextHelpers.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "queries/QueryTexts.h"

namespace ThreeFund {

namespace {

constexpr int kSums = 13; // the year, then each month

QStringList resultNames()
{
    QStringList names{QStringLiteral("部门名称"), QStringLiteral("人员编号"),
                      QStringLiteral("姓名"), QStringLiteral("合计")};
    for (int m = 1; m <= 12; ++m) {
        names << QStringLiteral("%1月").arg(m);
    }
    return names;
}

// The year's wage rows added up per employee (s<fund×13> the year, then one sum per month;
// a month without rows stays NULL), joined to the employee's current department.
QString perEmployee(const QStringList &funds)
{
    QString sums;
    for (int f = 0; f < funds.size(); ++f) {
        const QString column = QuoteIdent(funds.at(f));
        for (int m = 0; m < kSums; ++m) {
            const QString value =
                m == 0 ? column
                       : QStringLiteral("case when WageMonth = %1 then %2 end").arg(m).arg(column);
            sums += QStringLiteral(", sum(%1) as s%2").arg(value).arg(f * kSums + m);
        }
    }
    return QStringLiteral(" from (select EmpId") + sums +
           QStringLiteral(" from Wage where WageYear = ? group by EmpId collate FOLD) t"
                          " join Employee e on e.EmpID = t.EmpId collate FOLD"
                          " join Department d on d.DeptID = e.DeptID"
                          " where d.DeptName like ? escape '\\'");
}

// An empty department matches every one; a name matches that department only.
QString deptPattern(const QString &dept)
{
    const QString d = dept.trimmed();
    return d.isEmpty() ? QStringLiteral("%") : EscapeLikeText(d);
}

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QList<ResultGrid::Column> gridColumns()
{
    QList<ResultGrid::Column> columns;
    const QStringList names = resultNames();
    for (int c = 0; c < names.size(); ++c) {
        columns.append({names.at(c), c < 3 ? ResultGrid::Kind::Text : ResultGrid::Kind::Money});
    }
    return columns;
}

void appendTotal(ResultGrid &grid)
{
    QVariantList cells{QueryText::TotalLabel, QStringLiteral(" "), QStringLiteral(" ")};
    for (int c = 3; c < grid.columnCount(); ++c) {
        const auto total = grid.sum(c);
        cells << (total ? QVariant::fromValue(*total) : QVariant());
    }
    grid.appendRow(cells);
}

} // namespace

const QStringList &fundColumns()
{
    static const QStringList funds{QStringLiteral("养老保险金"), QStringLiteral("医疗保险金"),
                                   QStringLiteral("住房公积金")};
    return funds;
}

QueryStatement statement(int year, const QString &dept, const QString &fund)
{
    const QString from = perEmployee({fund});
    QString rows = QStringLiteral("d.DeptName as c0, e.EmpID as c1, e.EmpName as c2");
    QString total = u'\'' + QueryText::TotalLabel + QStringLiteral("', ' ', ' '");
    for (int m = 0; m < kSums; ++m) {
        rows += QStringLiteral(", t.s%1 as c%2").arg(m).arg(m + 3);
        total += QStringLiteral(", sum(t.s%1)").arg(m);
    }
    const QString pattern = deptPattern(dept);
    QStringList money = resultNames().mid(3);
    return {WithTotalRow(resultNames(), rows + from, total + from,
                         QStringLiteral("c0") + kByName + QStringLiteral(", c1, c2")),
            {year, pattern, year, pattern},
            money};
}

Run run(Database &db, const QString &year, const QString &dept)
{
    Run result;
    const auto y = number(year);
    const QStringList wageColumns = db.columns(QStringLiteral("Wage"));
    QStringList present;
    QList<int> fundIndex;
    for (int f = 0; f < kFunds; ++f) {
        if (wageColumns.contains(fundColumns().at(f), Qt::CaseInsensitive)) {
            present << fundColumns().at(f);
            fundIndex << f;
        }
    }
    if (!y || present.isEmpty()) {
        result.refusal = QueryText::NoData;
        return result;
    }
    QString select = QStringLiteral("select d.DeptName, e.EmpID, e.EmpName");
    for (int s = 0; s < present.size() * kSums; ++s) {
        select += QStringLiteral(", t.s%1").arg(s);
    }
    Statement st =
        db.prepare(select + perEmployee(present) + QStringLiteral(" order by d.DeptName") +
                   kByName + QStringLiteral(", e.EmpID, e.EmpName"));
    if (!st.isValid() || !st.bindAll({*y, deptPattern(dept)})) {
        result.refusal = QueryText::NoData;
        return result;
    }
    QList<QList<int>> sources;
    for (int p = 0; p < present.size(); ++p) {
        QList<int> source{0, 1, 2};
        for (int m = 0; m < kSums; ++m) {
            source << 3 + p * kSums + m;
        }
        sources << source;
        result.grids[fundIndex.at(p)].emplace(gridColumns());
    }
    while (st.next()) {
        for (int p = 0; p < present.size(); ++p) {
            result.grids[fundIndex.at(p)]->appendCurrent(st, sources.at(p));
        }
    }
    if (!st.ok()) {
        result.grids = {};
        result.refusal = QueryText::NoData;
        return result;
    }
    for (int p = 0; p < present.size(); ++p) {
        const int f = fundIndex.at(p);
        appendTotal(*result.grids[f]);
        result.exports[f] = statement(*y, dept, present.at(p));
    }
    return result;
}

} // namespace ThreeFund
