// The month chooser, the department list and the posting dialog of back pay.

#include "BackPayUiFixture.h"

#include "backpay/BackPaySheet.h"
#include "backpay/ui/BackPayDeptDialog.h"
#include "backpay/ui/BackPayMonthsDialog.h"
#include "payroll/ui/PostingDateDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

namespace {

QStringList texts(QListWidget *list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i) {
        t << list->item(i)->text();
    }
    return t;
}

} // namespace

class BackPayDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void monthChooserMovesMonthsAndAllowsTwelve()
    {
        BackPayUiFixture f;
        for (int m = 1; m <= 12; ++m) {
            BackPayFixture::addPostedWage(f.app.db(), 2004, m, QStringLiteral("A1"),
                                          QStringLiteral("一部"), M("1"), M("0"));
        }
        BackPayMonthsDialog d(
            [&f](std::optional<int> year) {
                return BackPaySheet(f.app.db(), f.rates, f.messages).postedMonths({2005, 4}, year);
            },
            {{2005, 3}}, f.messages);
        QCOMPARE(d.windowTitle(), QStringLiteral("补发工资"));
        QCOMPARE(d.yearBox()->value(), 2005); // the clock's year
        // May is after the pay month; March is chosen already.
        QCOMPARE(texts(d.offeredList()), QStringList{"2005年4月"});
        QCOMPARE(texts(d.chosenList()), QStringList{"2005年3月"});

        d.yearBox()->setValue(2004);
        QCOMPARE(d.offeredList()->count(), 12);
        d.moveAllRight();
        QCOMPARE(d.chosenList()->count(), 13);
        QVERIFY(!d.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("请选择少于12的补发工资月！"));

        // Back to the left only while the left shows the month's year.
        d.chosenList()->setCurrentRow(0); // 2005年3月
        d.moveLeft();
        QCOMPARE(d.offeredList()->count(), 0);
        QVERIFY(d.pressOk());
        QCOMPARE(d.chosen().size(), 12);
        QCOMPARE(d.chosen().first(), BackPayMonth({2004, 1}));

        d.allYearsBox()->setChecked(true);
        QCOMPARE(texts(d.offeredList()), (QStringList{"2005年3月", "2005年4月"}));
        d.moveAllLeft();
        QCOMPARE(d.offeredList()->count(), 14);
        QVERIFY(!d.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("请选择补发工资月！"));
    }

    void departmentListStartsWithTheCompany()
    {
        BackPayUiFixture f;
        OrgFixture::addDept(f.app.db(), QStringLiteral("0003"), QStringLiteral("撤销部"),
                            QStringLiteral("0000"), true);
        BackPayDeptDialog d(f.app.db(), f.messages, QStringLiteral("北方机械厂"));
        QCOMPARE(d.windowTitle(), QStringLiteral("整部门添加员工"));
        QCOMPARE(texts(d.list()), (QStringList{"北方机械厂", "一部", "二部", "临时员工"}));
        QVERIFY(!d.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("请选择部门！"));
        d.list()->setCurrentRow(0);
        QVERIFY(d.pressOk());
        QCOMPARE(d.chosenCode(), QStringLiteral("0000"));
        d.list()->setCurrentRow(3);
        QCOMPARE(d.chosenCode(), QStringLiteral("9999"));
    }

    void postingDialogShowsThePeriodAndStartsToday()
    {
        BackPayUiFixture f;
        PostingDateDialog d(QStringLiteral("补发工资过账"), 2005, 12);
        QCOMPARE(d.windowTitle(), QStringLiteral("补发工资过账"));
        QCOMPARE(d.yearBox()->value(), 2005);
        QVERIFY(d.yearBox()->isReadOnly());
        QCOMPARE(d.monthBox()->currentText(), QStringLiteral("十二月"));
        QVERIFY(!d.monthBox()->isEnabled());
        QCOMPARE(d.postingDate(), QStringLiteral("2005-03-15"));
        d.dateEdit()->setDate(QDate(2005, 12, 28));
        QVERIFY(d.pressOk());
        QCOMPARE(d.postingDate(), QStringLiteral("2005-12-28"));
    }
};

QTEST_MAIN(BackPayDialogsTest)
#include "BackPayDialogsTest.moc"
