#include "TestApp.h"
#include "tax/TaxTestRates.h"

#include "base/MessageService.h"
#include "tax/ui/TaxCalculatorWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using Kind = ScriptedMessageService::Kind;

class TaxCalculatorTest : public QObject
{
    Q_OBJECT

private:
    TaxRates m_rates;
    ScriptedMessageService m_messages;

    void pickType(TaxCalculatorWindow &w, const char *type)
    {
        const auto items = w.incomeTypes()->findItems(QString::fromUtf8(type), Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        w.incomeTypes()->setCurrentItem(items.first());
    }

    void calculate(TaxCalculatorWindow &w, const char *amount)
    {
        w.amountEdit()->setText(QString::fromUtf8(amount));
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("btnCalculate")),
                          Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_rates = handRates();
        m_messages.clear();
    }

    void opensWithWagesBeforeTaxForChineseStaff()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        QCOMPARE(w.windowTitle(), QStringLiteral("所得税计算器"));
        QVERIFY(w.beforeTaxButton()->isChecked());
        QCOMPARE(w.incomeTypes()->count(), 10);
        QCOMPARE(w.incomeTypes()->item(0)->text(), QStringLiteral("工资、薪金"));
        QCOMPARE(w.incomeTypes()->item(9)->text(), QStringLiteral("其他所得"));
        QCOMPARE(w.incomeTypes()->currentRow(), 0);
        QVERIFY(w.chineseBox()->isChecked());
        QVERIFY(!w.foreignBox()->isChecked());
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("800"));
        QCOMPARE(w.resultLabel()->text(), QStringLiteral("税后收入:"));
        QVERIFY(w.taxEdit()->isReadOnly());
        QVERIFY(w.resultEdit()->isReadOnly());
        if (qEnvironmentVariableIsSet("CORVANE_SHOTS")) {
            w.show();
            calculate(w, "5000");
            w.grab().save(qEnvironmentVariable("CORVANE_SHOTS") + QStringLiteral("/calculator.png"));
        }
    }

    void staffAndDeductionShowOnlyForWages()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        QVERIFY(!w.deductionEdit()->isHidden());
        pickType(w, "劳务报酬");
        QVERIFY(w.deductionEdit()->isHidden());
        QVERIFY(w.chineseBox()->isHidden());
        QVERIFY(w.foreignBox()->isHidden());
        pickType(w, "工资、薪金");
        QVERIFY(!w.deductionEdit()->isHidden());
        QVERIFY(!w.foreignBox()->isHidden());
    }

    void staffBoxesExcludeEachOtherAndSetTheDeduction()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        w.foreignBox()->click();
        QVERIFY(!w.chineseBox()->isChecked());
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("4000"));
        w.chineseBox()->click();
        QVERIFY(!w.foreignBox()->isChecked());
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("800"));
        w.chineseBox()->click(); // unticked: both off
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("4000"));
        w.foreignBox()->click();
        w.foreignBox()->click();
        QVERIFY(!w.chineseBox()->isChecked());
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("800"));
    }

    void resultIsRelabelledByTheDirection()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        w.afterTaxButton()->click();
        QCOMPARE(w.resultLabel()->text(), QStringLiteral("税前收入:"));
        w.beforeTaxButton()->click();
        QCOMPARE(w.resultLabel()->text(), QStringLiteral("税后收入:"));
    }

    void calculatesEveryDirection_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("afterTax");
        QTest::addColumn<QString>("staff"); // box to click first, or empty
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("result");
        QTest::newRow("wage at the deduction") << "工资、薪金" << false << "" << "800" << "0" << "800";
        QTest::newRow("wage") << "工资、薪金" << false << "" << "3000" << "205" << "2795";
        QTest::newRow("foreign wage") << "工资、薪金" << false << "外方" << "9000" << "625" << "8375";
        QTest::newRow("foreign after tax") << "工资、薪金" << true << "外方" << "5000" << "83.33"
                                           << "5083.33";
        QTest::newRow("contract, no deduction") << "承包经营" << false << "" << "30000" << "4750"
                                                << "25250";
        QTest::newRow("labour") << "劳务报酬" << false << "" << "30000" << "5200" << "24800";
        QTest::newRow("labour after tax") << "劳务报酬" << true << "" << "24800" << "5200"
                                          << "30000";
        QTest::newRow("royalty") << "稿酬所得" << false << "" << "5000" << "560" << "4440";
        QTest::newRow("royalty after tax") << "稿酬所得" << true << "" << "4368" << "550.92"
                                           << "4918.92";
        QTest::newRow("franchise") << "特许权使用费" << false << "" << "4000" << "640" << "3360";
        QTest::newRow("lease after tax") << "财产租赁" << true << "" << "3360" << "640" << "4000";
        QTest::newRow("transfer") << "财产转让" << false << "" << "100" << "20" << "80";
        QTest::newRow("incidental") << "偶然所得" << false << "" << "1234.56" << "246.91"
                                    << "987.65";
        QTest::newRow("dividend after tax") << "利息、股息、红利" << true << "" << "80" << "20"
                                            << "100";
    }

    void calculatesEveryDirection()
    {
        QFETCH(QString, type);
        QFETCH(bool, afterTax);
        QFETCH(QString, staff);
        QFETCH(QString, amount);
        QFETCH(QString, tax);
        QFETCH(QString, result);
        TaxCalculatorWindow w(m_rates, m_messages);
        pickType(w, type.toUtf8().constData());
        if (afterTax) {
            w.afterTaxButton()->click();
        }
        if (staff == QStringLiteral("外方")) {
            w.foreignBox()->click();
        }
        calculate(w, amount.toUtf8().constData());
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(w.taxEdit()->text(), tax);
        QCOMPARE(w.resultEdit()->text(), result);
    }

    void bothBoxesOffUseTheForeignSetWithTheLastDeduction()
    {
        // A foreign set that differs, to see which one is read.
        m_rates.setRates(TaxRates::Kind::Foreign, handSet({{"0", "0", "0.5", "0", "4000"}}));
        TaxCalculatorWindow w(m_rates, m_messages);
        w.foreignBox()->click();
        w.foreignBox()->click(); // off again: deduction back to 800, Chinese box still off
        calculate(w, "1800");
        QCOMPARE(w.taxEdit()->text(), QStringLiteral("500"));
        // After tax the Chinese brackets serve either box.
        w.afterTaxButton()->click();
        calculate(w, "1275");
        QCOMPARE(w.taxEdit()->text(), QStringLiteral("25"));
        QCOMPARE(w.resultEdit()->text(), QStringLiteral("1300"));
    }

    void emptyDeductionCountsAsZero()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        w.deductionEdit()->clear();
        calculate(w, "100");
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("0"));
        QCOMPARE(w.taxEdit()->text(), QStringLiteral("5"));
    }

    void emptyAmountAsksForOne()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.deductionEdit()->setFocus();
        calculate(w, "  ");
        QCOMPARE(m_messages.boxes(),
                 (QList<ScriptedMessageService::Box>{{Kind::Info, QStringLiteral("请输入金额！")}}));
        QVERIFY(w.amountEdit()->hasFocus());
        QCOMPARE(w.taxEdit()->text(), QString());
    }

    void aLonePointIsRefusedAndResultsStay()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        calculate(w, "3000");
        calculate(w, ".");
        QCOMPARE(m_messages.boxes(),
                 (QList<ScriptedMessageService::Box>{{Kind::Error, QStringLiteral("“.”不是有效的金额！")}}));
        QCOMPARE(w.taxEdit()->text(), QStringLiteral("205"));
        QCOMPARE(w.resultEdit()->text(), QStringLiteral("2795"));
    }

    void amountsOfTenDigitsAreRefusedNotOverflowed()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        w.afterTaxButton()->click();
        calculate(w, "900000000000000");
        QCOMPARE(m_messages.boxes(),
                 (QList<ScriptedMessageService::Box>{{Kind::Error, QStringLiteral("输入金额太大！")}}));
        QCOMPARE(w.taxEdit()->text(), QString());
        m_messages.clear();
        calculate(w, "999999999.99");
        QVERIFY(m_messages.boxes().isEmpty());
        QVERIFY(!w.taxEdit()->text().startsWith(u'-'));
    }

    void aMissingRateSetGivesItsMessageNotAFigure()
    {
        m_rates.setRates(TaxRates::Kind::Service, RateSet());
        TaxCalculatorWindow w(m_rates, m_messages);
        pickType(w, "劳务报酬");
        calculate(w, "30000");
        QCOMPARE(m_messages.boxes(),
                 (QList<ScriptedMessageService::Box>{{Kind::Error, QStringLiteral("获取劳务报酬收入税率错误！")}}));
        QCOMPARE(w.taxEdit()->text(), QString());
    }

    void amountBoxesTakeDigitsAndOnePoint()
    {
        TaxCalculatorWindow w(m_rates, m_messages);
        w.deductionEdit()->clear();
        QTest::keyClicks(w.deductionEdit(), QStringLiteral("1.2.3a-"));
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("1.23"));
        QTest::keyClicks(w.amountEdit(), QStringLiteral("5x0.0.5"));
        QCOMPARE(w.amountEdit()->text(), QStringLiteral("50.05"));
    }

    void closingDestroysTheWindowAndItsSubWindow()
    {
        QMdiArea area;
        for (bool byEscape : {false, true}) {
            QPointer<TaxCalculatorWindow> w = new TaxCalculatorWindow(m_rates, m_messages);
            QPointer<QMdiSubWindow> sub = area.addSubWindow(w);
            area.show();
            sub->show();
            if (byEscape) {
                w->amountEdit()->setFocus();
                QTest::keyClick(w->amountEdit(), Qt::Key_Escape);
            } else {
                QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnClose")),
                                  Qt::LeftButton);
            }
            QTRY_VERIFY(w.isNull());
            QTRY_VERIFY(sub.isNull());
        }
    }

    void showingItAgainBringsTheOpenOneForward()
    {
        QMdiArea area;
        area.show();
        QVERIFY(ShowTaxCalculator(area, m_rates, m_messages));
        QCOMPARE(area.subWindowList().size(), 1);
        auto *first = qobject_cast<TaxCalculatorWindow *>(area.subWindowList().first()->widget());
        QVERIFY(first);
        first->amountEdit()->setText(QStringLiteral("123"));
        QVERIFY(ShowTaxCalculator(area, m_rates, m_messages));
        QCOMPARE(area.subWindowList().size(), 1);
        QCOMPARE(area.activeSubWindow()->widget(), first);
        QCOMPARE(first->amountEdit()->text(), QStringLiteral("123"));
        QPointer<TaxCalculatorWindow> gone = first;
        first->closeWindow();
        QTRY_VERIFY(gone.isNull());
        QTRY_COMPARE(area.subWindowList().size(), 0);
        QVERIFY(ShowTaxCalculator(area, m_rates, m_messages));
        QCOMPARE(area.subWindowList().size(), 1);
    }
};

QTEST_MAIN(TaxCalculatorTest)
#include "TaxCalculatorTest.moc"
