#include "payroll/CsvReader.h"

namespace {

struct Record
{
    int line = 0;
    QStringList fields;
};

bool isBlank(const Record &r)
{
    return r.fields.size() == 1 && r.fields.first().isEmpty();
}

} // namespace

std::variant<ImportSourceTable, CsvUnclosedQuote> ReadCsv(QStringView text)
{
    std::vector<Record> records;
    Record record;
    QString field;
    int line = 1;
    record.line = 1;
    bool quoted = false;   // inside a quoted field
    bool anything = false; // the record has begun (a character, a separator or a quote)
    int quoteLine = 0;
    const qsizetype n = text.size();

    const auto endField = [&] {
        record.fields << field;
        field.clear();
    };
    const auto endRecord = [&] {
        endField();
        if (!isBlank(record)) {
            records.push_back(std::move(record));
        }
        record = Record{};
        anything = false;
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < n && text[i + 1] == u'\n'))) {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        if (!anything) {
            record.line = line;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = true;
            quoteLine = line;
            anything = true;
        } else if (c == u',') {
            endField();
            anything = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            }
            endRecord();
            ++line;
        } else {
            field += c;
            anything = true;
        }
    }
    if (quoted) {
        return CsvUnclosedQuote{quoteLine};
    }
    if (anything) {
        endRecord();
    }

    ImportSourceTable table;
    if (records.empty()) {
        return table;
    }
    qsizetype width = 0;
    for (const Record &r : records) {
        width = std::max(width, r.fields.size());
    }
    table.columns = ImportColumnNames(records.front().fields, int(width));
    table.rows.reserve(records.size() - 1);
    for (std::size_t i = 1; i < records.size(); ++i) {
        table.rows.push_back({records[i].line, std::move(records[i].fields)});
    }
    return table;
}
