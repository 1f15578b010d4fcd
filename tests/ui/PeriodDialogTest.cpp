// The period dialog "报表时期" that the wage, back-pay, other-payment and return windows share.

#include "TestApp.h"

#include "widgets/PeriodDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

class PeriodDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAtTodaysYearAndMonth()
    {
        TestApp app(QDateTime(QDate(2005, 3, 15), QTime(10, 0)));
        PeriodDialog d;
        QCOMPARE(d.windowTitle(), QStringLiteral("报表时期"));
        QCOMPARE(d.banner()->text(), QStringLiteral("报表时期"));
        QCOMPARE(d.period(), (YearMonth{2005, 3}));
        QCOMPARE(d.yearBox()->minimum(), 1900);
        QCOMPARE(d.yearBox()->maximum(), 2500);
        QCOMPARE(d.monthBox()->count(), 12);
        QCOMPARE(d.monthBox()->itemText(0), QStringLiteral("1"));
        QCOMPARE(d.monthBox()->itemText(11), QStringLiteral("12"));
    }

    void aCallerNamesTheDialog()
    {
        TestApp app;
        PeriodDialog d(QStringLiteral("其它支付 - 选择月份"));
        QCOMPARE(d.windowTitle(), QStringLiteral("其它支付 - 选择月份"));
        QCOMPARE(d.banner()->text(), QStringLiteral("其它支付 - 选择月份"));
    }

    void theYearChangesWithTheArrowsOnly()
    {
        TestApp app(QDateTime(QDate(2005, 12, 31), QTime(23, 0)));
        PeriodDialog d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.yearBox()->setFocus();
        QTest::keyClicks(d.yearBox(), QStringLiteral("19"));
        QCOMPARE(d.yearBox()->value(), 2005);
        QTest::keyClick(d.yearBox(), Qt::Key_Up);
        QCOMPARE(d.period(), (YearMonth{2006, 12}));
        d.yearBox()->setValue(2600);
        QCOMPARE(d.yearBox()->value(), 2500);
    }

    void enterMovesOnAndOkTakesThePeriod()
    {
        TestApp app;
        PeriodDialog d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.yearBox()->setFocus();
        QTest::keyClick(d.yearBox(), Qt::Key_Return);
        QVERIFY(d.isVisible()); // Enter in a field does not close the dialog
        QCOMPARE(QApplication::focusWidget(), d.monthBox());
        d.monthBox()->setCurrentIndex(6);
        QVERIFY(d.pressOk());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.period(), (YearMonth{2005, 7}));
    }

    void selectPeriodGivesNothingWhenCancelled()
    {
        TestApp app;
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<PeriodDialog *>(QApplication::activeModalWidget())) {
                d->monthBox()->setCurrentIndex(1);
                d->okButton()->click();
            }
        });
        QCOMPARE(SelectPeriod(), (std::optional<YearMonth>(YearMonth{2005, 2})));
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<PeriodDialog *>(QApplication::activeModalWidget())) {
                d->cancelButton()->click();
            }
        });
        QCOMPARE(SelectPeriod(QStringLiteral("工资浏览 - 选择年月")), std::optional<YearMonth>());
    }
};

QTEST_MAIN(PeriodDialogTest)
#include "PeriodDialogTest.moc"
