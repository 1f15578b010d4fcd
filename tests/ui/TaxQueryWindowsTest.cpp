#include "QueryWindowFixture.h"

#include "base/AppEnv.h"
#include "base/Settings.h"
#include "queries/ui/AnnualTaxWindow.h"
#include "queries/ui/HighIncomeWindow.h"
#include "queries/ui/PersonalPayoutWindow.h"
#include "widgets/BaseWindows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

class TaxQueryWindowsTest : public QObject, private QueryWindowFixture
{
    Q_OBJECT

public:
    TaxQueryWindowsTest() : QueryWindowFixture(1100) {}

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void highIncomeTakesDigitsOnlyAndTotalsItsRows()
    {
        HighIncomeWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("高收入"));
        QCOMPARE(w.banner()->text(), QStringLiteral("高收入人群 收入情况"));
        QCOMPARE(w.typeBox()->currentText(), QStringLiteral("中方"));
        QCOMPARE(w.typeBox()->count(), 2);

        w.queryButton()->click();
        QCOMPARE(messages.lastText(), QStringLiteral("请输入高收入限额！"));

        QTest::keyClicks(w.limitEdit(), QStringLiteral("3a0.0-0"));
        QCOMPARE(w.limitEdit()->text(), QStringLiteral("3000"));
        w.queryButton()->click(); // March, 中方, actual income of 3000 and more
        const ResultView *view = w.view();
        QCOMPARE(view->model()->rowCount(), 3);
        QCOMPARE(cell(view, 0, 1), QStringLiteral("E1"));
        QCOMPARE(cell(view, 1, 1), QStringLiteral("E4"));
        QCOMPARE(cell(view, 2, 0), QStringLiteral(" 合 计 "));
        QCOMPARE(cell(view, 2, columnOf(view, "FactIncome")), QStringLiteral("7995.00"));
        QCOMPARE(view->columnWidth(3), 70);
        shoot(w, "high-income");

        w.exportButton()->click();
        QCOMPARE(opener.opened.size(), 1);
        QVERIFY(opener.opened.first().endsWith(QStringLiteral("model/高收入人员表0.xlsx")));
    }

    void payoutOfEverybodyOrOfOne()
    {
        PersonalPayoutWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("个人支出明细"));
        QCOMPARE(w.banner()->text(), QStringLiteral("支出明细"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblHint"))->text(),
                 QStringLiteral("不输入人员时默认为 全部人员查询"));
        w.queryButton()->click();
        QCOMPARE(w.view()->model()->rowCount(), 6); // five rows of March and the total
        QCOMPARE(cell(w.view(), 5, 0), QStringLiteral(" 合 计 "));
        shoot(w, "payout");

        w.codeEdit()->setText(QStringLiteral("E1"));
        w.queryButton()->click();
        QCOMPARE(w.view()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("EmpName"));
        QCOMPARE(w.view()->model()->rowCount(), 3);

        w.codeEdit()->clear();
        w.nameEdit()->setText(QStringLiteral("钱"));
        w.queryButton()->click();
        QCOMPARE(messages.lastText(), QStringLiteral("没有任何数据存在！"));
        QCOMPARE(w.view()->model()->rowCount(), 0);
    }

    void annualSummaryNamesTheYearAndKeepsItsStatement()
    {
        AnnualTaxWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("所得税个人查询"));
        QCOMPARE(w.banner()->text(), QStringLiteral("个人所得税情况一览表"));
        QVERIFY(!w.monthBox());
        w.nameEdit()->setText(QStringLiteral("三"));
        w.queryButton()->click();
        QCOMPARE(w.banner()->text(), QStringLiteral("2005年 张三 个人所得税情况一览表"));
        QCOMPARE(w.view()->model()->rowCount(), 4);
        QCOMPARE(cell(w.view(), 1, 0), QStringLiteral(" 2"));
        QCOMPARE(cell(w.view(), 3, 0), QStringLiteral("合计"));
        QCOMPARE(w.view()->columnWidth(0), 70);
        QVERIFY(
            ReadIniValue(QStringLiteral("sql.ini"), QStringLiteral("sql"), QStringLiteral("sql"))
                .contains(QStringLiteral("'E1'")));
        shoot(w, "annual-tax");

        // No rows in the year: the heading keeps the last name.
        w.yearBox()->setValue(2004);
        w.queryButton()->click();
        QCOMPARE(messages.lastText(), QStringLiteral("没有任何数据存在！"));
        QCOMPARE(w.banner()->text(), QStringLiteral("2005年 张三 个人所得税情况一览表"));
    }
};

QTEST_MAIN(TaxQueryWindowsTest)
#include "TaxQueryWindowsTest.moc"
