// The other-payment window: showing a listed payment, editing and deleting it, and the
// questions asked when the clerk leaves unsaved input.

#include "OtherPayFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using Kind = ScriptedMessageService::Kind;
using Box = ScriptedMessageService::Box;
using Boxes = QList<Box>;

namespace {

bool enabled(const OtherPayWindow &w, const char *action)
{
    return w.action(QString::fromLatin1(action))->isEnabled();
}

// Two payments of March: E1's interest (row 0) and E2's labour remuneration (row 1).
OtherPayWindow &openWithTwo(OtherPayFixture &f)
{
    f.ledger("利息股息偶然所得", "E1", "0001", "1000");
    f.ledger("劳务报酬收入", "E2", "0002", "3000");
    return f.open();
}

} // namespace

class OtherPayBrowseTest : public QObject
{
    Q_OBJECT

private slots:
    void clickingARowShowsIt()
    {
        OtherPayFixture f;
        f.app.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, "
                                  "EmpName, EmpCardNo, DeptID, Income, MinusFare, TaxIncome, "
                                  "TaxRate, TakeOutMoney, TaxMoney, TaxNumber) values (2005, 3, "
                                  "'劳务报酬收入', 'E2', '李四', 'C2', '0002', 300000000, "
                                  "60000000, 240000000, 3000, 20000000, 52000000, 'N1')"));
        OtherPayWindow &w = f.open();
        w.showPaymentRow(0);
        QCOMPARE(w.deptNameEdit()->text(), QStringLiteral("销售部"));
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("李四"));
        QCOMPARE(w.idCardEdit()->text(), QStringLiteral("C2"));
        QCOMPARE(w.typeBox()->currentText(), QStringLiteral("劳务报酬收入"));
        QCOMPARE(w.dateEdit()->date(), QDate(2005, 3, 15)); // no date stored: today
        QCOMPARE(w.incomeEdit()->text(), QStringLiteral("30000.00"));
        QCOMPARE(w.deductionEdit()->text(), QStringLiteral("6000.00"));
        QCOMPARE(w.taxableEdit()->text(), QStringLiteral("24000.00"));
        QCOMPARE(w.rateEdit()->text(), QStringLiteral("0.3"));
        QCOMPARE(w.quickEdit()->text(), QStringLiteral("2000"));
        QCOMPARE(w.taxEdit()->text(), QStringLiteral("5200"));
        QCOMPARE(w.receiptEdit()->text(), QStringLiteral("N1"));
        QVERIFY(!w.panel()->isEnabled());
        QVERIFY(enabled(w, "actAdd") && enabled(w, "actEdit") && enabled(w, "actDelete"));
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("浏览其他支付记录"));
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void anEditChangesTheAmountsAndKeepsPersonDepartmentAndPeriod()
    {
        OtherPayFixture f;
        OtherPayWindow &w = openWithTwo(f);
        w.showPaymentRow(1);
        const qint64 id = w.rowId();
        w.editPayment();
        QCOMPARE(w.state(), OtherPayWindow::State::Edit);
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("编辑其他支付记录"));
        QVERIFY(w.panel()->isEnabled());
        QVERIFY(enabled(w, "actAdd") && !enabled(w, "actEdit") && !enabled(w, "actDelete"));

        w.typeBox()->setCurrentIndex(w.typeBox()->findText(QStringLiteral("承包经营收入")));
        w.incomeEdit()->setText(QStringLiteral("8000"));
        w.dateEdit()->setDate(QDate(2005, 3, 2));
        w.receiptEdit()->setText(QStringLiteral("改"));
        w.savePayment();
        QVERIFY(f.messages.boxes().isEmpty());
        QCOMPARE(w.state(), OtherPayWindow::State::Browse);
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("浏览其他支付记录"));
        // 8000 in the contract's 10% bracket less 250 = 550.
        QCOMPARE(
            f.count(QStringLiteral("ID = %1 and TaxType = '承包经营收入' and Income = 80000000 "
                                   "and TaxMoney = 5500000 and TaxNumber = '改' and "
                                   "TaxDate = '2005-03-02' and EmpId = 'E2' and "
                                   "EmpName = '李四' and DeptID = '0002' and TaxYear = 2005 "
                                   "and TaxMonth = 3")
                        .arg(id)),
            1);
        QCOMPARE(f.count(), 2);
    }

    void clickingAnotherRowWhileAddingAsksWhetherToSave()
    {
        OtherPayFixture f;
        OtherPayWindow &w = openWithTwo(f);
        f.willPick("E1");
        w.pickPerson();
        w.typeBox()->setCurrentIndex(w.typeBox()->findText(QStringLiteral("其他所得")));
        w.incomeEdit()->setText(QStringLiteral("100"));

        f.messages.setNextAnswer(false); // lose the input, show the row
        w.showPaymentRow(1);
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Question, QStringLiteral("当前正在增加记录，是否保存?")}}));
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("李四"));
        QCOMPARE(w.state(), OtherPayWindow::State::Browse);
        QCOMPARE(f.count(), 2);

        f.messages.clear();
        w.editPayment();
        w.incomeEdit()->setText(QStringLiteral("4000"));
        f.messages.setNextAnswer(true); // save; the clicked row is not shown
        w.showPaymentRow(0);
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("当前正在编辑记录，是否保存?")});
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("李四"));
        QCOMPARE(f.count(QStringLiteral("EmpId = 'E2' and Income = 40000000")), 1);
    }

    void pickingOrAddingWhileEditingAsksFirst()
    {
        OtherPayFixture f;
        OtherPayWindow &w = openWithTwo(f);
        w.showPaymentRow(0);
        w.editPayment();
        f.messages.setNextAnswer(false);
        w.pickPerson();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("正在增加记录，是否继续?")});
        QCOMPARE(w.state(), OtherPayWindow::State::Edit);

        f.messages.clear();
        f.messages.setNextAnswer(false);
        w.addPayment();
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("当前记录正处于编辑状态，继续吗？")});
        QCOMPARE(w.state(), OtherPayWindow::State::Edit);
        f.messages.setNextAnswer(true);
        w.addPayment();
        QCOMPARE(w.state(), OtherPayWindow::State::Add);
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("张三"));
    }

    void deleteAsksThenShowsTheNextRow()
    {
        OtherPayFixture f;
        OtherPayWindow &w = openWithTwo(f);
        w.showPaymentRow(0);
        f.messages.setNextAnswer(false);
        w.deletePayment();
        QCOMPARE(f.count(), 2);
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("你确认删除此数据吗?")});

        w.deletePayment(); // yes
        QCOMPARE(f.count(), 1);
        QCOMPARE(w.model()->rowCount(), 1);
        QCOMPARE(w.empNameEdit()->text(), QStringLiteral("李四")); // the list's row now
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("浏览其他支付记录"));

        w.deletePayment();
        QCOMPARE(f.count(), 0);
        // Nothing left: the panel forgets the deleted row.
        QVERIFY(w.empNameEdit()->text().isEmpty());
        f.messages.clear();
        w.deletePayment();
        w.editPayment();
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Info, QStringLiteral("当前没有删除数据！")},
                        {Kind::Info, QStringLiteral("当前没有可供编辑的数据！")}}));
    }

    void aFailedDeleteIsReported()
    {
        OtherPayFixture f;
        OtherPayWindow &w = openWithTwo(f);
        w.showPaymentRow(0);
        f.app.exec(QStringLiteral("create trigger keep before delete on TaxIncome "
                                  "begin select raise(abort, 'locked'); end"));
        w.deletePayment();
        QCOMPARE(f.messages.boxes().last(), (Box{Kind::Error, QStringLiteral("无法删除！")}));
        QCOMPARE(w.model()->rowCount(), 2);
    }
};

QTEST_MAIN(OtherPayBrowseTest)
#include "OtherPayBrowseTest.moc"
