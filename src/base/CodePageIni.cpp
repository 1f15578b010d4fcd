#include "base/CodePageIni.h"

#include <algorithm>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString quoted(const QString &value)
{
    const bool blanksAtEnds =
        !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool looksQuoted =
        value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
    return blanksAtEnds || looksQuoted ? u'"' + value + u'"' : value;
}

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

std::optional<CodePageIni> CodePageIni::load(const QString &path)
{
    CodePageIni ini;
    QFile file(path);
    if (!file.exists()) {
        return ini;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(QByteArrayView(bytes).sliced(3));
        if (utf8.hasError()) {
            return std::nullopt;
        }
    } else {
        QStringDecoder gb("GB18030");
        text = gb.decode(bytes);
        if (!gb.isValid() || gb.hasError()) {
            return std::nullopt;
        }
    }
    Section *current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';')) {
            continue;
        }
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed().toString();
            current = ini.find(name);
            if (!current) {
                ini.m_sections.append({name, {}});
                current = &ini.m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq < 0) {
            continue;
        }
        const QString key = line.left(eq).trimmed().toString();
        const QString value = unquoted(line.mid(eq + 1).toString());
        // Like the system's own reader, the first of two equal keys wins.
        const bool seen = std::any_of(current->entries.cbegin(), current->entries.cend(),
                                      [&](const Entry &e) { return sameName(e.key, key); });
        if (!seen) {
            current->entries.append({key, value});
        }
    }
    return ini;
}

CodePageIni::Section *CodePageIni::find(const QString &section)
{
    for (Section &s : m_sections) {
        if (sameName(s.name, section)) {
            return &s;
        }
    }
    return nullptr;
}

const CodePageIni::Section *CodePageIni::find(const QString &section) const
{
    for (const Section &s : m_sections) {
        if (sameName(s.name, section)) {
            return &s;
        }
    }
    return nullptr;
}

QString CodePageIni::value(const QString &section, const QString &key) const
{
    if (const Section *s = find(section)) {
        for (const Entry &e : s->entries) {
            if (sameName(e.key, key)) {
                return e.value;
            }
        }
    }
    return {};
}

void CodePageIni::setValue(const QString &section, const QString &key, const QString &value)
{
    Section *s = find(section);
    if (!s) {
        m_sections.append({section, {}});
        s = &m_sections.last();
    }
    for (Entry &e : s->entries) {
        if (sameName(e.key, key)) {
            e.value = value;
            return;
        }
    }
    s->entries.append({key, value});
}

bool CodePageIni::save(const QString &path) const
{
    // A line break inside a name or value would end its line early and lose the rest.
    const auto breaksLine = [](const QString &t) {
        return t.contains(u'\n') || t.contains(u'\r');
    };
    QString text;
    for (const Section &s : m_sections) {
        if (breaksLine(s.name)) {
            return false;
        }
        text += u'[' + s.name + QStringLiteral("]\r\n");
        for (const Entry &e : s.entries) {
            if (breaksLine(e.key) || breaksLine(e.value)) {
                return false;
            }
            text += e.key + u'=' + quoted(e.value) + QStringLiteral("\r\n");
        }
        text += QStringLiteral("\r\n");
    }
    QStringEncoder gb("GB18030");
    const QByteArray bytes = gb.encode(text);
    if (!gb.isValid() || gb.hasError()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return false;
    }
    return file.commit();
}
