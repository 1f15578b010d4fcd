#include "CliRunner.h"
#include "TestApp.h"

#include "base/Password.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

CliRun cli(const QStringList &args)
{
    return CliRunner().run(args);
}

TEST(Cli, CreateAndCheckDatabase)
{
    TestApp app;
    const QString path = app.dir() + QStringLiteral("new.mdb");
    CliRun r = cli({QStringLiteral("create-database"), path});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));

    r = cli({QStringLiteral("check-database"), path});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("版本: 3")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("表: TaxIncome")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("检查: ok")));

    // An existing file is never overwritten.
    EXPECT_EQ(cli({QStringLiteral("create-database"), path}).code, 2);
}

TEST(Cli, CheckRefusesForeignAndMissingFiles)
{
    TestApp app;
    QFile foreign(app.dir() + QStringLiteral("foreign.mdb"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(QByteArray(8192, 'z'));
    foreign.close();
    CliRun r = cli({QStringLiteral("check-database"), foreign.fileName()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("打开数据库失败"))) << r.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("check-database"), app.dir() + QStringLiteral("none.mdb")}).code, 1);
    EXPECT_FALSE(QFile::exists(app.dir() + QStringLiteral("none.mdb")));
    EXPECT_EQ(cli({QStringLiteral("no-such-command")}).code, 2);
}

TEST(Cli, CreateRefusesAnEmptyName)
{
    TestApp app;
    const CliRun r = cli({QStringLiteral("create-database"), QString()});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("用法: corvane-cli create-database")))
        << r.err.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("已创建")));
    EXPECT_EQ(cli({QStringLiteral("create-database"), QStringLiteral("  ")}).code, 2);
}

TEST(Cli, TheHomeFolderComesBeforeTheCommandInEitherSpelling)
{
    TestApp app;
    app.db().close();
    EXPECT_EQ(cli({QStringLiteral("--home=") + app.dir(), QStringLiteral("check-database")}).code,
              0);
    EXPECT_EQ(cli({QStringLiteral("--home"), app.dir(), QStringLiteral("check-database")}).code, 0);
    const CliRun missing = cli({QStringLiteral("--home")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("选项缺少值: --home")))
        << missing.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("--homes=x"), QStringLiteral("check-database")}).code, 2);
    // After the command it is the command's option, and check-database has none such.
    EXPECT_EQ(cli({QStringLiteral("check-database"), QStringLiteral("--home"), app.dir()}).code, 2);
}

TEST(Cli, CheckOpensForInspectionOnly)
{
    // A journal left by a crash is the evidence; checking must not play it back.
    TestApp app;
    const QString crashed = app.dir() + QStringLiteral("crashed.mdb");
    ASSERT_TRUE(MakeCrashedCopy(app.db(), crashed));
    const QByteArray journal = ReadWholeFile(crashed + QStringLiteral("-journal"));
    const QByteArray file = ReadWholeFile(crashed);
    ASSERT_FALSE(journal.isEmpty());

    const CliRun r = cli({QStringLiteral("check-database"), crashed});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(ReadWholeFile(crashed + QStringLiteral("-journal")), journal);
    EXPECT_EQ(ReadWholeFile(crashed), file);
}

} // namespace
