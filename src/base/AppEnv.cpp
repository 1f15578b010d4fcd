#include "base/AppEnv.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString &appDirValue()
{
    static QString dir;
    return dir;
}

std::shared_ptr<Clock> &clockValue()
{
    static std::shared_ptr<Clock> clock = std::make_shared<SystemClock>();
    return clock;
}

QString withSlash(const QString &dir)
{
    QString d = QDir::cleanPath(QDir(dir).absolutePath());
    if (!d.endsWith(u'/')) {
        d += u'/';
    }
    return d;
}

} // namespace

QString GetAppDir()
{
    if (appDirValue().isEmpty()) {
        appDirValue() = withSlash(QDir::currentPath());
    }
    return appDirValue();
}

void SetAppDir(const QString &dir)
{
    appDirValue() = withSlash(dir);
}

QString ResolveAppDir(const QStringList &arguments, const QString &executableDir)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--home" && i + 1 < arguments.size()) {
            return withSlash(arguments[i + 1]);
        }
        if (a.startsWith(u"--home=")) {
            return withSlash(a.mid(7));
        }
    }
    const QString env = qEnvironmentVariable("CORVANE_HOME");
    if (!env.isEmpty()) {
        return withSlash(env);
    }
    return withSlash(executableDir);
}

QDateTime CurrentDateTime()
{
    return clockValue()->now();
}

QDate Today()
{
    return CurrentDateTime().date();
}

void SetClock(std::shared_ptr<Clock> clock)
{
    clockValue() = clock ? std::move(clock) : std::make_shared<SystemClock>();
}

bool RecordingFileOpener::open(const QString &path)
{
    opened.append(path);
    return QFileInfo::exists(path);
}
