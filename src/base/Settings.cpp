#include "base/Settings.h"

#include "base/AppEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString iniPath(const QString &file)
{
    return GetAppDir() + file;
}

QString iniKey(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

} // namespace

bool WriteIniString(const QString &file, const QString &section, const QString &key,
                    const QString &value)
{
    const QString path = iniPath(file);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(iniKey(section, key), value);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

bool ReadIniString(const QString &file, const QString &section, const QString &key,
                   QString &value)
{
    QSettings ini(iniPath(file), QSettings::IniFormat);
    value = ini.value(iniKey(section, key)).toString();
    return ini.status() != QSettings::AccessError;
}

QString ReadIniValue(const QString &file, const QString &section, const QString &key)
{
    QString value;
    ReadIniString(file, section, key, value);
    return value;
}

void WriteRegValue(const QString &name, const QString &text, int number)
{
    QSettings reg(QStringLiteral("Tolbeck"), QStringLiteral("Corvane"));
    if (!text.trimmed().isEmpty()) {
        reg.setValue(name, text);
    }
    if (number != 0) {
        reg.setValue(name, number);
    }
    reg.sync();
}

QString ReadRegString(const QString &name)
{
    QSettings reg(QStringLiteral("Tolbeck"), QStringLiteral("Corvane"));
    return reg.value(name).toString();
}
