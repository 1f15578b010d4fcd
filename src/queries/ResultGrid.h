#pragma once

#include "base/Money.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <limits>
#include <optional>
#include <vector>

class Statement;

// The rows of one query as its grid shows them: named columns that hold either text or
// amounts. A wage list may have 100,000 rows, so the cells are not kept one object each: all
// texts share one string and all amounts one array.
class ResultGrid
{
public:
    enum class Kind { Text, Money };
    struct Column
    {
        QString name;
        Kind kind = Kind::Text;
    };

    ResultGrid() = default;
    explicit ResultGrid(const QList<Column> &columns);

    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rows; }
    bool isEmpty() const { return m_rows == 0; }
    const QList<Column> &columns() const { return m_columns; }
    QStringList columnNames() const;
    QString columnName(int column) const { return m_columns.value(column).name; }
    Kind kind(int column) const { return m_columns.at(column).kind; }
    bool isMoney(int column) const { return kind(column) == Kind::Money; }
    // -1 when absent.
    int columnIndex(const QString &name) const;

    // A text column's cell as stored; empty for an amount column.
    QStringView textView(int row, int column) const;
    // An amount column's cell; nothing when it is empty (NULL) or the column holds text.
    std::optional<Money> amount(int row, int column) const;
    // The cell as the grid shows it: the text, or the amount with two decimals ("0.00"),
    // or nothing for an empty amount.
    QString displayText(int row, int column) const;
    // The amounts of a column added up in money arithmetic, empty cells left out; nothing
    // when every cell is empty (as the engine's sum() gives NULL).
    std::optional<Money> sum(int column) const;

    // Appends one row: per column a text for text columns, a Money (or an invalid QVariant
    // for an empty cell) for amount columns.
    void appendRow(const QVariantList &cells);
    // Appends every remaining row of a statement whose columns are this grid's, in order.
    // False when the engine failed on the way.
    bool appendFrom(Statement &statement);
    // Appends the statement's current row, taking this grid's columns from the statement's
    // columns `source` (one per grid column).
    void appendCurrent(const Statement &statement, const QList<int> &source);

private:
    static constexpr qint64 kEmpty = std::numeric_limits<qint64>::min();
    void appendText(QStringView text);

    QList<Column> m_columns;
    QList<int> m_slot; // per column: its index among the columns of its kind
    int m_textColumns = 0;
    int m_moneyColumns = 0;
    int m_rows = 0;
    QString m_text;                   // every text cell of every row, back to back
    std::vector<qsizetype> m_textEnd; // per row and text column: where its text ends
    std::vector<qint64> m_amounts;    // per row and amount column, kEmpty when empty
};
