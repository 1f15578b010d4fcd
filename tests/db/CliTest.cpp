#include "TestApp.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int code;
    QString out, err;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(CORVANE_CLI), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
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
    EXPECT_TRUE(r.out.contains(QStringLiteral("版本: 2")));
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

} // namespace
