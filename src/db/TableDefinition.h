#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A CREATE TABLE statement taken apart into its column definitions and table constraints,
// each kept as the text it was written with, so that a table can be made again without one
// column and lose nothing else (types, defaults, keys, checks, AUTOINCREMENT).
class TableDefinition
{
public:
    static std::optional<TableDefinition> parse(const QString &createSql);

    QString tableName() const { return m_tableName; }
    QStringList columnNames() const;
    bool removeColumn(const QString &name);
    // The statement that creates the table under another name.
    QString createStatement(const QString &tableName) const;

private:
    struct Item
    {
        QString text;
        QString columnName; // empty for a table constraint
    };
    QString m_tableName;
    QList<Item> m_items;
    QString m_tail; // e.g. " WITHOUT ROWID"
};
