// The department and employee browser: tree, list, search, commands with their guards and the
// two picker modes.

#include "OrgFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "org/DeptRules.h"
#include "org/EmpRules.h"
#include "org/ui/DepartmentDialog.h"
#include "org/ui/OrgBrowserWindow.h"
#include "org/ui/EmployeeDialog.h"
#include "org/ui/EmployeeTransferDialog.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using Kind = ScriptedMessageService::Kind;
using Boxes = QList<ScriptedMessageService::Box>;

namespace {

// Runs `fill` on the modal dialog of type T that the next command opens.
template <typename T>
void onNextDialog(std::function<void(T *)> fill)
{
    QTimer::singleShot(0, [fill] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget())) {
            fill(d);
        } else {
            QFAIL("the expected dialog did not open");
        }
    });
}

QStringList listedIds(const OrgBrowserWindow &w)
{
    QStringList ids;
    for (int r = 0; r < w.model()->rowCount(); ++r) {
        ids << w.model()->rowAt(r).empId();
    }
    return ids;
}

QStringList topLevelLabels(const OrgBrowserWindow &w)
{
    QStringList labels;
    for (int i = 0; i < w.tree()->topLevelItemCount(); ++i) {
        labels << w.tree()->topLevelItem(i)->text(0);
    }
    return labels;
}

} // namespace

class OrgBrowserTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OrgBrowserWindow> browser(OrgBrowserWindow::Mode mode = OrgBrowserWindow::Mode::Maintain)
    {
        return std::make_unique<OrgBrowserWindow>(app->db(), messages, QStringLiteral("蓝海公司"),
                                             nullptr, mode);
    }

    std::unique_ptr<TestApp> app;
    ScriptedMessageService messages;

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        messages.clear();
        Database &db = app->db();
        OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addDept(db, QStringLiteral("0002"), QStringLiteral("人事部"));
        OrgFixture::addEmp(db, QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
        OrgFixture::addEmp(db, QStringLiteral("E2"), QStringLiteral("李四"), QStringLiteral("0002"), 0);
        OrgFixture::addEmp(db, QStringLiteral("T1"), QStringLiteral("临时甲"), QStringLiteral("9999"));
    }
    void cleanup() { app.reset(); }

    void opensOnTheRootListingEveryone()
    {
        auto w = browser();
        QAbstractItemModelTester tester(w->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(w->windowTitle(), QStringLiteral("部门员工维护"));
        QCOMPARE(topLevelLabels(*w), QStringList{"蓝海公司"});
        QCOMPARE(w->tree()->topLevelItem(0)->childCount(), 3);
        QCOMPARE(w->tree()->currentItem(), w->tree()->topLevelItem(0));
        QVERIFY(!w->showDepartedBox()->isChecked());
        QVERIFY(!w->chooseButton()->isEnabled());
        QCOMPARE(listedIds(*w), (QStringList{"E1", "T1"}));

        w->showDepartedBox()->setChecked(true);
        QCOMPARE(listedIds(*w), (QStringList{"E1", "T1", "E2"}));
        QVERIFY(w->selectDept(QStringLiteral("0002")));
        QCOMPARE(listedIds(*w), QStringList{"E2"});
        QCOMPARE(w->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("员工编号"));
    }

    void orphanDepartmentStandsBesideTheRoot()
    {
        OrgFixture::addDept(app->db(), QStringLiteral("0003"), QStringLiteral("孤儿部"), QStringLiteral("0777"));
        OrgFixture::addEmp(app->db(), QStringLiteral("O1"), QStringLiteral("孤儿"), QStringLiteral("0003"));
        auto w = browser();
        QCOMPARE(topLevelLabels(*w), (QStringList{"蓝海公司", "孤儿部"}));
        w->tree()->setCurrentItem(w->tree()->topLevelItem(1));
        QCOMPARE(listedIds(*w), QStringList{"O1"});
    }

    void searchIsLiteralInServiceOnlyAndReportsNobody()
    {
        OrgFixture::addEmp(app->db(), QStringLiteral("Q1"), QStringLiteral("O'Neil_%"), QStringLiteral("0001"));
        auto w = browser();
        w->showDepartedBox()->setChecked(true);
        w->searchEdit()->setText(QStringLiteral(" ' "));
        QTest::keyClick(w->searchEdit(), Qt::Key_Return);
        QCOMPARE(listedIds(*w), QStringList{"Q1"});
        w->searchEdit()->setText(QStringLiteral("%"));
        w->search();
        QCOMPARE(listedIds(*w), QStringList{"Q1"});
        w->searchEdit()->setText(QStringLiteral("四"));
        w->search();
        QCOMPARE(listedIds(*w), QStringList{});
        QCOMPARE(messages.boxes(), (Boxes{{Kind::Info, QStringLiteral("没查到该员工信息！")}}));

        messages.clear();
        w->searchEdit()->setText(QStringLiteral("  "));
        w->search();
        QVERIFY(messages.boxes().isEmpty());
    }

    void fixedDepartmentsIgnoreModifyAndDelete()
    {
        auto w = browser();
        w->modifyDept();
        w->deleteDept();
        QVERIFY(w->selectDept(QStringLiteral("9999")));
        w->modifyDept();
        w->deleteDept();
        QVERIFY(messages.boxes().isEmpty());
    }

    void addingAnEmployeeOnTheRootIsRefused()
    {
        auto w = browser();
        w->addEmp();
        QCOMPARE(messages.texts(), QStringList{"请选择部门！"});
    }

    void emptyListGuards()
    {
        OrgFixture::addDept(app->db(), QStringLiteral("0003"), QStringLiteral("空部"));
        auto w = browser();
        QVERIFY(w->selectDept(QStringLiteral("0003")));
        w->modifyEmp();
        w->deleteEmp();
        w->moveEmp();
        QCOMPARE(messages.texts(), (QStringList{"请先选择员工！", "请先选择员工！", "请先选择员工！"}));
    }

    void addModifyMoveAndDeleteThroughTheDialogs()
    {
        auto w = browser();
        onNextDialog<DepartmentDialog>([](DepartmentDialog *d) {
            d->codeEdit()->setText(QStringLiteral("0005"));
            d->nameEdit()->setText(QStringLiteral("研发部"));
            d->okButton()->click();
        });
        w->addDept();
        QCOMPARE(w->tree()->topLevelItem(0)->childCount(), 4);

        QVERIFY(w->selectDept(QStringLiteral("0005")));
        onNextDialog<DepartmentDialog>([](DepartmentDialog *d) {
            d->nameEdit()->setText(QStringLiteral("开发部"));
            d->okButton()->click();
        });
        w->modifyDept();
        QCOMPARE(w->tree()->currentItem()->text(0), QStringLiteral("开发部"));

        onNextDialog<EmployeeDialog>([](EmployeeDialog *d) {
            d->codeEdit()->setText(QStringLiteral("D1"));
            d->nameEdit()->setText(QStringLiteral("王五"));
            d->idCardEdit()->setText(QStringLiteral("110"));
            d->okButton()->click();
        });
        w->addEmp();
        QCOMPARE(listedIds(*w), QStringList{"D1"});

        onNextDialog<EmployeeDialog>([](EmployeeDialog *d) {
            d->telEdit()->setText(QStringLiteral("123"));
            d->okButton()->click();
        });
        w->modifyEmp();
        QCOMPARE(w->model()->rowAt(0).tel(), QStringLiteral("123"));

        onNextDialog<EmployeeTransferDialog>([](EmployeeTransferDialog *d) {
            d->targetCombo()->setCurrentIndex(d->targetCombo()->findText(QStringLiteral("人事部")));
            d->okButton()->click();
        });
        w->moveEmp();
        QCOMPARE(listedIds(*w), QStringList{});

        QVERIFY(w->selectDept(QStringLiteral("0002")));
        w->showDepartedBox()->setChecked(true);
        QCOMPARE(listedIds(*w), (QStringList{"D1", "E2"}));
        messages.setNextAnswer(true);
        w->deleteEmp();
        QCOMPARE(listedIds(*w), QStringList{"E2"});

        // 0005 is now empty: it goes; 0002 still has its departed employee and stays.
        QVERIFY(w->selectDept(QStringLiteral("0005")));
        messages.clear();
        messages.setNextAnswer(true);
        w->deleteDept();
        QCOMPARE(messages.texts(), QStringList{DeptText::ConfirmDelete});
        QCOMPARE(w->tree()->topLevelItem(0)->childCount(), 3);
        QVERIFY(w->selectDept(QStringLiteral("0002")));
        messages.clear();
        messages.setNextAnswer(true);
        w->deleteDept();
        QCOMPARE(messages.boxes(), (Boxes{{Kind::Question, DeptText::ConfirmDelete},
                                          {Kind::Warning, DeptText::HasEmployees}}));
    }

    void deleteAnsweredNoKeepsTheEmployee()
    {
        auto w = browser();
        messages.setNextAnswer(false);
        w->deleteEmp();
        QCOMPARE(messages.texts(), QStringList{EmpText::ConfirmDelete});
        QCOMPARE(listedIds(*w), (QStringList{"E1", "T1"}));
    }

    void pickerModesChoose()
    {
        auto any = browser(OrgBrowserWindow::Mode::SelectEmp);
        QCOMPARE(any->windowTitle(), QStringLiteral("选择员工"));
        QVERIFY(any->chooseButton()->isEnabled());
        QSignalSpy chosen(any.get(), &OrgBrowserWindow::employeeChosen);
        any->list()->setCurrentIndex(any->model()->index(0, 0));
        any->chooseButton()->click();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(any->chosen()->empId, QStringLiteral("E1"));
        QCOMPARE(any->chosen()->deptName, QStringLiteral("财务部"));

        auto temp = browser(OrgBrowserWindow::Mode::SelectTempEmp);
        QCOMPARE(temp->windowTitle(), QStringLiteral("选择临时员工"));
        QSignalSpy tempChosen(temp.get(), &OrgBrowserWindow::employeeChosen);
        const QModelIndex first = temp->model()->index(0, 0);
        temp->list()->setCurrentIndex(first);
        emit temp->list()->doubleClicked(first);
        QCOMPARE(tempChosen.size(), 0);
        QVERIFY(!temp->chosen());
        temp->list()->setCurrentIndex(temp->model()->index(1, 0));
        temp->choose();
        QCOMPARE(tempChosen.size(), 1);
        QCOMPARE(temp->chosen()->empId, QStringLiteral("T1"));
        QCOMPARE(temp->chosen()->empType, QStringLiteral("中方"));

        auto maintain = browser();
        QSignalSpy none(maintain.get(), &OrgBrowserWindow::employeeChosen);
        maintain->choose();
        QCOMPARE(none.size(), 0);
    }

    // Inside the main window the browser is an ordinary widget of its frame: "关闭", Esc and
    // the frame's own close box each close and destroy the frame.
    void closesItsFrameInsideTheMainWindow()
    {
        QMdiArea area;
        area.resize(1200, 760);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        for (const QString how : {"button", "escape", "frame"}) {
            auto *w = new OrgBrowserWindow(app->db(), messages, QStringLiteral("蓝海公司"));
            w->setAttribute(Qt::WA_DeleteOnClose);
            QPointer<OrgBrowserWindow> watch(w);
            QPointer<QMdiSubWindow> sub = area.addSubWindow(w);
            sub->setAttribute(Qt::WA_DeleteOnClose);
            sub->show();
            QVERIFY(QTest::qWaitForWindowExposed(sub));
            QVERIFY(!w->isWindow());
            QCOMPARE(sub->windowTitle(), QStringLiteral("部门员工维护"));
            // Placed by its frame, not moved about as a dialog of its own would be.
            QVERIFY2(sub->rect().contains(w->geometry()), qPrintable(how));
            QSignalSpy closing(w, &OrgBrowserWindow::closeRequested);
            if (how == QStringLiteral("button")) {
                w->closeButton()->click();
                QCOMPARE(closing.size(), 1);
            } else if (how == QStringLiteral("escape")) {
                w->tree()->setFocus();
                QTest::keyClick(w->tree(), Qt::Key_Escape);
            } else {
                sub->close();
            }
            QTRY_VERIFY2(sub.isNull() && watch.isNull(), qPrintable(how));
            QVERIFY(area.subWindowList().isEmpty());
        }
    }

    void tempPickerIgnoresOthersUntilClosed()
    {
        QTimer::singleShot(0, [] {
            auto *w = qobject_cast<OrgBrowserWindow *>(QApplication::activeModalWidget());
            QVERIFY(w);
            w->choose(); // the first row is not temporary staff: ignored
            w->closeButton()->click();
        });
        QVERIFY(!SelectTempEmp(app->db(), messages, QStringLiteral("蓝海公司")));
    }

    void closeButtonEndsThePicker()
    {
        QTimer::singleShot(0, [] {
            auto *w = qobject_cast<OrgBrowserWindow *>(QApplication::activeModalWidget());
            QVERIFY(w);
            w->list()->setCurrentIndex(w->model()->index(1, 0));
            w->choose();
        });
        const auto picked = SelectTempEmp(app->db(), messages, QStringLiteral("蓝海公司"));
        QVERIFY(picked);
        QCOMPARE(picked->empId, QStringLiteral("T1"));

        QTimer::singleShot(0, [] {
            qobject_cast<OrgBrowserWindow *>(QApplication::activeModalWidget())->closeButton()->click();
        });
        QVERIFY(!SelectEmp(app->db(), messages, QStringLiteral("蓝海公司")));
    }
};

QTEST_MAIN(OrgBrowserTest)
#include "OrgBrowserTest.moc"
