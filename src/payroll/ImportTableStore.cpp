#include "payroll/ImportTableStore.h"

#include "base/Progress.h"
#include "db/Database.h"
#include "db/Sql.h"

bool ImportTableStore::fill(const ImportSourceTable &sheet, Progress *progress)
{
    if (sheet.columns.isEmpty()) {
        m_db.setError(QStringLiteral("no columns"));
        return false;
    }
    Transaction tx(m_db);
    if (!tx.isActive()) {
        return false;
    }
    if (m_db.tableExists(Table) && !m_db.exec(QStringLiteral("DROP TABLE ") + QuoteIdent(Table))) {
        return false;
    }
    QStringList definitions;
    for (const QString &c : sheet.columns) {
        definitions << QuoteIdent(c) + QStringLiteral(" TEXT");
    }
    if (!m_db.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                       .arg(QuoteIdent(Table), definitions.join(QStringLiteral(", "))))) {
        return false;
    }
    const qsizetype width = sheet.columns.size();
    QStringList marks(width + 1, QStringLiteral("?"));
    Statement insert = m_db.prepare(QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (%3)")
                                        .arg(QuoteIdent(Table), QuoteIdents(sheet.columns),
                                             marks.join(QStringLiteral(", "))));
    if (!insert.isValid()) {
        return false;
    }
    for (const ImportSourceRow &row : sheet.rows) {
        insert.bind(0, row.line);
        for (qsizetype i = 0; i < width; ++i) {
            insert.bind(int(i + 1), i < row.cells.size() ? QVariant(row.cells.at(i)) : QVariant());
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

std::optional<QStringList> ImportTableStore::columns()
{
    if (!m_db.tableExists(Table)) {
        return std::nullopt;
    }
    return m_db.columns(Table);
}

std::optional<ImportSourceTable> ImportTableStore::read(const QStringList &columns)
{
    QString select = QStringLiteral("SELECT rowid");
    for (const QString &c : columns) {
        select += QStringLiteral(", ") + QuoteIdent(c);
    }
    Statement st = m_db.prepare(select + QStringLiteral(" FROM ") + QuoteIdent(Table)
                                + QStringLiteral(" ORDER BY rowid"));
    if (!st.isValid()) {
        return std::nullopt;
    }
    ImportSourceTable table;
    table.columns = columns;
    const int width = int(columns.size());
    while (st.next()) {
        ImportSourceRow row;
        row.line = int(st.int64(0));
        row.cells.reserve(width);
        for (int i = 0; i < width; ++i) {
            row.cells << st.text(i + 1);
        }
        table.rows.push_back(std::move(row));
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return table;
}
