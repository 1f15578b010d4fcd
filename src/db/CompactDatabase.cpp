#include "db/CompactDatabase.h"

#include "db/Database.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

bool ReplaceFileAtomically(const QString &source, const QString &target)
{
    // rename(2) replaces an existing target atomically; QFile::rename would refuse it.
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData())
           == 0;
}

bool CompactDatabase(const QString &path, const QString &password)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return false;
    }
    const QString copy = info.absolutePath() + QStringLiteral("/newdb.mdb");
    QFile::remove(copy);

    bool ok = false;
    {
        Database db;
        QFile empty(copy);
        ok = empty.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        empty.close();
        ok = ok && db.open(path, password) && db.exportCopy(copy, password);
    }
    if (ok) {
        Database check;
        ok = check.open(copy, password)
             && check.scalar(QStringLiteral("pragma integrity_check")).value_or(QVariant()).toString()
                    == QLatin1String("ok");
    }
    if (!ok || !ReplaceFileAtomically(copy, info.absoluteFilePath())) {
        QFile::remove(copy);
        return false;
    }
    return true;
}
