// The sheet and its model: loading, editing one amount, the totals row, departments, temporary
// staff, browsing, clearing drafts and computing a whole sheet.

#include "../tax/TaxTestRates.h"
#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "org/OrgTypes.h"
#include "payroll/WageSheet.h"
#include "payroll/WageSheetModel.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using PayrollFixture::addWageRow;
using PayrollFixture::wageAmount;

namespace {

class Sheet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addWageRow(db(), 2005, 3, QStringLiteral("E2"), QStringLiteral("B部"), false,
                   {{QStringLiteral("减除费用"), M("800")}});
        addWageRow(
            db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("B部"), false,
            {{QStringLiteral("基本工资"), M("1000")}, {QStringLiteral("减除费用"), M("800")}});
        addWageRow(
            db(), 2005, 3, QStringLiteral("E3"), QStringLiteral("A部"), false,
            {{QStringLiteral("基本工资"), M("500")}, {QStringLiteral("减除费用"), M("800")}});
    }
    Database &db() { return app.db(); }
    int column(const char *name) const
    {
        return model.columnOfMoney(sheet.layout().indexOf(QString::fromUtf8(name)));
    }
    QString cell(int row, const char *name) const
    {
        return model.data(model.index(row, column(name))).toString();
    }
    int rowOf(const char *empId) const
    {
        for (int r = 0; r < model.rowCount(); ++r) {
            if (model.data(model.index(r, WageSheetModel::EmpId)).toString() ==
                QString::fromUtf8(empId)) {
                return r;
            }
        }
        return -1;
    }
    QStringList firstColumn(int column) const
    {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r) {
            texts << model.data(model.index(r, column)).toString();
        }
        return texts;
    }

    TestApp app;
    TaxRates rates = handRates();
    WageSheet sheet{app.db(), rates};
    WageSheetModel model{sheet};
    ScriptedMessageService messages;
};

TEST_F(Sheet, ShowsTheRowsByDepartmentAndCodeWithTheTotalsRowLast)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("部门名称"));
    EXPECT_EQ(model.headerData(WageSheetModel::FixedCount, Qt::Horizontal).toString(),
              QStringLiteral("基本工资"));
    EXPECT_EQ(firstColumn(WageSheetModel::EmpId), (QStringList{"E3", "E1", "E2", ""}));
    EXPECT_EQ(firstColumn(WageSheetModel::DeptName),
              (QStringList{"A部", "B部", "B部", "合计"}));
    EXPECT_EQ(cell(3, "基本工资"), QStringLiteral("1500.00"));
    // The deduction, rate and quick deduction are not summed.
    EXPECT_EQ(cell(3, "减除费用"), QString());
    EXPECT_TRUE(model.isHiddenColumn(WageSheetModel::WageType));
    EXPECT_TRUE(model.isHiddenColumn(model.wageIdColumn()));
    EXPECT_TRUE(model.isHiddenColumn(column("一次性奖金"))); // no bonus this month
    EXPECT_FALSE(model.isHiddenColumn(column("应发工资")));
}

TEST_F(Sheet, DepartmentsComeInPinyinOrderAndCodesInTheirPlainOrder)
{
    // 财 (cai) before 生 (sheng), though 生 has the lower character code; E10 before E2.
    for (const auto &[code, dept] : {std::pair{"E9", "生产部"}, {"E2", "财务部"}, {"E10", "财务部"}}) {
        addWageRow(db(), 2005, 4, QString::fromUtf8(code), QString::fromUtf8(dept), false);
    }
    ASSERT_TRUE(sheet.load(2005, 4, 1));
    model.reload();
    EXPECT_EQ(firstColumn(WageSheetModel::EmpId), (QStringList{"E10", "E2", "E9", ""}));
}

TEST_F(Sheet, EditingAnAmountRecomputesTheRowAndMovesTheTotals)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    const int e1 = rowOf("E1");
    ASSERT_TRUE(model.setData(model.index(e1, column("基本工资")), QStringLiteral("3000")));
    // 3000 - 800 = 2200 at 15% less 125.
    EXPECT_EQ(cell(e1, "应税工资"), QStringLiteral("3000.00"));
    EXPECT_EQ(cell(e1, "纳税额"), QStringLiteral("205.00"));
    EXPECT_EQ(cell(e1, "实发工资"), QStringLiteral("2795.00"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("纳税额")), M("205"));
    const int totals = model.totalsRow();
    EXPECT_EQ(cell(totals, "基本工资"), QStringLiteral("3500.00"));
    EXPECT_EQ(cell(totals, "纳税额"), QStringLiteral("205.00"));
    // Rows not edited are neither computed nor written: E3's row keeps its stored figures.
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E3"), QStringLiteral("应税工资")), M("0"));

    ASSERT_TRUE(model.setData(model.index(e1, column("基本工资")), QVariant::fromValue(M("2000"))));
    // 1200 at 10% less 25.
    EXPECT_EQ(cell(e1, "纳税额"), QStringLiteral("95.00"));
    EXPECT_EQ(cell(totals, "基本工资"), QStringLiteral("2500.00"));
    EXPECT_EQ(cell(totals, "纳税额"), QStringLiteral("95.00"));
}

TEST_F(Sheet, HeldAmountsWaitInTheirRowUntilTheRowIsLeft)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    model.setSaveOnRowChange(true);
    const int e1 = rowOf("E1");
    ASSERT_TRUE(model.setData(model.index(e1, column("基本工资")), QStringLiteral("3000")));
    ASSERT_TRUE(model.setData(model.index(e1, column("养老保险金")), QStringLiteral("200")));
    // Shown at once, neither computed nor written nor counted yet.
    EXPECT_EQ(model.pendingRow(), e1);
    EXPECT_EQ(cell(e1, "基本工资"), QStringLiteral("3000.00"));
    EXPECT_EQ(cell(e1, "应税工资"), QStringLiteral("0.00"));
    EXPECT_EQ(cell(model.totalsRow(), "基本工资"), QStringLiteral("1500.00"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("基本工资")),
              M("1000"));

    ASSERT_TRUE(model.submitRow());
    // 3000 - 200 = 2800 taxable; 2800 - 800 = 2000 at 10% less 25 = 175; net 3000 - 200 - 175.
    EXPECT_EQ(model.pendingRow(), -1);
    EXPECT_EQ(cell(e1, "应税工资"), QStringLiteral("2800.00"));
    EXPECT_EQ(cell(e1, "纳税额"), QStringLiteral("175.00"));
    EXPECT_EQ(cell(e1, "实发工资"), QStringLiteral("2625.00"));
    EXPECT_EQ(cell(model.totalsRow(), "基本工资"), QStringLiteral("3500.00"));
    EXPECT_EQ(cell(model.totalsRow(), "养老保险金"), QStringLiteral("200.00"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("纳税额")), M("175"));

    // Typing into another row saves the held one first; a department saves it too.
    const int e3 = rowOf("E3");
    ASSERT_TRUE(model.setData(model.index(e1, column("基本工资")), QStringLiteral("1000")));
    ASSERT_TRUE(model.setData(model.index(e3, column("基本工资")), QStringLiteral("900")));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("基本工资")),
              M("1000"));
    EXPECT_EQ(model.pendingRow(), e3);
    model.setDeptFilter(QStringLiteral("A部"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E3"), QStringLiteral("基本工资")), M("900"));
    EXPECT_EQ(cell(model.totalsRow(), "基本工资"), QStringLiteral("900.00"));

    // Dropped amounts leave the row as stored.
    ASSERT_TRUE(model.setData(model.index(0, column("基本工资")), QStringLiteral("5")));
    model.revertRow();
    EXPECT_EQ(cell(0, "基本工资"), QStringLiteral("900.00"));
    EXPECT_TRUE(model.submitRow()); // nothing held
}

TEST_F(Sheet, AHeldRowThatCannotBeComputedIsDroppedWithTheReason)
{
    TaxRates none; // the rate sets failed to load
    WageSheet bare(db(), none);
    WageSheetModel held(bare);
    held.setSaveOnRowChange(true);
    ASSERT_TRUE(bare.load(2005, 3, 1));
    held.reload();
    QStringList failures;
    QObject::connect(&held, &WageSheetModel::saveFailed,
                     [&](const QString &message) { failures << message; });
    const int basic = held.columnOfMoney(bare.layout().indexOf(QStringLiteral("基本工资")));
    ASSERT_TRUE(held.setData(held.index(0, basic), QStringLiteral("700")));
    EXPECT_FALSE(held.submitRow());
    EXPECT_EQ(failures.size(), 1);
    EXPECT_EQ(held.pendingRow(), -1);
    EXPECT_EQ(held.data(held.index(0, basic)).toString(), QStringLiteral("500.00"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E3"), QStringLiteral("基本工资")), M("500"));
}

TEST_F(Sheet, RefusesWhatIsNotAnAmountAndIgnoresTypingOnTheTotalsRow)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    QStringList failures;
    QObject::connect(&model, &WageSheetModel::saveFailed,
                     [&](const QString &message) { failures << message; });
    const int e1 = rowOf("E1");
    EXPECT_FALSE(model.setData(model.index(e1, column("基本工资")), QStringLiteral(".")));
    EXPECT_FALSE(model.setData(model.index(e1, column("基本工资")), QStringLiteral("1234567890")));
    EXPECT_EQ(failures, (QStringList{"“.”不是有效的金额！", "输入金额太大！"}));
    EXPECT_FALSE(model.flags(model.index(model.totalsRow(), column("基本工资"))) &
                 Qt::ItemIsEditable);
    EXPECT_FALSE(
        model.setData(model.index(model.totalsRow(), column("基本工资")), QStringLiteral("1")));
    EXPECT_FALSE(model.flags(model.index(e1, column("应发工资"))) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(e1, column("一次性奖金"))) & Qt::ItemIsEditable);
    EXPECT_EQ(cell(e1, "基本工资"), QStringLiteral("1000.00"));
}

TEST_F(Sheet, ADepartmentShowsItsRowsWithTotalsOverThemOnly)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    model.setDeptFilter(QStringLiteral("A部"));
    EXPECT_EQ(firstColumn(WageSheetModel::EmpId), (QStringList{"E3", ""}));
    EXPECT_EQ(cell(1, "基本工资"), QStringLiteral("500.00"));
    model.setDeptFilter(QString());
    EXPECT_EQ(model.rowCount(), 4);
}

TEST_F(Sheet, TemporaryStaffAreAddedOnceAndOnlyTheyAreRemoved)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    const RdEmployee temp{QStringLiteral("T1"), QStringLiteral("赵六"), kTempDeptId,
                          QStringLiteral("临时员工"), QStringLiteral("外方")};
    ASSERT_TRUE(model.addTempEmployee(messages, temp));
    const int t1 = rowOf("T1");
    EXPECT_EQ(t1, 3);
    EXPECT_EQ(cell(t1, "减除费用"), QStringLiteral("4000.00"));
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("T1"), QStringLiteral("减除费用")),
              M("4000"));
    EXPECT_FALSE(model.addTempEmployee(messages, {QStringLiteral("t1"), {}, {}, {}, kForeign}));
    EXPECT_EQ(messages.lastText(), QStringLiteral("已添加此临时员工！"));

    ASSERT_TRUE(model.setData(model.index(t1, column("基本工资")), QStringLiteral("700")));
    EXPECT_EQ(cell(model.totalsRow(), "基本工资"), QStringLiteral("2200.00"));
    EXPECT_FALSE(model.removeTempEmployee(messages, rowOf("E1")));
    EXPECT_EQ(messages.lastText(), QStringLiteral("正式员工不能删除！"));
    messages.setNextAnswer(false);
    EXPECT_FALSE(model.removeTempEmployee(messages, t1));
    EXPECT_EQ(messages.lastText(), QStringLiteral("您确认删除此员工工资？"));
    ASSERT_TRUE(model.removeTempEmployee(messages, t1));
    EXPECT_EQ(rowOf("T1"), -1);
    EXPECT_EQ(cell(model.totalsRow(), "基本工资"), QStringLiteral("1500.00"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Wage where EmpId = 'T1'")).toInt(),
              0);
}

TEST_F(Sheet, APostedMonthShowsItsSnapshotsColumnsAndTakesNoTyping)
{
    // January was posted with the item 津贴, renamed since.
    PayrollFixture::addItem(db(), QStringLiteral("津贴"), QStringLiteral("工资薪金所得纳税项"));
    addWageRow(db(), 2005, 1, QStringLiteral("E1"), QStringLiteral("B部"), true,
               {{QStringLiteral("津贴"), M("300")}});
    app.exec(
        QStringLiteral("insert into WageItem (ItemYear, ItemMonth, ItemName, ItemType, ReadOnly) "
                       "values (2005, 1, '津贴', '工资薪金所得纳税项', 0)"));
    app.exec(QStringLiteral("update Dict_Item set ItemName = '岗位津贴' where ItemName = '津贴'"));

    ASSERT_TRUE(model.browse(messages, 2005, 1));
    EXPECT_TRUE(sheet.period().posted);
    EXPECT_EQ(sheet.layout().groupNames(ItemGroup::Taxable), QStringList{"津贴"});
    EXPECT_EQ(cell(0, "津贴"), QStringLiteral("300.00"));
    EXPECT_FALSE(model.flags(model.index(0, column("津贴"))) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, column("津贴")), QStringLiteral("1")));
    EXPECT_FALSE(model.addTempEmployee(messages, {QStringLiteral("T1"), {}, {}, {}, kDomestic}));
    EXPECT_EQ(messages.lastText(), QStringLiteral("不能对已过账工资数据进行添加操作！"));

    EXPECT_FALSE(model.browse(messages, 2005, 6));
    EXPECT_EQ(messages.lastText(), QStringLiteral("2005年6月无工资数据！"));
    EXPECT_EQ(model.rowCount(), 2); // the sheet shown stays
}

TEST_F(Sheet, ComputingTheWholeSheetWritesEveryRowOnce)
{
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    CountingProgress progress;
    ASSERT_TRUE(model.computeAll(messages, progress));
    EXPECT_EQ(progress.caption, QStringLiteral("正在进行工资计算,请稍等..."));
    EXPECT_EQ(progress.hint, QStringLiteral("正在进行工资计算"));
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(progress.finished, 1);
    // E1: 1000 - 800 = 200 at 5%.
    EXPECT_EQ(wageAmount(db(), 2005, 3, QStringLiteral("E1"), QStringLiteral("纳税额")), M("10"));
    EXPECT_EQ(cell(model.totalsRow(), "纳税额"), QStringLiteral("10.00"));
    EXPECT_EQ(cell(model.totalsRow(), "实发工资"), QStringLiteral("1490.00"));
}

TEST_F(Sheet, ComputingRefusesAnEmptyOrPostedSheet)
{
    CountingProgress progress;
    EXPECT_FALSE(model.computeAll(messages, progress));
    EXPECT_EQ(messages.lastText(), QStringLiteral("请录入工资数据！"));
    app.exec(QStringLiteral("update Wage set WageState = '已完成'"));
    ASSERT_TRUE(sheet.loadPosted(2005, 3));
    EXPECT_FALSE(model.computeAll(messages, progress));
    EXPECT_EQ(messages.lastText(), QStringLiteral("工资数据已过账！"));
    EXPECT_EQ(progress.begun, 0);
}

TEST_F(Sheet, ClearingDraftsRemovesTheDraftsOfEveryMonth)
{
    addWageRow(db(), 2005, 2, QStringLiteral("E1"), QStringLiteral("B部"), true);
    addWageRow(db(), 2004, 7, QStringLiteral("E1"), QStringLiteral("B部"), false);
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    messages.setNextAnswer(false);
    EXPECT_FALSE(model.clearDrafts(messages));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Wage")).toInt(), 5);
    ASSERT_TRUE(model.clearDrafts(messages));
    EXPECT_EQ(messages.lastText(), QStringLiteral("您确认清除草稿中数据吗？"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Wage")).toInt(), 1);
    EXPECT_FALSE(sheet.isOpen());
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(Sheet, TheModelKeepsQtsRulesThroughEveryChange)
{
    // Any breach of the model contract ends the test program.
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_TRUE(sheet.load(2005, 3, 1));
    model.reload();
    ASSERT_TRUE(model.setData(model.index(rowOf("E1"), column("基本工资")), QStringLiteral("3000")));
    model.setSaveOnRowChange(true);
    ASSERT_TRUE(model.setData(model.index(rowOf("E2"), column("基本工资")), QStringLiteral("10")));
    model.setDeptFilter(QStringLiteral("B部"));
    model.setDeptFilter(QString());
    ASSERT_TRUE(model.addTempEmployee(
        messages, {QStringLiteral("T1"), {}, kTempDeptId, QStringLiteral("临时员工"), kDomestic}));
    ASSERT_TRUE(model.removeTempEmployee(messages, rowOf("T1")));
    CountingProgress progress;
    ASSERT_TRUE(model.computeAll(messages, progress));
    ASSERT_TRUE(model.clearDrafts(messages));
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
