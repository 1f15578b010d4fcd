#include "QueryWindowFixture.h"

#include "base/AppEnv.h"
#include "queries/ui/ThreeFundWindow.h"
#include "widgets/BaseWindows.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

class ThreeFundWindowTest : public QObject, private QueryWindowFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void threeTabsFromOneQueryAndTheShownTabExported()
    {
        ThreeFundWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("三项基金"));
        QCOMPARE(w.banner()->text(), QStringLiteral("职工‘三项基金’统计"));
        QCOMPARE(w.tabs()->count(), 3);
        QCOMPARE(w.tabs()->tabText(0), QStringLiteral("个人养老金"));
        QCOMPARE(w.tabs()->tabText(1), QStringLiteral("个人医疗保险金"));
        QCOMPARE(w.tabs()->tabText(2), QStringLiteral("个人住房公积金"));

        w.tabs()->setCurrentIndex(2);
        w.queryButton()->click();
        QVERIFY(messages.boxes().isEmpty());
        for (int f = 0; f < 3; ++f) {
            QCOMPARE(w.view(f)->model()->rowCount(), 5);
            QCOMPARE(w.view(f)->model()->columnCount(), 16);
        }
        const auto *housing = w.view(2)->model();
        // 张三: 150.00 in January and February, nothing since.
        QCOMPARE(housing->index(1, 3).data().toString(), QStringLiteral("300.00"));
        QCOMPARE(housing->index(1, 5).data().toString(), QStringLiteral("150.00"));
        QCOMPARE(housing->index(1, 6).data().toString(), QString());
        QCOMPARE(housing->index(4, 0).data().toString(), QStringLiteral(" 合 计 "));
        QCOMPARE(housing->index(4, 3).data().toString(), QStringLiteral("1050.00"));
        QCOMPARE(w.view(2)->columnWidth(15), 65);
        QCOMPARE(w.tabs()->currentIndex(), 2); // the shown tab stays
        if (qEnvironmentVariableIsSet("CORVANE_SCREENSHOTS")) {
            w.resize(1100, 360);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.grab().save(qEnvironmentVariable("CORVANE_SCREENSHOTS") +
                          QStringLiteral("/three-funds.png"));
        }

        w.exportButton()->click();
        QCOMPARE(opener.opened.size(), 1);
        QVERIFY(opener.opened.first().endsWith(QStringLiteral("model/住房公积金统计0.xlsx")));
    }

    void missingFundLeavesItsTabEmpty()
    {
        QVERIFY(app->db().dropColumn(QStringLiteral("Wage"), QStringLiteral("医疗保险金")));
        ThreeFundWindow w(app->db(), messages, opener);
        w.deptBox()->setEditText(QStringLiteral("财务部"));
        w.queryButton()->click();
        QVERIFY(messages.boxes().isEmpty());
        QCOMPARE(w.view(0)->model()->rowCount(), 2);
        QCOMPARE(w.view(1)->model()->rowCount(), 0);
        w.tabs()->setCurrentIndex(1);
        w.exportButton()->click();
        QVERIFY(opener.opened.isEmpty());

        w.yearBox()->setValue(2004);
        w.queryButton()->click();
        QCOMPARE(w.view(0)->model()->rowCount(), 1); // the total row alone
    }
};

QTEST_MAIN(ThreeFundWindowTest)
#include "ThreeFundWindowTest.moc"
