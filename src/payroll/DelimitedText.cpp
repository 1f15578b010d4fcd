#include "payroll/DelimitedText.h"

namespace {

QString unquote(QStringView field, QStringView qualifier)
{
    if (qualifier.isEmpty()) {
        return field.toString();
    }
    const qsizetype open = field.indexOf(qualifier);
    if (open < 0) {
        return field.toString();
    }
    const qsizetype from = open + qualifier.size();
    const qsizetype close = field.indexOf(qualifier, from);
    return (close < 0 ? field.mid(from) : field.mid(from, close - from)).toString();
}

} // namespace

QStringList SplitImportLine(QStringView line, QStringView separator, QStringView qualifier)
{
    QStringList fields;
    if (separator.size() != 1) {
        fields << unquote(line, qualifier);
        return fields;
    }
    const QChar sep = separator.front();
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == sep) {
            fields << unquote(line.mid(start, i - start), qualifier);
            start = i + 1;
        }
    }
    fields << unquote(line.mid(start), qualifier);
    return fields;
}

std::variant<ImportSourceTable, DelimitedRefusal>
ReadDelimitedLines(const QStringList &lines, int start, QStringView separator,
                   QStringView qualifier)
{
    using Reason = DelimitedRefusal::Reason;
    ImportSourceTable table;
    if (lines.isEmpty()) {
        return table;
    }
    const QStringList header = SplitImportLine(lines.first(), separator, qualifier);
    if (header.size() > DelimitedText::MaxFields) {
        return DelimitedRefusal{Reason::TooManyFields, 1};
    }
    table.columns = ImportColumnNames(header, int(header.size()));
    table.rows.reserve(std::size_t(std::max<qsizetype>(0, lines.size() - start)));
    for (qsizetype i = std::max(start, 1); i < lines.size(); ++i) {
        QStringList fields = SplitImportLine(lines.at(i), separator, qualifier);
        if (fields.size() > DelimitedText::MaxFields) {
            return DelimitedRefusal{Reason::TooManyFields, int(i + 1)};
        }
        if (fields.size() > header.size()) {
            return DelimitedRefusal{Reason::WiderThanHeader, int(i + 1)};
        }
        table.rows.push_back({int(i + 1), std::move(fields)});
    }
    return table;
}
