#include "maintenance/BackupRestore.h"

#include "base/AppEnv.h"
#include "db/CompactDatabase.h"
#include "base/MessageService.h"
#include "base/Password.h"
#include "base/Settings.h"
#include "db/Database.h"
#include "db/Sql.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kBackupIni = QStringLiteral("AutoBack/Backup.ini");

// Copies through a temporary file beside the target and renames it into place, so the
// target is either the old file or the complete new one.
bool CopyFileSafely(const QString &source, const QString &target)
{
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(source, temp)) {
        QFile::remove(temp);
        return false;
    }
    QFile(temp).setPermissions(QFile(temp).permissions() | QFileDevice::WriteOwner);
    if (!ReplaceFileAtomically(temp, target)) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

} // namespace

QString BackupTargetName(const QString &target)
{
    QString name = target.trimmed();
    if (!name.toLower().endsWith(QLatin1String(".mdb"))) {
        name += QStringLiteral(".mdb");
    }
    return name;
}

bool CopyDatabase(const QString &source, const QString &target, bool overwrite,
                  MessageService &messages)
{
    const QString name = BackupTargetName(target);
    if (QFileInfo::exists(name) && !overwrite
        && !messages.askYesNo(QStringLiteral("文件已存在，是否要覆盖该文件？"))) {
        return false;
    }
    if (!CopyFileSafely(source, name)) {
        return false;
    }
    CompactDatabase(name, DatabasePassword());
    return true;
}

int LastAutoBackupNumber()
{
    bool ok = false;
    const int n = ReadIniValue(kBackupIni, QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile")).toInt(&ok);
    // A hand-edited value outside 0..4 would name a file outside the rotation.
    return ok && n >= 0 && n <= 4 ? n : 0;
}

QString AutoBackupPath(int number)
{
    return GetAppDir() + QStringLiteral("Backup0%1.mdb").arg(number);
}

bool BackupDatabase(const QString &databasePath, const QString &name, MessageService &messages)
{
    if (name.trimmed().isEmpty()) {
        messages.showInfo(QStringLiteral("备份数据库名不能为空！"));
        return false;
    }
    if (CopyDatabase(databasePath, name, false, messages)) {
        messages.showInfo(QStringLiteral("备份数据库成功！"));
        return true;
    }
    messages.showError(QStringLiteral("备份数据库失败！"));
    return false;
}

RestoreResult RestoreDatabase(const QString &databasePath, const QString &chosen,
                              MessageService &messages)
{
    {
        Database test;
        if (!test.openConnection(BuildConnectionString(chosen.trimmed(), DatabasePassword()))
            || !test.tableExists(QStringLiteral("CorpInfo"))) {
            return RestoreResult::NotADatabase;
        }
    }
    // The chosen file is copied beside the database before anything else happens: it may
    // be the very automatic copy that is about to be overwritten (Backup02.mdb chosen when
    // Backup02.mdb is next in turn), and the database is then replaced in one rename.
    const QString staged = databasePath + QStringLiteral(".restore");
    QFile::remove(staged);
    if (!QFile::copy(chosen.trimmed(), staged)) {
        QFile::remove(staged);
        messages.showError(QStringLiteral("恢复数据库失败！"));
        return RestoreResult::RestoreFailed;
    }
    QFile(staged).setPermissions(QFile(staged).permissions() | QFileDevice::WriteOwner);

    const int k = (LastAutoBackupNumber() + 1) % 5;
    if (!CopyDatabase(databasePath, AutoBackupPath(k), true, messages)) {
        QFile::remove(staged);
        messages.showError(QStringLiteral("自动备份数据库失败！"));
        return RestoreResult::AutoBackupFailed;
    }
    WriteIniString(kBackupIni, QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile"),
                   QString::number(k));
    if (!ReplaceFileAtomically(staged, databasePath)) {
        QFile::remove(staged);
        messages.showError(QStringLiteral("恢复数据库失败！"));
        return RestoreResult::RestoreFailed;
    }
    messages.showInfo(QStringLiteral("恢复数据库成功！"));
    return RestoreResult::Restored;
}
