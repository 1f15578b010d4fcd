// The subsystems' functions open from the main window: menu entry, tool button and link.

#include "ShellFixture.h"

#include "shell/ui/MainWindow.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "shell/ui/SubsystemFunctions.h"
#include "tax/TaxRates.h"
#include "tax/ui/DeductionSettingsDialog.h"
#include "widgets/PeriodDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSpinBox>
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
            auto *dialog =
                qobject_cast<DeductionSettingsDialog *>(QApplication::activeModalWidget());
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
            {"actWageTable", "WageListWindow"},
            {"actWageSum", "DeptWageSumWindow"},
            {"actBankWage", "BankPaymentWindow"},
            {"actWagePersonal", "PersonalWageWindow"},
            {"actThreeFund", "ThreeFundWindow"},
            {"actHighIncome", "HighIncomeWindow"},
            {"actPersonalPayout", "PersonalPayoutWindow"},
            {"actTaxPersonal", "AnnualTaxWindow"}};
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

    // The back-pay entries ask through the real dialogs: the query asks its period with
    // "补发工资 - 选择年月", posting says there is nothing to post.
    void backPayEntriesAskThroughTheRealDialogs()
    {
        ShellFixture f;
        QVERIFY(LoadAllTaxRates(f.session.db(), f.session.taxRates(), f.messages));
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);
        for (const char *id : {"actReissue", "actReissueQuery", "actReissuePost"}) {
            QVERIFY2(w.action(QString::fromLatin1(id))->isEnabled(), id);
        }

        QString caption;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<PeriodDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            dialog->yearBox()->setValue(2005);
            dialog->monthBox()->setCurrentIndex(4);
            dialog->accept();
        });
        w.action(QStringLiteral("actReissueQuery"))->trigger();
        QCOMPARE(caption, QStringLiteral("补发工资 - 选择年月"));
        w.action(QStringLiteral("actReissuePost"))->trigger();
        QCOMPARE(f.messages.texts(), (QStringList{QStringLiteral("无\"2005年5月\"补发工资数据"),
                                                  QStringLiteral("无补发工资过账数据！")}));
        QCOMPARE(w.openWindowNames(), QStringList{QStringLiteral("QuickLaunchWindow")});
    }
};

QTEST_MAIN(SubsystemFunctionsTest)
#include "SubsystemFunctionsTest.moc"
