// The subsystems' functions open from the main window: menu entry, tool button and link.

#include "ShellFixture.h"

#include "shell/ui/SubsystemFunctions.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "tax/TaxRates.h"
#include "returns/ui/ReturnPreviewDialog.h"
#include "tax/ui/DeductionSettingsDialog.h"
#include "widgets/PeriodDialog.h"

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

    // Each return asks for its month from every place that offers it; cancelling the period
    // shows nothing. The blank forms go straight to the preview.
    void returnsAskTheirMonthAndBlankFormsShowTheirPreview()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);

        QStringList seen;
        const auto answer = [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *period = qobject_cast<PeriodDialog *>(modal)) {
                seen << period->windowTitle();
                period->reject();
            } else if (auto *preview = qobject_cast<ReturnPreviewDialog *>(modal)) {
                seen << preview->windowTitle();
                preview->reject();
            } else {
                seen << QStringLiteral("?");
                if (modal) {
                    modal->close();
                }
            }
        };
        const QStringList actions{
            QStringLiteral("actReportCN"),      QStringLiteral("actDetailCN"),
            QStringLiteral("actReportForeign"), QStringLiteral("actDetailForeign"),
            QStringLiteral("actBlankReport"),   QStringLiteral("actBlankDetail")};
        for (const QString &id : actions) {
            QVERIFY2(w.action(id)->isEnabled(), qPrintable(id));
            QTimer::singleShot(0, answer);
            w.action(id)->trigger();
        }
        QTimer::singleShot(0, answer);
        w.toolButton(QStringLiteral("所得税报告表"))->click();
        QTimer::singleShot(0, answer);
        w.quickLaunch()->link(QStringLiteral("支付个人收入明细表"))->click();

        const QString period = QStringLiteral("报表时期");
        QCOMPARE(seen, (QStringList{period, period, period, period,
                                    QStringLiteral("代扣代缴个人所得税报告表"),
                                    QStringLiteral("支付个人收入及代扣税金明细表"), period,
                                    period}));
        QCOMPARE(w.openWindowNames(), QStringList{QStringLiteral("QuickLaunchWindow")});
        QVERIFY(f.messages.boxes().isEmpty());
    }
};

QTEST_MAIN(SubsystemFunctionsTest)
#include "SubsystemFunctionsTest.moc"
