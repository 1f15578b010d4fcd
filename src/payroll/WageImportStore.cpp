#include "payroll/WageImportStore.h"

#include "base/CodeFold.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/Sql.h"

namespace {
const QString Draft = QStringLiteral("草稿中");

// The columns the import writes from the row's period and employee; every other column but
// the key is an amount.
const QStringList &periodAndEmployeeColumns()
{
    static const QStringList columns = {
        QStringLiteral("WageID"),    QStringLiteral("WageYear"),  QStringLiteral("WageMonth"),
        QStringLiteral("WageType"),  QStringLiteral("WageTimes"), QStringLiteral("WageState"),
        QStringLiteral("EmpId"),     QStringLiteral("EmpName"),   QStringLiteral("EmpType"),
        QStringLiteral("DeptName")};
    return columns;
}
} // namespace

std::optional<std::optional<std::pair<int, int>>> WageImportStore::lastMonth()
{
    const auto year = m_db.scalar(QStringLiteral("SELECT max(WageYear) FROM Wage"));
    if (!year) {
        return std::nullopt;
    }
    if (year->isNull()) {
        return std::optional<std::pair<int, int>>();
    }
    const auto month =
        m_db.scalar(QStringLiteral("SELECT max(WageMonth) FROM Wage WHERE WageYear = ?"), {*year});
    if (!month) {
        return std::nullopt;
    }
    return std::optional<std::pair<int, int>>({year->toInt(), month->toInt()});
}

std::optional<bool> WageImportStore::isMonthPosted(int year, int month)
{
    const auto r = m_db.query(QStringLiteral("SELECT 1 FROM Wage WHERE WageYear = ? AND "
                                             "WageMonth = ? AND coalesce(WageState, '') <> ? "
                                             "LIMIT 1"),
                              {year, month, Draft});
    if (!r) {
        return std::nullopt;
    }
    return !r->isEmpty();
}

QStringList WageImportStore::wageColumns()
{
    return m_db.columns(QStringLiteral("Wage"));
}

std::optional<QHash<QString, ImportEmployee>> WageImportStore::employees()
{
    Statement st = m_db.prepare(
        QStringLiteral("SELECT e.EmpID, e.EmpName, e.EmpType, d.DeptName FROM Employee e "
                       "JOIN Department d ON d.DeptID = e.DeptID"));
    if (!st.isValid()) {
        return std::nullopt;
    }
    QHash<QString, ImportEmployee> found;
    while (st.next()) {
        ImportEmployee e{st.text(0), st.text(1), st.text(2), st.text(3)};
        found.insert(FoldCode(e.empId.trimmed()), std::move(e));
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return found;
}

bool WageImportStore::replaceDraft(int year, int month, const QStringList &columns,
                                   const std::vector<ImportedWageRow> &rows, Progress *progress)
{
    const auto amountIndex = [&](const QString &column) {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns.at(i).compare(column, Qt::CaseInsensitive) == 0) {
                return i;
            }
        }
        return -1;
    };
    QStringList names = periodAndEmployeeColumns().mid(1);
    QStringList values(names.size(), QStringLiteral("?"));
    QList<int> amountOrder; // the bound amounts in the table's column order
    for (const QString &c : wageColumns()) {
        if (periodAndEmployeeColumns().contains(c, Qt::CaseInsensitive)) {
            continue;
        }
        names << c;
        const int i = amountIndex(c);
        values << (i >= 0 ? QStringLiteral("?") : QStringLiteral("0"));
        if (i >= 0) {
            amountOrder << i;
        }
    }
    if (amountOrder.size() != columns.size()) {
        m_db.setError(QStringLiteral("Wage has no column for every imported amount"));
        return false;
    }

    Transaction tx(m_db);
    if (!tx.isActive()
        || !m_db.exec(QStringLiteral("DELETE FROM Wage WHERE WageYear = ? AND WageMonth = ? "
                                     "AND WageState = ?"),
                      {year, month, Draft})) {
        return false;
    }
    Statement insert = m_db.prepare(QStringLiteral("INSERT INTO Wage (%1) VALUES (%2)")
                                        .arg(QuoteIdents(names), values.join(QStringLiteral(", "))));
    if (!insert.isValid()) {
        return false;
    }
    for (const ImportedWageRow &row : rows) {
        const QVariantList fixed = {year, month, QString(QLatin1String("")), 1, Draft,
                                    row.employee.empId, row.employee.empName,
                                    row.employee.empType, row.employee.deptName};
        int at = 0;
        for (const QVariant &v : fixed) {
            insert.bind(at++, v);
        }
        for (int i : amountOrder) {
            insert.bind(at++, QVariant::fromValue(row.amounts.at(std::size_t(i))));
        }
        if (!insert.exec()) {
            return false;
        }
        if (progress) {
            progress->advance();
        }
    }
    return tx.commit();
}
