#pragma once

#include "payroll/ImportSource.h"

#include <QStringView>

#include <variant>

// Comma-separated text as RFC 4180 has it: fields separated by ",", records by line breaks
// (CR LF, LF or CR); a field in double quotes may hold commas, line breaks and doubled quotes.
// Read leniently where the standard is silent (a quote inside an unquoted field is a
// character like any other, text after a closing quote belongs to the field), but a quoted
// field that never closes is refused: it would swallow every record after it.
struct CsvUnclosedQuote
{
    int line = 0; // where the field opened
};

// The first record names the columns; a record wider than it adds columns F<n>; records that
// are entirely empty (blank lines) are skipped. Each row's `line` is the line its record
// starts on.
std::variant<ImportSourceTable, CsvUnclosedQuote> ReadCsv(QStringView text);
