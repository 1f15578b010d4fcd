// Backups and restores replace files: never one we did not make, never half of one, never
// with a stale journal beside it, and never losing what another process committed.

#include "DelayedWriter.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "maintenance/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString makeDatabase(const QString &path, const QString &corp)
{
    EXPECT_TRUE(CreateDeliveredDatabase(path));
    Database db;
    EXPECT_TRUE(db.open(path, DatabasePassword()));
    db.exec(QStringLiteral("insert into CorpInfo (CorpName) values (?)"), {corp});
    return path;
}

// Opens as the next start would (rolling back a journal it finds) and checks the file.
QString verdictOf(const QString &path)
{
    Database db;
    if (!db.open(path, DatabasePassword())) {
        return QStringLiteral("<cannot open> ") + db.lastError();
    }
    return db.scalar(QStringLiteral("pragma integrity_check")).value_or(QVariant()).toString();
}

QVariant valueIn(const QString &path, const QString &sql)
{
    Database db;
    return db.open(path, DatabasePassword()) ? db.scalar(sql).value_or(QVariant()) : QVariant();
}

QFileDevice::Permissions modeOf(const QString &path)
{
    return QFile::permissions(path) & 0x7077; // owner, group, others
}

constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

TEST(BackupSafety, ABackupNamedNewdbIsMadeAFileBesideItKeptAndAnEarlierOnesLeftoverRemoved)
{
    TestApp app;
    app.db().close();
    QDir().mkpath(app.dir() + QStringLiteral("usb"));
    QFile other(app.dir() + QStringLiteral("usb/newdb.mdb.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    // The hidden temporary of a backup into this folder whose process was killed.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 gonePid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QFile leftover(app.dir() + QStringLiteral("usb/.newdb.mdb.corvane-%1-AbC123").arg(gonePid));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    ScriptedMessageService messages;
    ASSERT_TRUE(BackupDatabase(app.dbPath(), app.dir() + QStringLiteral("usb/newdb"), messages));
    EXPECT_EQ(verdictOf(app.dir() + QStringLiteral("usb/newdb.mdb")), QStringLiteral("ok"));
    EXPECT_EQ(QDir(app.dir() + QStringLiteral("usb")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("newdb.mdb"), QStringLiteral("newdb.mdb.txt")}));
}

TEST(BackupSafety, ABackupOntoTheDatabaseItselfIsRefused)
{
    TestApp app;
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('本公司')"));
    app.db().close();
    ASSERT_TRUE(QFile::link(app.dbPath(), app.dir() + QStringLiteral("link.mdb")));
    const QByteArray before = ReadWholeFile(app.dbPath());
    ScriptedMessageService messages;
    EXPECT_FALSE(BackupDatabase(app.dbPath(), app.dir() + QStringLiteral("link.mdb"), messages));
    EXPECT_FALSE(BackupDatabase(app.dbPath(), app.dir() + QStringLiteral("Halvek"), messages));
    EXPECT_EQ(messages.texts().count(QStringLiteral("备份数据库失败！")), 2);
    EXPECT_TRUE(QFileInfo(app.dir() + QStringLiteral("link.mdb")).isSymLink());
    EXPECT_EQ(ReadWholeFile(app.dbPath()), before);
}

TEST(BackupSafety, NewBackupsAreForTheOwnerOnlyAndAReplacedOneKeepsItsMode)
{
    TestApp app;
    app.db().close();
    // A database that others may read does not hand that on to its backups.
    ASSERT_TRUE(QFile::setPermissions(app.dbPath(), kOwnerOnly | QFileDevice::ReadGroup |
                                                        QFileDevice::ReadOther));
    ScriptedMessageService messages;
    const QString target = app.dir() + QStringLiteral("copy.mdb");
    ASSERT_TRUE(BackupDatabase(app.dbPath(), target, messages));
    EXPECT_EQ(modeOf(target), kOwnerOnly);

    ASSERT_TRUE(QFile::setPermissions(target, kOwnerOnly | QFileDevice::ReadGroup));
    messages.setNextAnswer(true);
    ASSERT_TRUE(BackupDatabase(app.dbPath(), target, messages));
    EXPECT_EQ(modeOf(target), kOwnerOnly | QFileDevice::ReadGroup);
}

TEST(RestoreSafety, AJournalLeftBesideTheDatabaseDoesNotMeetTheRestoredFile)
{
    TestApp app;
    const QString crashed = app.dir() + QStringLiteral("crashed.mdb");
    ASSERT_TRUE(MakeCrashedCopy(app.db(), crashed));
    const int rows = app.scalar(QStringLiteral("select count(*) from Dict_TaxType")).toInt();
    app.db().close();
    // The program crashed while writing: the file and its hot journal.
    ASSERT_TRUE(QFile::remove(app.dbPath()));
    ASSERT_TRUE(QFile::rename(crashed, app.dbPath()));
    ASSERT_TRUE(QFile::rename(crashed + QStringLiteral("-journal"),
                              app.dbPath() + QStringLiteral("-journal")));
    const QString chosen =
        makeDatabase(app.dir() + QStringLiteral("old.mdb"), QStringLiteral("旧公司"));

    ScriptedMessageService messages;
    ASSERT_EQ(RestoreDatabase(app.dbPath(), chosen, messages), RestoreResult::Restored);
    EXPECT_FALSE(QFileInfo::exists(app.dbPath() + QStringLiteral("-journal")));
    EXPECT_EQ(verdictOf(app.dbPath()), QStringLiteral("ok"));
    EXPECT_EQ(valueIn(app.dbPath(), QStringLiteral("select CorpName from CorpInfo")).toString(),
              QStringLiteral("旧公司"));
    // The automatic copy holds the file as the crash left it, rolled back.
    const QString automatic = AutoBackupPath(LastAutoBackupNumber());
    EXPECT_EQ(verdictOf(automatic), QStringLiteral("ok"));
    EXPECT_EQ(valueIn(automatic, QStringLiteral("select count(*) from Dict_TaxType")).toInt(),
              rows);
}

TEST(RestoreSafety, AChosenFileWithItsJournalIsRestoredRolledBack)
{
    TestApp app;
    const QString chosen = app.dir() + QStringLiteral("chosen.mdb");
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('备份时')"));
    ASSERT_TRUE(MakeCrashedCopy(app.db(), chosen));
    const int rows = app.scalar(QStringLiteral("select count(*) from Dict_TaxType")).toInt();
    app.db().close();
    ScriptedMessageService messages;
    ASSERT_EQ(RestoreDatabase(app.dbPath(), chosen, messages), RestoreResult::Restored);
    EXPECT_EQ(verdictOf(app.dbPath()), QStringLiteral("ok"));
    EXPECT_EQ(valueIn(app.dbPath(), QStringLiteral("select count(*) from Dict_TaxType")).toInt(),
              rows);
}

TEST(RestoreSafety, AWriteCommittedDuringTheRestoreIsInTheAutomaticCopy)
{
    TestApp app;
    app.db().close();
    const QString chosen =
        makeDatabase(app.dir() + QStringLiteral("old.mdb"), QStringLiteral("旧公司"));
    DelayedWriter writer(app.dbPath(), QStringLiteral("恢复时写入"), 300);
    ScriptedMessageService messages;
    ASSERT_EQ(RestoreDatabase(app.dbPath(), chosen, messages), RestoreResult::Restored);
    ASSERT_TRUE(writer.committed());
    EXPECT_EQ(
        valueIn(AutoBackupPath(LastAutoBackupNumber()),
                QStringLiteral("select count(*) from Dict_TaxType where TaxType = '恢复时写入'"))
            .toInt(),
        1);
}

} // namespace
