// The back-pay window on a pending sheet: its columns, typing, the whole-column change,
// deleting, finding, re-choosing months and the save question.

#include "BackPayUiFixture.h"

#include "backpay/BackPayGridModel.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using Kind = ScriptedMessageService::Kind;
using Boxes = QList<ScriptedMessageService::Box>;

namespace {

QString cell(BackPayWindow &w, int row, const QString &column)
{
    return w.model()->grid().text(row, column);
}

QStringList shownColumns(BackPayWindow &w)
{
    QStringList names;
    for (int c = 0; c < w.model()->columnCount(); ++c) {
        if (!w.grid()->isColumnHidden(c)) {
            names << w.model()->headerData(c, Qt::Horizontal).toString();
        }
    }
    return names;
}

QModelIndex indexOf(BackPayWindow &w, int row, const QString &column)
{
    return w.model()->index(row, w.model()->grid().columnIndex(column));
}

} // namespace

class BackPayWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSheetWithItsColumnsAndStatus()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        QAbstractItemModelTester tester(w->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(w->openSheet(false));
        QCOMPARE(w->objectName(), QStringLiteral("BackPayWindow"));
        QCOMPARE(w->windowTitle(), QStringLiteral("补发工资"));
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("补发工资：2005年5月"));
        QCOMPARE(shownColumns(*w),
                 (QStringList{"部门", "姓名", "员工编号", "2005年3月补发工资", "2005年4月补发工资",
                              "合计补发工资", "扣税", "实际补发"}));
        const int dept = w->model()->grid().columnIndex(QStringLiteral("部门"));
        const int total = w->model()->grid().columnIndex(QStringLiteral("合计补发工资"));
        QCOMPARE(w->grid()->columnWidth(dept), 60);
        QCOMPARE(w->grid()->columnWidth(total), 110);
        QCOMPARE(w->model()->index(0, total).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(w->model()->headerData(total, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
        QCOMPARE(w->model()->rowCount(), 2);
        QCOMPARE(cell(*w, 0, QStringLiteral("合计补发工资")), QStringLiteral("0.00"));
        // Only the months' back pay can be typed into.
        QVERIFY(w->model()->flags(indexOf(*w, 0, QStringLiteral("2005年3月补发工资"))) &
                Qt::ItemIsEditable);
        QVERIFY(!(w->model()->flags(indexOf(*w, 0, QStringLiteral("扣税"))) & Qt::ItemIsEditable));
        QVERIFY(!(w->model()->flags(indexOf(*w, 0, QStringLiteral("姓名"))) & Qt::ItemIsEditable));
        QCOMPARE(w->columnBox()->count(), 2);
        QVERIFY(w->setButton()->isChecked());
    }

    void typedBackPayIsStoredAndTaxedAtOnce()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        w->show();
        QVERIFY(w->openSheet(true));
        QVERIFY(w->isSaved());
        // Typed through the cell's editor, as the clerk does.
        const QModelIndex march = indexOf(*w, 0, QStringLiteral("2005年3月补发工资"));
        w->grid()->setCurrentIndex(march);
        w->grid()->edit(march);
        auto *editor = w->grid()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("3a00-"));
        QCOMPARE(editor->text(), QStringLiteral("300"));
        w->calculate(); // " 计 算 " commits the edit first
        QCOMPARE(cell(*w, 0, QStringLiteral("2005年3月补发工资")), QStringLiteral("300.00"));
        QCOMPARE(cell(*w, 0, QStringLiteral("扣税")), QStringLiteral("25.00"));
        QCOMPARE(cell(*w, 0, QStringLiteral("实际补发")), QStringLiteral("275.00"));
        QVERIFY(!w->isSaved());
        QCOMPARE(BackPayFixture::sheetAmount(f.app.db(), QStringLiteral("A1"),
                                             QStringLiteral("2005年3月补发工资")),
                 M("300"));

        // setData as the view calls it: the row's tax follows without " 计 算 ".
        QVERIFY(w->model()->setData(indexOf(*w, 0, QStringLiteral("2005年4月补发工资")),
                                    QStringLiteral("100")));
        QCOMPARE(cell(*w, 0, QStringLiteral("扣税")), QStringLiteral("35.00"));
        // Ten digits before the point are refused and nothing changes.
        QVERIFY(!w->model()->setData(indexOf(*w, 0, QStringLiteral("2005年4月补发工资")),
                                     QStringLiteral("1234567890")));
        QCOMPARE(f.messages.lastText(), QStringLiteral("输入金额太大！"));
        QCOMPARE(cell(*w, 0, QStringLiteral("2005年4月补发工资")), QStringLiteral("100.00"));
    }

    void wholeColumnChangesEveryRowAndNeverBelowZero()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        QVERIFY(w->openSheet(true));
        w->amountEdit()->setText(QStringLiteral("80"));
        w->button(QStringLiteral("替换"))->click();
        QCOMPARE(f.messages.boxes(), (Boxes{{Kind::Info, QStringLiteral("请选择需修改列！")}}));

        w->columnBox()->setCurrentIndex(1);
        w->replaceColumn();
        QCOMPARE(cell(*w, 0, QStringLiteral("2005年4月补发工资")), QStringLiteral("80.00"));
        QCOMPARE(cell(*w, 1, QStringLiteral("2005年4月补发工资")), QStringLiteral("80.00"));
        QCOMPARE(cell(*w, 0, QStringLiteral("2005年3月补发工资")), QStringLiteral("0.00"));

        w->subtractButton()->setChecked(true);
        w->amountEdit()->setText(QStringLiteral("100"));
        w->replaceColumn();
        QCOMPARE(cell(*w, 0, QStringLiteral("2005年4月补发工资")), QStringLiteral("0.00"));

        w->addButton()->setChecked(true);
        w->amountEdit()->setText(QStringLiteral("12.5"));
        w->replaceColumn();
        QCOMPARE(cell(*w, 1, QStringLiteral("2005年4月补发工资")), QStringLiteral("12.50"));
        QVERIFY(!w->isSaved());

        // An empty amount does nothing at all.
        f.messages.clear();
        w->amountEdit()->clear();
        w->replaceColumn();
        QCOMPARE(cell(*w, 1, QStringLiteral("2005年4月补发工资")), QStringLiteral("12.50"));
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void deletingAsksFirstAndFindingLocatesByCodeThenName()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        QVERIFY(w->openSheet(true));
        w->findEdit()->setText(QStringLiteral("李"));
        QTest::keyClick(w->findEdit(), Qt::Key_Return);
        QCOMPARE(w->grid()->currentIndex().row(), 1);
        w->findEdit()->setText(QStringLiteral("Z9"));
        w->locate();
        QCOMPARE(f.messages.lastText(), QStringLiteral("未找到相关信息！"));

        f.messages.setNextAnswer(false);
        w->deleteEmployee();
        QCOMPARE(w->model()->rowCount(), 2);
        w->deleteEmployee(); // the current row: 李四
        QCOMPARE(f.messages.lastText(), QStringLiteral("您确认删除此员工的补发工资吗？"));
        QCOMPARE(w->model()->rowCount(), 1);
        QCOMPARE(cell(*w, 0, QStringLiteral("员工编号")), QStringLiteral("A1"));
        QVERIFY(!w->isSaved());
    }

    void addingStaffFillsTheirBasesAndLocatesThem()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        QVERIFY(w->openSheet(true));
        f.dialogs.emps << RdEmployee{QStringLiteral("B1"), QStringLiteral("王五"),
                                     QStringLiteral("0002"), QStringLiteral("二部"),
                                     QStringLiteral("中方")};
        w->addEmployee();
        QCOMPARE(w->model()->rowCount(), 3);
        QCOMPARE(cell(*w, w->grid()->currentIndex().row(), QStringLiteral("员工编号")),
                 QStringLiteral("B1"));
        QCOMPARE(BackPayFixture::sheetAmount(f.app.db(), QStringLiteral("B1"),
                                             QStringLiteral("2005年4月应税工资")),
                 M("2100"));
        // Already there: found, nothing added.
        f.dialogs.emps << RdEmployee{QStringLiteral("A1"), {}, {}, {}, {}};
        w->addEmployee();
        QCOMPARE(w->model()->rowCount(), 3);
        QCOMPARE(cell(*w, w->grid()->currentIndex().row(), QStringLiteral("员工编号")),
                 QStringLiteral("A1"));

        f.dialogs.depts << QStringLiteral("0000");
        w->addDepartment();
        QCOMPARE(w->model()->rowCount(), 3);
        QCOMPARE(f.dialogs.asked, (QStringList{"emp", "emp", "dept"}));
    }

    void rechoosingMonthsDropsAndAddsColumns()
    {
        BackPayUiFixture f;
        f.startSheet();
        auto w = f.window();
        QVERIFY(w->openSheet(true));
        f.dialogs.months << BackPayMonths{{2005, 4}, {2005, 5}};
        w->rechooseMonths();
        QCOMPARE(f.dialogs.asked, QStringList{"months 2005年5月 2005年3月,2005年4月"});
        QCOMPARE(shownColumns(*w),
                 (QStringList{"部门", "姓名", "员工编号", "2005年4月补发工资", "2005年5月补发工资",
                              "合计补发工资", "扣税", "实际补发"}));
        QCOMPARE(w->columnBox()->itemText(1), QStringLiteral("2005年5月补发工资"));
    }

    void closingUnsavedAsksAndNoDiscardsTheBackPay()
    {
        BackPayUiFixture f;
        f.startSheet();
        // The window goes when it is closed (a function window of the main window).
        const auto closeOne = [&f](bool answer) {
            QPointer<BackPayWindow> w = f.window().release();
            QVERIFY(w->openSheet(false));
            f.messages.clear();
            f.messages.setNextAnswer(answer);
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(w.isNull());
        };
        closeOne(true);
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Question, QStringLiteral("您确认保存当前数据吗?")}}));
        QCOMPARE(f.rows(QStringLiteral("select count(*) from ReissueTemp")), 2);

        closeOne(false);
        QCOMPARE(f.rows(QStringLiteral("select count(*) from ReissueTemp")), 0);

        // An empty sheet has nothing to lose: no question.
        closeOne(false);
        QVERIFY(f.messages.boxes().isEmpty());
    }
};

QTEST_MAIN(BackPayWindowTest)
#include "BackPayWindowTest.moc"
