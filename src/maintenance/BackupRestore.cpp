#include "maintenance/BackupRestore.h"

#include "base/AppEnv.h"
#include "base/FileReplacement.h"
#include "base/MessageService.h"
#include "base/Password.h"
#include "base/Settings.h"
#include "db/CompactDatabase.h"
#include "db/Database.h"
#include "db/Sql.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kBackupIni = QStringLiteral("AutoBack/Backup.ini");

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
    if (FileReplacement::SameFile(source, FileReplacement::ResolveLinks(name))) {
        messages.showError(QStringLiteral("不能把数据库备份到它自己！"));
        return false;
    }
    if (QFileInfo::exists(name) && !overwrite &&
        !messages.askYesNo(QStringLiteral("文件已存在，是否要覆盖该文件？"))) {
        return false;
    }
    // A backup cut short in this folder left its hidden temporary here; nobody else cleans it.
    FileReplacement::RemoveLeftovers(QFileInfo(FileReplacement::ResolveLinks(name)).absolutePath());
    QString error;
    if (!WriteDatabaseCopy(source, name, DatabasePassword(), true, &error)) {
        if (error == DatabaseBusyMessage()) {
            messages.showError(error);
        }
        return false;
    }
    return true;
}

int LastAutoBackupNumber()
{
    bool ok = false;
    const int n =
        ReadIniValue(kBackupIni, QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile"))
            .toInt(&ok);
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
    const QString file = FileReplacement::ResolveLinks(databasePath);
    const QString source = chosen.trimmed();
    // The chosen file is copied beside the database, through the engine, before anything
    // else happens: a journal a crash left beside it is rolled back into the copy, and it may
    // be the very automatic copy that is about to be overwritten (Backup02.mdb chosen when
    // Backup02.mdb is next in turn).
    const QString staged = FileReplacement::CreateTemporaryBeside(file);
    {
        Database test;
        if (!test.openConnection(BuildConnectionString(source, DatabasePassword())) ||
            !test.tableExists(QStringLiteral("CorpInfo"))) {
            QFile::remove(staged);
            return RestoreResult::NotADatabase;
        }
        if (staged.isEmpty() || !test.copyPagesTo(staged, DatabasePassword())) {
            QFile::remove(staged);
            messages.showError(QStringLiteral("恢复数据库失败！"));
            return RestoreResult::RestoreFailed;
        }
    }
    // From the automatic copy until the chosen file is in place nobody may write: a write
    // committed in between would be in neither.
    Database keeper;
    if (!TakeWriteLock(keeper, file, DatabasePassword())) {
        QFile::remove(staged);
        if (keeper.lastErrorWasBusy()) {
            messages.showError(DatabaseBusyMessage());
        }
        messages.showError(QStringLiteral("自动备份数据库失败！"));
        return RestoreResult::AutoBackupFailed;
    }
    const int k = (LastAutoBackupNumber() + 1) % 5;
    if (!CopyDatabase(file, AutoBackupPath(k), true, messages)) {
        QFile::remove(staged);
        messages.showError(QStringLiteral("自动备份数据库失败！"));
        return RestoreResult::AutoBackupFailed;
    }
    WriteIniString(kBackupIni, QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile"),
                   QString::number(k));
    // Opening the keeper rolled back a journal left by a crash; one that is still there is
    // not hot and nobody can be writing: it must not meet the restored file.
    QFile::remove(file + QStringLiteral("-journal"));
    if (!FileReplacement::Replace(staged, file)) {
        messages.showError(QStringLiteral("恢复数据库失败！"));
        return RestoreResult::RestoreFailed;
    }
    keeper.close();
    messages.showInfo(QStringLiteral("恢复数据库成功！"));
    return RestoreResult::Restored;
}
