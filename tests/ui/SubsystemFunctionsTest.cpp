// The subsystems' functions open from the main window: menu entry, tool button and link.

#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "ShellFixture.h"

#include "payroll/ui/PostingDateDialog.h"
#include "payroll/ui/WageItemCatalogWindow.h"
#include "payroll/ui/WageSheetWindow.h"

#include "shell/ui/MainWindow.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "shell/ui/SubsystemFunctions.h"
#include "tax/TaxRates.h"
#include "returns/ui/ReturnPreviewDialog.h"
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
#include <QComboBox>
#include <QDateEdit>
#include <QSpinBox>

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

    void payrollEntriesOpenTheCatalogueTheWageWindowAndPostTheLatestDraft()
    {
        ShellFixture f;
        QVERIFY(LoadAllTaxRates(f.session.db(), f.session.taxRates(), f.messages));
        MainWindow w(f.session, f.files);
        w.setShutdownEnabled(false);
        WireSubsystemFunctions(w, f.session);

        // The catalogue is modal, from the menu and the link.
        int catalogues = 0;
        const auto closeCatalogue = [&] {
            if (auto *d = qobject_cast<WageItemCatalogWindow *>(QApplication::activeModalWidget())) {
                ++catalogues;
                d->reject();
            }
        };
        QVERIFY(w.quickLaunch()->link(QStringLiteral("工资项目设置"))->isEnabled());
        QTimer::singleShot(0, closeCatalogue);
        w.quickLaunch()->link(QStringLiteral("工资项目设置"))->click();
        QTimer::singleShot(0, closeCatalogue);
        w.action(QStringLiteral("actWageItems"))->trigger();
        QCOMPARE(catalogues, 2);

        // No employee yet, no draft yet.
        w.action(QStringLiteral("actWageCalc"))->trigger();
        w.toolButton(QStringLiteral("工资过账"))->click();
        QCOMPARE(f.messages.texts(),
                 (QStringList{"请先维护部门员工信息！", "没有需过账数据！"}));
        QCOMPARE(w.openWindowNames(), QStringList{QStringLiteral("QuickLaunchWindow")});

        Database &db = f.session.db();
        OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(db, QStringLiteral("E01"), QStringLiteral("张三"), QStringLiteral("0001"));
        PayrollFixture::addWageRow(db, 2005, 3, QStringLiteral("E01"), QStringLiteral("财务部"),
                                   false, {{QStringLiteral("应税工资"), Money::fromYuan(2800)}});

        // One wage window, however it is asked for; posting from the main window then waits
        // for it.
        f.messages.clear();
        w.action(QStringLiteral("actWageCalc"))->trigger();
        w.quickLaunch()->link(QStringLiteral("工资计算"))->click();
        QCOMPARE(w.openWindowNames().count(QStringLiteral("WageSheetWindow")), 1);
        w.action(QStringLiteral("actWagePost"))->trigger();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("工资计算已打开，请在工资计算中过账！")});

        // With the window closed, the latest draft is posted after the posting dialog.
        w.findChild<WageSheetWindow *>()->closeWindow();
        QTRY_VERIFY(!w.openWindowNames().contains(QStringLiteral("WageSheetWindow")));
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<PostingDateDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->yearBox()->value(), 2005);
            QCOMPARE(d->monthBox()->currentText(), QStringLiteral("三月份"));
            d->dateEdit()->setDate(QDate(2005, 3, 31));
            QVERIFY(d->pressOk());
        });
        w.action(QStringLiteral("actWagePost"))->trigger();
        QCOMPARE(f.app.scalar(QStringLiteral("select WageState from Wage where EmpId = 'E01'")).toString(),
                 QStringLiteral("已完成"));
        QCOMPARE(f.app.scalar(QStringLiteral("select TaxDate from TaxIncome where EmpId = 'E01'")).toString(),
                 QStringLiteral("2005-03-31"));
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
