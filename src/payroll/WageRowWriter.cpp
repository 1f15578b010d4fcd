#include "payroll/WageRowWriter.h"

#include "db/Sql.h"
#include "payroll/WageRow.h"
#include "payroll/WageSheetLayout.h"

WageRowWriter::WageRowWriter(Database &db, const WageSheetLayout &layout)
    : m_db(db), m_columns(layout.columnCount())
{
    const QString columns = QuoteIdents(layout.names());
    QString marks;
    QString sets;
    for (int c = 0; c < m_columns; ++c) {
        marks += QStringLiteral(", ?");
        sets += (c ? QStringLiteral(", ") : QString()) + QuoteIdent(layout.name(c)) +
                QStringLiteral(" = ?");
    }
    m_insert =
        db.prepare(QStringLiteral("insert into Wage (WageYear, WageMonth, WageTimes, "
                                  "WageState, EmpId, EmpName, EmpType, DeptName, ") +
                   columns + QStringLiteral(") values (?, ?, ?, ?, ?, ?, ?, ?") + marks + u')');
    m_update =
        db.prepare(QStringLiteral("update Wage set ") + sets + QStringLiteral(" where WageID = ?"));
}

bool WageRowWriter::bindAmounts(Statement &st, int first, const WageRow &row)
{
    for (int c = 0; c < m_columns; ++c) {
        if (!st.bind(first + c, QVariant::fromValue(row.amount(c)))) {
            return false;
        }
    }
    return true;
}

bool WageRowWriter::insert(WageRow &row)
{
    if (!m_insert.isValid()) {
        return false;
    }
    m_insert.reset();
    const QVariantList fixed{row.wageYear, row.wageMonth, row.wageTimes, row.wageState(),
                             row.empId(),  row.empName(), row.empType(), row.deptName()};
    for (int i = 0; i < fixed.size(); ++i) {
        if (!m_insert.bind(i, fixed[i])) {
            return false;
        }
    }
    if (!bindAmounts(m_insert, int(fixed.size()), row) || !m_insert.exec()) {
        return false;
    }
    row.wageId = m_db.lastInsertId();
    return true;
}

bool WageRowWriter::update(const WageRow &row)
{
    if (!m_update.isValid()) {
        return false;
    }
    m_update.reset();
    if (!bindAmounts(m_update, 0, row) || !m_update.bind(m_columns, row.wageId) ||
        !m_update.exec()) {
        return false;
    }
    if (m_db.changes() != 1) {
        m_db.setError(QStringLiteral("该工资记录已不存在"));
        return false;
    }
    return true;
}
