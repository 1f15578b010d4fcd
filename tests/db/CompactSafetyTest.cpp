// Compaction replaces the clerk's file: it may remove nothing it did not make, lose no write
// another process committed, and keep what the file was (its mode, its link).

#include "DelayedWriter.h"
#include "TestApp.h"

#include "base/Password.h"
#include "db/CompactDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

int countOf(const QString &path, const QString &value)
{
    Database db;
    if (!db.open(path, DatabasePassword())) {
        return -1;
    }
    return db.scalar(QStringLiteral("select count(*) from Dict_TaxType where TaxType = ?"), {value})
        .value_or(-1)
        .toInt();
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(CompactSafety, AFileNamedNewdbBesideTheDatabaseIsNotItsBusiness)
{
    TestApp app;
    app.db().close();
    QFile other(app.dir() + QStringLiteral("newdb.mdb"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("the clerk's own file");
    other.close();

    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    EXPECT_EQ(ReadWholeFile(other.fileName()), QByteArray("the clerk's own file"));
    EXPECT_EQ(filesIn(app.dir()),
              (QStringList{QStringLiteral("Halvek.mdb"), QStringLiteral("newdb.mdb")}));
}

TEST(CompactSafety, ADatabaseNamedNewdbSurvivesItsCompaction)
{
    TestApp app;
    const QString path = app.dir() + QStringLiteral("newdb.mdb");
    ASSERT_TRUE(CreateDeliveredDatabase(path));
    {
        Database db;
        ASSERT_TRUE(db.open(path, DatabasePassword()));
        ASSERT_TRUE(db.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('留下')")));
    }
    ASSERT_TRUE(CompactDatabase(path, DatabasePassword()));
    EXPECT_EQ(countOf(path, QStringLiteral("留下")), 1);
}

TEST(CompactSafety, TheFileKeepsItsModeAndALinkStaysALink)
{
    TestApp app;
    app.db().close();
    ASSERT_TRUE(QFile::setPermissions(
        app.dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    EXPECT_EQ(QFile::permissions(app.dbPath()) & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);

    // The configured name is a link to the file in another folder.
    QDir().mkpath(app.dir() + QStringLiteral("data"));
    const QString real = app.dir() + QStringLiteral("data/real.mdb");
    ASSERT_TRUE(QFile::rename(app.dbPath(), real));
    ASSERT_TRUE(QFile::link(real, app.dbPath()));
    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    EXPECT_TRUE(QFileInfo(app.dbPath()).isSymLink());
    EXPECT_EQ(QFileInfo(app.dbPath()).symLinkTarget(), real);
    Database db;
    EXPECT_TRUE(db.open(real, DatabasePassword())) << db.lastError().toStdString();
    EXPECT_EQ(filesIn(app.dir() + QStringLiteral("data")), QStringList{QStringLiteral("real.mdb")});
}

TEST(CompactSafety, AWriteCommittedDuringTheCompactionIsKept)
{
    TestApp app;
    app.db().close();
    // Another process has written a row and commits it while the compaction runs.
    DelayedWriter writer(app.dbPath(), QStringLiteral("并发写入"), 300);
    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    ASSERT_TRUE(writer.committed());
    EXPECT_EQ(countOf(app.dbPath(), QStringLiteral("并发写入")), 1);
}

TEST(CompactSafety, AConnectionOpenedBeforeTheCompactionCannotWriteIntoTheOldFile)
{
    TestApp app;
    // app.db() stays open across the compaction, as a command-line run started before it
    // would: its write must fail rather than land in the file the rename took away.
    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    const bool written =
        app.db().exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('旧连接')"));
    EXPECT_EQ(countOf(app.dbPath(), QStringLiteral("旧连接")), written ? 1 : 0);
    EXPECT_FALSE(written);
    // The user is told what happened and what to do, not only that the file is read-only.
    EXPECT_TRUE(app.db().lastError().startsWith(DatabaseReplacedMessage()))
        << app.db().lastError().toStdString();
}

TEST(CompactSafety, ABusyFileIsLeftAloneWithAClearReason)
{
    TestApp app;
    app.db().close();
    Database other;
    ASSERT_TRUE(other.open(app.dbPath(), DatabasePassword()));
    ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    ASSERT_TRUE(other.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('未提交')")));
    const QByteArray before = ReadWholeFile(app.dbPath());
    QString error; // after the busy timeout
    EXPECT_FALSE(CompactDatabase(app.dbPath(), DatabasePassword(), &error));
    EXPECT_EQ(error, DatabaseBusyMessage());
    EXPECT_EQ(ReadWholeFile(app.dbPath()), before);
    EXPECT_EQ(filesIn(app.dir()),
              (QStringList{QStringLiteral("Halvek.mdb"), QStringLiteral("Halvek.mdb-journal")}));
}

} // namespace
