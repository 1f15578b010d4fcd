#include "base/CsvReader.h"

#include <QFile>
#include <QStringDecoder>

std::optional<QList<CsvRecord>> ParseCsv(const QString &text, QString *error)
{
    QList<CsvRecord> records;
    CsvRecord record;
    QString field;
    int line = 1;
    record.line = 1;
    bool quoted = false;       // inside a quoted field
    bool fieldStarted = false; // something of the current record has been read
    bool afterQuote = false;   // a quoted field has closed; only a separator may follow
    const auto fail = [&](const QString &message) {
        if (error) {
            *error = QStringLiteral("第%1行: %2").arg(line).arg(message);
        }
        return std::nullopt;
    };
    const auto endRecord = [&] {
        if (fieldStarted || !record.fields.isEmpty()) {
            record.fields << field;
            records << record;
        }
        record = CsvRecord{};
        field.clear();
        fieldStarted = false;
        afterQuote = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == u'\n') {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        if (c == u',') {
            record.fields << field;
            field.clear();
            fieldStarted = true;
            afterQuote = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            }
            endRecord();
            ++line;
            record.line = line;
        } else if (afterQuote) {
            return fail(QStringLiteral("引号后只能是逗号或换行"));
        } else if (c == u'"') {
            if (!field.isEmpty()) {
                return fail(QStringLiteral("未加引号的字段中不能有引号"));
            }
            quoted = true;
            fieldStarted = true;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        line = record.line; // where the field that never ends began
        return fail(QStringLiteral("引号没有结束"));
    }
    endRecord();
    return records;
}

std::optional<QString> ReadUtf8File(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("无法读取文件: ") + path;
        }
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        if (error) {
            *error = QStringLiteral("文件不是UTF-8编码: ") + path;
        }
        return std::nullopt;
    }
    return text;
}
