#include "db/TableDefinition.h"

#include "db/Sql.h"

namespace {

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'' || c == u'`' || c == u'[';
}

QChar closingQuote(QChar c)
{
    return c == u'[' ? QChar(u']') : c;
}

// Index just past the quoted run starting at i (doubled quotes stay inside).
qsizetype skipQuoted(const QString &s, qsizetype i)
{
    const QChar close = closingQuote(s[i]);
    ++i;
    while (i < s.size()) {
        if (s[i] == close) {
            if (close != u']' && i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

// The first identifier of an item, unquoted.
QString leadingIdentifier(const QString &item, bool *quoted)
{
    const QString t = item.trimmed();
    if (t.isEmpty()) {
        return {};
    }
    if (isQuote(t[0])) {
        *quoted = true;
        const qsizetype end = skipQuoted(t, 0);
        QString inner = t.mid(1, end - 2);
        const QChar q = t[0];
        if (q != u'[') {
            inner.replace(QString(2, q), QString(q));
        }
        return inner;
    }
    *quoted = false;
    qsizetype end = 0;
    while (end < t.size() && !t[end].isSpace() && t[end] != u'(') {
        ++end;
    }
    return t.left(end);
}

} // namespace

std::optional<TableDefinition> TableDefinition::parse(const QString &createSql)
{
    TableDefinition def;
    const QString &s = createSql;
    // Find the table name and the opening parenthesis, skipping over quoted names.
    qsizetype i = 0;
    qsizetype open = -1;
    QString nameText;
    qsizetype nameStart = -1;
    while (i < s.size()) {
        if (isQuote(s[i])) {
            nameStart = i;
            i = skipQuoted(s, i);
            nameText = s.mid(nameStart, i - nameStart);
            continue;
        }
        if (s[i] == u'(') {
            open = i;
            break;
        }
        ++i;
    }
    if (open < 0) {
        return std::nullopt;
    }
    if (nameText.isEmpty()) {
        // Unquoted: the last word before the parenthesis.
        const QStringList words = s.left(open).simplified().split(u' ');
        nameText = words.value(words.size() - 1);
    }
    bool quoted = false;
    def.m_tableName = leadingIdentifier(nameText, &quoted);

    int depth = 0;
    qsizetype itemStart = open + 1;
    qsizetype close = -1;
    QStringList items;
    for (i = open + 1; i < s.size(); ++i) {
        const QChar c = s[i];
        if (isQuote(c)) {
            i = skipQuoted(s, i) - 1;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (depth == 0) {
                close = i;
                items << s.mid(itemStart, i - itemStart);
                break;
            }
            --depth;
        } else if (c == u',' && depth == 0) {
            items << s.mid(itemStart, i - itemStart);
            itemStart = i + 1;
        }
    }
    if (close < 0) {
        return std::nullopt;
    }
    def.m_tail = s.mid(close + 1);
    static const QStringList constraintWords = {QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"),
                                                QStringLiteral("UNIQUE"), QStringLiteral("CHECK"),
                                                QStringLiteral("FOREIGN")};
    for (const QString &text : items) {
        bool q = false;
        const QString first = leadingIdentifier(text, &q);
        const bool constraint = !q && constraintWords.contains(first.toUpper());
        def.m_items.append({text.trimmed(), constraint ? QString() : first});
    }
    return def;
}

QStringList TableDefinition::columnNames() const
{
    QStringList names;
    for (const Item &item : m_items) {
        if (!item.columnName.isEmpty()) {
            names << item.columnName;
        }
    }
    return names;
}

bool TableDefinition::removeColumn(const QString &name)
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (!m_items[i].columnName.isEmpty()
            && m_items[i].columnName.compare(name, Qt::CaseInsensitive) == 0) {
            m_items.removeAt(i);
            return true;
        }
    }
    return false;
}

QString TableDefinition::createStatement(const QString &tableName) const
{
    QStringList parts;
    for (const Item &item : m_items) {
        parts << item.text;
    }
    return QStringLiteral("CREATE TABLE ") + QuoteIdent(tableName) + QStringLiteral(" (")
           + parts.join(QStringLiteral(", ")) + u')' + m_tail;
}
