#include "base/Help.h"

#include "base/AppEnv.h"

QString HelpFolder()
{
    return GetAppDir() + QStringLiteral("help/");
}

QString HelpPagePath(const QString &topic)
{
    if (topic.isEmpty()) {
        return HelpFolder() + QStringLiteral("index.htm");
    }
    QString page = topic;
    const QString lower = page.toLower();
    if (!lower.contains(QLatin1String(".htm")) && !lower.contains(QLatin1String(".html"))) {
        page += QStringLiteral(".htm");
    }
    return HelpFolder() + page;
}

QString MissingHelpMessage()
{
    return QStringLiteral("帮助文件\"help\"不存在!");
}
