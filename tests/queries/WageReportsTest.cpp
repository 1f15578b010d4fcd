#include "QueryTestBase.h"

#include "queries/QueryTexts.h"
#include "queries/WageColumns.h"
#include "queries/WageReports.h"

using QueryFixture::yuan;

namespace {

const QString kTotal = QStringLiteral(" 合 计 ");

// January posted, February still a draft. Amounts worked by hand: net pay is gross pay less
// the three funds and the tax, plus the bonus. Item columns not written stay empty; the
// sheet's own columns (bonus, tax, net pay) default to 0.
class WageReportsTest : public QueryTestBase
{
protected:
    WageReportsTest()
    {
        using QueryFixture::addWage;
        addWage(db(), {2005,
                       1,
                       "E1",
                       "张三",
                       "销售部",
                       {{"基本工资", yuan("3000")},
                        {"养老保险金", yuan("240")},
                        {"医疗保险金", yuan("60")},
                        {"住房公积金", yuan("150")},
                        {"应发工资", yuan("3000")},
                        {"纳税额", yuan("85")},
                        {"实发工资", yuan("2465")}}});
        addWage(db(), {2005,
                       1,
                       "E2",
                       "李四",
                       "销售部",
                       {{"基本工资", yuan("2000")},
                        {"养老保险金", yuan("160")},
                        {"医疗保险金", yuan("40")},
                        {"住房公积金", yuan("100")},
                        {"应发工资", yuan("2000")},
                        {"纳税额", yuan("20")},
                        {"实发工资", yuan("1680")}}});
        addWage(db(), {2005,
                       1,
                       "E3",
                       "王五",
                       "销售部北区",
                       {{"基本工资", yuan("1500")},
                        {"养老保险金", yuan("120")},
                        {"应发工资", yuan("1500")},
                        {"纳税额", yuan("0")},
                        {"实发工资", yuan("1380")}}});
        addWage(db(), {2005,
                       1,
                       "E4",
                       "赵六",
                       "财务部",
                       {{"基本工资", yuan("4000")},
                        {"一次性奖金", yuan("1000")},
                        {"应发工资", yuan("4000")},
                        {"纳税额", yuan("300.5")},
                        {"实发工资", yuan("4699.5")}}});
        addWage(db(), {2005,
                       2,
                       "E1",
                       "张三",
                       "销售部",
                       {{"基本工资", yuan("3100")}, {"应发工资", yuan("3100")}},
                       QStringLiteral("草稿中")});
    }

    QueryRun report(WageReport kind, const QString &year, const QString &month,
                    const QString &dept = {})
    {
        return RunWageReport(db(), kind, {year, month, dept});
    }
};

const QStringList kSummed{"住房公积金", "医疗保险金", "养老保险金", "基本工资",
                          "一次性奖金", "纳税额",     "实发工资",   "应发工资"};

TEST_F(WageReportsTest, SummedColumnsComeNewestFirstAndFollowTheItems)
{
    EXPECT_EQ(*WageColumns::summed(db()), kSummed);

    ASSERT_TRUE(db().addColumn("Wage", "岗位津贴", "MONEY"));
    ASSERT_TRUE(db().dropColumn("Wage", "基本工资"));
    const QueryRun run = report(WageReport::WageList, "2005", "1");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(run.grid->columnNames(),
              (QStringList{"部门名称", "人员编号", "姓名", "岗位津贴", "住房公积金", "医疗保险金",
                           "养老保险金", "一次性奖金", "纳税额", "实发工资", "应发工资"}));
    EXPECT_EQ(column(*run.grid, 3), (QStringList{"", "", "", "", ""}));
}

TEST_F(WageReportsTest, WageListPerEmployeeByDepartmentThenCodeWithTotalLast)
{
    const QueryRun run = report(WageReport::WageList, " 2005 ", "1");
    ASSERT_TRUE(run.ok()) << run.refusal.toStdString();
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnNames(), QStringList({"部门名称", "人员编号", "姓名"}) + kSummed);
    ASSERT_EQ(g.rowCount(), 5);
    EXPECT_EQ(row(g, 0), (QStringList{"财务部", "E4", "赵六", "", "", "", "4000.00", "1000.00",
                                      "300.50", "4699.50", "4000.00"}));
    EXPECT_EQ(row(g, 1), (QStringList{"销售部", "E1", "张三", "150.00", "60.00", "240.00",
                                      "3000.00", "0.00", "85.00", "2465.00", "3000.00"}));
    EXPECT_EQ(row(g, 2).mid(0, 3), (QStringList{"销售部", "E2", "李四"}));
    EXPECT_EQ(row(g, 3), (QStringList{"销售部北区", "E3", "王五", "", "", "120.00", "1500.00",
                                      "0.00", "0.00", "1380.00", "1500.00"}));
    EXPECT_EQ(row(g, 4), (QStringList{kTotal, " ", " ", "250.00", "100.00", "520.00", "10500.00",
                                      "1000.00", "405.50", "10224.50", "10500.00"}));
    EXPECT_EQ(run.exportStatement.moneyColumns, kSummed);
}

TEST_F(WageReportsTest, WageListDepartmentIsAPrefixOfTheName)
{
    const QueryRun run = report(WageReport::WageList, "2005", "1", "销售部");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(column(*run.grid, 1), (QStringList{"E1", "E2", "E3", " "}));
    EXPECT_EQ(row(*run.grid, 3), (QStringList{kTotal, " ", " ", "250.00", "100.00", "520.00",
                                              "6500.00", "0.00", "105.00", "5525.00", "6500.00"}));

    // Literal: a wildcard typed into the department matches only itself.
    const QueryRun wildcard = report(WageReport::WageList, "2005", "1", "销_部");
    ASSERT_TRUE(wildcard.ok());
    EXPECT_EQ(wildcard.grid->rowCount(), 1);
}

TEST_F(WageReportsTest, DraftSheetsAreIncluded)
{
    const QueryRun run = report(WageReport::WageList, "2005", "2");
    ASSERT_TRUE(run.ok());
    ASSERT_EQ(run.grid->rowCount(), 2);
    EXPECT_EQ(row(*run.grid, 0), (QStringList{"销售部", "E1", "张三", "", "", "", "3100.00", "0.00",
                                              "0.00", "0.00", "3100.00"}));
}

TEST_F(WageReportsTest, PeriodWithoutRowsGivesTheTotalRowAlone)
{
    for (WageReport kind : {WageReport::WageList, WageReport::DeptSums, WageReport::BankList}) {
        const QueryRun run = report(kind, "2004", "12");
        ASSERT_TRUE(run.ok()) << run.refusal.toStdString();
        ASSERT_EQ(run.grid->rowCount(), 1);
        const QStringList total = row(*run.grid, 0);
        EXPECT_TRUE(total.contains(kTotal));
        for (int c = 0; c < run.grid->columnCount(); ++c) {
            if (run.grid->isMoney(c)) {
                EXPECT_EQ(total.at(c), QString());
            }
        }
    }
}

TEST_F(WageReportsTest, MissingMonthAndBadYearAreRefused)
{
    EXPECT_EQ(report(WageReport::DeptSums, "2005", " ").refusal, QueryText::ChooseMonth);
    EXPECT_EQ(report(WageReport::WageList, "", "1").refusal, QueryText::NoData);
    EXPECT_EQ(report(WageReport::BankList, "二〇〇五", "1").refusal, QueryText::NoData);
    EXPECT_EQ(report(WageReport::DeptSums, "2005", "x").refusal, QueryText::NoData);
}

TEST_F(WageReportsTest, DepartmentSums)
{
    const QueryRun run = report(WageReport::DeptSums, "2005", "1");
    ASSERT_TRUE(run.ok());
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnNames(), QStringList({"部门名称"}) + kSummed);
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(row(g, 0), (QStringList{"财务部", "", "", "", "4000.00", "1000.00", "300.50",
                                      "4699.50", "4000.00"}));
    EXPECT_EQ(row(g, 1), (QStringList{"销售部", "250.00", "100.00", "400.00", "5000.00", "0.00",
                                      "105.00", "4145.00", "5000.00"}));
    EXPECT_EQ(row(g, 2).first(), "销售部北区");
    EXPECT_EQ(row(g, 3), (QStringList{kTotal, "250.00", "100.00", "520.00", "10500.00", "1000.00",
                                      "405.50", "10224.50", "10500.00"}));
}

TEST_F(WageReportsTest, BankListOneLinePerWageRowOnlyForKnownEmployees)
{
    app.exec("update Employee set CardNo = '6222' || EmpID");
    // A second run for 李四, and a row whose employee record is gone.
    QueryFixture::addWage(db(), {2005, 1, "E2", "李四", "销售部", {{"实发工资", yuan("100")}}});
    QueryFixture::addWage(db(), {2005, 1, "X9", "无名", "销售部", {{"实发工资", yuan("999")}}});

    const QueryRun run = report(WageReport::BankList, "2005", "1");
    ASSERT_TRUE(run.ok());
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnNames(),
              (QStringList{"职工编号", "部门名称", "姓名", "实发工资", "身份证号", "银行卡号"}));
    ASSERT_EQ(g.rowCount(), 6);
    EXPECT_EQ(row(g, 0),
              (QStringList{"E4", "财务部", "赵六", "4699.50", "11010119800101E4", "6222E4"}));
    EXPECT_EQ(column(g, 0), (QStringList{"E4", "E1", "E2", "E2", "E3", " "}));
    EXPECT_EQ(column(g, 3),
              (QStringList{"4699.50", "2465.00", "1680.00", "100.00", "1380.00", "10324.50"}));
    EXPECT_EQ(row(g, 5), (QStringList{" ", kTotal, " ", "10324.50", " ", "  "}));
}

TEST_F(WageReportsTest, DepartmentsComeInPinyinOrder)
{
    // 集 (ji) sorts between 财 (cai) and 销 (xiao), though its character code is above both.
    QueryFixture::addWage(db(), {2005, 1, "E5", "张丽", "集团办", {{"实发工资", yuan("10")}}});
    const QStringList expected{"财务部", "集团办", "销售部", "销售部", "销售部北区", kTotal};
    const QueryRun list = report(WageReport::WageList, "2005", "1");
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(column(*list.grid, 0), expected);
    const QueryRun sums = report(WageReport::DeptSums, "2005", "1");
    ASSERT_TRUE(sums.ok());
    EXPECT_EQ(column(*sums.grid, 0), (QStringList{"财务部", "集团办", "销售部", "销售部北区", kTotal}));
    const QueryRun bank = report(WageReport::BankList, "2005", "1");
    ASSERT_TRUE(bank.ok());
    EXPECT_EQ(column(*bank.grid, 1), expected);
}

class PersonalWageTest : public WageReportsTest
{
protected:
    QueryRun personal(const QString &year, const QString &code, const QString &name)
    {
        return RunPersonalWage(db(), {year, code, name}, [this](const QString &n) {
            asked << n;
            return QStringLiteral("E5");
        });
    }
    QStringList asked;
};

TEST_F(PersonalWageTest, OneRowPerMonthThenTheYear)
{
    const QueryRun run = personal("2005", "E1", "");
    ASSERT_TRUE(run.ok());
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnNames(), QStringList({"月份"}) + kSummed);
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(row(g, 0), (QStringList{"1", "150.00", "60.00", "240.00", "3000.00", "0.00", "85.00",
                                      "2465.00", "3000.00"}));
    EXPECT_EQ(row(g, 1),
              (QStringList{"2", "", "", "", "3100.00", "0.00", "0.00", "0.00", "3100.00"}));
    EXPECT_EQ(row(g, 2), (QStringList{kTotal, "150.00", "60.00", "240.00", "6100.00", "0.00",
                                      "85.00", "2465.00", "6100.00"}));
    EXPECT_EQ(run.heading, "张三 工资明细");

    // The workbook carries the code and name on every month row.
    const auto exported = RunGrid(db(), run.exportStatement);
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported->columnNames(), QStringList({"人员编号", "人员姓名", "月份"}) + kSummed);
    EXPECT_EQ(row(*exported, 1).mid(0, 5), (QStringList{"E1", "张三", "2", "", ""}));
    EXPECT_EQ(row(*exported, 2).mid(0, 4), (QStringList{" ", " ", kTotal, "150.00"}));
}

TEST_F(PersonalWageTest, NameLookupHasThreeOutcomes)
{
    // One match: its code, no picker.
    EXPECT_EQ(row(*personal("2005", "", " 三 ").grid, 0).first(), "1");
    EXPECT_TRUE(asked.isEmpty());
    // Several: the picker is asked with the name, and its answer is taken.
    const QueryRun several = personal("2005", "", "张");
    EXPECT_EQ(asked, QStringList{"张"});
    EXPECT_EQ(several.heading, "张丽 工资明细");
    ASSERT_TRUE(several.ok());
    EXPECT_EQ(several.grid->rowCount(), 1); // 张丽 has no wage rows: the total alone
    // None.
    EXPECT_EQ(personal("2005", "", "钱").refusal, QueryText::NoSuchEmployee);
    EXPECT_EQ(personal("2005", " ", " ").refusal, QueryText::EnterEmployee);
}

TEST_F(PersonalWageTest, TypedCodeBypassesTheName)
{
    const QueryRun run = personal("2005", "e4", "张");
    EXPECT_TRUE(asked.isEmpty());
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(run.heading, "赵六 工资明细");
    EXPECT_EQ(column(*run.grid, 0), (QStringList{"1", kTotal}));
    // A code without an employee record still runs, with an empty name.
    EXPECT_EQ(personal("2005", "X9", "").heading, " 工资明细");
}

} // namespace
