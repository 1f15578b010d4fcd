// A month's wages from the command line, as a script would run it: items, generation, amounts,
// temporary staff, the sheet as shown, posting and the ledger. Refusals print the window's
// message on standard error and exit with 2.

#include "CliRunner.h"
#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

class PayrollCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E2"), QStringLiteral("李四"), QStringLiteral("0001"), 1,
                           QStringLiteral("外方"));
        OrgFixture::addEmp(app.db(), QStringLiteral("T1"), QStringLiteral("赵六"), QStringLiteral("9999"));
        app.db().close();
    }

    CliRun cli(const QStringList &args) { return CliRunner().db(app.dbPath()).trimErr().run(args); }
    void expectRefused(const QStringList &args, const QString &message)
    {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err, message) << args.join(u' ').toStdString();
    }

    TestApp app;
};

TEST_F(PayrollCli, AMonthFromItemsToTheLedger)
{
    ASSERT_EQ(cli({"item", "add", "津贴", "--type", "工资薪金所得纳税项"}).code, 0);
    expectRefused({"item", "add", "Wageid", "--type", "工资薪金所得纳税项"},
                  QStringLiteral("已有此项目，请重新输入！"));
    expectRefused({"item", "add", "奖金", "--type", "不存在的类型"}, QStringLiteral("请选择项目类型！"));
    EXPECT_TRUE(cli({"item", "list"}).out.startsWith(
        QStringLiteral("项目名称\t项目类型\t项目描述\t是否启用\t是否只读\n基本工资\t")));

    const CliRun generated = cli({"wage", "generate", "2005", "3"});
    ASSERT_EQ(generated.code, 0) << generated.err.toStdString();
    EXPECT_EQ(generated.out, QStringLiteral("已生成2005年3月工资，2人\n"));
    // The month of the draft again: the question is the refusal unless a flag answers it.
    expectRefused({"wage", "generate", "2005", "3"}, QStringLiteral("有上次生成的数据，延用上次数据吗？"));
    EXPECT_EQ(cli({"wage", "generate", "2005", "3", "--continue"}).code, 0);
    expectRefused({"item", "add", "奖金", "--type", "工资薪金所得纳税项"},
                  QStringLiteral("已有草稿中数据，请先清除草稿数据！"));

    // Codes are found ignoring case.
    EXPECT_EQ(cli({"wage", "set", "2005", "3", "e1", "基本工资", "3000"}).code, 0);
    EXPECT_EQ(cli({"wage", "set", "2005", "3", "E1", "津贴", "500"}).code, 0);
    const CliRun bonus = cli({"wage", "set", "2005", "3", "E1", "一次性奖金", "6000"});
    ASSERT_EQ(bonus.code, 0) << bonus.err.toStdString();
    // 3500 taxable: 2700 at 15% less 125 = 280; the bonus at 20% less 375 = 825.
    EXPECT_EQ(bonus.out, QStringLiteral("E1\t一次性奖金\t6000.00\t应发工资 9500.00\t纳税额 1105.00\t"
                                        "实发工资 8395.00\n"));
    expectRefused({"wage", "set", "2005", "3", "E1", "应发工资", "1"},
                  QStringLiteral("只能修改本月的工资项目和一次性奖金！"));
    expectRefused({"wage", "set", "2005", "3", "E1", "津贴", "."}, QStringLiteral("“.”不是有效的金额！"));

    EXPECT_EQ(cli({"wage", "add-temp", "2005", "3", "T1"}).code, 0);
    expectRefused({"wage", "add-temp", "2005", "3", "T1"}, QStringLiteral("已添加此临时员工！"));
    expectRefused({"wage", "remove-temp", "2005", "3", "E2"}, QStringLiteral("正式员工不能删除！"));

    const CliRun shown = cli({"wage", "show", "2005", "3"});
    ASSERT_EQ(shown.code, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.startsWith(QStringLiteral(
        "部门名称\t姓名\t所属年份\t所属月份\t员工编号\t员工类型\t工资单状态\t基本工资\t津贴\t应发工资\t"
        "应税工资\t养老保险金\t医疗保险金\t住房公积金\t实发工资\t减除费用\t应纳税所得额\t适用税率\t"
        "速算扣除数\t纳税额\t一次性奖金\n")));
    EXPECT_EQ(shown.out.count(u'\n'), 5);
    const auto totals = shown.fields(4);
    EXPECT_EQ(totals.value("部门名称"), QStringLiteral("合计"));
    EXPECT_EQ(totals.value("基本工资"), QStringLiteral("3000.00"));
    EXPECT_EQ(totals.value("纳税额"), QStringLiteral("1105.00"));
    EXPECT_EQ(totals.value("减除费用"), QString());
    const CliRun csv = cli({"wage", "show", "2005", "3", "--csv"});
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("部门名称,姓名,所属年份,")));
    EXPECT_TRUE(csv.out.endsWith(QStringLiteral("\r\n")));

    expectRefused({"wage", "post", "2005", "3"}, QStringLiteral("过账日期格式应为yyyy-mm-dd！"));
    const CliRun posted = cli({"wage", "post", "2005", "3", "--date", "2005-04-05"});
    ASSERT_EQ(posted.code, 0) << posted.err.toStdString();
    expectRefused({"wage", "post", "2005", "3", "--date", "2005-04-05"},
                  QStringLiteral("工资数据已过账！"));
    expectRefused({"wage", "set", "2005", "3", "E1", "津贴", "1"}, QStringLiteral("不能更改已过账工资数据！"));

    const CliRun ledger = cli({"ledger", "list", "2005", "3"});
    ASSERT_EQ(ledger.code, 0) << ledger.err.toStdString();
    EXPECT_EQ(ledger.out.count(u'\n'), 5); // E2, E1's wage and bonus, T1
    // The sheet was made in the order of the names as a clerk reads them: 李四 (li) before
    // 张三 (zhang), though 张 has the lower character code.
    EXPECT_EQ(ledger.fields(1).value("EmpName"), QStringLiteral("李四"));
    const auto wage = ledger.fields(2);
    EXPECT_EQ(wage.value("ID"), QStringLiteral("2"));
    EXPECT_EQ(wage.value("TaxType"), QStringLiteral("工资所得税"));
    EXPECT_EQ(wage.value("EmpName"), QStringLiteral("张三"));
    EXPECT_EQ(wage.value("Income"), QStringLiteral("3500.00"));
    EXPECT_EQ(wage.value("TaxIncome"), QStringLiteral("2700.00"));
    EXPECT_EQ(wage.value("TaxRate"), QStringLiteral("0.15"));
    EXPECT_EQ(wage.value("TaxMoney"), QStringLiteral("280.00"));
    EXPECT_EQ(wage.value("TaxDate"), QStringLiteral("2005-04-05"));
    const auto bonusRow = ledger.fields(3);
    EXPECT_EQ(bonusRow.value("TaxType"), QStringLiteral("一次性奖金"));
    EXPECT_EQ(bonusRow.value("MinusFare"), QStringLiteral("0.00"));
    EXPECT_EQ(bonusRow.value("TaxMoney"), QStringLiteral("825.00"));
}

TEST_F(PayrollCli, UnknownOptionsAndBadPeriodsAreRefused)
{
    EXPECT_EQ(cli({"wage", "show", "2005", "3", "--cvs"}).code, 2);
    EXPECT_EQ(cli({"wage", "show", "2005", "13"}).code, 2);
    expectRefused({"wage", "show", "2005", "6"}, QStringLiteral("2005年6月无工资数据！"));
    EXPECT_EQ(cli({"ledger", "list", "2005"}).code, 2);
}

} // namespace
