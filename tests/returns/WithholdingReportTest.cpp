#include "LedgerFixture.h"
#include "TestApp.h"

#include "returns/PaymentDetailData.h"
#include "returns/WithholdingReportData.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace WithholdingReport;

// A ledger row with its figures: income, deduction, taxable amount, rate, quick deduction
// and tax withheld.
LedgerRow taxed(const char *empId, const char *name, const char *cardNo, const char *type,
                std::array<const char *, 6> figures)
{
    LedgerRow r;
    r.empId = QString::fromUtf8(empId);
    r.empName = QString::fromUtf8(name);
    r.cardNo = QString::fromUtf8(cardNo);
    r.taxType = QString::fromUtf8(type);
    r.income = figures[0];
    r.minusFare = figures[1];
    r.taxIncome = figures[2];
    r.rate = figures[3];
    r.takeOut = figures[4];
    r.taxMoney = figures[5];
    return r;
}

// September 2005: three taxed rows of Chinese staff, one untaxed and one with a negative
// tax (neither listed nor summed), a foreign employee's row and a row of August.
void addSeptember(Database &db)
{
    // 4200 x 15% - 125 = 505
    LedgerRow wage = taxed("E001", "张三", "110102197001010011", "工资所得税",
                           {"5000", "800", "4200", "0.15", "125", "505"});
    wage.address = QStringLiteral("北京市东城区");
    wage.taxNumber = QStringLiteral("(95)京地税001");
    wage.taxDate = QStringLiteral("2005-10-07");
    AddLedgerRow(db, wage);
    // 2200 x 20% = 440
    AddLedgerRow(db, taxed("E002", "李四", "110101197001010022", "劳务报酬收入",
                           {"3000", "800", "2200", "0.2", "0", "440"}));
    AddLedgerRow(db, taxed("E003", "王五", "110100197001010033", "工资所得税",
                           {"700", "800", "0", "0", "0", "0"}));
    AddLedgerRow(db, taxed("E004", "钱七", "110100197001010044", "其他所得",
                           {"100", "0", "0", "0", "0", "-10"}));
    AddLedgerRow(db, taxed("E005", "赵六", "110103197001010055", "利息股息偶然所得",
                           {"2.5", "0", "2.5", "0.2", "0", "0.5"}));
    // 6000 x 20% - 375 = 825
    LedgerRow foreign = taxed("E006", "Smith", "P1234567", "工资所得税",
                              {"10000", "4000", "6000", "0.2", "375", "825"});
    foreign.empType = QStringLiteral("外方");
    AddLedgerRow(db, foreign);
    LedgerRow august = taxed("E001", "张三", "110102197001010011", "工资所得税",
                             {"5000", "800", "4200", "0.15", "125", "505"});
    august.month = 8;
    AddLedgerRow(db, august);
}

QStringList column(const FormTable &t, Column c)
{
    QStringList texts;
    for (int r = 0; r < t.dataRowCount(); ++r) {
        texts << t.text(r, c);
    }
    return texts;
}

TEST(WithholdingReport, ListsTheTaxedRowsOfTheMonthByCardNumberUnderTheirTotal)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 9}, false);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->columns(), columnNames());
    EXPECT_EQ(t->columnCount(), 22);
    EXPECT_EQ(column(*t, EmpName), (QStringList{QStringLiteral("合  计"), QStringLiteral("李四"),
                                                QStringLiteral("张三"), QStringLiteral("赵六")}));
    EXPECT_EQ(column(*t, Income), (QStringList{"8002.50", "3000.00", "5000.00", "2.50"}));
    EXPECT_EQ(column(*t, MinusFare), (QStringList{"1600.00", "800.00", "800.00", "-"}));
    EXPECT_EQ(column(*t, TaxIncome), (QStringList{"6402.50", "2200.00", "4200.00", "2.50"}));
    EXPECT_EQ(column(*t, TakeOutMoney), (QStringList{"125.00", "-", "125.00", "-"}));
    EXPECT_EQ(column(*t, TaxMoney), (QStringList{"945.50", "440.00", "505.00", ".50"}));
    EXPECT_EQ(column(*t, TaxRate), (QStringList{" ", " 20%", " 15%", " 20%"}));
    EXPECT_EQ(column(*t, IncomePeriod), (QStringList{" ", " 2005-9", " 2005-9", " 2005-9"}));
    // Columns that are not printed still carry their texts.
    EXPECT_EQ(column(*t, ReceiveTaxMoney), (QStringList{"-", "-", "-", "-"}));
    EXPECT_EQ(column(*t, ForeignIncome), (QStringList{" ", "-", "-", "-"}));
    EXPECT_EQ(column(*t, ForeignExchange), (QStringList{" ", "0", "0", "0"}));
}

TEST(WithholdingReport, ALedgerRowKeepsItsTexts)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 9}, false);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->rowTexts(2), (QStringList{" 2005-9",
                                           "工资所得税",
                                           "张三",
                                           "110102197001010011",
                                           "中方",
                                           "0001",
                                           "北京市东城区",
                                           "-",
                                           "-",
                                           "",
                                           "0",
                                           "-",
                                           "5000.00",
                                           "4200.00",
                                           " 15%",
                                           "125.00",
                                           "-",
                                           "800.00",
                                           "505.00",
                                           "-",
                                           "(95)京地税001",
                                           "2005-10-07"}));
    // The total row: the sums, "合  计", and one blank in every other cell.
    EXPECT_EQ(t->rowTexts(0),
              (QStringList{" ", " ",       "合  计", " ", " ",       " ",       " ", " ",
                           " ", " ",       " ",      "-", "8002.50", "6402.50", " ", "125.00",
                           "-", "1600.00", "945.50", "-", " ",       " "}));
}

TEST(WithholdingReport, DomesticAndForeignReportsListDisjointRows)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 9}, true);
    ASSERT_TRUE(t);
    EXPECT_EQ(column(*t, EmpName), (QStringList{"合  计", "Smith"}));
    EXPECT_EQ(column(*t, TaxMoney), (QStringList{"825.00", "825.00"}));
    EXPECT_EQ(column(*t, TakeOutMoney), (QStringList{"375.00", "375.00"}));
}

TEST(WithholdingReport, AMonthWithoutTaxStillGivesTheTotalRowWithEmptySums)
{
    TestApp app;
    addSeptember(app.db());
    const auto t = load(app.db(), {2005, 10}, false);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->dataRowCount(), 1);
    EXPECT_EQ(t->text(0, EmpName), QStringLiteral("合  计"));
    EXPECT_EQ(t->text(0, Income), QString());
    EXPECT_EQ(t->text(0, TaxMoney), QString());
    EXPECT_EQ(t->fillerCount(), 18);
    EXPECT_EQ(t->rowCount(), 19);
    EXPECT_EQ(t->text(5, EmpName), QStringLiteral(" ")); // a filler row
}

TEST(WithholdingReport, FillerRowsLeaveOneRowForTheLastPage)
{
    const std::pair<int, int> cases[] = {{1, 18}, {4, 15},  {17, 2}, {18, 19},
                                         {34, 3}, {35, 20}, {52, 3}, {53, 20}};
    for (const auto &[rows, fillers] : cases) {
        EXPECT_EQ(fillerCount(rows), fillers) << rows;
        EXPECT_EQ((rows + fillers - 19) % 18, 0) << rows;
    }
}

TEST(WithholdingReport, AnUnreadableLedgerGivesNothing)
{
    TestApp app;
    app.exec(QStringLiteral("drop table TaxIncome"));
    EXPECT_FALSE(load(app.db(), {2005, 9}, false));
}

} // namespace

namespace {

// The filler rows do not depend on the ledger holding any row at all.
TEST(WithholdingReport, AnEmptyLedgerStillFillsThePage)
{
    TestApp app;
    const auto report = WithholdingReport::load(app.db(), {2005, 9}, false);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->rowCount(), 19);
    const auto detail = PaymentDetail::load(app.db(), {2005, 9}, false);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->rowCount(), 12);
}

} // namespace
