// corvane-cli dept and emp, run as a script would: refusals print the dialog's message on
// standard error and exit with 2.

#include "CliRunner.h"
#include "OrgFixture.h"
#include "TestApp.h"

#include "base/Password.h"

#include <gtest/gtest.h>

namespace {

class OrgCliTest : public ::testing::Test
{
protected:
    void SetUp() override { app.db().close(); }

    CliRun cli(const QStringList &args) { return CliRunner().db(app.dbPath()).trimErr().run(args); }

    TestApp app;
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

TEST_F(OrgCliTest, OptionsAreRefusedWhenUnknownRepeatedOrMissingTheirValue)
{
    ASSERT_EQ(cli({"dept", "add", "0001", "财务部"}).code, 0);
    const QStringList add{"emp", "add", "E1", "张三", "--dept", "0001", "--idcard", "110"};

    const CliRun typo = cli(add + QStringList{"--addres", "北京"});
    EXPECT_EQ(typo.code, 2);
    EXPECT_TRUE(typo.err.startsWith(QStringLiteral("未知的选项: --addres\n用法: corvane-cli emp ")))
        << typo.err.toStdString();
    const CliRun noValue = cli(add + QStringList{"--end"});
    EXPECT_EQ(noValue.code, 2);
    EXPECT_TRUE(noValue.err.startsWith(QStringLiteral("选项缺少值: --end")))
        << noValue.err.toStdString();
    const CliRun twice = cli(add + QStringList{"--dept", "9999"});
    EXPECT_EQ(twice.code, 2);
    EXPECT_TRUE(twice.err.startsWith(QStringLiteral("选项重复: --dept")))
        << twice.err.toStdString();
    EXPECT_EQ(cli({"emp", "list", "--all=yes"}).code, 2);
    EXPECT_EQ(cli({"dept", "add", "0002", "人事部", "--remark"}).code, 2);
    EXPECT_EQ(cli({"dept", "delete", "0001", "--remark", "x"}).code, 2); // not an option of delete
    EXPECT_EQ(cli({"emp", "list"}).out, QString()); // nothing was added on the way

    // The value may also follow an equals sign.
    const CliRun equals =
        cli(add + QStringList{"--address=北京路 1号", "--start=2005-03-01", "--end=2005-03-15"});
    EXPECT_EQ(equals.code, 0) << equals.err.toStdString();
    Database db;
    ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
    EXPECT_EQ(db.scalar(QStringLiteral(
                            "select Address || '/' || EmpState from Employee where EmpID = 'E1'"))
                  ->toString(),
              QStringLiteral("北京路 1号/0"));
}

TEST_F(OrgCliTest, ListingsEscapeWhatWouldBreakTheirLines)
{
    // Written straight into the file, as an older program or another tool might have.
    {
        Database db;
        ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("财务\t部"));
        OrgFixture::addEmp(db, QStringLiteral("E1"), QStringLiteral("张\n三\x1b[2J\u202E"),
                           QStringLiteral("0001"));
    }
    const CliRun list = cli({"emp", "list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_TRUE(
        list.out.startsWith(QStringLiteral("E1\t张\\n三\\u001B[2J\\u202E\t0001\t财务\\t部\t")))
        << list.out.toStdString();
    EXPECT_EQ(list.out.count(u'\n'), 1);
    EXPECT_TRUE(cli({"dept", "list"}).out.contains(QStringLiteral("0001\t财务\\t部\t")));
}

TEST_F(OrgCliTest, AFailedWriteShowsTheEnginesWordsAfterTheProgramsOwn)
{
    {
        Database db;
        ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        ASSERT_TRUE(db.exec(QStringLiteral("create trigger refuse before insert on Department "
                                           "begin select raise(abort, '磁盘已满'); end")));
    }
    const CliRun r = cli({"dept", "add", "0001", "财务部"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("保存失败！\n磁盘已满"));
}

TEST_F(OrgCliTest, TypedCodesFindTheirRecordWhateverTheCase)
{
    ASSERT_EQ(cli({"dept", "add", "D001", "技术部"}).code, 0);
    ASSERT_EQ(cli({"dept", "add", "D002", "人事部"}).code, 0);
    ASSERT_EQ(cli({"emp", "add", "E001", "张三", "--dept", "d001", "--idcard", "1"}).code, 0);
    // The employee belongs to the department as stored, not as typed.
    EXPECT_EQ(cli({"emp", "list", "--dept", "D001"}).out.section(u'\t', 2, 2),
              QStringLiteral("D001"));

    const CliRun moved = cli({"emp", "move", "e001", "ｄ002"});
    EXPECT_EQ(moved.code, 0) << moved.err.toStdString();
    EXPECT_EQ(moved.out, QStringLiteral("已调动员工 E001\n"));
    EXPECT_TRUE(
        cli({"emp", "list", "--dept", "d002"}).out.startsWith(QStringLiteral("E001\t张三\tD002")));
    EXPECT_EQ(cli({"emp", "move", "E001", "d002"}).err, QStringLiteral("请选择调入部门！"));

    EXPECT_EQ(cli({"dept", "rename", "d001", "研发部"}).code, 0);
    EXPECT_EQ(cli({"dept", "delete", "d001"}).out, QStringLiteral("已删除部门 D001\n"));
    EXPECT_EQ(cli({"dept", "add", "σ01", "x"}).code, 0);
    EXPECT_EQ(cli({"dept", "add", "Σ01", "y"}).err, QStringLiteral("部门编号已存在！"));
}

} // namespace
