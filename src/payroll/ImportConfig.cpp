#include "payroll/ImportConfig.h"

#include "base/AppEnv.h"
#include "base/CodePageIni.h"

#include <algorithm>
#include <QFile>

namespace {
const QString Start = QStringLiteral("start");
const QString Txt = QStringLiteral("Txt");
const QString Excel = QStringLiteral("Excel");
const QString Data = QStringLiteral("Data");
} // namespace

QString SeparatorText(ImportSeparator separator, const QString &otherText)
{
    switch (separator) {
    case ImportSeparator::Semicolon:
        return QStringLiteral(";");
    case ImportSeparator::Comma:
        return QStringLiteral(",");
    case ImportSeparator::Blank:
        return QStringLiteral(" ");
    case ImportSeparator::Tab:
        return QStringLiteral("\t");
    case ImportSeparator::Other:
        return otherText;
    case ImportSeparator::None:
        break;
    }
    return {};
}

int ImportConfig::startLineValue() const
{
    bool ok = false;
    const int n = startLine.trimmed().toInt(&ok);
    return ok ? std::clamp(n, 1, ImportConfigs::MaxStartLine) : 1;
}

namespace ImportConfigs {

QString fileName(int slot)
{
    return QStringLiteral("configure%1.ini").arg(slot);
}

QString path(int slot)
{
    return GetAppDir() + fileName(slot);
}

bool exists(int slot)
{
    return QFile::exists(path(slot));
}

QList<int> available()
{
    QList<int> found;
    for (int n = 1; n <= Slots; ++n) {
        if (exists(n)) {
            found << n;
        }
    }
    return found;
}

std::optional<ImportConfig> read(int slot)
{
    const auto ini = CodePageIni::load(path(slot));
    if (!ini) {
        return std::nullopt;
    }
    ImportConfig c;
    c.fileName = ini->value(Start, QStringLiteral("fileName"));
    const QString type = ini->value(Start, QStringLiteral("fileType")).trimmed();
    c.fileType = type == QLatin1String("1")   ? ImportFileType::Text
                 : type == QLatin1String("2") ? ImportFileType::Excel
                                              : ImportFileType::None;
    c.startLine = ini->value(Txt, QStringLiteral("startLine"));
    const int separate = ini->value(Txt, QStringLiteral("separate")).trimmed().toInt();
    c.separate = separate >= 1 && separate <= 5 ? ImportSeparator(separate) : ImportSeparator::None;
    c.separateTxt = ini->value(Txt, QStringLiteral("separateTxt"));
    c.txtIdentify = ini->value(Txt, QStringLiteral("txtIdentify"));
    c.isSingle = ini->value(Txt, QStringLiteral("IsSingle")) == QLatin1String("1");
    c.tableName = ini->value(Excel, QStringLiteral("tableName"));
    for (int i = 0;; ++i) {
        const QString pair = ini->value(Data, QStringLiteral("field%1").arg(i));
        if (pair.isEmpty()) {
            break;
        }
        const qsizetype eq = pair.indexOf(u'=');
        c.pairs.append(eq < 0 ? ImportPair{pair, QString()}
                              : ImportPair{pair.left(eq), pair.mid(eq + 1)});
    }
    return c;
}

bool write(int slot, const ImportConfig &config)
{
    CodePageIni ini;
    ini.setValue(Start, QStringLiteral("fileName"), config.fileName);
    ini.setValue(Start, QStringLiteral("fileType"), QString::number(int(config.fileType)));
    if (config.fileType == ImportFileType::Text) {
        ini.setValue(Txt, QStringLiteral("txtType"), QStringLiteral("1"));
        ini.setValue(Txt, QStringLiteral("startLine"), config.startLine);
        ini.setValue(Txt, QStringLiteral("separate"), QString::number(int(config.separate)));
        ini.setValue(Txt, QStringLiteral("separateTxt"),
                     config.separate == ImportSeparator::Other ? config.separateTxt : QString());
        ini.setValue(Txt, QStringLiteral("txtIdentify"), config.txtIdentify);
        ini.setValue(Txt, QStringLiteral("IsSingle"),
                     config.isSingle ? QStringLiteral("1") : QString());
    } else if (config.fileType == ImportFileType::Excel) {
        ini.setValue(Excel, QStringLiteral("tableName"), config.tableName);
    }
    for (int i = 0; i < config.pairs.size(); ++i) {
        const ImportPair &p = config.pairs.at(i);
        ini.setValue(Data, QStringLiteral("field%1").arg(i), p.source + u'=' + p.target);
    }
    return ini.save(path(slot));
}

} // namespace ImportConfigs
