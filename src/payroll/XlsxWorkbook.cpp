#include "payroll/XlsxWorkbook.h"

#include "payroll/SheetGrid.h"
#include "payroll/ZipEntryDevice.h"

#include <algorithm>
#include <QHash>
#include <QXmlStreamReader>

namespace {

// One part of the archive, read whole (nothing when it is missing or broken).
std::optional<QByteArray> readPart(const QString &archive, const QString &part)
{
    ZipEntryDevice file(archive, part);
    if (file.status() != ZipEntryDevice::Status::Open) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.failed()) {
        return std::nullopt;
    }
    return bytes;
}

// The relationship id of a <sheet>: the attribute "id" of the relationships namespace, which
// the transitional and the strict format spell differently.
QString relationshipId(const QXmlStreamAttributes &attributes)
{
    for (const QXmlStreamAttribute &a : attributes) {
        if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty()) {
            return a.value().toString();
        }
    }
    return {};
}

// "worksheets/sheet1.xml" next to the workbook, or "/xl/worksheets/sheet1.xml" from the root.
QString partPath(const QString &target)
{
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

// "AB12" → column 27 (from 0); -1 when the reference holds no letters.
int columnOf(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (QChar c : reference) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z') {
            column = column * 26 + (u - u'A' + 1);
        } else if (u >= u'a' && u <= u'z') {
            column = column * 26 + (u - u'a' + 1);
        } else {
            break;
        }
        ++letters;
    }
    return letters == 0 ? -1 : column - 1;
}

// The text of a string item (<si> or <is>): its <t> elements, those of the rich-text runs
// included, those of the phonetic guide (<rPh>) left out. The reader stands on the start tag.
QString stringItem(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    int phonetic = 0;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("t")) {
                const QString t = xml.readElementText(); // ends on </t>
                if (phonetic == 0) {
                    text += t;
                }
            } else {
                ++depth;
                if (xml.name() == QLatin1String("rPh")) {
                    ++phonetic;
                }
            }
        } else if (xml.isEndElement()) {
            --depth;
            if (xml.name() == QLatin1String("rPh")) {
                --phonetic;
            }
        }
    }
    return text;
}

} // namespace

std::unique_ptr<XlsxWorkbook> XlsxWorkbook::open(const QString &path)
{
    const auto workbook = readPart(path, QStringLiteral("xl/workbook.xml"));
    const auto rels = readPart(path, QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!workbook || !rels) {
        return nullptr;
    }
    QHash<QString, QString> targets; // worksheets only: chart sheets hold no cells
    QXmlStreamReader relXml(*rels);
    while (!relXml.atEnd()) {
        relXml.readNext();
        if (relXml.isStartElement() && relXml.name() == QLatin1String("Relationship")) {
            const QXmlStreamAttributes a = relXml.attributes();
            if (a.value(QLatin1String("Type")).endsWith(QLatin1String("/worksheet"))) {
                targets.insert(a.value(QLatin1String("Id")).toString(),
                               a.value(QLatin1String("Target")).toString());
            }
        }
    }
    if (relXml.hasError()) {
        return nullptr;
    }

    std::unique_ptr<XlsxWorkbook> book(new XlsxWorkbook);
    book->m_path = path;
    QXmlStreamReader xml(*workbook);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("sheet")) {
            const QString target = targets.value(relationshipId(xml.attributes()));
            if (!target.isEmpty()) {
                book->m_sheets.append(
                    {xml.attributes().value(QLatin1String("name")).toString(), partPath(target)});
            }
        }
    }
    if (xml.hasError()) {
        return nullptr;
    }
    return book;
}

QStringList XlsxWorkbook::sheetNames() const
{
    QStringList names;
    for (const Sheet &s : m_sheets) {
        names << s.name;
    }
    return names;
}

bool XlsxWorkbook::readSharedStrings()
{
    if (m_sharedStringsRead) {
        return true;
    }
    ZipEntryDevice file(m_path, QStringLiteral("xl/sharedStrings.xml"));
    // A workbook without any text has no shared strings at all.
    if (file.status() == ZipEntryDevice::Status::NoEntry) {
        m_sharedStringsRead = true;
        return true;
    }
    if (file.status() != ZipEntryDevice::Status::Open) {
        return false;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si")) {
            m_sharedStrings << stringItem(xml);
        }
    }
    if (xml.hasError() || file.failed()) {
        m_sharedStrings.clear();
        return false;
    }
    m_sharedStringsRead = true;
    return true;
}

std::optional<ImportSourceTable> XlsxWorkbook::readSheet(const QString &name)
{
    const auto sheet = std::find_if(m_sheets.cbegin(), m_sheets.cend(),
                                    [&](const Sheet &s) { return s.name == name; });
    if (sheet == m_sheets.cend() || !readSharedStrings()) {
        return std::nullopt;
    }
    ZipEntryDevice file(m_path, sheet->part);
    if (file.status() != ZipEntryDevice::Status::Open) {
        return std::nullopt;
    }

    SheetGrid grid;
    QXmlStreamReader xml(&file);
    int row = -1;
    int column = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const QStringView element = xml.name();
        if (element == QLatin1String("row")) {
            const QStringView r = xml.attributes().value(QLatin1String("r"));
            bool ok = false;
            const int number = r.toInt(&ok);
            row = ok ? number - 1 : row + 1;
            column = -1;
        } else if (element == QLatin1String("c")) {
            const QXmlStreamAttributes a = xml.attributes();
            const int at = columnOf(a.value(QLatin1String("r")));
            column = at >= 0 ? at : column + 1;
            const QString type = a.value(QLatin1String("t")).toString();
            QString value;
            bool hasValue = false;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("v")) {
                    value = xml.readElementText();
                    hasValue = true;
                } else if (xml.name() == QLatin1String("is")) {
                    value = stringItem(xml);
                    hasValue = true;
                } else {
                    xml.skipCurrentElement();
                }
            }
            if (!hasValue) {
                continue;
            }
            QString text;
            if (type == QLatin1String("s")) {
                bool ok = false;
                const int index = value.toInt(&ok);
                if (!ok || index < 0 || index >= m_sharedStrings.size()) {
                    return std::nullopt;
                }
                text = m_sharedStrings.at(index);
            } else if (type.isEmpty() || type == QLatin1String("n")) {
                bool ok = false;
                const double number = value.toDouble(&ok);
                text = ok ? SheetNumberText(number) : value;
            } else {
                text = value; // inline strings, formula strings, booleans (1/0), errors
            }
            grid.set(row, column, text);
        }
    }
    if (xml.hasError() || file.failed()) {
        return std::nullopt;
    }
    return grid.toTable();
}
