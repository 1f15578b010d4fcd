#include "queries/QueryStatement.h"

#include "db/Database.h"
#include "db/Sql.h"

QString WithTotalRow(const QStringList &names, const QString &rows, const QString &total,
                     const QString &orderBy)
{
    QString sql = QStringLiteral("select ");
    for (int c = 0; c < names.size(); ++c) {
        sql += (c ? QStringLiteral(", c") : QStringLiteral("c")) + QString::number(c) +
               QStringLiteral(" as ") + QuoteIdent(names.at(c));
    }
    // The sort key k keeps the total row last whatever the other keys say.
    return sql + QStringLiteral(" from (select 0 as k, ") + rows +
           QStringLiteral(" union all select 1, ") + total + QStringLiteral(") order by k, ") +
           orderBy;
}

std::optional<ResultGrid> RunGrid(Database &db, const QueryStatement &statement)
{
    Statement st = db.prepare(statement.sql);
    if (!st.isValid() || !st.bindAll(statement.params)) {
        return std::nullopt;
    }
    QList<ResultGrid::Column> columns;
    for (int c = 0; c < st.columnCount(); ++c) {
        const QString name = st.columnName(c);
        columns.append({name, statement.moneyColumns.contains(name) ? ResultGrid::Kind::Money
                                                                    : ResultGrid::Kind::Text});
    }
    ResultGrid grid(columns);
    if (!grid.appendFrom(st)) {
        return std::nullopt;
    }
    return grid;
}

namespace {

QString literal(const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        return QStringLiteral("null");
    }
    if (value.metaType() == QMetaType::fromType<Money>()) {
        return QString::number(value.value<Money>().raw());
    }
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toString();
    default: {
        QString text = value.toString();
        text.replace(u'\'', QStringLiteral("''"));
        return u'\'' + text + u'\'';
    }
    }
}

} // namespace

QString ReadableSql(const QueryStatement &statement)
{
    QString result;
    int next = 0;
    bool inString = false;
    bool inIdent = false;
    for (const QChar ch : statement.sql) {
        if (ch == u'\'' && !inIdent) {
            inString = !inString;
        } else if (ch == u'"' && !inString) {
            inIdent = !inIdent;
        } else if (ch == u'?' && !inString && !inIdent) {
            result += literal(statement.params.value(next++));
            continue;
        }
        result += (ch == u'\n' || ch == u'\r') ? QChar(u' ') : ch;
    }
    return result;
}
