// The department, employee, transfer and name-picker dialogs driven as a user would.

#include "OrgFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "org/DeptRules.h"
#include "org/EmpRules.h"
#include "org/EmployeeStore.h"
#include "org/ui/EmployeePickerDialog.h"
#include "org/ui/DepartmentDialog.h"
#include "org/ui/EmployeeDialog.h"
#include "org/ui/EmployeeTransferDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using Kind = ScriptedMessageService::Kind;

class OrgDialogsTest : public QObject
{
    Q_OBJECT

private:
    QString emp(const QString &col, const QString &id)
    {
        return app->scalar(QStringLiteral("select %1 from Employee where EmpID = ?").arg(col), {id})
            .toString();
    }

    std::unique_ptr<TestApp> app;
    ScriptedMessageService messages;

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        messages.clear();
        OrgFixture::addDept(app->db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    }
    void cleanup() { app.reset(); }

    void deptDialogRefusesThenSaves()
    {
        DepartmentDialog dialog(app->db(), messages);
        dialog.openForAdd(QStringLiteral("0000"), 0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("添加部门"));
        QVERIFY(!dialog.okButton()->isDefault());

        dialog.codeEdit()->setText(QStringLiteral("0001"));
        dialog.nameEdit()->setText(QStringLiteral("人事部"));
        dialog.okButton()->click();
        QCOMPARE(messages.texts(), QStringList{DeptText::CodeExists});
        QVERIFY(dialog.result() != QDialog::Accepted);

        dialog.codeEdit()->setText(QStringLiteral("人事"));
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(app->scalar(QStringLiteral("select DeptLevelID from Department where DeptName = '人事部'"))
                     .toString(),
                 QStringLiteral("0000人事"));
    }

    void deptDialogModifiesNameOnly()
    {
        DepartmentDialog dialog(app->db(), messages);
        QVERIFY(dialog.openForModify(QStringLiteral("0001")));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("修改部门信息"));
        QCOMPARE(dialog.banner()->text(), QStringLiteral("修改部门信息"));
        QVERIFY(dialog.codeEdit()->isReadOnly());
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("财务部"));
        dialog.nameEdit()->setText(QStringLiteral("会计部"));
        dialog.remarkEdit()->setText(QStringLiteral(" 管账 "));
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(messages.boxes().isEmpty());
        QCOMPARE(app->scalar(QStringLiteral("select DeptName || '/' || Remark from Department where DeptID = '0001'"))
                     .toString(),
                 QStringLiteral("会计部/管账"));
    }

    void empDialogAddsWithDefaults()
    {
        EmployeeDialog dialog(app->db(), messages);
        dialog.openForAdd(QStringLiteral("0001"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("添加员工"));
        QCOMPARE(dialog.deptEdit()->text(), QStringLiteral("财务部"));
        QCOMPARE(dialog.nationalityEdit()->text(), QStringLiteral("中国"));
        QVERIFY(dialog.inServiceRadio()->isChecked());
        QCOMPARE(dialog.entryDateEdit()->date(), QDate(2005, 3, 15));
        QVERIFY(!dialog.departureDateEdit()->isEnabled());

        dialog.typeCombo()->setCurrentText(QStringLiteral("外方"));
        QCOMPARE(dialog.nationalityEdit()->text(), QString());
        dialog.typeCombo()->setCurrentText(QStringLiteral("中方"));
        QCOMPARE(dialog.nationalityEdit()->text(), QStringLiteral("中国"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.nameEdit()->setFocus();
        dialog.okButton()->click();
        QCOMPARE(messages.lastText(), EmpText::CodeEmpty);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.codeEdit()));

        dialog.codeEdit()->setText(QStringLiteral("E1"));
        dialog.nameEdit()->setText(QStringLiteral("张三"));
        dialog.idCardEdit()->setText(QStringLiteral("110"));
        dialog.sexCombo()->setCurrentText(QStringLiteral("女"));
        dialog.entryDateEdit()->setDate(QDate(2005, 3, 16));
        dialog.okButton()->click();
        QCOMPARE(messages.lastText(), EmpText::DatesReversed);

        dialog.entryDateEdit()->setDate(QDate(2005, 3, 1));
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(emp("Sex", "E1"), QStringLiteral("女"));
        QCOMPARE(emp("DeptID", "E1"), QStringLiteral("0001"));
        QCOMPARE(emp("StartDate", "E1"), QStringLiteral("2005-03-01"));
    }

    // Enter in a field of the department and employee dialogs never saves: "确定" is no
    // default button there, and the employee dialog moves on to the next field instead.
    void enterNeverSavesAHalfFilledForm()
    {
        {
            DepartmentDialog dialog(app->db(), messages);
            dialog.openForAdd(QStringLiteral("0000"), 0);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.codeEdit()));
            QVERIFY(!dialog.okButton()->isDefault());
            QVERIFY(!dialog.cancelButton()->isDefault());
            dialog.codeEdit()->setText(QStringLiteral("0005"));
            dialog.nameEdit()->setText(QStringLiteral("销售部"));
            QTest::keyClick(dialog.codeEdit(), Qt::Key_Return);
            QTest::keyClick(dialog.codeEdit(), Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY(dialog.isVisible());
            QVERIFY(messages.boxes().isEmpty());
            QCOMPARE(app->scalar(QStringLiteral("select count(*) from Department where DeptID = '0005'")).toInt(), 0);
        }
        {
            EmployeeDialog dialog(app->db(), messages);
            dialog.openForAdd(QStringLiteral("0001"));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QVERIFY(!dialog.okButton()->isDefault());
            dialog.codeEdit()->setText(QStringLiteral("E9"));
            dialog.nameEdit()->setText(QStringLiteral("王五"));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.codeEdit()));
            QTest::keyClick(dialog.codeEdit(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.nameEdit()));
            // Enter through every field and past the last one: the dialog stays open, unsaved.
            for (int i = 0; i < 20; ++i) {
                QWidget *focus = QApplication::focusWidget();
                QVERIFY(focus);
                if (qobject_cast<QPushButton *>(focus)) {
                    break;
                }
                QTest::keyClick(focus, Qt::Key_Return);
            }
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(messages.boxes().isEmpty());
            QCOMPARE(app->scalar(QStringLiteral("select count(*) from Employee where EmpID = 'E9'")).toInt(), 0);
        }
    }

    void empDialogKeepsStoredValuesOnOpen()
    {
        OrgFixture::addEmp(app->db(), QStringLiteral("F1"), QStringLiteral("山田"), QStringLiteral("0001"), 1,
                           QStringLiteral("外方"));
        app->exec(QStringLiteral("update Employee set nationality = '日本', Sex = '女' where EmpID = 'F1'"));
        EmployeeDialog dialog(app->db(), messages);
        QVERIFY(dialog.openForModify(QStringLiteral("F1")));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("修改员工信息"));
        QCOMPARE(dialog.banner()->text(), QStringLiteral("修改员工信息"));
        QVERIFY(dialog.codeEdit()->isReadOnly());
        QCOMPARE(dialog.typeCombo()->currentText(), QStringLiteral("外方"));
        QCOMPARE(dialog.nationalityEdit()->text(), QStringLiteral("日本"));
        QCOMPARE(dialog.sexCombo()->currentText(), QStringLiteral("女"));
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(emp("nationality", "F1"), QStringLiteral("日本"));
        QCOMPARE(emp("EmpType", "F1"), QStringLiteral("外方"));
        QCOMPARE(emp("Sex", "F1"), QStringLiteral("女"));
    }

    void empDialogMarksDepartureAndBack()
    {
        OrgFixture::addEmp(app->db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
        {
            EmployeeDialog dialog(app->db(), messages);
            QVERIFY(dialog.openForModify(QStringLiteral("E1")));
            dialog.departedRadio()->click();
            QVERIFY(dialog.departureDateEdit()->isEnabled());
            dialog.departureDateEdit()->setDate(QDate(2005, 2, 28));
            dialog.okButton()->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(emp("EmpState", "E1"), QStringLiteral("0"));
        QCOMPARE(emp("EndDate", "E1"), QStringLiteral("2005-02-28"));
        {
            EmployeeDialog dialog(app->db(), messages);
            QVERIFY(dialog.openForModify(QStringLiteral("E1")));
            QVERIFY(dialog.departedRadio()->isChecked());
            QVERIFY(!dialog.entryDateEdit()->isEnabled());
            QCOMPARE(dialog.departureDateEdit()->date(), QDate(2005, 2, 28));
            dialog.inServiceRadio()->click();
            QVERIFY(!dialog.departureDateEdit()->isEnabled());
            dialog.okButton()->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(emp("EmpState", "E1"), QStringLiteral("1"));
        QCOMPARE(emp("EndDate", "E1"), QStringLiteral("2005-02-28"));
    }

    void empDialogUnknownCodeCannotSave()
    {
        EmployeeDialog dialog(app->db(), messages);
        QVERIFY(!dialog.openForModify(QStringLiteral("NOPE")));
        QCOMPARE(messages.boxes(), (QList<ScriptedMessageService::Box>{{Kind::Info, EmpText::NotFound}}));
        QVERIFY(!dialog.okButton()->isEnabled());
    }

    void moveDialogOffersOtherDepartmentsOnly()
    {
        OrgFixture::addDept(app->db(), QStringLiteral("0002"), QStringLiteral("旧部"), QStringLiteral("0000"), true);
        OrgFixture::addEmp(app->db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
        EmployeeTransferDialog dialog(app->db(), messages, QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("员工调动"));
        QCOMPARE(dialog.banner()->text(), QStringLiteral("员工调动"));
        QCOMPARE(dialog.fromEdit()->text(), QStringLiteral("财务部"));
        QStringList offered;
        for (int i = 0; i < dialog.targetCombo()->count(); ++i) {
            offered << dialog.targetCombo()->itemText(i);
        }
        QCOMPARE(offered, (QStringList{"临时员工", "旧部"}));
        QCOMPARE(dialog.targetCombo()->currentIndex(), -1);

        dialog.okButton()->click();
        QCOMPARE(messages.texts(), QStringList{EmpText::NoTarget});
        dialog.targetCombo()->setCurrentIndex(1);
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(emp("DeptID", "E1"), QStringLiteral("0002"));
    }

    // The transfer dialog keeps "确定" as its default button: Enter without a target only asks
    // for one, Enter after choosing one moves the employee.
    void moveDialogEnterConfirmsTheChosenTarget()
    {
        OrgFixture::addEmp(app->db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
        EmployeeTransferDialog dialog(app->db(), messages, QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        QVERIFY(dialog.okButton()->isDefault());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.targetCombo()));
        QTest::keyClick(dialog.targetCombo(), Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{EmpText::NoTarget});
        QVERIFY(dialog.isVisible());
        QCOMPARE(emp("DeptID", "E1"), QStringLiteral("0001"));

        dialog.targetCombo()->setCurrentIndex(0);
        QTest::keyClick(dialog.targetCombo(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(emp("DeptID", "E1"), QStringLiteral("9999"));
    }

    void namePickerReturnsTheRowUnderTheCursor()
    {
        OrgFixture::addEmp(app->db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"), 0);
        OrgFixture::addEmp(app->db(), QStringLiteral("E2"), QStringLiteral("张三丰"), QStringLiteral("0001"));
        const auto rows = *EmployeeStore(app->db()).byNamePart(QStringLiteral("张三"));
        EmployeePickerDialog picker(QStringLiteral("张三"), rows);
        QCOMPARE(picker.windowTitle(), QStringLiteral("张三"));
        QCOMPARE(picker.chooseButton()->text(), QStringLiteral("选择"));
        QVERIFY(picker.cancelButton()->isHidden());
        QCOMPARE(picker.table()->rowCount(), 2);
        QCOMPARE(picker.table()->item(0, 4)->text(), QStringLiteral("离职"));
        QCOMPARE(picker.table()->horizontalHeaderItem(5)->text(), QStringLiteral("国籍"));
        QCOMPARE(picker.currentEmpId(), QStringLiteral("E1"));
        picker.table()->setCurrentCell(1, 2);
        picker.reject(); // the close box
        QCOMPARE(picker.currentEmpId(), QStringLiteral("E2"));

        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<EmployeePickerDialog *>(QApplication::activeModalWidget())) {
                d->chooseButton()->click();
            }
        });
        QCOMPARE(PickEmpByName(app->db(), messages, QStringLiteral(" 三 ")), QStringLiteral("E1"));

        // Enter on the list picks the row under the cursor; so does a double click.
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<EmployeePickerDialog *>(QApplication::activeModalWidget())) {
                d->table()->setCurrentCell(1, 0);
                QTest::keyClick(d->table(), Qt::Key_Return);
            }
        });
        QCOMPARE(PickEmpByName(app->db(), messages, QStringLiteral("三")), QStringLiteral("E2"));
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<EmployeePickerDialog *>(QApplication::activeModalWidget())) {
                d->table()->setCurrentCell(1, 0);
                emit d->table()->cellDoubleClicked(1, 0);
            }
        });
        QCOMPARE(PickEmpByName(app->db(), messages, QStringLiteral("三")), QStringLiteral("E2"));
    }
};

QTEST_MAIN(OrgDialogsTest)
#include "OrgDialogsTest.moc"
