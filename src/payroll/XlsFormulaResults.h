#pragma once

#include <QString>

#include <optional>
#include <vector>

// The results Excel stored with the formula cells of an Excel 97-2003 workbook. FreeXL reads
// every other cell but gives formula cells as empty, which would turn a computed amount into
// 0 without a word; these are read here from the workbook stream of the compound document.
struct XlsFormulaCell
{
    int row = 0; // from 0
    int column = 0;
    QString text; // a number as typed, a text, "1"/"0" for a boolean, "#DIV/0!" for an error
};

struct XlsFormulaSheet
{
    QString name; // empty when the file's code page could not be decoded (Excel 95 files)
    std::vector<XlsFormulaCell> cells;
};

// Per sheet of the workbook, in its order. Nothing when the file is no compound document
// holding a BIFF5/BIFF8 workbook stream, or when that stream is damaged.
std::optional<std::vector<XlsFormulaSheet>> ReadXlsFormulaResults(const QString &path);
