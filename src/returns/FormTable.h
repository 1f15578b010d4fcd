#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The rows of a printed form, every cell a text, under the column names of the form's result
// set: the rows read from the ledger (the total row first), followed by filler rows that only
// exist to complete the last page (every cell of them one blank).
//
// A month of a large company has tens of thousands of rows, so the cells of a row share one
// string (one allocation a row) and the filler rows are not stored at all.
class FormTable
{
public:
    explicit FormTable(QStringList columns = {});

    const QStringList &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    // -1 when the form has no such column.
    int columnIndex(const QString &name) const { return int(m_columns.indexOf(name)); }

    // Cells in column order; missing cells are empty, extra ones are ignored.
    void appendRow(const QStringList &cells);
    void setRow(int row, const QStringList &cells);
    void reserve(int rows);

    int dataRowCount() const { return int(m_rows.size()); }
    int fillerCount() const { return m_fillers; }
    void setFillerCount(int count) { m_fillers = count; }
    int rowCount() const { return dataRowCount() + m_fillers; }
    bool isFiller(int row) const { return row >= dataRowCount(); }

    QStringView cell(int row, int column) const;
    QString text(int row, int column) const { return cell(row, column).toString(); }
    QString text(int row, const QString &column) const;
    QStringList rowTexts(int row) const;

private:
    QString joined(const QStringList &cells, int *ends) const;

    QStringList m_columns;
    std::vector<QString> m_rows;
    std::vector<int> m_ends; // columnCount() ends per row, into that row's string
    int m_fillers = 0;
};
