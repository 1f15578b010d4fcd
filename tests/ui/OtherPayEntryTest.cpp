// The other-payment window: opening on a month, picking a person, the tax as the fields are
// left, and adding payments one after another.

#include "OtherPayFixture.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using Kind = ScriptedMessageService::Kind;
using Box = ScriptedMessageService::Box;
using Boxes = QList<Box>;

namespace {

void chooseType(OtherPayWindow &w, const char *type)
{
    const int i = w.typeBox()->findText(QString::fromUtf8(type));
    QVERIFY(i >= 0);
    w.typeBox()->setCurrentIndex(i);
}

QStringList figures(const OtherPayWindow &w)
{
    return {w.deductionEdit()->text(), w.taxableEdit()->text(), w.rateEdit()->text(),
            w.quickEdit()->text(), w.taxEdit()->text()};
}

bool enabled(const OtherPayWindow &w, const char *action)
{
    return w.action(QString::fromLatin1(action))->isEnabled();
}

} // namespace

class OtherPayEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheMonthsOtherPayments()
    {
        OtherPayFixture f;
        f.ledger("劳务报酬收入", "E2", "0002", "3000");
        f.ledger("工资所得税", "E1", "0001", "5000");
        f.ledger("一次性奖金", "E1", "0001", "5000");
        f.ledger("补发工资", "E1", "0001", "5000");
        f.ledger("其他所得", "E1", "0001", "100");
        OtherPayWindow &w = f.open();
        QAbstractItemModelTester tester(w.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        QCOMPARE(w.windowTitle(), QStringLiteral("其他支付"));
        QCOMPARE(w.model()->rowCount(), 2); // wages, bonus and back pay never show here
        QCOMPARE(w.model()->rowAt(0).empId, QStringLiteral("E1"));
        QCOMPARE(w.model()->rowAt(1).taxType, QStringLiteral("劳务报酬收入"));
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("浏览其他支付记录"));
        QCOMPARE(w.dateEdit()->date(), QDate(2005, 3, 15));
        QCOMPARE(w.typeBox()->count(), 4);
        QCOMPARE(w.typeBox()->itemText(0), QStringLiteral("承包经营收入"));
        QCOMPARE(w.typeBox()->currentIndex(), -1); // nothing chosen at first
        QVERIFY(w.deductionEdit()->isReadOnly());
        QVERIFY(w.taxEdit()->isReadOnly());
        QCOMPARE(w.incomeEdit()->maxLength(), 18);
        QCOMPARE(w.receiptEdit()->maxLength(), 30);
        // From the fourth column on 70 pixels, wider only where the title would be cut off.
        QCOMPARE(w.list()->columnWidth(OtherPayListModel::DeptID), 70);
        for (int c = 3; c < OtherPayListModel::ColumnCount; ++c) {
            QVERIFY(w.list()->columnWidth(c) >= 70);
            QVERIFY(w.list()->columnWidth(c) >= w.list()->horizontalHeader()->sectionSizeHint(c));
        }
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("periodLabel"))->text().trimmed(),
                 QStringLiteral("所属期间：2005年3月"));
        QCOMPARE(w.action(QStringLiteral("actAdd"))->toolTip(),
                 QStringLiteral("增加指定人员的支付记录"));
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void anEmptyMonthSaysNothingAndAFailingListSaysSo()
    {
        OtherPayFixture f;
        QVERIFY(f.open().statusLabel()->text().isEmpty());
        f.app.exec(QStringLiteral("drop table TaxIncome"));
        OtherPayWindow &w = f.open();
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Error, QStringLiteral("数据打开错误！")}}));
        QCOMPARE(w.model()->rowCount(), 0);
    }

    void pickingAPersonStartsAPaymentForHim()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E2");
        QCOMPARE(w.deptNameEdit()->text(), QStringLiteral("销售部"));
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("李四"));
        QCOMPARE(w.idCardEdit()->text(), QStringLiteral("11010119800101E2"));
        QCOMPARE(w.state(), OtherPayWindow::State::Add);
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("增加其他支付记录"));
        QVERIFY(w.panel()->isEnabled());
        QVERIFY(!enabled(w, "actAdd") && !enabled(w, "actEdit") && !enabled(w, "actDelete"));
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void aCancelledPickAsksForAPerson()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.open();
        w.pickPerson();
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Info, QStringLiteral("请先选择人员！")}}));
        QCOMPARE(w.state(), OtherPayWindow::State::Browse);
        QVERIFY(w.empNameEdit()->text().isEmpty());
        f.messages.clear();
        w.addPayment();
        QCOMPARE(f.messages.lastText(), QStringLiteral("请先选择人员！"));
    }

    void leavingTheIncomeShowsTheTaxOfTheType()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E1", "劳务报酬收入");
        w.incomeEdit()->setText(QStringLiteral("3000"));
        w.leaveIncome();
        // (3000 - 800) × 20% = 440.
        QCOMPARE(w.incomeEdit()->text(), QStringLiteral("3000.00"));
        QCOMPARE(figures(w), (QStringList{"800.00", "2200.00", "0.2", "0", "440"}));

        // Above 20000: 30000 less 20% = 24000, at 30% less 2000 = 5200.
        w.incomeEdit()->setText(QStringLiteral("30000"));
        w.leaveIncome();
        QCOMPARE(figures(w), (QStringList{"6000.00", "24000.00", "0.3", "2000", "5200"}));

        // A new type clears the amounts.
        chooseType(w, "其他所得");
        QCOMPARE(figures(w), (QStringList{"", "", "", "", ""}));
        QVERIFY(w.incomeEdit()->text().isEmpty());
        w.incomeEdit()->setText(QStringLiteral("1000"));
        w.leaveIncome();
        QCOMPARE(figures(w), (QStringList{"0.00", "1000.00", "0.2", "0", "200"}));
    }

    void onlyAContractsDeductionIsTyped()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E1", "承包经营收入");
        QVERIFY(!w.deductionEdit()->isReadOnly());
        w.incomeEdit()->setText(QStringLiteral("50000"));
        w.leaveIncome();
        w.deductionEdit()->setText(QStringLiteral("60000"));
        w.leaveDeduction();
        QCOMPARE(figures(w), (QStringList{"60000.00", "0.00", "0", "0", "0"}));
        chooseType(w, "劳务报酬收入");
        QVERIFY(w.deductionEdit()->isReadOnly());
    }

    void tooLargeAnAmountIsRefusedWhenTheFieldIsLeft()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E1", "劳务报酬收入");
        w.incomeEdit()->setText(QStringLiteral("1234567890"));
        w.leaveIncome();
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Error, QStringLiteral("输入金额太大！")}}));
        QCOMPARE(w.incomeEdit()->text(), QStringLiteral("1234567890"));
        QVERIFY(w.taxEdit()->text().isEmpty());
        w.incomeEdit()->setText(QStringLiteral("123456789.99"));
        w.leaveIncome();
        QCOMPARE(w.incomeEdit()->text(), QStringLiteral("123456789.99"));
        QCOMPARE(f.messages.boxes().size(), 1);
    }

    void savedPaymentsFollowOneAnotherForTheSamePerson()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E1", "劳务报酬收入");
        // Typed and saved without leaving the field: the save computes for itself.
        w.incomeEdit()->setText(QStringLiteral("3000"));
        w.receiptEdit()->setText(QStringLiteral("字001"));
        w.savePayment();
        QVERIFY(f.messages.boxes().isEmpty());
        QCOMPARE(f.count(QStringLiteral("TaxIncome = 22000000 and MinusFare = 8000000 and "
                                        "TaxMoney = 4400000 and TaxNumber = '字001' and "
                                        "DeptID = '0001' and TaxDate = '2005-03-15'")),
                 1);
        QCOMPARE(w.model()->rowCount(), 1);
        QCOMPARE(w.state(), OtherPayWindow::State::Add);
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("张三"));
        QVERIFY(w.incomeEdit()->text().isEmpty());
        QCOMPARE(w.typeBox()->currentText(), QStringLiteral("劳务报酬收入"));

        w.incomeEdit()->setText(QStringLiteral("500"));
        w.savePayment();
        QCOMPARE(f.count(QStringLiteral("EmpId = 'E1'")), 2);
        QCOMPARE(w.model()->rowCount(), 2);
    }

    void aRefusedOrFailedSaveKeepsTheInput()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E1", "劳务报酬收入");
        w.incomeEdit()->setText(QStringLiteral("3000"));
        w.dateEdit()->setDate(QDate(2005, 2, 28));
        w.savePayment();
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Error, QStringLiteral("纳税日期不能小于选择日期！")}}));
        w.dateEdit()->setDate(QDate(2005, 3, 16));
        w.savePayment();
        QCOMPARE(f.messages.lastText(), QStringLiteral("纳税日期不能大于系统日期！"));
        QCOMPARE(f.count(), 0);

        f.messages.clear();
        w.dateEdit()->setDate(QDate(2005, 3, 1));
        f.app.exec(QStringLiteral("create trigger refuse before insert on TaxIncome "
                                  "begin select raise(abort, 'disk full'); end"));
        w.savePayment();
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Error, QStringLiteral("保存失败！")}}));
        QCOMPARE(w.state(), OtherPayWindow::State::Add);
        QCOMPARE(w.incomeEdit()->text(), QStringLiteral("3000.00"));
        QCOMPARE(w.taxEdit()->text(), QStringLiteral("440"));
        QCOMPARE(w.model()->rowCount(), 0);
    }

    void savingInBrowseStateDoesNothing()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.open();
        w.incomeEdit()->setText(QStringLiteral("3000"));
        w.savePayment();
        QCOMPARE(f.count(), 0);
        QVERIFY(f.messages.boxes().isEmpty());
    }
};

QTEST_MAIN(OtherPayEntryTest)
#include "OtherPayEntryTest.moc"
