#include "payroll/ImportTextFile.h"

#include "base/CsvReader.h"
#include "base/MessageService.h"
#include "payroll/DelimitedText.h"
#include "payroll/ImportTexts.h"

std::optional<ImportSourceTable> ReadCsvTable(const QString &text, QString *error)
{
    auto records = ParseCsv(text, error);
    if (!records) {
        return std::nullopt;
    }
    ImportSourceTable table;
    if (records->isEmpty()) {
        return table;
    }
    qsizetype width = 0;
    for (const CsvRecord &r : *records) {
        width = std::max(width, r.fields.size());
    }
    table.columns = ImportColumnNames(records->first().fields, int(width));
    table.rows.reserve(std::size_t(records->size() - 1));
    for (qsizetype i = 1; i < records->size(); ++i) {
        CsvRecord &r = (*records)[i];
        table.rows.push_back({r.line, std::move(r.fields)});
    }
    return table;
}

std::optional<ImportSourceTable> ImportTextFile(const QString &text, const QStringList &lines,
                                                const TextImportSettings &settings,
                                                MessageService &messages)
{
    if (settings.separator.isEmpty()) {
        messages.showInfo(ImportText::EnterSeparator);
        return std::nullopt;
    }
    if (settings.startLine > lines.size() - 1) {
        messages.showInfo(ImportText::PastEndOfFile);
        return std::nullopt;
    }
    if (settings.isStandardCsv()) {
        QString error;
        auto table = ReadCsvTable(text, &error);
        if (!table) {
            messages.showError(ImportText::CsvOpenFailed + u'\n' + error);
        }
        return table;
    }
    auto read = ReadDelimitedLines(lines, settings.startLine, settings.separator,
                                   settings.qualifier);
    if (const auto *refusal = std::get_if<DelimitedRefusal>(&read)) {
        messages.showInfo(refusal->reason == DelimitedRefusal::Reason::TooManyFields
                              ? ImportText::TooManyFields(refusal->line)
                              : ImportText::WiderThanHeader(refusal->line));
        return std::nullopt;
    }
    return std::move(std::get<ImportSourceTable>(read));
}
