// Posting: the ledger rows of each case, worked out by hand, and a posting that lands whole or
// not at all.

#include "../tax/TaxTestRates.h"
#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "payroll/WagePosting.h"

#include <gtest/gtest.h>

using PayrollFixture::addWageRow;

namespace {

struct Ledger
{
    const char *type;
    const char *income, *fact, *minusFare, *taxIncome, *rate, *quick, *tax;
};

void expectRow(const RdTaxIncome &r, const Ledger &l, const char *what)
{
    EXPECT_EQ(r.TaxType, QString::fromUtf8(l.type)) << what;
    EXPECT_EQ(r.Income, M(l.income)) << what;
    EXPECT_EQ(r.FactIncome, M(l.fact)) << what;
    EXPECT_EQ(r.MinusFare, M(l.minusFare)) << what;
    EXPECT_EQ(r.TaxIncome, M(l.taxIncome)) << what;
    EXPECT_EQ(r.TaxRate, M(l.rate)) << what;
    EXPECT_EQ(r.TakeOutMoney, M(l.quick)) << what;
    EXPECT_EQ(r.TaxMoney, M(l.tax)) << what;
    EXPECT_EQ(r.TaxYear, 2005) << what;
    EXPECT_EQ(r.TaxMonth, 3) << what;
    EXPECT_EQ(r.TaxDate, QStringLiteral("2005-04-05")) << what;
}

PostingRow posting(const char *type, const char *taxable, const char *gross, const char *funds,
                   const char *bonus)
{
    return {QStringLiteral("E1"),
            QString::fromUtf8(type),
            M(taxable),
            M(gross),
            M(funds),
            M("0"),
            M("0"),
            M(bonus),
            std::nullopt};
}

QList<RdTaxIncome> ledgerOf(const PostingRow &row)
{
    const auto rows = LedgerRowsFor(row, handRates(), 2005, 3, QStringLiteral("2005-04-05"));
    EXPECT_TRUE(rows.has_value());
    return rows.value_or(QList<RdTaxIncome>{});
}

TEST(LedgerRowsFor, WithoutABonusTheWageRowOnly)
{
    // Taxable pay 2300 out of a gross of 3100 with 600 of funds: 1500 taxed at 10% less 25.
    const auto rows = ledgerOf(posting("中方", "2300", "3100", "600", "0"));
    ASSERT_EQ(rows.size(), 1);
    expectRow(rows[0], {"工资所得税", "2300", "2500", "800", "1500", "0.10", "25", "125"}, "wage");
    // No tax at all still makes a row.
    const auto none = ledgerOf(posting("中方", "0", "0", "0", "0"));
    ASSERT_EQ(none.size(), 1);
    expectRow(none[0], {"工资所得税", "0", "0", "800", "0", "0", "0", "0"}, "zero");
}

TEST(LedgerRowsFor, ABonusWithPayAboveTheDeductionAddsABonusRow)
{
    // Wage 5000: 4200 at 15% less 125; bonus 6000 on its own bracket, 20% less 375.
    const auto rows = ledgerOf(posting("中方", "5000", "11000", "0", "6000"));
    ASSERT_EQ(rows.size(), 2);
    expectRow(rows[0], {"工资所得税", "5000", "5000", "800", "4200", "0.15", "125", "505"}, "wage");
    expectRow(rows[1], {"一次性奖金", "6000", "6000", "0", "6000", "0.20", "375", "825"}, "bonus");
}

TEST(LedgerRowsFor, ABonusWithPayBelowTheDeductionCarriesTheWage)
{
    // Wage 500 leaves 300 of the deduction: 500 + 3000 - 800 = 2700 at 15% less 125.
    const auto rows = ledgerOf(posting("中方", "500", "3500", "0", "3000"));
    ASSERT_EQ(rows.size(), 1);
    expectRow(rows[0], {"一次性奖金", "3500", "3500", "800", "2700", "0.15", "125", "280"},
              "bonus");
}

TEST(LedgerRowsFor, AnyTypeButChineseIsPostedOnTheForeignRates)
{
    // 10000 less the foreign deduction of 4000: 6000 at 20% less 375.
    for (const char *type : {"外方", "港方"}) {
        const auto rows = ledgerOf(posting(type, "10000", "10000", "0", "0"));
        ASSERT_EQ(rows.size(), 1);
        expectRow(rows[0], {"工资所得税", "10000", "10000", "4000", "6000", "0.20", "375", "825"},
                  type);
    }
}

class Posting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(db(), QStringLiteral("0001"), QStringLiteral("部门一"));
        OrgFixture::addEmp(db(), QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("E2"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        // e1 on the sheet is employee E1: his ledger row gets his name.
        addWageRow(db(), 2005, 3, QStringLiteral("e1"), QStringLiteral("部门一"), false,
                   {{QStringLiteral("应税工资"), M("5000")},
                    {QStringLiteral("应发工资"), M("11000")},
                    {QStringLiteral("一次性奖金"), M("6000")}});
        addWageRow(db(), 2005, 3, QStringLiteral("E2"), QStringLiteral("部门一"), false,
                   {{QStringLiteral("应税工资"), M("2300")},
                    {QStringLiteral("应发工资"), M("3100")},
                    {QStringLiteral("养老保险金"), M("240")},
                    {QStringLiteral("医疗保险金"), M("60")},
                    {QStringLiteral("住房公积金"), M("300")}});
    }
    Database &db() { return app.db(); }
    bool post()
    {
        return PostWageSheet(db(), rates, messages, QStringLiteral("2005-04-05"), 2005, 3, 1,
                             progress);
    }
    int count(const char *sql) { return app.scalar(QString::fromUtf8(sql)).toInt(); }

    TestApp app;
    TaxRates rates = handRates();
    ScriptedMessageService messages;
    CountingProgress progress;
};

TEST_F(Posting, WritesTheLedgerMarksTheMonthAndRecordsItsItems)
{
    ASSERT_TRUE(post()) << messages.lastText().toStdString();
    const auto r = db().query(QStringLiteral("select EmpId, EmpName, TaxType, Income, FactIncome, "
                                             "TaxMoney, TaxDate from TaxIncome order by ID"));
    ASSERT_TRUE(r && r->rowCount() == 3);
    EXPECT_EQ(r->text(0, 1), QStringLiteral("张三"));
    EXPECT_EQ(r->text(1, 2), QStringLiteral("一次性奖金"));
    EXPECT_EQ(r->money(1, 5), M("825"));
    EXPECT_EQ(r->text(2, 0), QStringLiteral("E2"));
    EXPECT_EQ(r->money(2, 4), M("2500"));
    EXPECT_EQ(r->text(2, 6), QStringLiteral("2005-04-05"));
    EXPECT_EQ(count("select count(*) from Wage where WageState = '已完成'"), 2);
    EXPECT_EQ(count("select count(*) from WageItem where ItemYear = 2005 and ItemMonth = 3"), 5);
    EXPECT_EQ(count("select count(*) from WageItem where ItemType = '基本项'"), 1);
    EXPECT_EQ(progress.caption, QStringLiteral("正在过账,请稍等..."));
    EXPECT_EQ(progress.steps, 2);
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST_F(Posting, AMonthIsNeverPostedTwice)
{
    ASSERT_TRUE(post());
    EXPECT_FALSE(post());
    EXPECT_EQ(messages.lastText(), QStringLiteral("工资数据已过账！"));
    EXPECT_EQ(count("select count(*) from TaxIncome"), 3);
}

TEST_F(Posting, AFailedPostingLeavesNothingBehind)
{
    // The second employee's ledger row cannot be written.
    app.exec(QStringLiteral("create trigger NoE2 before insert on TaxIncome when new.EmpId = 'E2' "
                            "begin select raise(abort, 'disk full'); end"));
    EXPECT_FALSE(post());
    EXPECT_EQ(messages.boxes().value(0).kind, ScriptedMessageService::Kind::Error);
    EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("过账失败！")));
    EXPECT_TRUE(messages.lastText().contains(QStringLiteral("disk full")));
    EXPECT_EQ(count("select count(*) from TaxIncome"), 0);
    EXPECT_EQ(count("select count(*) from Wage where WageState = '草稿中'"), 2);
    EXPECT_EQ(count("select count(*) from WageItem"), 0);

    // Once the cause is gone the month posts whole, once.
    app.exec(QStringLiteral("drop trigger NoE2"));
    messages.clear();
    ASSERT_TRUE(post()) << messages.lastText().toStdString();
    EXPECT_EQ(count("select count(*) from TaxIncome"), 3);
}

TEST_F(Posting, FromTheMainWindowTheLatestDraft)
{
    PostLatestDraftHooks hooks;
    bool windowOpen = true;
    bool broughtForward = false;
    QString askedTitle;
    hooks.wageWindowOpen = [&] { return windowOpen; };
    hooks.showWageWindow = [&] { broughtForward = true; };
    hooks.choosePostingDate = [&](const QString &title, int year, int month) {
        askedTitle = QStringLiteral("%1 %2-%3").arg(title).arg(year).arg(month);
        return std::optional<QString>(QStringLiteral("2005-04-05"));
    };
    EXPECT_FALSE(PostLatestDraft(db(), rates, messages, hooks, progress));
    EXPECT_EQ(messages.lastText(), QStringLiteral("工资计算已打开，请在工资计算中过账！"));
    EXPECT_TRUE(broughtForward);

    windowOpen = false;
    ASSERT_TRUE(PostLatestDraft(db(), rates, messages, hooks, progress));
    EXPECT_EQ(askedTitle, QStringLiteral("工资过账 2005-3"));
    EXPECT_EQ(count("select count(*) from TaxIncome"), 3);

    EXPECT_FALSE(PostLatestDraft(db(), rates, messages, hooks, progress));
    EXPECT_EQ(messages.lastText(), QStringLiteral("没有需过账数据！"));
}

TEST_F(Posting, CancellingTheDateWritesNothing)
{
    PostLatestDraftHooks hooks;
    hooks.choosePostingDate = [](const QString &, int, int) { return std::optional<QString>(); };
    EXPECT_FALSE(PostLatestDraft(db(), rates, messages, hooks, progress));
    EXPECT_EQ(count("select count(*) from TaxIncome"), 0);
    EXPECT_TRUE(messages.boxes().isEmpty());
}

} // namespace
