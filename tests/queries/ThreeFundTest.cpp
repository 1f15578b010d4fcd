#include "QueryTestBase.h"

#include "queries/QueryTexts.h"
#include "queries/ThreeFundStatistics.h"

using QueryFixture::yuan;

namespace {

const QString kTotal = QStringLiteral(" 合 计 ");
enum { Pension, Medical, Housing };

// 张三 moved from 财务部 to 销售部 in February; his January row still names the old
// department.
class ThreeFundTest : public QueryTestBase
{
protected:
    ThreeFundTest()
    {
        using QueryFixture::addWage;
        addWage(db(), {2005,
                       1,
                       "E1",
                       "张三",
                       "财务部",
                       {{"养老保险金", yuan("240")}, {"医疗保险金", yuan("60")}}});
        addWage(db(), {2005,
                       2,
                       "E1",
                       "张三",
                       "销售部",
                       {{"养老保险金", yuan("240")}},
                       QStringLiteral("草稿中")});
        addWage(db(), {2005, 1, "E3", "王五", "销售部北区", {{"养老保险金", yuan("120")}}});
        addWage(db(), {2005, 1, "E4", "赵六", "财务部", {{"养老保险金", yuan("0")}}});
        addWage(db(), {2004, 12, "E2", "李四", "销售部", {{"养老保险金", yuan("160")}}});
        addWage(db(), {2005, 1, "X9", "无名", "销售部", {{"养老保险金", yuan("999")}}});
    }

    // Twelve months after the year's total, each empty unless given.
    static QStringList months(const QString &total, const QMap<int, QString> &amounts = {})
    {
        QStringList cells{total};
        for (int m = 1; m <= 12; ++m) {
            cells << amounts.value(m);
        }
        return cells;
    }
};

TEST_F(ThreeFundTest, PerEmployeeUnderTheCurrentDepartmentWithEmptyMonths)
{
    const ThreeFund::Run run = ThreeFund::run(db(), "2005", "");
    ASSERT_TRUE(run.refusal.isEmpty());
    ASSERT_TRUE(run.grids[Pension]);
    const ResultGrid &g = *run.grids[Pension];
    QStringList names{"部门名称", "人员编号", "姓名", "合计"};
    for (int m = 1; m <= 12; ++m) {
        names << QStringLiteral("%1月").arg(m);
    }
    EXPECT_EQ(g.columnNames(), names);
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(row(g, 0), QStringList({"财务部", "E4", "赵六"}) + months("0.00", {{1, "0.00"}}));
    EXPECT_EQ(row(g, 1), QStringList({"销售部", "E1", "张三"}) +
                             months("480.00", {{1, "240.00"}, {2, "240.00"}}));
    EXPECT_EQ(row(g, 2),
              QStringList({"销售部北区", "E3", "王五"}) + months("120.00", {{1, "120.00"}}));
    EXPECT_EQ(row(g, 3),
              QStringList({kTotal, " ", " "}) + months("600.00", {{1, "360.00"}, {2, "240.00"}}));

    const ResultGrid &medical = *run.grids[Medical];
    EXPECT_EQ(row(medical, 0), QStringList({"财务部", "E4", "赵六"}) + months(""));
    EXPECT_EQ(row(medical, 1).mid(3, 3), (QStringList{"60.00", "60.00", ""}));
    EXPECT_EQ(row(medical, 3), QStringList({kTotal, " ", " "}) + months("60.00", {{1, "60.00"}}));
    EXPECT_EQ(row(*run.grids[Housing], 3), QStringList({kTotal, " ", " "}) + months(""));
}

TEST_F(ThreeFundTest, OnePassGivesWhatEachFundsStatementGives)
{
    for (const QString &dept : {QString(), QStringLiteral("销售部")}) {
        const ThreeFund::Run run = ThreeFund::run(db(), "2005", dept);
        for (int f = 0; f < ThreeFund::kFunds; ++f) {
            const auto single =
                RunGrid(db(), ThreeFund::statement(2005, dept, ThreeFund::fundColumns().at(f)));
            ASSERT_TRUE(single);
            ASSERT_EQ(single->rowCount(), run.grids[f]->rowCount());
            EXPECT_EQ(single->columnNames(), run.grids[f]->columnNames());
            for (int r = 0; r < single->rowCount(); ++r) {
                EXPECT_EQ(row(*single, r), row(*run.grids[f], r)) << f << ' ' << r;
            }
            EXPECT_EQ(run.exports[f].sql,
                      ThreeFund::statement(2005, dept, ThreeFund::fundColumns().at(f)).sql);
        }
    }
}

TEST_F(ThreeFundTest, DepartmentIsMatchedExactly)
{
    const ThreeFund::Run run = ThreeFund::run(db(), "2005", " 销售部 ");
    EXPECT_EQ(column(*run.grids[Pension], 1), (QStringList{"E1", " "}));
    EXPECT_EQ(row(*run.grids[Pension], 1).mid(3, 3), (QStringList{"480.00", "240.00", "240.00"}));

    for (const QString &dept : {QStringLiteral("销售"), QStringLiteral("销售%")}) {
        const ThreeFund::Run none = ThreeFund::run(db(), "2005", dept);
        ASSERT_TRUE(none.refusal.isEmpty());
        EXPECT_EQ(row(*none.grids[Pension], 0), QStringList({kTotal, " ", " "}) + months(""));
    }
}

TEST_F(ThreeFundTest, YearWithoutRowsGivesTheTotalRowAloneOnEveryTab)
{
    const ThreeFund::Run run = ThreeFund::run(db(), "2003", "");
    ASSERT_TRUE(run.refusal.isEmpty());
    for (int f = 0; f < ThreeFund::kFunds; ++f) {
        ASSERT_EQ(run.grids[f]->rowCount(), 1);
        EXPECT_EQ(run.grids[f]->displayText(0, 0), kTotal);
    }
}

TEST_F(ThreeFundTest, MissingFundColumnLeavesItsTabEmpty)
{
    ASSERT_TRUE(db().dropColumn("Wage", "住房公积金"));
    const ThreeFund::Run run = ThreeFund::run(db(), "2005", "");
    ASSERT_TRUE(run.refusal.isEmpty());
    EXPECT_FALSE(run.grids[Housing]);
    EXPECT_TRUE(run.exports[Housing].isEmpty());
    ASSERT_TRUE(run.grids[Medical]);
    EXPECT_EQ(run.grids[Pension]->rowCount(), 4);

    ASSERT_TRUE(db().dropColumn("Wage", "养老保险金"));
    ASSERT_TRUE(db().dropColumn("Wage", "医疗保险金"));
    EXPECT_EQ(ThreeFund::run(db(), "2005", "").refusal, QueryText::NoData);
}

TEST_F(ThreeFundTest, YearThatIsNoNumberIsRefused)
{
    EXPECT_EQ(ThreeFund::run(db(), "", "").refusal, QueryText::NoData);
    EXPECT_EQ(ThreeFund::run(db(), "20x5", "").refusal, QueryText::NoData);
}

} // namespace
