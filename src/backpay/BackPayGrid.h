#pragma once

#include "backpay/BackPayMonth.h"
#include "base/Money.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class Database;

// One column of a back-pay grid (the pending sheet's view or the back pay posted in a period).
struct BackPayGridColumn
{
    enum class Kind { Text, Number, Money };
    QString name;
    Kind kind = Kind::Text;
    bool shown = true;
    // The month whose back pay the column holds, when the clerk types it (pending sheet only).
    std::optional<BackPayMonth> backPayOf;
    int slot = 0; // the column's place among its row's texts or values
};

// One row: the texts in one list, numbers and amounts (ten-thousandths) in another.
struct BackPayGridRow
{
    QStringList texts;
    std::vector<qint64> values;
};

// The rows of a grid with their columns, as read from one statement.
class BackPayGrid
{
public:
    BackPayGrid() = default;
    // Column slots are given by the order of the columns and their kinds.
    explicit BackPayGrid(QList<BackPayGridColumn> columns);

    const QList<BackPayGridColumn> &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // -1 when absent.
    int columnIndex(const QString &name) const;

    // A text, a number (qint64) or an amount (Money).
    QVariant value(int row, int column) const;
    QString text(int row, const QString &column) const;
    Money money(int row, const QString &column) const;
    // Amounts with two decimals, numbers and texts as they are.
    QString displayText(int row, int column) const;

    const BackPayGridRow &row(int row) const { return m_rows.at(size_t(row)); }
    void appendRow(BackPayGridRow row) { m_rows.push_back(std::move(row)); }
    void replaceRow(int row, BackPayGridRow values) { m_rows.at(size_t(row)) = std::move(values); }
    void removeRow(int row) { m_rows.erase(m_rows.begin() + row); }

    // "快速定位": the first row whose 员工编号 begins with the text, else the first whose 姓名
    // does; -1 when neither.
    int find(const QString &text) const;
    // The row of an employee code, or -1.
    int rowOf(const QString &empId) const;

    // Reads a statement's rows; its columns must come in the order and kinds of `columns`.
    static std::optional<BackPayGrid> read(Database &db, const QString &sql,
                                           const QVariantList &params,
                                           QList<BackPayGridColumn> columns);

private:
    QList<BackPayGridColumn> m_columns;
    std::vector<BackPayGridRow> m_rows;
    int m_textCount = 0;
    int m_valueCount = 0;
};
