#include "LedgerFixture.h"
#include "TestApp.h"

#include "returns/PaymentDetailData.h"

#include <gtest/gtest.h>

namespace {

using namespace PaymentDetail;

LedgerRow row(const char *empId, const char *name, const char *cardNo, const char *type,
              const char *income, const char *tax)
{
    LedgerRow r;
    r.empId = QString::fromUtf8(empId);
    r.empName = QString::fromUtf8(name);
    r.cardNo = QString::fromUtf8(cardNo);
    r.taxType = QString::fromUtf8(type);
    r.income = income;
    r.taxMoney = tax;
    return r;
}

// September 2005 of Chinese staff: 张三 in every group (one row without tax), 李四 with a
// royalty only, 王五 with nothing paid, 赵六 whose rows carry two names; a foreign employee
// and a row of August beside them.
void addSeptember(Database &db)
{
    const char *card1 = "110101197001010011";
    AddLedgerRow(db, row("E1", "张三", card1, "工资所得税", "5000", "505"));
    AddLedgerRow(db, row("E1", "张三", card1, "一次性奖金", "2000", "100"));
    AddLedgerRow(db, row("E1", "张三", card1, "补发工资", "1000", "100"));
    AddLedgerRow(db, row("E1", "张三", card1, "劳务报酬收入", "3000", "440"));
    AddLedgerRow(db, row("E1", "张三", card1, "利息股息偶然所得", "1000", "200"));
    AddLedgerRow(db, row("E1", "张三", card1, "其他所得", "500", "0"));
    AddLedgerRow(db, row("E2", "李四", "110101197001010022", "稿酬", "4000", "448"));
    AddLedgerRow(db, row("E3", "王五", "110101197001010033", "承包经营收入", "0", "0"));
    AddLedgerRow(db, row("E4", "赵六", "110101197001010044", "工资所得税", "3000", "45"));
    AddLedgerRow(db, row("E4", "赵陆", "110101197001010044", "承包经营收入", "20000", "3250"));
    LedgerRow foreign = row("E5", "Smith", "P1234567", "工资所得税", "10000", "825");
    foreign.empType = QStringLiteral("外方");
    AddLedgerRow(db, foreign);
    LedgerRow august = row("E1", "张三", card1, "工资所得税", "5000", "505");
    august.month = 8;
    AddLedgerRow(db, august);
}

TEST(PaymentDetail, OneLinePerEmployeeWithHisIncomeAndTaxInTheFiveGroups)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 9}, false);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->columns(), columnNames());
    ASSERT_EQ(t->dataRowCount(), 5);
    EXPECT_EQ(t->rowTexts(0), (QStringList{"AA", " 合 计 ", " ", "39500.00", "5088.00", "11000.00",
                                           "750.00", "20000.00", "3250.00", "3000.00", "440.00",
                                           "1000.00", "200.00", "500.00", "-"}));
    // By name in pinyin order: li, zhang, zhao liu, zhao lu.
    EXPECT_EQ(t->rowTexts(2), (QStringList{"E1", "张三", "110101197001010011", "12500.00",
                                           "1345.00", "8000.00", "705.00", "-", "-", "3000.00",
                                           "440.00", "1000.00", "200.00", "500.00", "-"}));
    // A royalty counts in the sums only.
    EXPECT_EQ(t->rowTexts(1), (QStringList{"E2", "李四", "110101197001010022", "4000.00", "448.00",
                                           "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}));
}

TEST(PaymentDetail, AnEmployeeUnderTwoNamesIsListedUnderEachWithHisFullSums)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 9}, false);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->dataRowCount(), 5);
    const QStringList sums{"23000.00", "3295.00", "3000.00", "45.00", "20000.00", "3250.00",
                           "-",        "-",       "-",       "-",     "-",        "-"};
    EXPECT_EQ(t->rowTexts(3), QStringList({"E4", "赵六", "110101197001010044"}) + sums);
    EXPECT_EQ(t->rowTexts(4), QStringList({"E4", "赵陆", "110101197001010044"}) + sums);
    // 王五 was paid nothing and is not listed.
    for (int r = 0; r < t->dataRowCount(); ++r) {
        EXPECT_NE(t->text(r, EmpName), QStringLiteral("王五"));
    }
}

TEST(PaymentDetail, ForeignStaffHaveTheirOwnStatement)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 9}, true);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->dataRowCount(), 2);
    EXPECT_EQ(t->text(1, EmpName), QStringLiteral("Smith"));
    EXPECT_EQ(t->text(0, SumIncome), QStringLiteral("10000.00"));
    EXPECT_EQ(t->text(0, wageTaxMoney), QStringLiteral("825.00"));
    EXPECT_EQ(t->fillerCount(), 10);
}

TEST(PaymentDetail, AnEmptyMonthPrintsTheTotalLineWithDashesAndElevenBlankLines)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2006, 1}, false);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->dataRowCount(), 1);
    QStringList expected{"AA", " 合 计 ", " "};
    for (int c = SumIncome; c < ColumnCount; ++c) {
        expected << QStringLiteral("-");
    }
    EXPECT_EQ(t->rowTexts(0), expected);
    EXPECT_EQ(t->fillerCount(), 11);
    EXPECT_EQ(t->rowTexts(11), QStringList(15, QStringLiteral(" ")));
}

TEST(PaymentDetail, FillerLines)
{
    const std::pair<int, int> cases[] = {{1, 11},  {5, 7},  {11, 1}, {12, 5}, {15, 2},
                                         {16, 11}, {26, 1}, {27, 5}, {29, 3}, {30, 12}};
    for (const auto &[rows, fillers] : cases) {
        EXPECT_EQ(fillerCount(rows), fillers) << rows;
    }
}

TEST(PaymentDetail, AnUnreadableLedgerGivesNothing)
{
    TestApp app;
    app.exec(QStringLiteral("alter table TaxIncome rename to Gone"));
    EXPECT_FALSE(load(app.db(), {2005, 9}, false));
}

} // namespace
