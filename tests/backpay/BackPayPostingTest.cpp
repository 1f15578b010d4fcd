#include "BackPayFixture.h"

#include "OrgFixture.h"
#include "TestApp.h"
#include "backpay/BackPayPosting.h"
#include "backpay/BackPayQuery.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"
#include "base/Progress.h"
#include "db/Database.h"

#include <gtest/gtest.h>

using namespace BackPayFixture;

namespace {

const BackPayMonth kMarch{2005, 3};
const BackPayMonth kApril{2005, 4};
const BackPayMonth kPayPeriod{2005, 5};
const QDate kPostingDate(2005, 5, 20);

// A1 and A2 in 一部, both with posted March and April wages; a sheet for both months.
class BackPayPostingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(db(), QStringLiteral("0001"), QStringLiteral("一部"));
        OrgFixture::addEmp(db(), QStringLiteral("A1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("A2"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        for (const char *emp : {"A1", "A2"}) {
            addPostedWage(db(), 2005, 3, emp, QStringLiteral("一部"), M("2000"), M("1600"));
            addPostedWage(db(), 2005, 4, emp, QStringLiteral("一部"), M("2100"), M("1600"));
        }
        ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch, kApril}));
        ASSERT_TRUE(m_sheet.add(BackPayStaff::company()));
    }

    Database &db() { return m_app.db(); }
    int rows(const QString &table)
    {
        return count(db(), QStringLiteral("select count(*) from ") + table);
    }
    BackPayPostResult post() { return PostBackPay(db(), m_rates, kPostingDate, m_progress); }
    std::optional<QDate> choose(const QString &title, int year, int month)
    {
        m_asked << QStringLiteral("%1 %2-%3").arg(title).arg(year).arg(month);
        return m_answer;
    }

    TestApp m_app;
    TaxRates m_rates = exampleRates();
    ScriptedMessageService m_messages;
    CountingProgress m_progress;
    BackPaySheet m_sheet{m_app.db(), m_rates, m_messages};
    QStringList m_asked;
    std::optional<QDate> m_answer = kPostingDate;
};

} // namespace

TEST_F(BackPayPostingTest, TwoMonthsMakeTwoMonthRowsAndOneLedgerRowWithTheSums)
{
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kApril, M("100")));
    const BackPayPostResult result = post();
    ASSERT_EQ(result.outcome, BackPayPostResult::Outcome::Posted) << result.error.toStdString();
    EXPECT_EQ(result.payPeriod, kPayPeriod);

    const auto months = db().query(QStringLiteral(
        "select CurrYear, CurrMonth, ReissueYear, ReissueMonth, EmpId, ReissueMoney from "
        "ReissueMonth order by ReissueMonth"));
    ASSERT_TRUE(months.has_value());
    ASSERT_EQ(months->rowCount(), 2); // A2's zeros write nothing
    EXPECT_EQ(months->row(0).mid(0, 5), QVariantList({2005, 5, 2005, 3, QStringLiteral("A1")}));
    EXPECT_EQ(months->money(0, 5), M("300"));
    EXPECT_EQ(months->row(1).mid(0, 5), QVariantList({2005, 5, 2005, 4, QStringLiteral("A1")}));
    EXPECT_EQ(months->money(1, 5), M("100"));

    const auto ledger = db().query(QStringLiteral(
        "select TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpType, DeptID, Income, FactIncome, "
        "TaxMoney, TaxRate, TaxDate, MinusFare, EmpCardNo from TaxIncome"));
    ASSERT_TRUE(ledger.has_value());
    ASSERT_EQ(ledger->rowCount(), 1);
    EXPECT_EQ(
        ledger->row(0).mid(0, 7),
        QVariantList({2005, 5, QStringLiteral("补发工资"), QStringLiteral("A1"),
                      QStringLiteral("张三"), QStringLiteral("中方"), QStringLiteral("0001")}));
    EXPECT_EQ(ledger->money(0, 7), M("400"));
    EXPECT_EQ(ledger->money(0, 8), M("400"));
    EXPECT_EQ(ledger->money(0, 9), M("35")); // 25.00 for March, 10.00 for April
    EXPECT_EQ(ledger->money(0, 10), M("0"));
    EXPECT_EQ(ledger->text(0, 11), QStringLiteral("2005-05-20"));
    EXPECT_EQ(ledger->money(0, 12), M("0"));
    EXPECT_EQ(ledger->text(0, 13), QStringLiteral("11010119800101A1"));

    EXPECT_EQ(rows(QStringLiteral("ReissueTemp")), 0);
    EXPECT_EQ(m_progress.maximum, 3);
    EXPECT_EQ(m_progress.steps, 3);
    EXPECT_EQ(m_progress.finished, 1);
}

TEST_F(BackPayPostingTest, AFailedPostingLeavesEverythingAsItWas)
{
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    // The ledger refuses the row after the month rows were written.
    ASSERT_TRUE(db().exec(QStringLiteral("create trigger refuse before insert on TaxIncome "
                                         "begin select raise(abort, 'ledger locked'); end")));
    const BackPayPostResult result = post();
    EXPECT_EQ(result.outcome, BackPayPostResult::Outcome::Failed);
    EXPECT_EQ(result.error, QStringLiteral("ledger locked"));
    EXPECT_EQ(rows(QStringLiteral("ReissueMonth")), 0);
    EXPECT_EQ(rows(QStringLiteral("TaxIncome")), 0);
    EXPECT_EQ(rows(QStringLiteral("ReissueTemp")), 2);
    EXPECT_EQ(sheetAmount(db(), QStringLiteral("A1"), QStringLiteral("2005年3月补发工资")),
              M("300"));

    // Once the ledger takes rows again, a retry posts the back pay exactly once.
    ASSERT_TRUE(db().exec(QStringLiteral("drop trigger refuse")));
    ASSERT_EQ(post().outcome, BackPayPostResult::Outcome::Posted);
    EXPECT_EQ(rows(QStringLiteral("ReissueMonth")), 1);
    EXPECT_EQ(rows(QStringLiteral("TaxIncome")), 1);
}

TEST_F(BackPayPostingTest, TheMenuPostingAsksTheDateAndSaysHowItWent)
{
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A2"), kApril, M("10")));
    const auto chooser = [this](const QString &t, int y, int m) { return choose(t, y, m); };

    m_answer.reset();
    EXPECT_FALSE(PostPendingBackPay(db(), m_rates, m_messages, chooser, m_progress).has_value());
    EXPECT_EQ(m_asked, QStringList({"补发工资过账 2005-5"}));
    EXPECT_TRUE(m_messages.boxes().isEmpty()); // a cancel says nothing
    EXPECT_EQ(rows(QStringLiteral("ReissueTemp")), 2);

    m_answer = kPostingDate;
    EXPECT_EQ(PostPendingBackPay(db(), m_rates, m_messages, chooser, m_progress), kPayPeriod);
    EXPECT_EQ(m_messages.lastText(), BackPayText::postDone());

    m_asked.clear();
    EXPECT_FALSE(PostPendingBackPay(db(), m_rates, m_messages, chooser, m_progress).has_value());
    EXPECT_EQ(m_messages.lastText(), BackPayText::nothingToPost());
    EXPECT_TRUE(m_asked.isEmpty());
}

TEST_F(BackPayPostingTest, TwoBackPaysInOnePeriodMakeTwoLedgerRows)
{
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    ASSERT_EQ(post().outcome, BackPayPostResult::Outcome::Posted);

    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::employee(QStringLiteral("A1"))));
    // The first back pay now counts as taxed: March's base is 2300.
    EXPECT_EQ(sheetAmount(db(), QStringLiteral("A1"), QStringLiteral("2005年3月应税工资")),
              M("2300"));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    ASSERT_EQ(post().outcome, BackPayPostResult::Outcome::Posted);

    const auto ledger = db().query(QStringLiteral(
        "select Income, TaxMoney from TaxIncome where TaxType = '补发工资' order by ID"));
    ASSERT_TRUE(ledger.has_value());
    ASSERT_EQ(ledger->rowCount(), 2);
    EXPECT_EQ(ledger->money(0, 1), M("25"));
    EXPECT_EQ(ledger->money(1, 1), M("30")); // above the first

    // The query adds both postings up for the period.
    const auto statement = BackPayQuerySql(db(), kPayPeriod);
    ASSERT_TRUE(statement.has_value());
    const auto grid = ReadBackPayQuery(db(), *statement);
    ASSERT_TRUE(grid.has_value()) << db().lastError().toStdString();
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->money(0, QStringLiteral("2005年3月")), M("600"));
    EXPECT_EQ(grid->money(0, QStringLiteral("合计补发工资")), M("600"));
    EXPECT_EQ(grid->money(0, QStringLiteral("扣税")), M("55"));
    EXPECT_EQ(grid->money(0, QStringLiteral("实际补发")), M("545"));
}

TEST_F(BackPayPostingTest, SomeoneNoLongerEmployedGetsHisMonthsButNoLedgerRow)
{
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A2"), kMarch, M("200")));
    ASSERT_TRUE(db().exec(QStringLiteral("delete from Employee where EmpID = 'A2'")));
    ASSERT_EQ(post().outcome, BackPayPostResult::Outcome::Posted);
    EXPECT_EQ(rows(QStringLiteral("ReissueMonth")), 2);
    EXPECT_EQ(count(db(), QStringLiteral("select count(*) from TaxIncome where EmpId = 'A2'")), 0);

    // ... and so the query, which needs the ledger, leaves him out.
    const auto grid = ReadBackPayQuery(db(), *BackPayQuerySql(db(), kPayPeriod));
    ASSERT_TRUE(grid.has_value());
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->text(0, QStringLiteral("员工编号")), QStringLiteral("A1"));
}
