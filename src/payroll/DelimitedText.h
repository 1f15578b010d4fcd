#pragma once

#include "payroll/ImportSource.h"

#include <QStringList>
#include <QStringView>

#include <variant>

// The wizard's own reading of delimited text, for every separator and qualifier other than
// the standard comma with double quotes (which goes through the CSV reader).

namespace DelimitedText {
// A line yields at most this many fields.
inline constexpr int MaxFields = 100;
} // namespace DelimitedText

// One line split the wizard's way: a field ends at each separator character (a separator of
// any other length than one never matches, so the line is one field). Each field is then
// unquoted: when it holds the qualifier, the text after the first qualifier up to the next
// one, or to the end when there is no second. Qualifiers do not protect separators.
QStringList SplitImportLine(QStringView line, QStringView separator, QStringView qualifier);

// Why a text could not be read: a line with more fields than the wizard holds, or with more
// fields than the first line has columns. `line` counts from 1 (the first line, the names).
struct DelimitedRefusal
{
    enum class Reason { TooManyFields, WiderThanHeader };
    Reason reason = Reason::TooManyFields;
    int line = 0;
};

// The table of a text's lines: the columns named by line 0's fields (trimmed), the rows from
// line `start` to the last one. Each row's `line` is its line number counted from 1.
std::variant<ImportSourceTable, DelimitedRefusal>
ReadDelimitedLines(const QStringList &lines, int start, QStringView separator,
                   QStringView qualifier);
