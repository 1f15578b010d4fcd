#include "shell/ui/MainWindow.h"

#include "shell/Calculator.h"
#include "shell/Guards.h"
#include "base/MessageService.h"
#include "shell/Session.h"
#include "shell/Shutdown.h"
#include "shell/UserRules.h"
#include "widgets/BaseWindows.h"
#include "widgets/HelpWindow.h"
#include "widgets/Icons.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "shell/ui/ChangePasswordDialog.h"
#include "shell/ui/UserManagementDialog.h"
#include "maintenance/CorpInfoStore.h"
#include "maintenance/ui/BackupRestoreDialog.h"
#include "maintenance/ui/CompanyInfoDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

Guarded guardOf(const QString &id)
{
    if (id == u"actWageCalc") {
        return Guarded::WageCalc;
    }
    if (id == u"actReissue" || id == u"actReissueQuery") {
        return Guarded::Reissue;
    }
    if (id == u"actBackupRestore") {
        return Guarded::BackupRestore;
    }
    return Guarded::None;
}

} // namespace

MainWindow::MainWindow(Session &session, FileDialogs &files, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_files(files)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowIcon(ProgramIcon(QStringLiteral("app")));
    setFont(ProgramFont());
    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(QColor(0x8C, 0x9C, 0xB4));
    setCentralWidget(m_mdi);

    runBackupDialog = [this] {
        BackupRestoreDialog dialog(m_session.databasePath, m_session.messages(), m_files, this);
        dialog.exec();
    };

    buildMenus();
    buildToolBar();
    wireOwnFunctions();
    buildQuickLaunch();
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::makeAction(const QString &id, const QString &text, const QString &icon)
{
    auto *a = new QAction(text, this);
    a->setObjectName(id);
    if (!icon.isEmpty()) {
        a->setIcon(ProgramIcon(icon));
    }
    a->setEnabled(false); // until the function is wired
    connect(a, &QAction::triggered, this, [this, id] { runFunction(id); });
    m_actions.insert(id, a);
    return a;
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    // Entries that exist but are never shown.
    auto hidden = [this](QMenu *menu, const QString &id, const QString &text) {
        QAction *a = makeAction(id, text);
        a->setVisible(false);
        menu->addAction(a);
    };
    auto entry = [this](QMenu *menu, const QString &id, const QString &text,
                        const QString &icon = {}) { menu->addAction(makeAction(id, text, icon)); };

    QMenu *base = bar->addMenu(QStringLiteral("基础设置"));
    base->setObjectName(QStringLiteral("menuBase"));
    entry(base, QStringLiteral("actCorpInfo"), QStringLiteral("企业基本信息"), QStringLiteral("corp"));
    entry(base, QStringLiteral("actDeptEmp"), QStringLiteral("部门人员维护"), QStringLiteral("dept"));
    entry(base, QStringLiteral("actWageItems"), QStringLiteral("工资项目设定"), QStringLiteral("items"));
    hidden(base, QStringLiteral("actEmpWageSet"), QStringLiteral("员工工资设置"));
    hidden(base, QStringLiteral("actThreeFundSet"), QStringLiteral("三金扣除设置"));
    entry(base, QStringLiteral("actOtherSettings"), QStringLiteral("其他设置"), QStringLiteral("setup"));

    QMenu *wage = bar->addMenu(QStringLiteral("工资管理"));
    wage->setObjectName(QStringLiteral("menuWage"));
    entry(wage, QStringLiteral("actWageCalc"), QStringLiteral("工资计算"), QStringLiteral("wage"));
    entry(wage, QStringLiteral("actWagePost"), QStringLiteral("工资过账"), QStringLiteral("post"));
    wage->addSeparator();
    entry(wage, QStringLiteral("actReissue"), QStringLiteral("补发工资"));
    entry(wage, QStringLiteral("actReissuePost"), QStringLiteral("补发工资过账"));
    entry(wage, QStringLiteral("actReissueQuery"), QStringLiteral("补发工资查询"));
    wage->addSeparator();
    QMenu *wageQuery = wage->addMenu(QStringLiteral("工资查询"));
    entry(wageQuery, QStringLiteral("actWagePersonal"), QStringLiteral("个人工资"), QStringLiteral("query"));
    entry(wageQuery, QStringLiteral("actThreeFund"), QStringLiteral("三项基金"));
    QMenu *wageReports = wage->addMenu(QStringLiteral("工资报表"));
    entry(wageReports, QStringLiteral("actWageTable"), QStringLiteral("工资单"), QStringLiteral("slip"));
    entry(wageReports, QStringLiteral("actWageSum"), QStringLiteral("部门工资汇总"));
    entry(wageReports, QStringLiteral("actBankWage"), QStringLiteral("银行代发工资"), QStringLiteral("bank"));

    QMenu *tax = bar->addMenu(QStringLiteral("税务管理"));
    tax->setObjectName(QStringLiteral("menuTax"));
    entry(tax, QStringLiteral("actOtherPay"), QStringLiteral("其他支付"), QStringLiteral("otherpay"));
    hidden(tax, QStringLiteral("actYearEnd"), QStringLiteral("年终清缴"));
    QMenu *returns = tax->addMenu(QStringLiteral("纳税申报"));
    entry(returns, QStringLiteral("actReportCN"), QStringLiteral("中方《扣缴个人所得税报告表》"), QStringLiteral("report"));
    entry(returns, QStringLiteral("actDetailCN"), QStringLiteral("中方《支付个人收入明细表》"), QStringLiteral("detail"));
    entry(returns, QStringLiteral("actReportForeign"), QStringLiteral("外方《扣缴个人所得税报告表》"));
    entry(returns, QStringLiteral("actDetailForeign"), QStringLiteral("外方《支付个人收入明细表》"));
    QMenu *blank = tax->addMenu(QStringLiteral("空白报表"));
    entry(blank, QStringLiteral("actBlankReport"), QStringLiteral("《扣缴个人所得税报告表》"));
    entry(blank, QStringLiteral("actBlankDetail"), QStringLiteral("《支付个人收入明细表》"));
    QMenu *disk = tax->addMenu(QStringLiteral("报盘"));
    hidden(disk, QStringLiteral("actDiskCN"), QStringLiteral("中方"));
    hidden(disk, QStringLiteral("actDiskForeign"), QStringLiteral("外方"));
    disk->menuAction()->setVisible(false);
    QMenu *taxQuery = tax->addMenu(QStringLiteral("税务查询"));
    entry(taxQuery, QStringLiteral("actHighIncome"), QStringLiteral("高收入查询"), QStringLiteral("query"));
    entry(taxQuery, QStringLiteral("actPersonalPayout"), QStringLiteral("个人支出明细"));
    entry(taxQuery, QStringLiteral("actTaxPersonal"), QStringLiteral("所得税个人查询"));
    hidden(tax, QStringLiteral("actWithholdAudit"), QStringLiteral("扣缴审核"));
    hidden(tax, QStringLiteral("actTaxAudit"), QStringLiteral("税务稽核"));

    QMenu *system = bar->addMenu(QStringLiteral("系统维护"));
    system->setObjectName(QStringLiteral("menuSystem"));
    entry(system, QStringLiteral("actManageUsers"), QStringLiteral("用户管理"), QStringLiteral("users"));
    entry(system, QStringLiteral("actChangePassword"), QStringLiteral("修改密码"), QStringLiteral("password"));
    hidden(system, QStringLiteral("actImport"), QStringLiteral("数据导入"));
    hidden(system, QStringLiteral("actExport"), QStringLiteral("数据导出"));
    system->addSeparator();
    entry(system, QStringLiteral("actBackupRestore"), QStringLiteral("数据备份恢复"), QStringLiteral("backup"));

    QMenu *tools = bar->addMenu(QStringLiteral("工具(&T)"));
    tools->setObjectName(QStringLiteral("menuTools"));
    entry(tools, QStringLiteral("actCalculator"), QStringLiteral("计算器"), QStringLiteral("calculator"));
    entry(tools, QStringLiteral("actTaxCalculator"), QStringLiteral("所得税计算器"), QStringLiteral("taxcalc"));
    hidden(tools, QStringLiteral("actCompact"), QStringLiteral("数据压缩"));

    QMenu *help = bar->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    entry(help, QStringLiteral("actHelp"), QStringLiteral("帮助(&H)"), QStringLiteral("help"));
    entry(help, QStringLiteral("actAbout"), QStringLiteral("关于(&A)"), QStringLiteral("about"));

    // "退出" is a menu of its own that acts when chosen; the bar shows its text, not a picture.
    bar->addAction(makeAction(QStringLiteral("actExit"), QStringLiteral("退出(&X)")));
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(22, 22));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // The buttons carry their own captions, so each is a copy of its function's action.
    const std::tuple<const char *, const char *, const char *> buttons[] = {
        {"工资计算", "wage", "actWageCalc"},
        {"工资过账", "post", "actWagePost"},
        {"其他支付", "otherpay", "actOtherPay"},
        {"所得税报告表", "report", "actReportCN"},
        {" 计 算 器 ", "calculator", "actCalculator"},
        {"所得税计算器", "taxcalc", "actTaxCalculator"},
        {nullptr, nullptr, nullptr},
        {"退出(&X)", "exit", "actExit"}};
    for (const auto &[caption, icon, id] : buttons) {
        if (!caption) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *function = m_actions.value(QString::fromLatin1(id));
        auto *copy = new QAction(ProgramIcon(QString::fromLatin1(icon)), QString::fromUtf8(caption),
                                 m_toolBar);
        copy->setEnabled(function->isEnabled());
        connect(function, &QAction::changed, copy, [copy, function] {
            copy->setEnabled(function->isEnabled());
        });
        connect(copy, &QAction::triggered, function, &QAction::trigger);
        m_toolBar->addAction(copy);
        auto *button = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(copy));
        if (button) {
            button->setObjectName(QStringLiteral("tool_") + QString::fromLatin1(id));
            button->setMinimumWidth(64);
            m_toolButtons.append(button);
        }
    }
}

void MainWindow::buildQuickLaunch()
{
    m_quick = new QuickLaunchWindow;
    const std::tuple<const char *, const char *, const char *> links[] = {
        {"工资计算", "wage", "actWageCalc"},
        {"其它支付", "otherpay", "actOtherPay"},
        {"工资过账", "post", "actWagePost"},
        {"工资单", "slip", "actWageTable"},
        {"银行代发工资", "bank", "actBankWage"},
        {"个人所得税报告表", "report", "actReportCN"},
        {"支付个人收入明细表", "detail", "actDetailCN"},
        {"个人所得税计算器", "taxcalc", "actTaxCalculator"},
        {"用户管理", "users", "actManageUsers"},
        {"工资项目设置", "items", "actWageItems"},
        {"部门员工维护", "dept", "actDeptEmp"}};
    for (const auto &[text, icon, id] : links) {
        m_quick->addLink(QString::fromUtf8(text), QString::fromLatin1(icon),
                         m_actions.value(QString::fromLatin1(id)));
    }
    m_quickFrame = m_mdi->addSubWindow(m_quick, Qt::SubWindow | Qt::CustomizeWindowHint
                                                    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                    | Qt::WindowMinimizeButtonHint
                                                    | Qt::WindowCloseButtonHint);
    m_quickFrame->setWindowIcon(ProgramIcon(QStringLiteral("app")));
    m_quick->adjustSize();
    m_quickFrame->adjustSize();
    m_quickFrame->setFixedSize(m_quickFrame->sizeHint());
    m_quickFrame->move(0, 0);
    m_quickFrame->show();
}

void MainWindow::wireOwnFunctions()
{
    wire(QStringLiteral("actCorpInfo"), [this] { ShowCorpInfo(m_session.db(), m_session.messages(), [this](const CorpInfo &c) { m_session.applyCorpInfo(c); }, this); });
    wire(QStringLiteral("actChangePassword"),
         [this] { ShowChangePassword(m_session, m_session.currentUser, this); });
    wire(QStringLiteral("actManageUsers"), [this] { ShowManageUsers(m_session, this); });
    // Only the system user manages users; the link follows the action.
    m_actions.value(QStringLiteral("actManageUsers"))->setEnabled(m_session.isAdmin());
    wire(QStringLiteral("actBackupRestore"), [this] { backupRestore(); });
    wire(QStringLiteral("actCalculator"), [this] {
        if (!StartCalculator()) {
            m_session.messages().showError(QStringLiteral("您的Windows系统未安装计算器！"));
        }
    });
    wire(QStringLiteral("actHelp"), [this] { ShowHelp(QString(), m_session.messages()); });
    wire(QStringLiteral("actAbout"), [this] {
        AboutDialog about(m_session.corpName, this);
        about.exec();
    });
    wire(QStringLiteral("actExit"), [this] { close(); });
}

QAction *MainWindow::action(const QString &id) const
{
    return m_actions.value(id);
}

QStringList MainWindow::actionIds() const
{
    return m_actions.keys();
}

void MainWindow::wire(const QString &id, std::function<void()> handler)
{
    QAction *a = m_actions.value(id);
    Q_ASSERT_X(a, "MainWindow::wire", qPrintable(id));
    if (!a) {
        return;
    }
    m_handlers.insert(id, std::move(handler));
    // A hidden entry has no action and stays hidden; wiring does not show it.
    a->setEnabled(id != u"actManageUsers" || m_session.isAdmin());
}

bool MainWindow::runFunction(const QString &id)
{
    const auto handler = m_handlers.constFind(id);
    if (handler == m_handlers.cend()) {
        return false;
    }
    const QString refusal = GuardMessage(guardOf(id), openWindowNames());
    if (!refusal.isEmpty()) {
        m_session.messages().showInfo(refusal);
        return false;
    }
    (*handler)();
    return true;
}

QMdiSubWindow *MainWindow::openChild(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *frame = m_mdi->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    frame->show();
    m_mdi->setActiveSubWindow(frame);
    return frame;
}

QStringList MainWindow::openWindowNames() const
{
    QStringList names;
    for (QMdiSubWindow *frame : m_mdi->subWindowList()) {
        if (frame->widget()) {
            names.append(frame->widget()->objectName());
        }
    }
    return names;
}

bool MainWindow::activateChild(const QString &objectName)
{
    for (QMdiSubWindow *frame : m_mdi->subWindowList()) {
        if (frame->widget() && frame->widget()->objectName() == objectName) {
            if (frame->isMinimized()) {
                frame->showNormal();
            }
            m_mdi->setActiveSubWindow(frame);
            return true;
        }
    }
    return false;
}

QToolButton *MainWindow::toolButton(const QString &caption) const
{
    for (QToolButton *b : m_toolButtons) {
        if (b->text() == caption) {
            return b;
        }
    }
    return nullptr;
}

void MainWindow::bringForward()
{
    // Whatever dialog is up (the login, a message) comes forward with the window.
    QWidget *front = QApplication::activeModalWidget();
    showMinimized();
    showMaximized();
    raise();
    activateWindow();
    if (front) {
        front->raise();
        front->activateWindow();
    }
}

void MainWindow::backupRestore()
{
    // The file must not be in use while it is copied or replaced.
    m_session.closeDatabase();
    runBackupDialog();
    if (!m_session.openDatabase()) {
        m_session.messages().showError(QStringLiteral("数据库不存在！"));
        return;
    }
    // A restored copy may be older than the program: it gets the steps the login would run,
    // or the functions reading the newer columns would fail until the next start.
    if (!UpgradeAtLogin(m_session.db())) {
        m_session.messages().showError(UpgradeFailedMessage(m_session.db()));
    }
    // A restored file may belong to another company record: the returns must print its name.
    if (const auto record = CorpInfoStore(m_session.db()).load(); record && *record) {
        m_session.applyCorpInfo(**record);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (!m_session.messages().askYesNo(QStringLiteral("确定要退出吗？"))) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    if (m_shutdown) {
        CloseHelp();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        CompactAtShutdown(m_session);
        QApplication::restoreOverrideCursor();
    }
}
