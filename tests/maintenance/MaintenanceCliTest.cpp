// corvane-cli backup, restore and compact: the dialog's functions, for scheduled runs.

#include "CliRunner.h"
#include "TestApp.h"

#include "base/Password.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

CliRun cli(const TestApp &app, const QStringList &args)
{
    return CliRunner().home(app.dir()).run(args);
}

TEST(MaintenanceCli, BackupThenRestoreWithTheAutomaticCopy)
{
    TestApp app;
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('三月')"));
    app.db().close();
    const QString night = app.dir() + QStringLiteral("nightly");

    CliRun r = cli(app, {QStringLiteral("backup"), night});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("已备份到 %1.mdb\n").arg(night));
    EXPECT_EQ(CorpNameIn(night + QStringLiteral(".mdb")), QStringLiteral("三月"));
    // Nobody is there to answer "覆盖?": an existing backup is replaced only when told so.
    r = cli(app, {QStringLiteral("backup"), night});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--overwrite"))) << r.err.toStdString();
    EXPECT_EQ(cli(app, {QStringLiteral("backup"), night, QStringLiteral("--overwrite")}).code, 0);

    {
        Database db;
        ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        ASSERT_TRUE(db.exec(QStringLiteral("update CorpInfo set CorpName = '四月'")));
    }
    r = cli(app, {QStringLiteral("restore"), night + QStringLiteral(".mdb")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QStringLiteral("恢复数据库成功！\n"));
    EXPECT_EQ(CorpNameIn(app.dbPath()), QStringLiteral("三月"));
    EXPECT_EQ(CorpNameIn(app.dir() + QStringLiteral("Backup01.mdb")), QStringLiteral("四月"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Backup01.mdb")));
}

TEST(MaintenanceCli, RefusalsAndFailuresSaySo)
{
    TestApp app;
    app.db().close();
    // The database itself as the target.
    CliRun r = cli(app, {QStringLiteral("backup"), app.dir() + QStringLiteral("Halvek"),
                      QStringLiteral("--overwrite")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("备份数据库失败！"))) << r.err.toStdString();
    // A file that is not one of ours is not restored, and nothing changes.
    QFile junk(app.dir() + QStringLiteral("junk.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'j'));
    junk.close();
    const QByteArray before = ReadWholeFile(app.dbPath());
    r = cli(app, {QStringLiteral("restore"), junk.fileName()});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(junk.fileName())) << r.err.toStdString();
    EXPECT_EQ(ReadWholeFile(app.dbPath()), before);
    EXPECT_FALSE(QFile::exists(app.dir() + QStringLiteral("Backup01.mdb")));

    EXPECT_EQ(cli(app, {QStringLiteral("compact"), QStringLiteral("--db"),
                        app.dir() + QStringLiteral("none.mdb")})
                  .code,
              1);
    EXPECT_EQ(cli(app, {QStringLiteral("compact"), QStringLiteral("--dbb"), app.dbPath()}).code, 2);
    EXPECT_EQ(cli(app, {QStringLiteral("restore")}).code, 2);
    r = cli(app, {QStringLiteral("compact"), QStringLiteral("--db"), app.dbPath()});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(QDir(app.dir()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Halvek.mdb"), QStringLiteral("junk.mdb")}));
}

} // namespace
