// corvane-cli dept and emp, run as a script would: refusals print the dialog's message on
// standard error and exit with 2.

#include "TestApp.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int code = -1;
    QString out;
    QString err;
};

class OrgCliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The command line program is built into the same folder as this test.
        m_cli = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
        m_cli = QFileInfo(m_cli).absolutePath() + QStringLiteral("/corvane-cli");
        if (!QFileInfo::exists(m_cli)) {
            GTEST_SKIP() << "corvane-cli not built";
        }
        app.db().close();
    }

    CliRun cli(QStringList args)
    {
        args << QStringLiteral("--db") << app.dbPath();
        QProcess p;
        p.start(m_cli, args);
        p.waitForFinished(30000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError()).trimmed()};
    }

    TestApp app;
    QString m_cli;
};

TEST_F(OrgCliTest, SetsUpAnOrganisationWithTheDialogRules)
{
    EXPECT_EQ(cli({"dept", "add", "0001 ", "财务部"}).code, 0);
    const CliRun shortCode = cli({"dept", "add", " 01 ", "人事部"});
    EXPECT_EQ(shortCode.code, 2);
    EXPECT_EQ(shortCode.err, QStringLiteral("部门编号长度只能为4位！"));
    EXPECT_EQ(cli({"dept", "add", "人事", "O'Neil [50%]"}).code, 0);

    EXPECT_EQ(cli({"emp", "add", "E1", "张三", "--dept", "0001", "--idcard", "110"}).code, 0);
    const CliRun dup = cli({"emp", "add", "E1", "李四", "--dept", "0001", "--idcard", "111"});
    EXPECT_EQ(dup.code, 2);
    EXPECT_EQ(dup.err, QStringLiteral("员工编号已存在！"));
    EXPECT_EQ(cli({"emp", "add", "E2", "李四", "--dept", "0000", "--idcard", "111"}).err,
              QStringLiteral("请选择部门！"));

    const CliRun same = cli({"emp", "move", "E1", "0001"});
    EXPECT_EQ(same.code, 2);
    EXPECT_EQ(same.err, QStringLiteral("请选择调入部门！"));
    const CliRun nowhere = cli({"emp", "move", "E1", "0009"});
    EXPECT_EQ(nowhere.code, 2);
    EXPECT_EQ(nowhere.err, QStringLiteral("未找到该部门！"));
    EXPECT_EQ(cli({"emp", "move", "E1", "人事"}).code, 0);

    const CliRun list = cli({"emp", "list", "--dept", "人事"});
    EXPECT_EQ(list.code, 0);
    EXPECT_TRUE(list.out.startsWith(QStringLiteral("E1\t张三\t人事\tO'Neil [50%]\t110")))
        << list.out.toStdString();

    const CliRun busy = cli({"dept", "delete", "人事"});
    EXPECT_EQ(busy.code, 2);
    EXPECT_EQ(busy.err, QStringLiteral("该部门下已有员工，不能删除！"));
    EXPECT_EQ(cli({"dept", "delete", " 0001 "}).code, 0);
    EXPECT_EQ(cli({"dept", "rename", "人事", "合计"}).err, QStringLiteral("部门名称不能为\"合计\"！"));
    EXPECT_EQ(cli({"dept", "rename", "人事", "人事部"}).code, 0);
    EXPECT_EQ(cli({"dept", "list"}).out,
              QStringLiteral("9999\t临时员工\t1\t0000\t00009999\t临时员工及劳务人员\n"
                             "人事\t人事部\t1\t0000\t0000人事\t\n"));
}

} // namespace
