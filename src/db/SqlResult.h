#pragma once

#include "base/Money.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The rows of a statement, read completely, with the column names exactly as the statement
// aliased them (Chinese included). Columns declared MONEY come back as Money values; other
// integers as qint64, text as QString, NULL as an invalid QVariant.
//
// Besides random access it keeps a cursor (first, next, last) for code that walks rows.
class SqlResult
{
public:
    SqlResult() = default;
    SqlResult(QStringList columns, QList<QVariantList> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows))
    {
    }

    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QStringList &columns() const { return m_columns; }
    QString columnName(int column) const { return m_columns.value(column); }
    // -1 when absent; names are compared ignoring case, as the engine does.
    int columnIndex(const QString &name) const;
    bool hasColumn(const QString &name) const { return columnIndex(name) >= 0; }

    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &column) const;
    QString text(int row, int column) const { return value(row, column).toString(); }
    QString text(int row, const QString &column) const { return value(row, column).toString(); }
    qint64 integer(int row, const QString &column) const { return value(row, column).toLongLong(); }
    // A money column, or an aggregate over one (which the engine returns as a plain integer of
    // ten-thousandths). NULL reads as 0.
    Money money(int row, int column) const { return toMoney(value(row, column)); }
    Money money(int row, const QString &column) const { return toMoney(value(row, column)); }
    const QVariantList &row(int row) const { return m_rows.at(row); }
    const QList<QVariantList> &rows() const { return m_rows; }

    // Cursor.
    bool first() { return seek(0); }
    bool last() { return seek(rowCount() - 1); }
    bool next() { return seek(m_cursor + 1); }
    bool seek(int row);
    bool atEnd() const { return m_cursor < 0 || m_cursor >= rowCount(); }
    int at() const { return m_cursor; }
    QVariant value(int column) const { return value(m_cursor, column); }
    QVariant value(const QString &column) const { return value(m_cursor, column); }

    static Money toMoney(const QVariant &v);

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
    int m_cursor = 0;
};
