#include "BackPayFixture.h"

#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"
#include "db/Database.h"

#include <gtest/gtest.h>

using namespace BackPayFixture;

namespace {

const BackPayMonth kMarch{2005, 3};
const BackPayMonth kApril{2005, 4};
const BackPayMonth kPayPeriod{2005, 5};

// Two departments and the temporary staff; March and April posted, May (the pay month) too.
class BackPaySheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(db(), QStringLiteral("0001"), QStringLiteral("一部"));
        OrgFixture::addDept(db(), QStringLiteral("0002"), QStringLiteral("二部"));
        OrgFixture::addEmp(db(), QStringLiteral("A1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("A2"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("A3"), QStringLiteral("王五"),
                           QStringLiteral("0001"),
                           0); // departed
        OrgFixture::addEmp(db(), QStringLiteral("B1"), QStringLiteral("赵六"),
                           QStringLiteral("0002"), 1, QStringLiteral("外方"));
        OrgFixture::addEmp(db(), QStringLiteral("T1"), QStringLiteral("钱七"),
                           QStringLiteral("9999"));
        addPostedWage(db(), 2005, 3, QStringLiteral("A1"), QStringLiteral("一部"), M("2000"),
                      M("1600"));
        addPostedWage(db(), 2005, 4, QStringLiteral("A1"), QStringLiteral("一部"), M("2100"),
                      M("1600"));
        addPostedWage(db(), 2005, 3, QStringLiteral("A3"), QStringLiteral("一部"), M("900"),
                      M("800"));
        addPostedWage(db(), 2005, 4, QStringLiteral("B1"), QStringLiteral("二部"), M("5000"),
                      M("4000"), QStringLiteral("外方"));
        addPostedWage(db(), 2005, 5, QStringLiteral("A1"), QStringLiteral("一部"), M("2200"),
                      M("1600"));
    }

    Database &db() { return m_app.db(); }
    Money amount(const QString &empId, const QString &column)
    {
        return sheetAmount(db(), empId, column);
    }
    int sheetRows() { return count(db(), QStringLiteral("select count(*) from ReissueTemp")); }

    TestApp m_app;
    TaxRates m_rates = exampleRates();
    ScriptedMessageService m_messages;
    BackPaySheet m_sheet{m_app.db(), m_rates, m_messages};
};

} // namespace

TEST(BackPayMonthChoice, TwelvePassThirteenAreRefused)
{
    EXPECT_EQ(CheckMonthChoice(0), BackPayText::noMonthChosen());
    EXPECT_EQ(CheckMonthChoice(1), QString());
    EXPECT_EQ(CheckMonthChoice(12), QString());
    EXPECT_EQ(CheckMonthChoice(13), BackPayText::tooManyMonths());
}

TEST(BackPayMonthKey, KeysAndColumns)
{
    EXPECT_EQ(BackPayMonth({2005, 3}).key(), QStringLiteral("2005年3月"));
    EXPECT_EQ(BackPayMonth({2005, 12}).backPayColumn(), QStringLiteral("2005年12月补发工资"));
    // The key of a back-pay column is its name up to the first "补".
    EXPECT_EQ(BackPayMonth::fromColumn(QStringLiteral("2005年12月补发工资")),
              BackPayMonth({2005, 12}));
    EXPECT_FALSE(BackPayMonth::fromColumn(QStringLiteral("2005年12月减除费用")).has_value());
    EXPECT_FALSE(BackPayMonth::fromKey(QStringLiteral("2005年03月")).has_value());
    EXPECT_FALSE(BackPayMonth::fromKey(QStringLiteral("2005年13月")).has_value());
    EXPECT_FALSE(BackPayMonth::fromKey(QStringLiteral("05年3月")).has_value());
}

TEST_F(BackPaySheetTest, OffersPostedMonthsUpToThePayMonth)
{
    addPostedWage(db(), 2004, 12, QStringLiteral("A1"), QStringLiteral("一部"), M("1"), M("0"));
    addPostedWage(db(), 2005, 6, QStringLiteral("A1"), QStringLiteral("一部"), M("1"), M("0"));
    EXPECT_TRUE(
        db().exec(QStringLiteral("update Wage set WageState = '草稿中' where WageMonth = 6")));
    EXPECT_EQ(m_sheet.postedMonths(kPayPeriod, std::nullopt),
              BackPayMonths({{2004, 12}, kMarch, kApril, kPayPeriod}));
    EXPECT_EQ(m_sheet.postedMonths(kPayPeriod, 2004), BackPayMonths({{2004, 12}}));

    EXPECT_TRUE(m_sheet.checkMonths(kPayPeriod, {kMarch, kPayPeriod}));
    EXPECT_FALSE(m_sheet.checkMonths(kPayPeriod, {kMarch, {2005, 6}}));
    EXPECT_FALSE(m_sheet.checkMonths(kPayPeriod, {kMarch, kMarch}));
    EXPECT_FALSE(m_sheet.checkMonths(kPayPeriod, {}));
    EXPECT_EQ(m_messages.lastText(), BackPayText::noMonthChosen());
}

TEST_F(BackPaySheetTest, RefusesAPayMonthWhoseWagesAreNotPosted)
{
    EXPECT_TRUE(m_sheet.checkWagesPosted(kPayPeriod));
    EXPECT_FALSE(m_sheet.checkWagesPosted({2005, 6}));
    EXPECT_EQ(m_messages.lastText(), QStringLiteral("\"2005年6月\"尚未做工资！"));
}

TEST_F(BackPaySheetTest, NewSheetHasItsColumnsInOrderAndKeepsItsPeriodWithoutRows)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kApril, kMarch}));
    EXPECT_EQ(db().columns(QStringLiteral("ReissueTemp")),
              QStringList({"部门", "姓名", "员工类别", "年", "月", "员工编号", "2005年4月补发工资",
                           "2005年4月应税工资", "2005年4月减除费用", "2005年3月补发工资",
                           "2005年3月应税工资", "2005年3月减除费用"}));
    EXPECT_EQ(m_sheet.months(), BackPayMonths({kApril, kMarch}));
    EXPECT_EQ(m_sheet.sheetPeriod(), kPayPeriod);
    EXPECT_FALSE(m_sheet.pending().has_value()); // no rows: nothing pending yet
}

TEST_F(BackPaySheetTest, DepartmentBringsItsStaffInServiceWithEachMonthsOwnBases)
{
    // A draft row is no wage that was taxed.
    PayrollFixture::addWageRow(db(), 2005, 3, QStringLiteral("A2"), QStringLiteral("一部"), false,
                               {{QStringLiteral("应税工资"), M("999")}});
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch, kApril}));
    const auto added = m_sheet.add(BackPayStaff::department(QStringLiteral("0001")));
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->rows, 2); // A1 and A2; A3 has left
    EXPECT_EQ(sheetRows(), 2);
    EXPECT_EQ(m_sheet.pending(), kPayPeriod);

    // March from March's sheet, April from April's: never the other way round.
    EXPECT_EQ(amount("A1", "2005年3月应税工资"), M("2000"));
    EXPECT_EQ(amount("A1", "2005年4月应税工资"), M("2100"));
    EXPECT_EQ(amount("A1", "2005年3月减除费用"), M("1600"));
    // Nothing on the sheets of those months: nothing to build on.
    EXPECT_EQ(amount("A2", "2005年3月应税工资"), M("0"));
    EXPECT_EQ(amount("A2", "2005年4月减除费用"), M("0"));
    EXPECT_EQ(count(db(), QStringLiteral("select count(*) from ReissueTemp where 年 = 2005 and "
                                         "月 = 5 and 部门 = '一部'")),
              2);
}

TEST_F(BackPaySheetTest, EarlierBackPayRaisesTheTaxableWage)
{
    addPostedBackPay(db(), {2005, 4}, kMarch, QStringLiteral("A1"), M("300"));
    addPostedBackPay(db(), {2005, 4}, kApril, QStringLiteral("A1"), M("50"));
    addPostedBackPay(db(), {2005, 2}, kMarch, QStringLiteral("A2"), M("70"));
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::department(QStringLiteral("0001"))));
    EXPECT_EQ(amount("A1", "2005年3月应税工资"), M("2300"));
    EXPECT_EQ(amount("A1", "2005年3月减除费用"), M("1600"));
    // Back pay for a month without a wage row still counts; the deduction stays 0.
    EXPECT_EQ(amount("A2", "2005年3月应税工资"), M("70"));
}

TEST_F(BackPaySheetTest, SecondBackPayForAMonthIsTaxedAboveTheFirst)
{
    // A1's March: 2000 taxed, deduction 1600. A first back pay of 300 cost 25.00 (the example);
    // once it is posted the next 300 start at 2300: (1000 x 10% - 25) - (700 x 10% - 25) = 30.
    addPostedBackPay(db(), {2005, 4}, kMarch, QStringLiteral("A1"), M("300"));
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::employee(QStringLiteral("A1"))));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    const auto view = m_sheet.view();
    ASSERT_TRUE(view.has_value());
    ASSERT_EQ(view->rowCount(), 1);
    EXPECT_EQ(view->money(0, QStringLiteral("2005年3月应税工资补税")), M("30"));
}

TEST_F(BackPaySheetTest, CompanyLeavesOutTemporaryStaffButTheirDepartmentBringsThem)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kApril}));
    const auto company = m_sheet.add(BackPayStaff::department(QStringLiteral("0000")));
    ASSERT_TRUE(company.has_value());
    EXPECT_EQ(company->rows, 3); // A1, A2, B1
    EXPECT_EQ(count(db(), QStringLiteral("select count(*) from ReissueTemp where 员工编号 = 'T1'")),
              0);
    EXPECT_EQ(amount("B1", "2005年4月减除费用"), M("4000"));

    const auto temps = m_sheet.add(BackPayStaff::department(QStringLiteral("9999")));
    ASSERT_TRUE(temps.has_value());
    EXPECT_EQ(temps->rows, 1);
    // Adding the company again adds nobody twice.
    EXPECT_EQ(m_sheet.add(BackPayStaff::company())->rows, 0);
    EXPECT_EQ(sheetRows(), 4);
}

TEST_F(BackPaySheetTest, OneEmployeeGetsTheSameBasesAndIsOnlyFoundWhenThere)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch, kApril}));
    // Departed staff can be added one by one.
    const auto one = m_sheet.add(BackPayStaff::employee(QStringLiteral("a3")));
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->rows, 1);
    EXPECT_EQ(one->empId, QStringLiteral("A3"));
    EXPECT_EQ(amount("A3", "2005年3月应税工资"), M("900"));
    EXPECT_EQ(amount("A3", "2005年3月减除费用"), M("800"));

    ASSERT_TRUE(m_sheet.add(BackPayStaff::employee(QStringLiteral("A1"))));
    const Money byHand = amount("A1", "2005年4月应税工资");
    ASSERT_TRUE(m_sheet.remove(QStringLiteral("A1")));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::department(QStringLiteral("0001"))));
    EXPECT_EQ(amount("A1", "2005年4月应税工资"), byHand);

    const auto again = m_sheet.add(BackPayStaff::employee(QStringLiteral("A1")));
    ASSERT_TRUE(again.has_value());
    EXPECT_TRUE(again->alreadyOnSheet);
    EXPECT_EQ(again->rows, 0);

    EXPECT_FALSE(m_sheet.add(BackPayStaff::employee(QStringLiteral("ZZ"))).has_value());
    EXPECT_FALSE(m_sheet.add(BackPayStaff::department(QStringLiteral("0077"))).has_value());
}

TEST_F(BackPaySheetTest, WholeColumnChangesNeverGoBelowZero)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch, kApril}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::department(QStringLiteral("0001"))));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("100")));

    ASSERT_TRUE(m_sheet.changeColumn(kMarch, ColumnChange::Add, M("50.5")));
    EXPECT_EQ(amount("A1", "2005年3月补发工资"), M("150.5"));
    EXPECT_EQ(amount("A2", "2005年3月补发工资"), M("50.5"));
    ASSERT_TRUE(m_sheet.changeColumn(kMarch, ColumnChange::Subtract, M("100")));
    EXPECT_EQ(amount("A1", "2005年3月补发工资"), M("50.5"));
    EXPECT_EQ(amount("A2", "2005年3月补发工资"), M("0"));
    ASSERT_TRUE(m_sheet.changeColumn(kApril, ColumnChange::Set, M("80")));
    EXPECT_EQ(amount("A2", "2005年4月补发工资"), M("80"));
    EXPECT_EQ(amount("A2", "2005年3月补发工资"), M("0")); // the other month untouched
}

TEST_F(BackPaySheetTest, TypedAmountsAreChecked)
{
    EXPECT_EQ(m_sheet.readAmount(QStringLiteral("")), M("0"));
    EXPECT_EQ(m_sheet.readAmount(QStringLiteral(" 123456789.99 ")), M("123456789.99"));
    EXPECT_FALSE(m_sheet.readAmount(QStringLiteral("1234567890")).has_value());
    EXPECT_EQ(m_messages.lastText(), BackPayText::amountTooLarge());
    EXPECT_FALSE(m_sheet.readAmount(QStringLiteral("-5")).has_value());
    EXPECT_FALSE(m_sheet.readAmount(QStringLiteral(".")).has_value());
}

TEST_F(BackPaySheetTest, RechoosingMonthsKeepsWhatStaysAndFillsWhatIsNew)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch, kApril}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::department(QStringLiteral("0001"))));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("111")));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kApril, M("222")));

    const auto months = m_sheet.syncMonths({kPayPeriod, kApril});
    ASSERT_TRUE(months.has_value());
    EXPECT_EQ(*months, BackPayMonths({kApril, kPayPeriod}));
    EXPECT_EQ(db().columns(QStringLiteral("ReissueTemp")).size(), 12);
    EXPECT_FALSE(
        db().hasColumn(QStringLiteral("ReissueTemp"), QStringLiteral("2005年3月补发工资")));
    EXPECT_EQ(amount("A1", "2005年4月补发工资"), M("222"));
    EXPECT_EQ(amount("A1", "2005年4月应税工资"), M("2100"));
    EXPECT_EQ(amount("A1", "2005年5月应税工资"), M("2200"));
    EXPECT_EQ(amount("A1", "2005年5月补发工资"), M("0"));
    EXPECT_EQ(sheetRows(), 2);
    EXPECT_EQ(m_sheet.pending(), kPayPeriod);
}

TEST_F(BackPaySheetTest, ViewShowsTaxesAndTotalsByDepartmentAndCode)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch, kApril}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::company()));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kMarch, M("300")));
    ASSERT_TRUE(m_sheet.setBackPay(QStringLiteral("A1"), kApril, M("100")));
    const auto view = m_sheet.view();
    ASSERT_TRUE(view.has_value());
    ASSERT_EQ(view->rowCount(), 3);
    // Departments in pinyin order: 二部 (er) before 一部 (yi), whatever their character codes
    // say; within one department by code.
    EXPECT_EQ(view->text(0, QStringLiteral("部门")), QStringLiteral("二部"));
    EXPECT_EQ(view->text(1, QStringLiteral("员工编号")), QStringLiteral("A1"));
    EXPECT_EQ(view->text(2, QStringLiteral("员工编号")), QStringLiteral("A2"));
    // March: the example, 25.00. April: 2100 taxed, 100 more: (600 x 10% - 25) - (500 x 5%)
    // = 35 - 25 = 10.00.
    EXPECT_EQ(view->money(1, QStringLiteral("2005年3月应税工资补税")), M("25"));
    EXPECT_EQ(view->money(1, QStringLiteral("2005年4月应税工资补税")), M("10"));
    EXPECT_EQ(view->money(1, QStringLiteral("合计补发工资")), M("400"));
    EXPECT_EQ(view->money(1, QStringLiteral("扣税")), M("35"));
    EXPECT_EQ(view->money(1, QStringLiteral("实际补发")), M("365"));
    EXPECT_EQ(view->money(2, QStringLiteral("合计补发工资")), M("0"));

    // Shown: 部门, 姓名, 员工编号, the months' back pay, the three totals.
    QStringList shown;
    for (const BackPayGridColumn &c : view->columns()) {
        if (c.shown) {
            shown << c.name;
        }
    }
    EXPECT_EQ(shown, QStringList({"部门", "姓名", "员工编号", "2005年3月补发工资",
                                  "2005年4月补发工资", "合计补发工资", "扣税", "实际补发"}));
    EXPECT_EQ(view->find(QStringLiteral("A2")), 2);
    EXPECT_EQ(view->find(QStringLiteral("赵")), 0);
    EXPECT_EQ(view->find(QStringLiteral("X")), -1);
}

TEST_F(BackPaySheetTest, DiscardEmptiesTheSheet)
{
    ASSERT_TRUE(m_sheet.start(kPayPeriod, {kMarch}));
    ASSERT_TRUE(m_sheet.add(BackPayStaff::company()));
    ASSERT_TRUE(m_sheet.discard());
    EXPECT_EQ(sheetRows(), 0);
    EXPECT_FALSE(m_sheet.pending().has_value());
}
