// The month rule and the three ways of making a sheet.

#include "../tax/TaxTestRates.h"
#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "payroll/WageGeneration.h"
#include "payroll/WageSheetStore.h"

#include <gtest/gtest.h>

using PayrollFixture::addWageRow;
using PayrollFixture::wageAmount;

namespace {

struct RuleCase
{
    int year, month;
    int run;
    bool replace;
    QStringList messages;
};

void expectRule(TestApp &app, const QList<RuleCase> &cases, int maxRuns = 1)
{
    WageSheetStore store(app.db());
    for (const RuleCase &c : cases) {
        ScriptedMessageService messages;
        messages.setNextAnswer(!c.replace);
        const SheetPeriodChoice choice =
            CheckSheetPeriod(store, messages, c.year, c.month, maxRuns);
        EXPECT_EQ(choice.run, c.run) << c.year << '-' << c.month;
        EXPECT_EQ(choice.replaceDraft, c.replace) << c.year << '-' << c.month;
        EXPECT_EQ(messages.texts(), c.messages) << c.year << '-' << c.month;
    }
}

TEST(CheckSheetPeriod, TheFirstSheetMayBeAnyMonth)
{
    TestApp app;
    expectRule(app, {{1999, 7, 1, false, {}}, {2005, 3, 1, false, {}}});
}

TEST(CheckSheetPeriod, AfterAPostedMonthOnlyTheNextOne)
{
    TestApp app;
    addWageRow(app.db(), 2005, 1, QStringLiteral("E1"), QStringLiteral("部门一"), true);
    expectRule(app, {{2004, 12, -1, false, {"不能处理小于2005年1月的工资数据！"}},
                     {2005, 1, -1, false, {"本月工资已入账！"}},
                     {2005, 2, 1, false, {}},
                     // A gap names the first month without a posted sheet.
                     {2005, 4, -1, false, {"2005年2月工资数据尚未处理！"}}});
}

TEST(CheckSheetPeriod, DecemberIsFollowedByJanuary)
{
    TestApp app;
    addWageRow(app.db(), 2004, 12, QStringLiteral("E1"), QStringLiteral("部门一"), true);
    expectRule(app,
               {{2005, 1, 1, false, {}}, {2005, 2, -1, false, {"2005年1月工资数据尚未处理！"}}});
}

TEST(CheckSheetPeriod, TheDraftsMonthIsContinuedOrReplacedAndTheNextWaits)
{
    TestApp app;
    addWageRow(app.db(), 2004, 12, QStringLiteral("E1"), QStringLiteral("部门一"), true);
    addWageRow(app.db(), 2005, 1, QStringLiteral("E1"), QStringLiteral("部门一"), false);
    const QString ask = QStringLiteral("有上次生成的数据，延用上次数据吗？");
    expectRule(app, {{2005, 1, 0, false, {ask}},
                     {2005, 1, 1, true, {ask}},
                     {2005, 2, -1, false, {"2005年1月工资数据尚未处理！"}},
                     {2005, 5, -1, false, {"2005年1月工资数据尚未处理！"}}});
    // Asking changes nothing: the draft goes only when the new sheet is made.
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Wage where WageMonth = 1")).toInt(),
              1);
}

TEST(CheckSheetPeriod, APostedMonthMayHaveAnotherRunUpToTheMaximum)
{
    TestApp app;
    addWageRow(app.db(), 2005, 1, QStringLiteral("E1"), QStringLiteral("部门一"), true);
    expectRule(app, {{2005, 1, 2, false, {"本月工资已入账！"}}}, 2);
}

class Generation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(db(), QStringLiteral("0001"), QStringLiteral("部门一"));
        OrgFixture::addDept(db(), QStringLiteral("0002"), QStringLiteral("部门二"));
        OrgFixture::addEmp(db(), QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("E2"), QStringLiteral("李四"),
                           QStringLiteral("0002"), 1, QStringLiteral("外方"));
        OrgFixture::addEmp(db(), QStringLiteral("E3"), QStringLiteral("王五"),
                           QStringLiteral("0001"), 0);
        OrgFixture::addEmp(db(), QStringLiteral("T1"), QStringLiteral("赵六"),
                           QStringLiteral("9999"));
        OrgFixture::addEmp(db(), QStringLiteral("T2"), QStringLiteral("钱七"),
                           QStringLiteral("9999"));
    }
    Database &db() { return app.db(); }
    std::optional<int> generate(int year, int month, SheetPeriodChoice choice, bool copy)
    {
        return GenerateWageSheet(db(), rates, messages, year, month, choice, copy, progress);
    }
    QStringList codesOf(int year, int month)
    {
        const auto r = db().query(QStringLiteral("select EmpId from Wage where WageYear = ? and "
                                                 "WageMonth = ? order by EmpId"),
                                  {year, month});
        QStringList codes;
        for (int i = 0; r && i < r->rowCount(); ++i) {
            codes << r->text(i, 0);
        }
        return codes;
    }

    TestApp app;
    TaxRates rates = handRates();
    ScriptedMessageService messages;
    CountingProgress progress;
};

TEST_F(Generation, AFreshSheetHasEveryoneInServiceButTemporaryStaff)
{
    ASSERT_EQ(generate(2005, 3, {1, false}, false), 1);
    EXPECT_EQ(codesOf(2005, 3), (QStringList{"E1", "E2"}));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("减除费用")),
              M("800"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E2"), QStringLiteral("减除费用")),
              M("4000"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("基本工资")), M("0"));
    const auto r = db().query(QStringLiteral("select WageState, WageTimes, DeptName, EmpName, "
                                             "EmpType from Wage where EmpId = 'E2'"));
    ASSERT_TRUE(r && r->rowCount() == 1);
    EXPECT_EQ(r->row(0), (QVariantList{QStringLiteral("草稿中"), 1, QStringLiteral("部门二"),
                                       QStringLiteral("李四"), QStringLiteral("外方")}));
    EXPECT_EQ(progress.steps, 2);
}

TEST_F(Generation, AFreshSheetListsDepartmentsAndNamesInPinyinOrder)
{
    // 二 (er) before 一 (yi) and 李 (li) before 张 (zhang): the reverse of their character codes.
    OrgFixture::addEmp(db(), QStringLiteral("E4"), QStringLiteral("李白"), QStringLiteral("0001"));
    ASSERT_EQ(generate(2005, 3, {1, false}, false), 1);
    const auto r = db().query(QStringLiteral("select EmpId from Wage order by WageID"));
    ASSERT_TRUE(r && r->rowCount() == 3);
    EXPECT_EQ((QStringList{r->text(0, 0), r->text(1, 0), r->text(2, 0)}),
              (QStringList{"E2", "E4", "E1"}));
}

TEST_F(Generation, ContinuingWritesNothing)
{
    addWageRow(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("部门一"), false);
    EXPECT_EQ(generate(2005, 3, {0, false}, true), 1);
    EXPECT_EQ(codesOf(2005, 3), QStringList{"E1"});
}

TEST_F(Generation, ReplacingADraftMakesItAgainWithTheSameRun)
{
    addWageRow(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("部门一"), false,
               {{QStringLiteral("基本工资"), M("999")}});
    ASSERT_EQ(generate(2005, 3, {1, true}, false), 1);
    EXPECT_EQ(codesOf(2005, 3), (QStringList{"E1", "E2"}));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("基本工资")), M("0"));
}

TEST_F(Generation, AFailureLeavesTheOldDraftAsItWas)
{
    addWageRow(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("部门一"), false,
               {{QStringLiteral("基本工资"), M("999")}});
    app.exec(QStringLiteral("create trigger NoE2 before insert on Wage when new.EmpId = 'E2' "
                            "begin select raise(abort, 'disk full'); end"));
    EXPECT_FALSE(generate(2005, 3, {1, true}, false));
    EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("工资生成失败！")));
    EXPECT_TRUE(messages.lastText().contains(QStringLiteral("disk full")));
    EXPECT_EQ(codesOf(2005, 3), QStringList{"E1"});
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("基本工资")),
              M("999"));
}

TEST_F(Generation, ACopyDropsTheBonusRecomputesAndMatchesCodesIgnoringCase)
{
    // Last month's sheet knew E1 as "e1" and had the temporary employee T1.
    addWageRow(db(), 2005, 2, QStringLiteral("e1"), QStringLiteral("部门一"), true,
               {{QStringLiteral("基本工资"), M("3000")},
                {QStringLiteral("养老保险金"), M("240")},
                {QStringLiteral("一次性奖金"), M("1000")},
                {QStringLiteral("纳税额"), M("999")}});
    addWageRow(db(), 2005, 2, QStringLiteral("T1"), QStringLiteral("临时员工"), true,
               {{QStringLiteral("基本工资"), M("600")}});
    ASSERT_EQ(generate(2005, 3, {1, false}, true), 1);
    EXPECT_EQ(codesOf(2005, 3), (QStringList{"E1", "E2", "T1"}));

    const auto at = [&](const char *emp, const char *column) {
        return wageAmount(db(), 2005, 3, QString::fromUtf8(emp), QString::fromUtf8(column));
    };
    // 3000 less 240 of pension: 2760 taxable, 1960 above the deduction at 10% less 25.
    EXPECT_EQ(at("E1", "基本工资"), M("3000"));
    EXPECT_EQ(at("E1", "一次性奖金"), M("0"));
    EXPECT_EQ(at("E1", "应税工资"), M("2760"));
    EXPECT_EQ(at("E1", "纳税额"), M("171"));
    EXPECT_EQ(at("E1", "实发工资"), M("2589"));
    // Not on last month's sheet: zeros and the deduction of his type.
    EXPECT_EQ(at("E2", "基本工资"), M("0"));
    EXPECT_EQ(at("E2", "减除费用"), M("4000"));
    // The temporary employee came along; his 600 is below the deduction.
    EXPECT_EQ(at("T1", "基本工资"), M("600"));
    EXPECT_EQ(at("T1", "纳税额"), M("0"));
    EXPECT_EQ(at("T1", "实发工资"), M("600"));
}

TEST_F(Generation, ACopyWithNothingToCopyFromIsFresh)
{
    ASSERT_EQ(generate(2005, 3, {1, false}, true), 1);
    EXPECT_EQ(codesOf(2005, 3), (QStringList{"E1", "E2"}));
}

} // namespace
