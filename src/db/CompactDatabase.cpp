#include "db/CompactDatabase.h"

#include "base/FileReplacement.h"
#include "db/Database.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool failWith(QString *error, const QString &text)
{
    if (error) {
        *error = text;
    }
    return false;
}

QString reasonOf(const Database &db)
{
    return db.lastErrorWasBusy() ? DatabaseBusyMessage() : db.lastError();
}

bool copyChecks(const QString &copy, const QString &password, QString *error)
{
    Database check;
    if (!check.open(copy, password)) {
        return failWith(error, check.lastError());
    }
    const QString verdict =
        check.scalar(QStringLiteral("pragma integrity_check")).value_or(QVariant()).toString();
    return verdict == QLatin1String("ok") || failWith(error, verdict);
}

} // namespace

QString DatabaseBusyMessage()
{
    return QStringLiteral("数据库正被其他程序使用，请稍后再试！");
}

bool TakeWriteLock(Database &keeper, const QString &path, const QString &password)
{
    // BEGIN IMMEDIATE takes the engine's write lock at once and, without writing anything,
    // never makes a journal of its own that its roll-back could remove.
    return keeper.open(path, password) && keeper.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

bool CompactDatabase(const QString &path, const QString &password, QString *error)
{
    const QString file = FileReplacement::ResolveLinks(path);
    if (!QFileInfo(file).isFile()) {
        return failWith(error, QStringLiteral("数据库文件不存在: ") + path);
    }
    Database keeper;
    if (!TakeWriteLock(keeper, file, password)) {
        return failWith(error, reasonOf(keeper));
    }
    const QString copy = FileReplacement::CreateTemporaryBeside(file);
    if (copy.isEmpty()) {
        return failWith(error, QStringLiteral("无法在数据库所在的文件夹中创建临时文件"));
    }
    bool ok = false;
    {
        // A second connection reads while the keeper holds the write lock: readers are
        // let in, writers are not.
        Database reader;
        ok = reader.open(file, password) && reader.exportCopy(copy, password);
        if (!ok) {
            failWith(error, reasonOf(reader));
        }
    }
    ok = ok && copyChecks(copy, password, error);
    if (!ok) {
        QFile::remove(copy);
        return false;
    }
    return FileReplacement::Replace(copy, file, error);
}

bool WriteDatabaseCopy(const QString &source, const QString &target, const QString &password,
                       bool compact, QString *error)
{
    const QString file = FileReplacement::ResolveLinks(target);
    if (FileReplacement::SameFile(source, file)) {
        return failWith(error, QStringLiteral("目标文件就是数据库文件本身"));
    }
    Database from;
    if (!from.open(source, password)) {
        return failWith(error, reasonOf(from));
    }
    const QString copy = FileReplacement::CreateTemporaryBeside(file);
    if (copy.isEmpty()) {
        return failWith(error, QStringLiteral("无法在目标文件夹中创建临时文件: ") + target);
    }
    if (!from.copyPagesTo(copy, password)) {
        failWith(error, reasonOf(from));
        QFile::remove(copy);
        return false;
    }
    if (compact) {
        // The copy is ours alone: compacting it in place touches nobody. A failure leaves
        // the uncompacted (complete) copy.
        Database db;
        if (db.open(copy, password)) {
            db.exec(QStringLiteral("VACUUM"));
        }
    }
    if (!copyChecks(copy, password, error)) {
        QFile::remove(copy);
        QFile::remove(copy + QStringLiteral("-journal"));
        return false;
    }
    return FileReplacement::Replace(copy, file, error);
}
