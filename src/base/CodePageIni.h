#pragma once

#include <QList>
#include <QString>

#include <optional>

// An INI file the way Windows programs keep them, in the system code page rather than UTF-8:
// "[section]" lines and "key=value" lines, sections and keys found ignoring case. Written in
// GB18030, which is GBK byte for byte wherever GBK has the character and still holds every
// other one, so nothing a clerk names is lost; read the same way (or as UTF-8 when the file
// starts with UTF-8's byte-order mark, as an editor may leave it).
//
// A value with blanks at either end, or one that starts and ends with a double quote, is
// written inside double quotes, which reading removes again: what is written is read back.
class CodePageIni
{
public:
    // The file's entries; an empty file when it does not exist. Nothing when it exists but
    // cannot be read or decoded.
    static std::optional<CodePageIni> load(const QString &path);

    QString value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    // Writes the whole file (a new file replaces the old one in one step). False on failure,
    // also when a name or value holds a line break, which the format cannot keep; the old file
    // is then untouched.
    bool save(const QString &path) const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };
    Section *find(const QString &section);
    const Section *find(const QString &section) const;

    QList<Section> m_sections;
};
