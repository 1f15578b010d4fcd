#pragma once

#include <QList>
#include <QStringList>
#include <QTextStream>

// How every listing command prints rows: a header line, then one line per row.
//   tab-separated (default): values separated by tabs; a tab, line break or backslash inside a
//                            value is written as \t, \n, \r or \\, so a line is always a row;
//   CSV (--csv):             RFC 4180: comma-separated, a value with a comma, quote or line
//                            break in double quotes (quotes doubled), lines ending CRLF.
namespace CliListing {
enum class Format { Tabs, Csv };
void print(QTextStream &out, Format format, const QStringList &header,
           const QList<QStringList> &rows);
QString tabField(const QString &value);
QString csvField(const QString &value);
} // namespace CliListing
