// corvane-cli backpay, run as a script would: a back pay from its start to the posted query, on
// the delivered wage brackets, with the window's refusals. Figures worked on paper.

#include "BackPayFixture.h"

#include "CliRunner.h"
#include "OrgFixture.h"
#include "TestApp.h"
#include "db/Database.h"

#include <gtest/gtest.h>

using namespace BackPayFixture;

namespace {

// 一部 with A1 and A2, temporary staff T1; March wages 2000.00 taxable (deduction 1600.00),
// April 1500.00 (below the deduction), May the pay period: all posted.
class BackPayCliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Database &db = app.db();
        OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("一部"));
        OrgFixture::addEmp(db, QStringLiteral("A1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db, QStringLiteral("A2"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db, QStringLiteral("T1"), QStringLiteral("赵六"),
                           QStringLiteral("9999"));
        for (const char *emp : {"A1", "A2", "T1"}) {
            const QString dept = QString::fromLatin1(emp) == QLatin1String("T1")
                                     ? QStringLiteral("临时员工")
                                     : QStringLiteral("一部");
            addPostedWage(db, 2005, 3, emp, dept, M("2000"), M("1600"));
            addPostedWage(db, 2005, 4, emp, dept, M("1500"), M("1600"));
            addPostedWage(db, 2005, 5, emp, dept, M("3000"), M("1600"));
        }
        db.close();
    }

    CliRun cli(const QStringList &args) { return CliRunner().db(app.dbPath()).trimErr().run(args); }
    void ok(const QStringList &args)
    {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 0) << args.join(u' ').toStdString() << ": " << r.err.toStdString();
    }
    void refused(const QStringList &args, const QString &message)
    {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err, message) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }

    TestApp app;
};

TEST_F(BackPayCliTest, FromStartToThePostedQuery)
{
    const CliRun started =
        cli({"backpay", "start", "2005", "5", "--months", "2005年3月,2005年4月"});
    ASSERT_EQ(started.code, 0) << started.err.toStdString();
    EXPECT_EQ(started.out, QStringLiteral("补发工资：2005年5月\n"));

    const CliRun added = cli({"backpay", "add", "--company"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("已添加 2 人\n")); // never the temporary staff
    EXPECT_EQ(cli({"backpay", "add", "--emp", "a1"}).out, QStringLiteral("A1 已在补发工资表中\n"));

    ok({"backpay", "set", "A1", "2005年3月", "300"});
    ok({"backpay", "set", "A1", "2005年4月", "200"});
    ok({"backpay", "set", "A2", "2005年4月", "50"});
    // March: (2000 + 300 - 1600) x 10% - 25 = 45 less (2000 - 1600) x 5% = 20: 25.00.
    // April: the wage lies 100 below the deduction, so only 100 of the 200 is taxed: 5.00.
    EXPECT_EQ(
        cli({"backpay", "show"}).lines(),
        (QStringList{"部门\t姓名\t员工编号\t2005年3月补发工资\t2005年4月补发工资\t"
                     "2005年3月应税工资补税\t2005年4月应税工资补税\t合计补发工资\t扣税\t实际补发",
                     "一部\t张三\tA1\t300.00\t200.00\t25.00\t5.00\t500.00\t30.00\t470.00",
                     "一部\t李四\tA2\t0.00\t50.00\t0.00\t0.00\t50.00\t0.00\t50.00"}));
    const CliRun csv = cli({"backpay", "show", "--csv"});
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("部门,姓名,员工编号,2005年3月补发工资,")));
    EXPECT_TRUE(csv.out.endsWith(QStringLiteral("\r\n")));

    // A whole column: never below 0, then every row alike.
    ok({"backpay", "column", "2005年4月", "--subtract", "60"});
    EXPECT_EQ(cli({"backpay", "show"}).lines().value(2).split(u'\t').value(4),
              QStringLiteral("0.00"));
    EXPECT_EQ(cli({"backpay", "show"}).lines().value(1).split(u'\t').value(4),
              QStringLiteral("140.00"));
    ok({"backpay", "column", "2005年4月", "--set", "200"});
    ok({"backpay", "remove", "A2"});
    EXPECT_EQ(cli({"backpay", "show"}).lines().size(), 2);

    const CliRun posted = cli({"backpay", "post", "--date", "2005-05-20"});
    ASSERT_EQ(posted.code, 0) << posted.err.toStdString();
    EXPECT_EQ(posted.out, QStringLiteral("补发工资入账完毕！\n"));
    refused({"backpay", "post", "--date", "2005-05-20"}, QStringLiteral("无补发工资过账数据！"));

    EXPECT_EQ(
        cli({"backpay", "query", "2005", "5"}).lines(),
        (QStringList{"部门\t姓名\t员工编号\t2005年3月\t2005年4月\t合计补发工资\t扣税\t实际补发",
                     "一部\t张三\tA1\t300.00\t200.00\t500.00\t30.00\t470.00"}));
    refused({"backpay", "query", "2005", "6"}, QStringLiteral("无\"2005年6月\"补发工资数据"));

    // A second back pay for March in the same period is taxed above the first: the taxable
    // wage is now 2300.00, so 300 more costs (1000 x 10% - 25) - (700 x 10% - 25) = 30.00.
    ok({"backpay", "start", "2005", "5", "--months", "2005年3月"});
    ok({"backpay", "add", "--emp", "A1"});
    ok({"backpay", "set", "A1", "2005年3月", "300"});
    EXPECT_EQ(cli({"backpay", "show"}).lines().value(1),
              QStringLiteral("一部\t张三\tA1\t300.00\t30.00\t300.00\t30.00\t270.00"));
    // Pending, the sheet belongs to the period, but the posted back pay is what the query shows.
    EXPECT_EQ(cli({"backpay", "query", "2005", "5"}).lines().value(1),
              QStringLiteral("一部\t张三\tA1\t300.00\t200.00\t500.00\t30.00\t470.00"));
    ok({"backpay", "post", "--date", "2005-05-21"});
    // Both postings of the period add up.
    EXPECT_EQ(cli({"backpay", "query", "2005", "5"}).lines().value(1),
              QStringLiteral("一部\t张三\tA1\t600.00\t200.00\t800.00\t60.00\t740.00"));
}

TEST_F(BackPayCliTest, RefusesWithTheWindowsMessages)
{
    refused({"backpay", "add", "--company"}, QStringLiteral("无补发工资过账数据！"));
    refused({"backpay", "start", "2005", "6", "--months", "2005年3月"},
            QStringLiteral("\"2005年6月\"尚未做工资！"));
    refused({"backpay", "start", "2005", "4", "--months", "2005年5月"},
            QStringLiteral("不能补发2005年5月的工资！"));
    refused({"backpay", "start", "2005", "5", "--months", "2005年03月"},
            QStringLiteral("月份应写作2005年3月: 2005年03月"));
    EXPECT_TRUE(
        cli({"backpay", "start", "2005", "5", "--months", "2005年3月", "--months", "2005年4月"})
            .err.startsWith(QStringLiteral("选项重复: --months\n用法: corvane-cli backpay")));
    EXPECT_TRUE(cli({"backpay", "add", "--company", "--emp"})
                    .err.startsWith(QStringLiteral("选项缺少值: --emp\n")));
    EXPECT_TRUE(cli({"backpay", "add", "--compnay"})
                    .err.startsWith(QStringLiteral("未知的选项: --compnay\n")));

    ok({"backpay", "start", "2005", "5", "--months", "2005年3月,2005年4月"});
    ok({"backpay", "add", "--dept", "0001"});
    refused({"backpay", "add", "--emp", "X9"}, QStringLiteral("未找到该员工！"));
    refused({"backpay", "set", "A1", "2005年3月", "-5"}, QStringLiteral("“-5”不是有效的金额！"));
    refused({"backpay", "set", "A1", "2005年3月", "1234567890"}, QStringLiteral("输入金额太大！"));
    refused({"backpay", "set", "T1", "2005年3月", "5"}, QStringLiteral("未找到相关信息！"));
    refused({"backpay", "set", "A1", "2005年5月", "5"},
            QStringLiteral("补发工资表中没有该月份: 2005年5月（有: 2005年3月,2005年4月）"));
    EXPECT_EQ(cli({"backpay", "column", "2005年3月", "--set", "5", "--add", "5"}).code, 2);
    // A pending back pay is not thrown away by starting another.
    refused(
        {"backpay", "start", "2005", "5", "--months", "2005年3月"},
        QStringLiteral("已有未过账的补发工资（2005年5月），请先过账或放弃（backpay discard）！"));

    // The months again: April goes with its amounts, the pay month itself may be back-paid.
    ok({"backpay", "set", "A1", "2005年4月", "200"});
    const CliRun months = cli({"backpay", "months", "2005年3月,2005年5月"});
    ASSERT_EQ(months.code, 0) << months.err.toStdString();
    EXPECT_EQ(months.out, QStringLiteral("2005年3月,2005年5月\n"));
    EXPECT_EQ(cli({"backpay", "show"}).lines().value(0),
              QStringLiteral(
                  "部门\t姓名\t员工编号\t2005年3月补发工资\t2005年5月补发工资\t"
                  "2005年3月应税工资补税\t2005年5月应税工资补税\t合计补发工资\t扣税\t实际补发"));
    EXPECT_EQ(cli({"backpay", "show"}).lines().value(1),
              QStringLiteral("一部\t张三\tA1\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00"));

    ok({"backpay", "discard"});
    refused({"backpay", "post", "--date", "2005-05-20"}, QStringLiteral("无补发工资过账数据！"));
    refused({"backpay", "query", "2005", "5"}, QStringLiteral("无\"2005年5月\"补发工资数据"));
}

} // namespace
