#pragma once

#include "payroll/ImportSource.h"

#include <QString>

#include <map>
#include <vector>

// The cells of one worksheet as a reader finds them (in any order, with gaps), turned into the
// import's table the way a spreadsheet's used range reads: the first row holding anything
// names the columns, the columns run from the leftmost to the rightmost cell used anywhere,
// and rows holding nothing are left out.
class SheetGrid
{
public:
    // `row` and `column` count from 0; empty texts are no cells.
    void set(int row, int column, const QString &text);
    ImportSourceTable toTable() const;

private:
    struct Cell
    {
        int column;
        QString text;
    };
    std::map<int, std::vector<Cell>> m_rows;
    int m_firstColumn = -1;
    int m_lastColumn = -1;
};
