#include "payroll/ImportTextFile.h"

#include "base/MessageService.h"
#include "payroll/CsvReader.h"
#include "payroll/DelimitedText.h"
#include "payroll/ImportTexts.h"

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
        auto read = ReadCsv(text);
        if (auto *table = std::get_if<ImportSourceTable>(&read)) {
            return std::move(*table);
        }
        messages.showError(ImportText::CsvOpenFailed);
        return std::nullopt;
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
