// backup, restore, compact: the backup dialog's and the shutdown's own code, for scheduled runs.

#include "CliSupport.h"
#include "Command.h"

#include "base/AppEnv.h"
#include "base/FileReplacement.h"
#include "base/Password.h"
#include "db/CompactDatabase.h"
#include "maintenance/BackupRestore.h"

#include <QFileInfo>

namespace {

// The database's folder and the application folder may hold the temporaries of a run that
// was cut short.
void removeLeftovers(const QString &database)
{
    FileReplacement::RemoveLeftovers(
        QFileInfo(FileReplacement::ResolveLinks(database)).absolutePath());
    FileReplacement::RemoveLeftovers(GetAppDir());
}

int backupCommand(CliContext &ctx)
{
    CliOptions options({QStringLiteral("--db")}, {QStringLiteral("--overwrite")});
    if (!ctx.parse(options)) {
        return 2;
    }
    if (options.positional().size() != 1) {
        return ctx.usageError();
    }
    const QString database = CliArgs::databasePath(options);
    removeLeftovers(database);
    // No one is there to answer the dialog's question: an existing file is replaced only
    // when the command says so.
    const QString target = BackupTargetName(options.positional().first());
    if (QFileInfo::exists(target) && !options.has(QStringLiteral("--overwrite"))) {
        return CliSupport::refuse(
            ctx, QStringLiteral("文件已存在: %1（覆盖请加 --overwrite）").arg(target));
    }
    CliMessages messages(ctx.err);
    if (!BackupDatabase(database, options.positional().first(), messages)) {
        return messages.exitCode();
    }
    ctx.out << "已备份到 " << target << '\n';
    return 0;
}

int restoreCommand(CliContext &ctx)
{
    CliOptions options({QStringLiteral("--db")});
    if (!ctx.parse(options)) {
        return 2;
    }
    if (options.positional().size() != 1 || options.positional().first().trimmed().isEmpty()) {
        return ctx.usageError();
    }
    const QString database = CliArgs::databasePath(options);
    removeLeftovers(database);
    CliMessages messages(ctx.err);
    switch (RestoreDatabase(database, options.positional().first(), messages)) {
    case RestoreResult::Restored:
        ctx.out << "自动备份: " << AutoBackupPath(LastAutoBackupNumber()) << '\n';
        return 0;
    case RestoreResult::NotADatabase:
        // The dialog says nothing here; a script needs to know.
        ctx.err << "不是本系统的数据库，或口令不符: " << options.positional().first() << '\n';
        return 2;
    case RestoreResult::AutoBackupFailed:
    case RestoreResult::RestoreFailed:
        break;
    }
    return 1;
}

int compactCommand(CliContext &ctx)
{
    CliOptions options({QStringLiteral("--db")});
    if (!ctx.parse(options)) {
        return 2;
    }
    if (!options.positional().isEmpty()) {
        return ctx.usageError();
    }
    const QString database = CliArgs::databasePath(options);
    removeLeftovers(database);
    QString error;
    if (!CompactDatabase(database, DatabasePassword(), &error)) {
        ctx.err << "压缩数据库失败: " << error << '\n';
        return 1;
    }
    ctx.out << "已压缩 " << database << '\n';
    return 0;
}

const CliCommand backup("backup",
                        "backup 目标文件 [--db 文件] [--overwrite]   备份数据库（副本随即压缩）",
                        backupCommand);
const CliCommand restore("restore",
                         "restore 备份文件 [--db 文件]   恢复数据库（先自动备份当前文件）",
                         restoreCommand);
const CliCommand compact("compact", "compact [--db 文件]   压缩数据库", compactCommand);

} // namespace
