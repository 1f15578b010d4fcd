// The subsystems' functions open from the main window: menu entry, tool button and link.

#include "ShellFixture.h"

#include "shell/ui/SubsystemFunctions.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "tax/TaxRates.h"
#include "tax/ui/DeductionSettingsDialog.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

class SubsystemFunctionsTest : public QObject
{
    Q_OBJECT

private slots:
    void taxCalculatorOpensOnceFromEveryPlace()
    {
        ShellFixture f;
        QVERIFY(LoadAllTaxRates(f.session.db(), f.session.taxRates(), f.messages));
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);

        w.action(QStringLiteral("actTaxCalculator"))->trigger();
        w.toolButton(QStringLiteral("所得税计算器"))->click();
        w.quickLaunch()->link(QStringLiteral("个人所得税计算器"))->click();
        QCOMPARE(w.openWindowNames().count(QStringLiteral("TaxCalculatorWindow")), 1);
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void browserOpensModallyFromMenuAndLinkWithTheCompanyAsRoot()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);
        QVERIFY(w.quickLaunch()->link(QStringLiteral("部门员工维护"))->isEnabled());

        QStringList roots;
        const auto look = [&] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            auto *tree = modal->findChild<QTreeView *>();
            QVERIFY(tree);
            roots << tree->model()->index(0, 0).data().toString();
            modal->close();
        };
        QTimer::singleShot(0, look);
        w.quickLaunch()->link(QStringLiteral("部门员工维护"))->click();
        QTimer::singleShot(0, look);
        w.action(QStringLiteral("actDeptEmp"))->trigger();
        QCOMPARE(roots, (QStringList{QStringLiteral("北方机械厂"), QStringLiteral("北方机械厂")}));
        // Nothing stays behind in the main window.
        QCOMPARE(w.openWindowNames(), QStringList{QStringLiteral("QuickLaunchWindow")});
    }

    void deductionSettingsOpenAsADialog()
    {
        ShellFixture f;
        QVERIFY(LoadAllTaxRates(f.session.db(), f.session.taxRates(), f.messages));
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);
        QVERIFY(w.action(QStringLiteral("actOtherSettings"))->isEnabled());

        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<DeductionSettingsDialog *>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (dialog) {
                dialog->reject();
            }
        });
        w.action(QStringLiteral("actOtherSettings"))->trigger();
        QVERIFY(seen);
    }

    void queryWindowsOpenOnceEachFromMenuAndLinks()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);
        const QList<std::pair<const char *, const char *>> functions{
            {"actWageTable", "WageListWindow"},       {"actWageSum", "DeptWageSumWindow"},
            {"actBankWage", "BankPaymentWindow"},     {"actWagePersonal", "PersonalWageWindow"},
            {"actThreeFund", "ThreeFundWindow"},      {"actHighIncome", "HighIncomeWindow"},
            {"actPersonalPayout", "PersonalPayoutWindow"}, {"actTaxPersonal", "AnnualTaxWindow"}};
        for (const auto &[id, name] : functions) {
            QAction *action = w.action(QString::fromLatin1(id));
            QVERIFY2(action->isEnabled(), id);
            action->trigger();
            action->trigger();
            QVERIFY2(w.openWindowNames().count(QString::fromLatin1(name)) == 1, name);
        }
        w.quickLaunch()->link(QStringLiteral("工资单"))->click();
        w.quickLaunch()->link(QStringLiteral("银行代发工资"))->click();
        QCOMPARE(w.openWindowNames().size(), 9); // and the quick-launch window
        QCOMPARE(w.mdiArea()->activeSubWindow()->widget()->objectName(),
                 QStringLiteral("BankPaymentWindow"));
        QVERIFY(f.messages.boxes().isEmpty());
    }
};

QTEST_MAIN(SubsystemFunctionsTest)
#include "SubsystemFunctionsTest.moc"
