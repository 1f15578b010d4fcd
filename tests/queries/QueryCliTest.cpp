// corvane-cli query, run as a script would: the rows the windows show, the windows' messages
// on standard error with exit code 2.

#include "CliRunner.h"
#include "QueryTestBase.h"

#include "base/Settings.h"
#include "base/WorkbookWriter.h"

#include <QFileInfo>

using QueryFixture::yuan;

namespace {

class QueryCliTest : public QueryTestBase
{
protected:
    void SetUp() override
    {
        QueryFixture::addWage(db(), {2005,
                                     1,
                                     "E1",
                                     "张三",
                                     "销售部",
                                     {{"基本工资", yuan("3000")},
                                      {"住房公积金", yuan("150")},
                                      {"实发工资", yuan("2850")}}});
        QueryFixture::addWage(db(), {2005,
                                     1,
                                     "E4",
                                     "赵六",
                                     "财务部",
                                     {{"基本工资", yuan("4000.5")}, {"实发工资", yuan("4000.5")}}});
        QueryFixture::addLedger(db(), {2005, 1, "工资所得税", "E1", "张三", yuan("3000"),
                                       yuan("85"), yuan("2915"), "2005-01-31"});
        app.db().close();
    }

    CliRun cli(const QStringList &args)
    {
        return CliRunner()
            .home(app.dir())
            .db(app.dbPath())
            .trimErr()
            .run(QStringList{QStringLiteral("query")} + args);
    }
};

TEST_F(QueryCliTest, ListsTheRowsTheWindowShowsWithTheTotalRow)
{
    const CliRun run = cli({"wage-list", "2005", "1"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("部门名称\t人员编号\t姓名\t住房公积金\t"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("财务部\tE4\t赵六\t\t\t\t4000.50\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].startsWith(" 合 计 \t \t \t150.00\t")) << lines[3].toStdString();

    const CliRun csv = cli({"bank", "2005", "1", "--csv"});
    EXPECT_EQ(csv.code, 0);
    EXPECT_EQ(csv.out, "职工编号,部门名称,姓名,实发工资,身份证号,银行卡号\r\n"
                       "E4,财务部,赵六,4000.50,11010119800101E4,\r\n"
                       "E1,销售部,张三,2850.00,11010119800101E1,\r\n"
                       " , 合 计 , ,6850.50, ,  \r\n");
}

TEST_F(QueryCliTest, RefusalsAndTheNamePicker)
{
    const CliRun noRows = cli({"annual-tax", "2005", "--emp", "E4"});
    EXPECT_EQ(noRows.code, 2);
    EXPECT_EQ(noRows.err, "没有任何数据存在！");
    EXPECT_EQ(noRows.out, "");

    // "张" is 张三 and 张丽: the candidates are listed instead of a result.
    const CliRun several = cli({"payout", "2005", "1", "--name", "张"});
    EXPECT_EQ(several.code, 2);
    EXPECT_TRUE(several.err.contains("--emp")) << several.err.toStdString();
    const QStringList candidates = several.lines();
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], "人员编号\t姓名\t性别\t身份证号\t状态\t国籍");
    EXPECT_TRUE(candidates[1].startsWith("E1\t张三\t男\t"));
    EXPECT_TRUE(candidates[2].startsWith("E5\t张丽\t男\t"));

    const CliRun one = cli({"payout", "2005", "1", "--name", "三"});
    EXPECT_EQ(one.code, 0) << one.err.toStdString();
    EXPECT_EQ(one.out.count(u'\n'), 3); // header, the row, the total

    EXPECT_EQ(cli({"high-income", "2005", "1"}).err, "请输入高收入限额！");
    EXPECT_EQ(cli({"high-income", "2005", "1", "--limit", "2900", "--foreign"}).err,
              "没有任何数据存在！");
    EXPECT_EQ(cli({"personal-wage", "2005"}).err, "请输入人员姓名或人员编码！");
}

TEST_F(QueryCliTest, UnknownRepeatedAndEmptyOptionsAreRefused)
{
    for (const QStringList &args :
         {QStringList{"bank", "2005", "1", "--dept", "销售部"},
          QStringList{"wage-list", "2005", "1", "--dept", "a", "--dept", "b"},
          QStringList{"wage-list", "2005", "1", "--dept"}, QStringList{"funds", "2005"},
          QStringList{"funds", "2005", "--fund", "基本工资"}, QStringList{"wage-list", "2005"},
          QStringList{"nothing", "2005"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains("用法")) << args.join(u' ').toStdString();
    }
}

TEST_F(QueryCliTest, FundsAndWorkbook)
{
    const CliRun run = cli({"funds", "2005", "--fund", "住房公积金", "--dept", "销售部"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], "销售部\tE1\t张三\t150.00\t150.00\t\t\t\t\t\t\t\t\t\t\t");

    const QString file = app.dir() + QStringLiteral("dept.xlsx");
    const CliRun xlsx = cli({"dept-sums", "2005", "1", "--xlsx", file});
    EXPECT_EQ(xlsx.code, 0) << xlsx.err.toStdString();
    EXPECT_GT(QFileInfo(file).size(), 0);
}

} // namespace
