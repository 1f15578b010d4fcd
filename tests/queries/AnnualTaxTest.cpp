#include "QueryTestBase.h"

#include "base/Settings.h"
#include "queries/AnnualTaxSummary.h"
#include "queries/QueryTexts.h"

using QueryFixture::yuan;

namespace {

class AnnualTaxTest : public QueryTestBase
{
protected:
    AnnualTaxTest()
    {
        const auto add = [this](int month, const char *type, const char *income, const char *tax,
                                const char *name = "张三") {
            QueryFixture::addLedger(db(), {2005, month, type, "E1", name, yuan(income), yuan(tax),
                                           yuan(income), "2005-01-01"});
        };
        add(3, "工资所得税", "3000", "85");
        add(3, "劳务报酬收入", "5000", "800");
        add(4, "工资所得税", "3000", "85");
        add(5, "稿酬所得", "2000", "168"); // a royalty: in no group
        add(6, "补发工资", "500", "25");
        add(6, "一次性奖金", "1000", "50");
        add(6, "利息股息偶然所得", "100", "20");
        add(6, "其他所得", "300", "60");
        add(6, "承包经营收入", "10000", "1500");
        // Someone else, and the same man in another year.
        QueryFixture::addLedger(db(), {2005, 3, "工资所得税", "E2", "李四", yuan("2000"),
                                       yuan("20"), yuan("1680"), "2005-03-31"});
        QueryFixture::addLedger(db(), {2004, 12, "工资所得税", "E1", "张三", yuan("2900"),
                                       yuan("80"), yuan("2820"), "2004-12-31"});
    }

    QueryRun annual(const QString &year, const QString &code, const QString &name = {})
    {
        return RunAnnualTax(db(), {year, code, name}, [](const QString &) { return QString(); });
    }
};

TEST_F(AnnualTaxTest, MonthsByIncomeGroupThenTheYear)
{
    const QueryRun run = annual("2005", "E1");
    ASSERT_TRUE(run.ok()) << run.refusal.toStdString() << db().lastError().toStdString();
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnNames(),
              (QStringList{"Smonth", "EmpId", "EmpName", "OtherIncome", "OtherTaxMoney",
                           "ContingencyIncome", "ContingencyTaxMoney", "ServeIncome",
                           "ServeTaxMoney", "ManageIncome", "ManageTaxMoney", "wageIncome",
                           "wageTaxMoney", "SumIncome", "Sumtax"}));
    ASSERT_EQ(g.rowCount(), 5);
    EXPECT_EQ(row(g, 0), (QStringList{" 3", "E1", "张三", "", "", "", "", "5000.00", "800.00", "",
                                      "", "3000.00", "85.00", "8000.00", "885.00"}));
    EXPECT_EQ(row(g, 1), (QStringList{" 4", "E1", "张三", "", "", "", "", "", "", "", "", "3000.00",
                                      "85.00", "3000.00", "85.00"}));
    // The royalty-only month: the month totals, and nothing in any group.
    EXPECT_EQ(row(g, 2), (QStringList{" 5", "E1", "张三", "", "", "", "", "", "", "", "", "", "",
                                      "2000.00", "168.00"}));
    EXPECT_EQ(row(g, 3),
              (QStringList{" 6", "E1", "张三", "300.00", "60.00", "100.00", "20.00", "", "",
                           "10000.00", "1500.00", "1500.00", "75.00", "11900.00", "1655.00"}));
    EXPECT_EQ(row(g, 4), (QStringList{"合计", " ", " ", "300.00", "60.00", "100.00", "20.00",
                                      "5000.00", "800.00", "10000.00", "1500.00", "7500.00",
                                      "245.00", "24900.00", "2793.00"}));
    EXPECT_EQ(run.heading, "2005年 张三 个人所得税情况一览表");
}

TEST_F(AnnualTaxTest, ExportPutsWagesFirstUnderChineseNames)
{
    const QueryRun run = annual("2005", "E1");
    const auto exported = RunGrid(db(), run.exportStatement);
    ASSERT_TRUE(exported);
    EXPECT_EQ(
        exported->columnNames(),
        (QStringList{"月份", "职工编号", "职工姓名", "工资薪金所得", "工资薪金税金", "承包经营所得",
                     "承包经营税金", "劳务报酬所得", "劳务报酬税金", "股息利息红利所得",
                     "股息利息红利税金", "其他收入所得", "其他收入税金", "收入合计", "税金合计"}));
    EXPECT_EQ(row(*exported, 0),
              (QStringList{" 3", "E1", "张三", "3000.00", "85.00", "", "", "5000.00", "800.00", "",
                           "", "", "", "8000.00", "885.00"}));
    EXPECT_EQ(row(*exported, 4).first(), "合计");

    // The last export statement is kept in sql.ini, on one line, values written in.
    const QString kept = ReadIniValue("sql.ini", "sql", "sql");
    EXPECT_TRUE(kept.startsWith("select c0 as 月份")) << kept.toStdString();
    EXPECT_TRUE(kept.contains("TaxYear = 2005 and EmpId = 'E1'")) << kept.toStdString();
    EXPECT_FALSE(kept.contains(u'?'));
    EXPECT_FALSE(kept.contains(u'\n'));
}

TEST_F(AnnualTaxTest, NameChangedWithinAMonthStillOneRow)
{
    QueryFixture::addLedger(db(), {2005, 4, "其他所得", "E1", "张三丰", yuan("100"), yuan("20"),
                                   yuan("100"), "2005-04-20"});
    const QueryRun run = annual("2005", "e1");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(column(*run.grid, 0), (QStringList{" 3", " 4", " 5", " 6", "合计"}));
    EXPECT_EQ(row(*run.grid, 1).mid(1, 4), (QStringList{"E1", "张三丰", "100.00", "20.00"}));
    EXPECT_EQ(run.grid->displayText(1, 13), "3100.00");
}

TEST_F(AnnualTaxTest, RefusalsInOrder)
{
    EXPECT_EQ(annual(" ", "").refusal, QueryText::ChooseYear);
    EXPECT_EQ(annual("2005", " ", " ").refusal, QueryText::EnterEmployee);
    EXPECT_EQ(annual("2005", "", "钱").refusal, QueryText::NoSuchEmployee);
    // Several names and the picker closed without an answer.
    EXPECT_EQ(annual("2005", "", "张").refusal, QueryText::NoSuchEmployee);
    // An employee without ledger rows in the year.
    EXPECT_EQ(annual("2005", "E4").refusal, QueryText::NoData);
    EXPECT_EQ(annual("2003", "E1").refusal, QueryText::NoData);
}

TEST_F(AnnualTaxTest, OneNameFindsTheEmployee)
{
    const QueryRun run = annual("2004", "", "三");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(column(*run.grid, 0), (QStringList{" 12", "合计"}));
    EXPECT_EQ(run.grid->displayText(1, 13), "2900.00");
}

} // namespace
