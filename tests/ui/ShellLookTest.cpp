// Shows each window of the shell as a user would see it and checks that no caption is cut
// off. With CORVANE_SCREENSHOTS=DIR set (scripts/screenshots.sh does) the windows are also
// saved there as PNG files, to be looked at.

#include "ShellFixture.h"
#include "WindowLook.h"

#include "shell/ui/DatabaseSettingsDialog.h"
#include "shell/ui/SubsystemFunctions.h"
#include "shell/ui/MainWindow.h"
#include "tax/TaxRates.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/AddUserDialog.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "shell/ui/ChangePasswordDialog.h"
#include "shell/ui/SplashWindow.h"
#include "shell/ui/LoginDialog.h"
#include "shell/ui/UserManagementDialog.h"
#include "widgets/ProgressWindow.h"
#include "maintenance/ui/BackupRestoreDialog.h"
#include "maintenance/ui/CompanyInfoDialog.h"
#include "OrgFixture.h"
#include "org/EmployeeStore.h"
#include "org/ui/EmployeePickerDialog.h"
#include "org/ui/DepartmentDialog.h"
#include "org/ui/OrgBrowserWindow.h"
#include "org/ui/EmployeeDialog.h"
#include "org/ui/EmployeeTransferDialog.h"
#include "tax/ui/DeductionSettingsDialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

namespace {

void look(QWidget *window, const QString &name)
{
    LookAt(window, name);
}

} // namespace

class ShellLookTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(ProgramFont()); }

    // The function windows inside the main window, as the clerk sees them.
    void functionWindows()
    {
        ShellFixture f;
        QVERIFY(LoadAllTaxRates(f.session.db(), f.session.taxRates(), f.messages));
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);
        w.resize(1280, 800);
        w.action(QStringLiteral("actTaxCalculator"))->trigger();
        look(&w, QStringLiteral("main-calculator"));
    }

    void splash()
    {
        SplashWindow w;
        look(&w, QStringLiteral("splash"));
        QCOMPARE(w.size(), QSize(602, 401));
    }

    void dialogs()
    {
        ShellFixture f(QStringLiteral("admin"), false);
        {
            LoginDialog w(f.session);
            look(&w, QStringLiteral("login"));
        }
        {
            CompanyInfoDialog w(f.session.db(), f.session.messages());
            look(&w, QStringLiteral("company"));
        }
        {
            DatabaseSettingsDialog w(f.app.dbPath(), f.files, f.messages);
            look(&w, QStringLiteral("database-setup"));
        }
        {
            ChangePasswordDialog w(f.session, QStringLiteral("admin"));
            look(&w, QStringLiteral("change-password"));
        }
        {
            f.session.db().exec(QStringLiteral("insert into SysUser (UserName, Remark) values ('张三', '出纳')"));
            ChangePasswordDialog w(f.session, QStringLiteral("张三"));
            look(&w, QStringLiteral("change-password-other"));
        }
        {
            AddUserDialog w(f.session);
            look(&w, QStringLiteral("add-user"));
        }
        {
            UserManagementDialog w(f.session);
            look(&w, QStringLiteral("manage-users"));
        }
        {
            BackupRestoreDialog w(f.app.dbPath(), f.messages, f.files);
            look(&w, QStringLiteral("backup-restore"));
        }
        {
            AboutDialog w(QStringLiteral("北方机械厂"));
            look(&w, QStringLiteral("about"));
        }
        {
            ProgressWindow w(f.messages);
            w.begin(QStringLiteral("工资计算"), QStringLiteral("正在计算工资，请稍候……"), 100, 5);
            for (int i = 0; i < 8; ++i) {
                w.advance();
            }
            look(&w, QStringLiteral("progress"));
            w.finish();
        }
    }

    // The organisation's dialogs and the deduction settings, as dialogs of their own.
    void subsystemDialogs()
    {
        ShellFixture f;
        Database &db = f.session.db();
        OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(db, QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
        OrgFixture::addEmp(db, QStringLiteral("E2"), QStringLiteral("张三丰"), QStringLiteral("0001"),
                           0, QStringLiteral("外方"));
        {
            DepartmentDialog w(db, f.messages);
            w.openForAdd(QStringLiteral("0000"), 0);
            look(&w, QStringLiteral("dept-add"));
        }
        {
            DepartmentDialog w(db, f.messages);
            QVERIFY(w.openForModify(QStringLiteral("0001")));
            look(&w, QStringLiteral("dept-modify"));
        }
        {
            EmployeeDialog w(db, f.messages);
            w.openForAdd(QStringLiteral("0001"));
            look(&w, QStringLiteral("emp-add"));
        }
        {
            EmployeeDialog w(db, f.messages);
            QVERIFY(w.openForModify(QStringLiteral("E2")));
            look(&w, QStringLiteral("emp-modify"));
        }
        {
            EmployeeTransferDialog w(db, f.messages, QStringLiteral("E1"), QStringLiteral("张三"),
                          QStringLiteral("0001"));
            look(&w, QStringLiteral("emp-move"));
        }
        {
            const auto rows = EmployeeStore(db).byNamePart(QStringLiteral("张三"));
            QVERIFY(rows);
            EmployeePickerDialog w(QStringLiteral("张三"), *rows);
            look(&w, QStringLiteral("emp-picker"));
        }
        {
            OrgBrowserWindow w(db, f.messages, f.session.corpName, nullptr, OrgBrowserWindow::Mode::SelectEmp);
            look(&w, QStringLiteral("browser-picker"));
        }
        {
            QVERIFY(LoadAllTaxRates(db, f.session.taxRates(), f.messages));
            DeductionSettingsDialog w(db, f.session.taxRates(), f.messages);
            look(&w, QStringLiteral("deduction-settings"));
            w.pages()->setCurrentIndex(1);
            look(&w, QStringLiteral("deduction-settings-print"));
        }
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void mainWindow()
    {
        ShellFixture f;
        QVERIFY(LoadAllTaxRates(f.session.db(), f.session.taxRates(), f.messages));
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);
        w.resize(1280, 800);
        look(&w, QStringLiteral("main"));
        look(w.quickLaunch(), QStringLiteral("quick-launch"));
        QVERIFY(w.quickLaunchFrame()->geometry().right() < 1280);

        ShellFixture other(QStringLiteral("张三"));
        MainWindow w2(other.session, other.files);
        w2.setShutdownEnabled(false);
        w2.resize(1280, 800);
        look(&w2, QStringLiteral("main-not-admin"));
        // An open menu, as it drops from the bar.
        for (QAction *a : w.menuBar()->actions()) {
            if (a->text() == QStringLiteral("工资管理")) {
                a->menu()->popup(w.mapToGlobal(QPoint(0, 0)));
                look(a->menu(), QStringLiteral("menu-wage"));
                a->menu()->hide();
            }
        }
    }
};

QTEST_MAIN(ShellLookTest)
#include "ShellLookTest.moc"
