#include "ShellFixture.h"

#include "base/Settings.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "widgets/ProgressWindow.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// The visible entries of a menu, submenus as "name ▸ entry".
QStringList entries(const QMenu *menu, const QString &prefix = {})
{
    QStringList out;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) {
            continue;
        }
        if (a->menu()) {
            out << entries(a->menu(), prefix + a->text() + QStringLiteral(" ▸ "));
        } else {
            out << prefix + a->text();
        }
    }
    return out;
}

QMenu *topMenu(MainWindow &w, const QString &title)
{
    for (QAction *a : w.menuBar()->actions()) {
        if (a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

QWidget *functionWindow(const char *name)
{
    auto *w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

class ShellMainTest : public QObject
{
    Q_OBJECT
private slots:
    void menuTreeWithHiddenEntriesHidden()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        QCOMPARE(w.windowTitle(), QStringLiteral("Corvane"));
        QStringList titles;
        for (QAction *a : w.menuBar()->actions()) {
            titles << a->text();
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("基础设置"), QStringLiteral("工资管理"),
                                      QStringLiteral("税务管理"), QStringLiteral("系统维护"),
                                      QStringLiteral("工具(&T)"), QStringLiteral("帮助(&H)"),
                                      QStringLiteral("退出(&X)")}));
        QCOMPARE(entries(topMenu(w, QStringLiteral("基础设置"))),
                 (QStringList{QStringLiteral("企业基本信息"), QStringLiteral("部门人员维护"),
                              QStringLiteral("工资项目设定"), QStringLiteral("其他设置")}));
        QCOMPARE(entries(topMenu(w, QStringLiteral("工资管理"))),
                 (QStringList{QStringLiteral("工资计算"), QStringLiteral("工资过账"), QStringLiteral("补发工资"),
                              QStringLiteral("补发工资过账"), QStringLiteral("补发工资查询"),
                              QStringLiteral("工资查询 ▸ 个人工资"), QStringLiteral("工资查询 ▸ 三项基金"),
                              QStringLiteral("工资报表 ▸ 工资单"), QStringLiteral("工资报表 ▸ 部门工资汇总"),
                              QStringLiteral("工资报表 ▸ 银行代发工资")}));
        QCOMPARE(entries(topMenu(w, QStringLiteral("税务管理"))),
                 (QStringList{QStringLiteral("其他支付"),
                              QStringLiteral("纳税申报 ▸ 中方《扣缴个人所得税报告表》"),
                              QStringLiteral("纳税申报 ▸ 中方《支付个人收入明细表》"),
                              QStringLiteral("纳税申报 ▸ 外方《扣缴个人所得税报告表》"),
                              QStringLiteral("纳税申报 ▸ 外方《支付个人收入明细表》"),
                              QStringLiteral("空白报表 ▸ 《扣缴个人所得税报告表》"),
                              QStringLiteral("空白报表 ▸ 《支付个人收入明细表》"),
                              QStringLiteral("税务查询 ▸ 高收入查询"), QStringLiteral("税务查询 ▸ 个人支出明细"),
                              QStringLiteral("税务查询 ▸ 所得税个人查询")}));
        QCOMPARE(entries(topMenu(w, QStringLiteral("系统维护"))),
                 (QStringList{QStringLiteral("用户管理"), QStringLiteral("修改密码"), QStringLiteral("数据备份恢复")}));
        QCOMPARE(entries(topMenu(w, QStringLiteral("工具(&T)"))),
                 (QStringList{QStringLiteral("计算器"), QStringLiteral("所得税计算器")}));
        QCOMPARE(entries(topMenu(w, QStringLiteral("帮助(&H)"))),
                 (QStringList{QStringLiteral("帮助(&H)"), QStringLiteral("关于(&A)")}));
        // The hidden entries exist, stay hidden and do nothing.
        for (const char *id : {"actEmpWageSet", "actThreeFundSet", "actYearEnd", "actDiskCN", "actDiskForeign",
                               "actWithholdAudit", "actTaxAudit", "actImport", "actExport", "actCompact"}) {
            QAction *a = w.action(QString::fromLatin1(id));
            QVERIFY2(a && !a->isVisible() && !a->isEnabled(), id);
        }
    }

    void functionsNotYetBuiltAreDisabledEverywhere()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        for (const char *id : {"actWageCalc", "actDeptEmp", "actTaxCalculator", "actOtherSettings", "actReportCN"}) {
            QVERIFY2(!w.action(QString::fromLatin1(id))->isEnabled(), id);
        }
        for (const char *id : {"actCorpInfo", "actChangePassword", "actManageUsers", "actBackupRestore",
                               "actCalculator", "actHelp", "actAbout", "actExit"}) {
            QVERIFY2(w.action(QString::fromLatin1(id))->isEnabled(), id);
        }
        QVERIFY(!w.toolButton(QStringLiteral("工资计算"))->isEnabled());
        QVERIFY(!w.quickLaunch()->link(QStringLiteral("部门员工维护"))->isEnabled());
        QVERIFY(!w.runFunction(QStringLiteral("actWageCalc")));
    }

    void toolBarAndQuickLaunchInOrder()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        QStringList buttons;
        for (QAction *a : w.toolBar()->actions()) {
            buttons << (a->isSeparator() ? QStringLiteral("|") : a->text());
        }
        QCOMPARE(buttons, (QStringList{QStringLiteral("工资计算"), QStringLiteral("工资过账"), QStringLiteral("其他支付"),
                                       QStringLiteral("所得税报告表"), QStringLiteral(" 计 算 器 "),
                                       QStringLiteral("所得税计算器"), QStringLiteral("|"), QStringLiteral("退出(&X)")}));
        QStringList links;
        for (LaunchLink *l : w.quickLaunch()->links()) {
            links << l->text();
        }
        QCOMPARE(links, (QStringList{QStringLiteral("工资计算"), QStringLiteral("其它支付"), QStringLiteral("工资过账"),
                                     QStringLiteral("工资单"), QStringLiteral("银行代发工资"),
                                     QStringLiteral("个人所得税报告表"), QStringLiteral("支付个人收入明细表"),
                                     QStringLiteral("个人所得税计算器"), QStringLiteral("用户管理"),
                                     QStringLiteral("工资项目设置"), QStringLiteral("部门员工维护")}));
        QCOMPARE(w.openWindowNames(), QStringList{QStringLiteral("QuickLaunchWindow")});
        QCOMPARE(w.quickLaunchFrame()->pos(), QPoint(0, 0));
    }

    void wiredFunctionOpensFromMenuToolButtonAndLink()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        int opened = 0;
        w.wire(QStringLiteral("actTaxCalculator"), [&] {
            ++opened;
            w.openChild(functionWindow("TaxCalculatorWindow"));
        });
        QVERIFY(w.action(QStringLiteral("actTaxCalculator"))->isEnabled());
        QVERIFY(w.toolButton(QStringLiteral("所得税计算器"))->isEnabled());
        LaunchLink *link = w.quickLaunch()->link(QStringLiteral("个人所得税计算器"));
        QVERIFY(link->isEnabled());
        w.action(QStringLiteral("actTaxCalculator"))->trigger();
        w.toolButton(QStringLiteral("所得税计算器"))->click();
        link->click();
        QCOMPARE(opened, 3);
        QCOMPARE(w.openWindowNames().count(QStringLiteral("TaxCalculatorWindow")), 3);
        QVERIFY(w.activateChild(QStringLiteral("TaxCalculatorWindow")));
    }

    void wageAndBackPayExcludeEachOther()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        w.wire(QStringLiteral("actWageCalc"), [&] { w.openChild(functionWindow("WageSheetWindow")); });
        w.wire(QStringLiteral("actReissue"), [&] { w.openChild(functionWindow("BackPayWindow")); });
        w.wire(QStringLiteral("actReissueQuery"), [] {});
        QVERIFY(w.runFunction(QStringLiteral("actWageCalc")));
        QVERIFY(!w.runFunction(QStringLiteral("actReissue")));
        QVERIFY(!w.runFunction(QStringLiteral("actReissueQuery")));
        QCOMPARE(f.messages.texts(), QStringList(2, QStringLiteral("请先关闭\"工资计算\"再进行此操作！")));
        w.mdiArea()->subWindowList().last()->close();
        QApplication::processEvents();
        QVERIFY(w.runFunction(QStringLiteral("actReissue")));
        f.messages.clear();
        w.toolButton(QStringLiteral("工资计算"))->click();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("请先关闭\"补发工资\"再进行此操作！")});
    }

    void backupOnlyWithTheQuickLaunchWindowAlone()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        bool openDuringDialog = true;
        int dialogs = 0;
        w.runBackupDialog = [&] {
            ++dialogs;
            openDuringDialog = f.session.db().isOpen();
            // As a restore would: the file now holds another company.
            f.app.exec(QStringLiteral("update CorpInfo set CorpName = '南方机械厂', TaxNo = 'T-1'"));
            // ... and comes from before the ledger had its FactIncome column.
            QVERIFY(f.app.db().dropColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
            f.app.db().setUserVersion(1);
        };
        w.quickLaunchFrame()->showMinimized(); // minimised still counts as open
        QVERIFY(w.runFunction(QStringLiteral("actBackupRestore")));
        QCOMPARE(dialogs, 1);
        QVERIFY(!openDuringDialog);
        QVERIFY(f.session.db().isOpen());
        QCOMPARE(f.session.corpName, QStringLiteral("南方机械厂"));
        QCOMPARE(f.session.taxNo, QStringLiteral("T-1"));
        QVERIFY(f.session.db().hasColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));

        w.openChild(functionWindow("WageSumWindow"));
        QVERIFY(!w.runFunction(QStringLiteral("actBackupRestore")));
        QCOMPARE(dialogs, 1);
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("请先退出已打开的功能窗体(例如工资计算等)！")});
    }

    void closingTheQuickLaunchWindowMinimisesIt()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        w.show();
        QVERIFY(!w.quickLaunchFrame()->close());
        QVERIFY(w.quickLaunchFrame()->isMinimized());
        QCOMPARE(w.openWindowNames(), QStringList{QStringLiteral("QuickLaunchWindow")});
    }

    void exitAsksAndNoKeepsTheProgram()
    {
        ShellFixture f;
        QSettings(QStringLiteral("Tolbeck"), QStringLiteral("Corvane")).clear();
        MainWindow w(f.session, f.files);
        w.show();
        f.messages.setNextAnswer(false);
        w.action(QStringLiteral("actExit"))->trigger();
        QVERIFY(w.isVisible());
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("确定要退出吗？")});
        QVERIFY(f.session.db().isOpen());

        // Yes on the seventh day: the file is compacted and the connection closed for good.
        WriteRegValue(QStringLiteral("LastCompactDate"), QStringLiteral("2005-03-08"), 0);
        QVERIFY(w.close());
        QVERIFY(w.closing());
        QVERIFY(!f.session.db().isOpen());
        QCOMPARE(ReadRegString(QStringLiteral("LastCompactDate")), QStringLiteral("2005-03-15"));
    }

    void calculatorMissingIsReported()
    {
        ShellFixture f;
        MainWindow w(f.session, f.files);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", f.app.dir().toUtf8());
        w.action(QStringLiteral("actCalculator"))->trigger();
        qputenv("PATH", path);
        QCOMPARE(f.messages.boxes(), (QList<ScriptedMessageService::Box>{
                                         {ScriptedMessageService::Kind::Error, QStringLiteral("您的Windows系统未安装计算器！")}}));
    }

    void aboutNamesTheCompanyAndTheUser()
    {
        qputenv("USER", "clerk");
        AboutDialog about(QStringLiteral("北方机械厂"));
        QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("corpLabel"))->text(), QStringLiteral("北方机械厂"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("userLabel"))->text(), QStringLiteral("clerk"));
    }

    void progressWindowAsksOnlyWhileRunning()
    {
        ScriptedMessageService messages;
        ProgressWindow progress(messages);
        QVERIFY(progress.cancelButton()->isHidden());
        progress.begin(QStringLiteral("工资计算"), QStringLiteral("正在计算工资，请稍候……"), 3, 1);
        progress.advance();
        progress.advance();
        QCOMPARE(progress.bar()->value(), 2);
        messages.setNextAnswer(false);
        progress.focusLost();
        QVERIFY(progress.isVisible());
        progress.focusLost(); // Yes: hidden, the run goes on
        QVERIFY(!progress.isVisible());
        progress.advance();
        QCOMPARE(progress.bar()->value(), 3);
        QCOMPARE(messages.texts(), QStringList(2, QStringLiteral("是否中断当前的操作?")));
        progress.finish();
        progress.focusLost();
        QCOMPARE(messages.boxes().size(), 2);
    }
};

QTEST_MAIN(ShellMainTest)
#include "ShellMainTest.moc"
