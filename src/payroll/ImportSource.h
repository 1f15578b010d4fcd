#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One data row of a source file, as texts. `line` is where the row stands in the file: the
// worksheet's row number, or the text file's line (1 for the first), so that a refusal can say
// where to look.
struct ImportSourceRow
{
    int line = 0;
    QStringList cells; // never more than the table's columns; missing cells are empty
};

// A source file's sheet as the import sees it: one text column per source column, named by
// the header row, and the rows below it.
struct ImportSourceTable
{
    QStringList columns;
    std::vector<ImportSourceRow> rows;
};

// Column names from the header's cells, `width` of them: trimmed, with line breaks and tabs
// turned into blanks; an empty cell is named F1, F2 ... by its position, and a name seen
// before (ignoring case, as the engine compares column names) gets the lowest number that
// makes it new ("金额", "金额1").
QStringList ImportColumnNames(const QStringList &headerCells, int width);

// A number read from a workbook as the clerk typed it: up to 15 significant digits, no
// exponent, no trailing zeros ("1234.5", "1001", "0.0125").
QString SheetNumberText(double value);
