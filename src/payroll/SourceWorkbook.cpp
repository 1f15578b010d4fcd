#include "payroll/SourceWorkbook.h"

#include "payroll/XlsWorkbook.h"
#include "payroll/XlsxWorkbook.h"

#include <QFile>

namespace {

enum class Format { Other, Xlsx, Xls };

Format formatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Format::Other;
    }
    const QByteArray head = file.read(8);
    if (head.startsWith("PK\x03\x04")) {
        return Format::Xlsx;
    }
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        return Format::Xls;
    }
    return Format::Other;
}

} // namespace

std::unique_ptr<SourceWorkbook> OpenSourceWorkbook(const QString &path)
{
    switch (formatOf(path)) {
    case Format::Xlsx:
        return XlsxWorkbook::open(path);
    case Format::Xls:
        return XlsWorkbook::open(path);
    case Format::Other:
        break;
    }
    return nullptr;
}

bool IsWorkbookFile(const QString &path)
{
    return formatOf(path) != Format::Other;
}

QString FindSheet(const QStringList &sheets, const QString &tableName)
{
    if (sheets.contains(tableName)) {
        return tableName;
    }
    QString name = tableName;
    if (name.size() >= 2 && name.startsWith(u'\'') && name.endsWith(u'\'')) {
        name = name.mid(1, name.size() - 2);
    }
    if (name.endsWith(u'$')) {
        name.chop(1);
        if (sheets.contains(name)) {
            return name;
        }
    }
    return {};
}
