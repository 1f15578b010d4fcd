#include "QueryTestBase.h"

#include "queries/QueryTexts.h"
#include "queries/TaxQueries.h"

using QueryFixture::yuan;

namespace {

const QString kTotal = QStringLiteral(" 合 计 ");

class TaxQueriesTest : public QueryTestBase
{
protected:
    TaxQueriesTest()
    {
        using QueryFixture::addLedger;
        addLedger(db(), {2005, 3, "工资所得税", "E1", "张三", yuan("3000"), yuan("85"),
                         yuan("2465"), "2005-03-31"});
        addLedger(db(), {2005, 3, "劳务报酬收入", "E1", "张三", yuan("5000"), yuan("800"),
                         yuan("4200"), "2005-03-10"});
        addLedger(db(), {2005, 3, "一次性奖金", "E4", "赵六", yuan("1000"), yuan("50"), yuan("950"),
                         "2005-03-31"});
        addLedger(db(), {2005, 4, "工资所得税", "E2", "李四", yuan("2000"), yuan("20"),
                         yuan("1680"), "2005-04-30"});
        addLedger(db(), {2005, 4, "工资所得税", "F1", "Smith", yuan("20000"), yuan("3000"),
                         yuan("17000"), "2005-04-30", "外方"});
    }

    QueryRun payout(const QString &month, const QString &code, const QString &name)
    {
        return RunPayout(db(), {"2005", month, code, name}, [this](const QString &n) {
            asked << n;
            return QStringLiteral("E1");
        });
    }
    QStringList asked;
};

const QStringList kHighIncomeColumns{
    "EmpName", "EmpId",     "EmpCardNo",       "EmpType",   "TaxType",  "DeptID",
    "Address", "TaxRate",   "TakeOutMoney",    "TaxNumber", "TaxDate",  "FactIncome",
    "Income",  "TaxIncome", "ReceiveTaxMoney", "MinusFare", "TaxMoney", "OughtTaxMoney"};

TEST_F(TaxQueriesTest, HighIncomeListsRowsReachingTheLimitByCodeAndDate)
{
    const QueryRun run = RunHighIncome(db(), {"2005", "3", "2000", "中方"});
    ASSERT_TRUE(run.ok()) << run.refusal.toStdString();
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnNames(), kHighIncomeColumns);
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(column(g, 4), (QStringList{"劳务报酬收入", "工资所得税", ""}));
    EXPECT_EQ(row(g, 0).mid(0, 4), (QStringList{"张三", "E1", "110101E1", "中方"}));
    EXPECT_EQ(row(g, 0).at(7), "0.00"); // the rate, shown like an amount
    EXPECT_EQ(row(g, 2), (QStringList{kTotal, "", "", "", "", "", "", "", "", "", "", "6665.00",
                                      "8000.00", "0.00", "0.00", "0.00", "885.00", "0.00"}));
}

TEST_F(TaxQueriesTest, HighIncomeLimitZeroListsTheWholeMonthOfTheType)
{
    const QueryRun domestic = RunHighIncome(db(), {"2005", "3", "0", "中方"});
    ASSERT_TRUE(domestic.ok());
    EXPECT_EQ(column(*domestic.grid, 1), (QStringList{"E1", "E1", "E4", ""}));
    EXPECT_EQ(domestic.grid->displayText(3, 11), "7615.00");

    const QueryRun foreign = RunHighIncome(db(), {"2005", "4", "0", "外方"});
    ASSERT_TRUE(foreign.ok());
    EXPECT_EQ(column(*foreign.grid, 1), (QStringList{"F1", ""}));
}

TEST_F(TaxQueriesTest, HighIncomeRefusals)
{
    EXPECT_EQ(RunHighIncome(db(), {"2005", "", "0", "中方"}).refusal, QueryText::ChooseMonth);
    EXPECT_EQ(RunHighIncome(db(), {"2005", "3", " ", "中方"}).refusal, QueryText::EnterIncomeLimit);
    EXPECT_EQ(RunHighIncome(db(), {"2005", "3", "0", ""}).refusal, QueryText::ChooseEmpType);
    EXPECT_EQ(RunHighIncome(db(), {"2005", "3", "99999", "中方"}).refusal, QueryText::NoData);
    EXPECT_EQ(RunHighIncome(db(), {"", "3", "0", "中方"}).refusal, QueryText::NoData);
}

TEST_F(TaxQueriesTest, ExportsCarryChineseNamesAndNoTotalRow)
{
    const QueryRun high = RunHighIncome(db(), {"2005", "3", "0", "中方"});
    const auto exported = RunGrid(db(), high.exportStatement);
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported->columnNames(),
              (QStringList{"人员编号", "姓名", "身份证号", "人员类型", "收入类型", "实际收入",
                           "纳税收入", "减除费用", "应纳税所得", "速算扣除数", "税率", "税额",
                           "纳税证号", "纳税日期"}));
    EXPECT_EQ(exported->rowCount(), 3);

    const QueryRun all = payout("3", "", "");
    const auto payoutExport = RunGrid(db(), all.exportStatement);
    ASSERT_TRUE(payoutExport);
    EXPECT_EQ(
        payoutExport->columnNames(),
        (QStringList{"姓名", "人员编号", "身份证号", "人员类型", "收入类型", "纳税收入", "费用减除",
                     "应纳税所得", "速算扣除数", "税率", "税额", "完税证号", "纳税日期"}));
    EXPECT_EQ(payoutExport->rowCount(), 3);
}

TEST_F(TaxQueriesTest, PayoutWithoutEmployeeListsTheMonthByNameThenDate)
{
    const QueryRun run = payout("3", " ", "");
    ASSERT_TRUE(run.ok());
    const ResultGrid &g = *run.grid;
    EXPECT_EQ(g.columnName(0), "EmpId");
    EXPECT_EQ(column(g, 0), (QStringList{"E1", "E1", "E4", kTotal}));
    EXPECT_EQ(column(g, 10), (QStringList{"2005-03-10", "2005-03-31", "2005-03-31", ""}));
    EXPECT_EQ(g.displayText(3, g.columnIndex("Income")), "9000.00");
    EXPECT_EQ(g.displayText(3, g.columnIndex("TaxMoney")), "935.00");
    EXPECT_EQ(g.columnIndex("FactIncome"), -1);
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(TaxQueriesTest, PayoutNamesComeInPinyinOrder)
{
    // 李 (li) sorts before 张 (zhang) and 赵 (zhao) though its character code lies between.
    QueryFixture::addLedger(db(), {2005, 3, "工资所得税", "E2", "李四", yuan("2000"), yuan("20"),
                                   yuan("1680"), "2005-03-31"});
    const QueryRun run = payout("3", "", "");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(column(*run.grid, 1), (QStringList{"李四", "张三", "张三", "赵六", ""}));
}

TEST_F(TaxQueriesTest, PayoutOfOneEmployee)
{
    const QueryRun run = payout("3", "e1", "赵");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(run.grid->columnName(0), "EmpName");
    EXPECT_EQ(column(*run.grid, 0), (QStringList{"张三", "张三", kTotal}));
    EXPECT_EQ(column(*run.grid, 4), (QStringList{"劳务报酬收入", "工资所得税", ""}));
    EXPECT_EQ(run.grid->displayText(2, run.grid->columnIndex("Income")), "8000.00");

    // Several names: the picker's answer.
    EXPECT_EQ(payout("3", "", "张").grid->rowCount(), 3);
    EXPECT_EQ(asked, QStringList{"张"});
}

TEST_F(TaxQueriesTest, PayoutOfANameMatchingNobodyListsNothing)
{
    EXPECT_EQ(payout("3", "", "钱").refusal, QueryText::NoData);
    EXPECT_EQ(payout("", "", "").refusal, QueryText::ChooseMonth);
    EXPECT_EQ(payout("5", "", "").refusal, QueryText::NoData);
}

} // namespace
