#include "payroll/SheetGrid.h"

void SheetGrid::set(int row, int column, const QString &text)
{
    if (text.isEmpty() || row < 0 || column < 0) {
        return;
    }
    m_rows[row].push_back({column, text});
    if (m_firstColumn < 0 || column < m_firstColumn) {
        m_firstColumn = column;
    }
    m_lastColumn = std::max(m_lastColumn, column);
}

ImportSourceTable SheetGrid::toTable() const
{
    ImportSourceTable table;
    if (m_rows.empty()) {
        return table;
    }
    const int width = m_lastColumn - m_firstColumn + 1;
    const auto rowCells = [&](const std::vector<Cell> &cells) {
        QStringList texts(width);
        for (const Cell &c : cells) {
            texts[c.column - m_firstColumn] = c.text;
        }
        return texts;
    };
    auto it = m_rows.begin();
    table.columns = ImportColumnNames(rowCells(it->second), width);
    table.rows.reserve(m_rows.size() - 1);
    for (++it; it != m_rows.end(); ++it) {
        table.rows.push_back({it->first + 1, rowCells(it->second)});
    }
    return table;
}
