#pragma once

#include "payroll/ImportSource.h"

#include <QString>
#include <QStringList>

#include <optional>

class MessageService;

// How a text file is to be read: the separator's text, the qualifier as typed, and the line
// the data starts on (the first line, 0, names the columns).
struct TextImportSettings
{
    QString separator;
    QString qualifier;
    int startLine = 1;

    // The comma with the double quote is standard comma-separated text, read as a whole by
    // the CSV reader (the start line plays no part); everything else the wizard splits itself.
    bool isStandardCsv() const
    {
        return separator == QLatin1String(",") && qualifier == QLatin1String("\"");
    }
};

// Standard comma-separated text (the program's one RFC 4180 reader) as a sheet: the first
// record names the columns, a record wider than it adds columns F<n>, blank lines are no
// rows; each row's `line` is the line its record starts on. Nothing, and `error` naming the
// line, when the quoting is broken (a quoted field that never closes would swallow every
// record after it).
std::optional<ImportSourceTable> ReadCsvTable(const QString &text, QString *error = nullptr);

// ImportTextFile's reading of the file's text (`lines` being the text split into lines). The
// refusals are shown: no separator, a start line beyond the last line, a quoted field that
// never closes, a line with too many fields.
std::optional<ImportSourceTable> ImportTextFile(const QString &text, const QStringList &lines,
                                                const TextImportSettings &settings,
                                                MessageService &messages);
