// corvane-cli otherpay, run as a script would: the window's checks and messages, the IDs it
// prints, and listings a spreadsheet can read.

#include "CliRunner.h"
#include "OrgFixture.h"
#include "TestApp.h"

#include "base/Password.h"

#include <gtest/gtest.h>

namespace {

class OtherPayCliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        app.db().close();
    }

    CliRun cli(const QStringList &args) { return CliRunner().db(app.dbPath()).trimErr().run(args); }

    TestApp app;
};

TEST_F(OtherPayCliTest, AddsListsEditsAndDeletes)
{
    const CliRun added = cli({"otherpay", "add", "2005", "3", "E1", "--type", "劳务报酬收入",
                              "--income", "30000", "--date", "2005-03-10", "--receipt", "A,\"1\""});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    const QString id = added.out.trimmed();
    EXPECT_GT(id.toLongLong(), 0);

    const CliRun listed = cli({"otherpay", "list", "2005", "3"});
    ASSERT_EQ(listed.code, 0);
    EXPECT_EQ(
        listed.lines(),
        (QStringList{
            "Id\tEmpName\tEmpId\tEmpCardNo\tEmpType\tTaxType\tDeptID\tDeptName\tAddress\t"
            "TaxRate\tTakeOutMoney\tTaxNumber\tTaxDate\tIncome\tTaxIncome\tReceiveTaxMoney\t"
            "MinusFare\tTaxMoney\tOughtTaxMoney",
            // 30000: deduction 6000, 24000 at 30% less 2000 = 5200.
            id +
                "\t张三\tE1\t11010119800101E1\t中方\t劳务报酬收入\t0001\t财务部\t\t0.30\t"
                "2000.00\tA,\"1\"\t2005-03-10\t30000.00\t24000.00\t0.00\t6000.00\t5200.00\t0.00"}));

    const CliRun csv = cli({"otherpay", "list", "2005", "3", "--csv"});
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("Id,EmpName,EmpId,")));
    EXPECT_TRUE(csv.out.contains(QStringLiteral(",\"A,\"\"1\"\"\",2005-03-10,")));
    EXPECT_TRUE(csv.out.endsWith(QStringLiteral("\r\n")));

    // A new type clears the amounts; the income is given again. 1000 of 其他所得: 20% = 200.
    const CliRun edited = cli({"otherpay", "edit", id, "--type", "其他所得", "--income", "1000"});
    ASSERT_EQ(edited.code, 0) << edited.err.toStdString();
    const QStringList row = cli({"otherpay", "list", "2005", "3"}).lines().value(1).split(u'\t');
    EXPECT_EQ(row.value(5), QStringLiteral("其他所得"));
    EXPECT_EQ(row.value(11), QStringLiteral("A,\"1\"")); // kept
    EXPECT_EQ(row.value(12), QStringLiteral("2005-03-10"));
    EXPECT_EQ(row.value(16), QStringLiteral("0.00"));
    EXPECT_EQ(row.value(17), QStringLiteral("200.00"));

    EXPECT_EQ(cli({"otherpay", "delete", id}).code, 0);
    EXPECT_EQ(cli({"otherpay", "list", "2005", "3"}).lines().size(), 1); // the header alone
}

TEST_F(OtherPayCliTest, RefusesWithTheWindowsMessages)
{
    const auto refused = [&](QStringList args) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        return r.err;
    };
    const QStringList add{"otherpay", "add", "2005", "3", "E1", "--type", "承包经营收入"};
    EXPECT_EQ(refused(add + QStringList{"--income", "1234567890", "--date", "2005-03-01"}),
              QStringLiteral("输入金额太大！"));
    EXPECT_EQ(refused(add + QStringList{"--income", "0", "--date", "2005-03-01"}),
              QStringLiteral("请输入金额！"));
    EXPECT_EQ(refused(add + QStringList{"--income", "10", "--date", "2005-02-28"}),
              QStringLiteral("纳税日期不能小于选择日期！"));
    EXPECT_EQ(refused(add + QStringList{"--income", "10", "--date", "2999-01-01"}),
              QStringLiteral("纳税日期不能大于系统日期！"));
    EXPECT_EQ(
        refused({"otherpay", "add", "2005", "3", "E9", "--type", "其他所得", "--income", "1"}),
        QStringLiteral("未找到该员工！"));
    EXPECT_TRUE(
        refused({"otherpay", "add", "2005", "3", "E1", "--type", "工资所得税", "--income", "1"})
            .startsWith(QStringLiteral("未知的收入类型: 工资所得税")));
    EXPECT_EQ(refused({"otherpay", "add", "2005", "3", "E1", "--type", "其他所得", "--income", "1",
                       "--deduction", "5"}),
              QStringLiteral("--deduction 只用于承包经营收入"));
    EXPECT_EQ(refused(add + QStringList{"--income", "-5"}),
              QStringLiteral("金额不是有效的数字: -5"));
    EXPECT_TRUE(
        refused(add + QStringList{"--income", "5", "--addres", "x"})
            .startsWith(QStringLiteral("未知的选项: --addres\n用法: corvane-cli otherpay add")));
    EXPECT_TRUE(refused(add + QStringList{"--income", "5", "--income", "6"})
                    .startsWith(QStringLiteral("选项重复: --income\n")));
    EXPECT_TRUE(refused(add + QStringList{"--income"})
                    .startsWith(QStringLiteral("选项缺少值: --income\n")));
    EXPECT_TRUE(refused({"otherpay", "list", "2005", "3", "--csv=yes"})
                    .startsWith(QStringLiteral("选项不带值: --csv\n")));
    EXPECT_TRUE(refused({"otherpay", "delete", "1", "--type", "其他所得"})
                    .startsWith(QStringLiteral("未知的选项: --type\n")));
    EXPECT_EQ(refused({"otherpay", "list", "2005", "13"}),
              QStringLiteral("月份应为1到12之间的数字！"));
    EXPECT_EQ(refused({"otherpay", "edit", "99"}), QStringLiteral("当前没有可供编辑的数据！"));
    EXPECT_EQ(refused({"otherpay", "delete", "99"}), QStringLiteral("当前没有删除数据！"));
    EXPECT_EQ(cli({"otherpay", "list", "2005", "3"}).lines().size(), 1);
}

TEST_F(OtherPayCliTest, WageRowsAreNotOtherPayments)
{
    ASSERT_TRUE(app.db().open(app.dbPath(), DatabasePassword()));
    app.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, DeptID, "
                            "Income) values (2005, 3, '工资所得税', 'E1', '0001', 10000)"));
    const QString id = QString::number(app.db().lastInsertId());
    app.db().close();
    EXPECT_EQ(cli({"otherpay", "edit", id, "--income", "1"}).err,
              QStringLiteral("当前没有可供编辑的数据！"));
    EXPECT_EQ(cli({"otherpay", "delete", id}).err, QStringLiteral("当前没有删除数据！"));
    EXPECT_EQ(cli({"otherpay", "list", "2005", "3"}).lines().size(), 1);
}

} // namespace
