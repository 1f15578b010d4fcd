#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Comma-separated text as RFC 4180 writes it: fields separated by commas, records by line
// breaks (CRLF or LF); a field in double quotes may hold commas, line breaks and doubled
// quotes. Each record remembers the line of the text it starts on, so that a message can name
// it.
struct CsvRecord
{
    int line = 0; // 1-based
    QStringList fields;
};

// The records of the text; a blank line is no record. Nothing (and `error` set, naming the
// line) when a quoted field never ends or a quote stands inside an unquoted field.
std::optional<QList<CsvRecord>> ParseCsv(const QString &text, QString *error = nullptr);

// The text of a CSV file in UTF-8 (a byte order mark is dropped). Nothing when the file cannot
// be read or is not UTF-8 (`error` says which).
std::optional<QString> ReadUtf8File(const QString &path, QString *error = nullptr);
