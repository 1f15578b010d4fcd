// Back pay from the main window's entries: starting, the query, posting, and the window's
// posted view where every editing command is refused.

#include "BackPayUiFixture.h"

#include "backpay/BackPayGridModel.h"
#include "backpay/BackPaySheet.h"
#include "backpay/ui/BackPayFunctions.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QtTest>

using Kind = ScriptedMessageService::Kind;
using Boxes = QList<ScriptedMessageService::Box>;

namespace {

QStringList columnNames(BackPayWindow &w)
{
    QStringList names;
    for (const BackPayGridColumn &c : w.model()->grid().columns()) {
        names << c.name;
    }
    return names;
}

int windowsIn(QMdiArea &area)
{
    return int(area.subWindowList().size());
}

} // namespace

class BackPayFunctionsTest : public QObject
{
    Q_OBJECT

private slots:
    void startAsksAPostedPayMonthAndItsMonths()
    {
        BackPayUiFixture f;
        QMdiArea area;
        const BackPayServices services{f.app.db(), f.rates, f.messages, f.opener};
        f.dialogs.periods << BackPayMonth{2005, 6} << BackPayMonth{2005, 5};
        StartBackPay(area, services, f.dialogs.hooks());
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Info, QStringLiteral("\"2005年6月\"尚未做工资！")}}));
        QCOMPARE(windowsIn(area), 0);

        f.dialogs.months << BackPayMonths{{2005, 3}, {2005, 5}};
        StartBackPay(area, services, f.dialogs.hooks());
        QCOMPARE(f.dialogs.asked,
                 (QStringList{"补发工资 - 选择年月", "补发工资 - 选择年月", "months 2005年5月 "}));
        BackPayWindow *w = FindBackPayWindow(area);
        QVERIFY(w);
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("补发工资：2005年5月"));
        QCOMPARE(w->model()->rowCount(), 0);
        QVERIFY(w->isSaved());
        QVERIFY(f.app.db().hasColumn(QStringLiteral("ReissueTemp"),
                                     QStringLiteral("2005年5月减除费用")));

        // Once open, the entry only brings it forward.
        StartBackPay(area, services, f.dialogs.hooks());
        QCOMPARE(windowsIn(area), 1);
        QCOMPARE(f.dialogs.asked.size(), 3);
    }

    void aPendingBackPayOpensAsUnsaved()
    {
        BackPayUiFixture f;
        f.startSheet();
        QMdiArea area;
        StartBackPay(area, {f.app.db(), f.rates, f.messages, f.opener}, f.dialogs.hooks());
        BackPayWindow *w = FindBackPayWindow(area);
        QVERIFY(w);
        QVERIFY(f.dialogs.asked.isEmpty());
        QCOMPARE(w->model()->rowCount(), 2);
        QVERIFY(!w->isSaved());
        QVERIFY(!w->isPosted());
    }

    void postingTurnsTheWindowIntoThePostedView()
    {
        BackPayUiFixture f;
        f.startSheet();
        BackPaySheet sheet(f.app.db(), f.rates, f.messages);
        QVERIFY(sheet.setBackPay(QStringLiteral("A1"), {2005, 3}, M("300")));
        QVERIFY(sheet.setBackPay(QStringLiteral("A1"), {2005, 4}, M("100")));
        auto w = f.window();
        QVERIFY(w->openSheet(false));
        w->post();
        QCOMPARE(f.dialogs.asked, QStringList{"补发工资过账 2005-5"});
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Info, QStringLiteral("补发工资入账完毕！")}}));
        QVERIFY(w->isPosted());
        QVERIFY(w->isSaved());
        QCOMPARE(columnNames(*w), (QStringList{"部门", "姓名", "员工编号", "2005年3月", "2005年4月",
                                               "合计补发工资", "扣税", "实际补发"}));
        QCOMPARE(w->model()->rowCount(), 1);
        QCOMPARE(w->model()->grid().text(0, QStringLiteral("扣税")), QStringLiteral("35.00"));
        QCOMPARE(w->model()->grid().text(0, QStringLiteral("实际补发")), QStringLiteral("365.00"));
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("补发工资：2005年5月"));
        QVERIFY(!(w->model()->flags(w->model()->index(0, 3)) & Qt::ItemIsEditable));

        f.messages.clear();
        w->addDepartment();
        w->addEmployee();
        w->deleteEmployee();
        w->rechooseMonths();
        w->calculate();
        w->post();
        w->amountEdit()->setText(QStringLiteral("5"));
        w->replaceColumn();
        QCOMPARE(f.messages.texts(),
                 (QStringList{"已入账，不能添加！", "已入账，不能添加！", "已入账，不能删除！",
                              "已入账，不能重新生成！", "已入账！", "已入账！", "已入账！"}));
        QCOMPARE(f.dialogs.asked.size(), 1); // no dialog opened for any of them

        // The posted view exports what it shows.
        w->exportExcel();
        QCOMPARE(f.opener.opened.size(), 1);
        QVERIFY(
            QFileInfo(f.opener.opened.first()).fileName().startsWith(QStringLiteral("补发工资表")));
    }

    void queryShowsPostedBackPayElseThePendingSheetElseSaysSo()
    {
        BackPayUiFixture f;
        BackPayFixture::addPostedBackPay(f.app.db(), {2005, 4}, {2005, 3}, QStringLiteral("A1"),
                                         M("50"));
        QVERIFY(f.app.db().exec(QStringLiteral(
            "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, Income, TaxMoney) "
            "values (2005, 4, '补发工资', 'A1', 500000, 25000)")));
        f.startSheet(); // pending for May
        QMdiArea area;
        const BackPayServices services{f.app.db(), f.rates, f.messages, f.opener};

        f.dialogs.periods << BackPayMonth{2005, 6};
        ShowBackPayQuery(area, services, f.dialogs.hooks());
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Info, QStringLiteral("无\"2005年6月\"补发工资数据")}}));
        QCOMPARE(windowsIn(area), 0);

        f.dialogs.periods << BackPayMonth{2005, 4};
        ShowBackPayQuery(area, services, f.dialogs.hooks());
        BackPayWindow *w = FindBackPayWindow(area);
        QVERIFY(w);
        QVERIFY(w->isPosted());
        QCOMPARE(w->model()->grid().text(0, QStringLiteral("2005年3月")), QStringLiteral("50.00"));
        QCOMPARE(w->model()->grid().text(0, QStringLiteral("扣税")), QStringLiteral("2.50"));

        // The pending sheet of the period asked for opens in the same window, saved.
        f.dialogs.periods << BackPayMonth{2005, 5};
        ShowBackPayQuery(area, services, f.dialogs.hooks());
        QCOMPARE(windowsIn(area), 1);
        QVERIFY(!w->isPosted());
        QVERIFY(w->isSaved());
        QCOMPARE(w->model()->rowCount(), 2);

        // " 查 询 " of an unsaved sheet asks the save question first.
        QVERIFY(w->model()->setData(w->model()->index(0, w->model()->grid().columnIndex(
                                                             QStringLiteral("2005年3月补发工资"))),
                                    QStringLiteral("10")));
        f.messages.clear();
        f.dialogs.periods << BackPayMonth{2005, 4};
        w->query();
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Question, QStringLiteral("您确认保存当前数据吗?")}}));
        QVERIFY(w->isPosted());
    }

    void menuPostingGoesThroughTheOpenWindow()
    {
        BackPayUiFixture f;
        QMdiArea area;
        const BackPayServices services{f.app.db(), f.rates, f.messages, f.opener};
        PostBackPayFromMenu(area, services, f.dialogs.hooks());
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Info, QStringLiteral("无补发工资过账数据！")}}));

        f.startSheet();
        QVERIFY(BackPaySheet(f.app.db(), f.rates, f.messages)
                    .setBackPay(QStringLiteral("A2"), {2005, 4}, M("10")));
        StartBackPay(area, services, f.dialogs.hooks());
        f.messages.clear();
        PostBackPayFromMenu(area, services, f.dialogs.hooks());
        QCOMPARE(f.messages.texts(), QStringList{"补发工资入账完毕！"});
        QVERIFY(FindBackPayWindow(area)->isPosted());
        QCOMPARE(
            f.rows(QStringLiteral("select count(*) from TaxIncome where TaxType = '补发工资'")), 1);
    }

    void sheetExportsItsView()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        QVERIFY(w->openSheet(true));
        w->exportExcel();
        QCOMPARE(f.opener.opened.size(), 1);
        QVERIFY(f.messages.boxes().isEmpty());
    }
};

QTEST_MAIN(BackPayFunctionsTest)
#include "BackPayFunctionsTest.moc"
