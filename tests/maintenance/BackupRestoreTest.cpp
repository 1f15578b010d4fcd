#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "base/Settings.h"
#include "maintenance/BackupRestore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QByteArray digest(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

// A second database, told apart by its company name.
QString makeDatabase(const QString &path, const QString &corp)
{
    EXPECT_TRUE(CreateDeliveredDatabase(path));
    Database db;
    EXPECT_TRUE(db.open(path, DatabasePassword()));
    db.exec(QStringLiteral("insert into CorpInfo (CorpName) values (?)"), {corp});
    return path;
}

TEST(Backup, ExtensionIsAppendedOnlyWhenMissing)
{
    EXPECT_EQ(BackupTargetName(QStringLiteral(" /x/月末 ")), QStringLiteral("/x/月末.mdb"));
    EXPECT_EQ(BackupTargetName(QStringLiteral("/x/a.MDB")), QStringLiteral("/x/a.MDB"));
    EXPECT_EQ(BackupTargetName(QStringLiteral("/x/a.mdb.bak")), QStringLiteral("/x/a.mdb.bak.mdb"));
}

TEST(Backup, CopiesOpensAndAsksBeforeReplacing)
{
    TestApp app;
    app.db().close();
    ScriptedMessageService messages;
    EXPECT_FALSE(BackupDatabase(app.dbPath(), QStringLiteral("  "), messages));
    EXPECT_EQ(messages.lastText(), QStringLiteral("备份数据库名不能为空！"));

    messages.clear();
    const QString target = app.dir() + QStringLiteral("copy");
    EXPECT_TRUE(BackupDatabase(app.dbPath(), target, messages));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("备份数据库成功！")});
    EXPECT_EQ(CorpNameIn(target + QStringLiteral(".mdb")), QString());
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".mdb.part")));

    messages.clear();
    messages.setNextAnswer(false);
    EXPECT_FALSE(BackupDatabase(app.dbPath(), target, messages));
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("文件已存在，是否要覆盖该文件？"),
                                             QStringLiteral("备份数据库失败！")}));
}

TEST(Restore, SixRestoresRotateOverTheFiveAutomaticCopies)
{
    TestApp app;
    app.db().close();
    const QString chosen = makeDatabase(app.dir() + QStringLiteral("old.mdb"), QStringLiteral("旧公司"));
    ScriptedMessageService messages;
    QStringList written;
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(RestoreDatabase(app.dbPath(), chosen, messages), RestoreResult::Restored);
        const int n = LastAutoBackupNumber();
        written << QFileInfo(AutoBackupPath(n)).fileName();
        EXPECT_TRUE(QFileInfo::exists(AutoBackupPath(n)));
    }
    EXPECT_EQ(written, (QStringList{QStringLiteral("Backup01.mdb"), QStringLiteral("Backup02.mdb"),
                                    QStringLiteral("Backup03.mdb"), QStringLiteral("Backup04.mdb"),
                                    QStringLiteral("Backup00.mdb"), QStringLiteral("Backup01.mdb")}));
    EXPECT_EQ(ReadIniValue(QStringLiteral("AutoBack/Backup.ini"), QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile")),
              QStringLiteral("1"));
    EXPECT_EQ(messages.texts(), QStringList(6, QStringLiteral("恢复数据库成功！")));
    EXPECT_EQ(CorpNameIn(app.dbPath()), QStringLiteral("旧公司"));
    // From the second restore on, the automatic copies hold the restored file.
    EXPECT_EQ(CorpNameIn(app.dir() + QStringLiteral("Backup02.mdb")), QStringLiteral("旧公司"));
}

TEST(Restore, TheFirstAutomaticCopyHoldsTheFileBeforeTheRestore)
{
    TestApp app;
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('现在')"));
    app.db().close();
    const QString chosen = makeDatabase(app.dir() + QStringLiteral("old.mdb"), QStringLiteral("旧公司"));
    ScriptedMessageService messages;
    EXPECT_EQ(RestoreDatabase(app.dbPath(), chosen, messages), RestoreResult::Restored);
    EXPECT_EQ(CorpNameIn(app.dir() + QStringLiteral("Backup01.mdb")), QStringLiteral("现在"));
    EXPECT_EQ(CorpNameIn(app.dbPath()), QStringLiteral("旧公司"));
}

TEST(Restore, AFileThatDoesNotOpenWithThePasswordChangesNothingAndSaysNothing)
{
    TestApp app;
    app.db().close();
    Database other;
    const QString foreign = app.dir() + QStringLiteral("foreign.mdb");
    ASSERT_TRUE(other.create(foreign, QStringLiteral("another password")));
    other.exec(QStringLiteral("create table CorpInfo (CorpName text)"));
    other.close();
    const QByteArray before = digest(app.dbPath());
    ScriptedMessageService messages;
    EXPECT_EQ(RestoreDatabase(app.dbPath(), foreign, messages), RestoreResult::NotADatabase);
    EXPECT_EQ(RestoreDatabase(app.dbPath(), app.dir() + QStringLiteral("missing.mdb"), messages),
              RestoreResult::NotADatabase);
    EXPECT_TRUE(messages.boxes().isEmpty());
    EXPECT_EQ(digest(app.dbPath()), before);
    EXPECT_TRUE(QDir(app.dir()).entryList({QStringLiteral("Backup0*.mdb")}).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(app.dir() + QStringLiteral("AutoBack/Backup.ini")));
}

TEST(Restore, AFailedAutomaticCopyStopsBeforeTheDatabaseIsTouched)
{
    TestApp app;
    app.db().close();
    const QString chosen = makeDatabase(app.dir() + QStringLiteral("old.mdb"), QStringLiteral("旧公司"));
    // Backup01.mdb cannot be written: a folder stands in its place.
    QDir().mkpath(app.dir() + QStringLiteral("Backup01.mdb/x"));
    const QByteArray before = digest(app.dbPath());
    ScriptedMessageService messages;
    EXPECT_EQ(RestoreDatabase(app.dbPath(), chosen, messages), RestoreResult::AutoBackupFailed);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("自动备份数据库失败！")});
    EXPECT_EQ(digest(app.dbPath()), before);
    EXPECT_EQ(LastAutoBackupNumber(), 0);
}

TEST(Restore, AnOutOfRangeCounterStartsTheRotationAgain)
{
    TestApp app;
    WriteIniString(QStringLiteral("AutoBack/Backup.ini"), QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile"), QStringLiteral("9"));
    EXPECT_EQ(LastAutoBackupNumber(), 0);
    WriteIniString(QStringLiteral("AutoBack/Backup.ini"), QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile"), QStringLiteral("x"));
    EXPECT_EQ(LastAutoBackupNumber(), 0);
    WriteIniString(QStringLiteral("AutoBack/Backup.ini"), QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile"), QStringLiteral("3"));
    EXPECT_EQ(LastAutoBackupNumber(), 3);
}

} // namespace

namespace {

TEST(Restore, ChoosingTheAutomaticCopyThatIsNextInTurnRestoresIt)
{
    TestApp app;
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('现在')"));
    app.db().close();
    // Backup01.mdb holds an earlier state and is the next automatic copy to be written.
    makeDatabase(app.dir() + QStringLiteral("Backup01.mdb"), QStringLiteral("上月"));
    ScriptedMessageService messages;
    EXPECT_EQ(RestoreDatabase(app.dbPath(), app.dir() + QStringLiteral("Backup01.mdb"), messages),
              RestoreResult::Restored);
    EXPECT_EQ(CorpNameIn(app.dbPath()), QStringLiteral("上月"));
    EXPECT_EQ(CorpNameIn(app.dir() + QStringLiteral("Backup01.mdb")), QStringLiteral("现在"));
    EXPECT_FALSE(QFileInfo::exists(app.dbPath() + QStringLiteral(".restore")));
}

} // namespace
