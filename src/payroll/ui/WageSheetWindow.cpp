#include "payroll/ui/WageSheetWindow.h"

#include "base/MessageService.h"
#include "org/DepartmentStore.h"
#include "org/DeptTree.h"
#include "org/ui/DeptTreeWidget.h"
#include "org/ui/OrgBrowserWindow.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageGeneration.h"
#include "payroll/WageItemRules.h"
#include "payroll/WagePosting.h"
#include "payroll/WageSheetExport.h"
#include "payroll/WageSheetModel.h"
#include "payroll/WageSheetStore.h"
#include "payroll/ui/PostingDateDialog.h"
#include "payroll/ui/WageImportWizard.h"
#include "payroll/ui/WageCellDelegate.h"
#include "widgets/ProgressWindow.h"
#include "widgets/QtFileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("工资计算");
const QString kBrowseTitle = QStringLiteral("工资浏览 - 选择年月");
const QString kRootDeptId = QStringLiteral("0000");
constexpr int DeptNameRole = Qt::UserRole + 1;
// The narrowest a column gets (the figures' width); wider where its title needs it.
constexpr int kColumnWidth = 60;

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

WageSheetWindow::WageSheetWindow(Database &db, const TaxRates &rates, MessageService &messages,
                                 FileOpener &opener, const QString &corpName, QWidget *parent)
    : FunctionWindow(parent), m_db(db), m_rates(rates), m_messages(messages), m_opener(opener),
      m_sheet(db, rates)
{
    setObjectName(QStringLiteral("WageSheetWindow"));
    setWindowTitle(kTitle);
    hooks.selectPeriod = [](const QString &title, QWidget *parent) {
        return SelectPeriod(title, parent);
    };
    hooks.chooseSheetPeriod = [this](QWidget *parent) {
        return ChooseSheetPeriod(m_db, m_messages, parent);
    };
    hooks.choosePostingDate = [](const QString &title, int year, int month, QWidget *parent) {
        return ChoosePostingDate(title, year, month, parent);
    };
    hooks.selectTempEmp = [this, corpName](QWidget *parent) {
        return SelectTempEmp(m_db, m_messages, corpName, parent);
    };
    hooks.importWageData = [this](QWidget *parent) {
        QtFileDialogs files;
        return ImportWageData(m_db, m_messages, files, progress(), parent);
    };

    // Every item has its column before a sheet is shown; the window opens all the same.
    if (!AddMissingItemColumns(m_db)) {
        m_messages.showError(WageText::UpdateWageFailed);
    }
    buildUi();
    loadTree(corpName);
    sheetChanged();
    resize(1000, 620);
}

WageSheetWindow::~WageSheetWindow()
{
    // The grid and its model read the sheet, which goes before the widgets would.
    delete m_grid;
    delete m_model;
}

bool WageSheetWindow::mayOpen(Database &db, MessageService &messages)
{
    const auto any = WageSheetStore(db).hasEmployees();
    if (!any) {
        messages.showError(WageText::DbQueryFailed);
        return false;
    }
    if (!*any) {
        messages.showInfo(WageText::NoEmployees);
        return false;
    }
    return true;
}

void WageSheetWindow::buildUi()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("wageToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto command = [&](const QString &text, void (WageSheetWindow::*slot)()) {
        QAction *a = bar->addAction(text);
        connect(a, &QAction::triggered, this, slot);
        m_actions << a;
    };
    command(QStringLiteral("数据导入(&I)"), &WageSheetWindow::importData);
    command(QStringLiteral("工资生成(&P)"), &WageSheetWindow::generate);
    command(QStringLiteral("过账(&Z)"), &WageSheetWindow::post);
    bar->addSeparator();
    command(QStringLiteral("一次性奖金"), &WageSheetWindow::showBonus);
    command(QStringLiteral("添加临时人员"), &WageSheetWindow::addTempStaff);
    command(QStringLiteral("删除临时人员"), &WageSheetWindow::removeTempStaff);
    command(QStringLiteral("清除草稿数据"), &WageSheetWindow::clearDrafts);
    bar->addSeparator();
    command(QStringLiteral("输出Excel"), &WageSheetWindow::exportSheet);
    command(QStringLiteral("工资浏览"), &WageSheetWindow::browse);
    bar->addSeparator();
    command(QStringLiteral("关闭(&C)"), &WageSheetWindow::closeWindow);
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    m_period = new QLabel(bar);
    m_period->setObjectName(QStringLiteral("periodLabel"));
    bar->addWidget(m_period);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("deptTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(150);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { nodeChanged(current); });

    m_model = new WageSheetModel(m_sheet, this);
    m_model->setSaveOnRowChange(true);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("wageGrid"));
    m_grid->setModel(m_model);
    m_delegate = new WageCellDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setWordWrap(false);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                // Leaving a row saves what was typed into it.
                if (previous.isValid() && current.row() != previous.row()) {
                    m_model->submitRow();
                }
            });
    connect(m_model, &WageSheetModel::saveFailed, this,
            [this](const QString &message) { m_messages.showError(message); });
    connect(m_model, &QAbstractItemModel::modelReset, this, &WageSheetWindow::updateStatus);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &WageSheetWindow::updateStatus);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &WageSheetWindow::applyColumns);

    auto *split = new QSplitter(this);
    split->addWidget(m_tree);
    split->addWidget(m_grid);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 830});

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    auto *caption = new QLabel(QStringLiteral("当前记录数"), status);
    caption->setMinimumWidth(90);
    m_count = new QLabel(status);
    m_count->setObjectName(QStringLiteral("countLabel"));
    status->addWidget(caption);
    status->addWidget(m_count, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split, 1);
    layout->addWidget(status);
}

QAction *WageSheetWindow::action(const QString &caption) const
{
    for (QAction *a : m_actions) {
        if (a->text() == caption) {
            return a;
        }
    }
    return nullptr;
}

void WageSheetWindow::loadTree(const QString &corpName)
{
    const auto rows = DepartmentStore(m_db).treeRows();
    if (!rows) {
        m_messages.showError(WageText::DbQueryFailed);
    }
    const DeptTree tree = BuildDeptTree(corpName, rows.value_or(QList<DeptRecord>()));
    m_buildingTree = true;
    FillDeptTreeWidget(m_tree, tree, [&tree](QTreeWidgetItem *item, int n) {
        // The root stands for the whole company: no department name, every row.
        item->setData(0, DeptNameRole, n == 0 ? QString() : tree.nodes.at(n).data.deptName);
    });
    m_buildingTree = false;
}

void WageSheetWindow::nodeChanged(QTreeWidgetItem *current)
{
    if (m_buildingTree || !current) {
        return;
    }
    savePending();
    m_model->setDeptFilter(current->data(0, DeptNameRole).toString());
}

void WageSheetWindow::selectRoot()
{
    const QSignalBlocker block(m_tree);
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

bool WageSheetWindow::selectDepartment(const QString &deptName)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, DeptNameRole).toString() == deptName) {
            m_tree->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

bool WageSheetWindow::savePending()
{
    m_delegate->finishEditing();
    return m_model->submitRow();
}

void WageSheetWindow::sheetChanged()
{
    selectRoot();
    applyColumns();
    updateStatus();
    const SheetPeriod &p = m_sheet.period();
    m_period->setText(p.isOpen() ? QStringLiteral("%1年%2月  %3  ")
                                       .arg(p.year)
                                       .arg(p.month)
                                       .arg(p.posted ? WageText::Posted : WageText::Draft)
                                 : QString());
    if (m_model->rowCount() > 0) {
        m_grid->setCurrentIndex(m_model->index(0, WageSheetModel::FixedCount));
    }
}

void WageSheetWindow::applyColumns()
{
    const QFontMetrics metrics(m_grid->horizontalHeader()->font());
    QHeaderView *header = m_grid->horizontalHeader();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        m_grid->setColumnHidden(c, m_model->isHiddenColumn(c));
        const QString title = m_model->headerData(c, Qt::Horizontal).toString();
        // Titles stay whole: "应纳税所得额" is wider than a figure.
        header->resizeSection(c, qMax(kColumnWidth, metrics.horizontalAdvance(title) + 14));
    }
}

void WageSheetWindow::updateStatus()
{
    const int rows = m_model->rowCount();
    // The totals row is not a record of the sheet.
    m_count->setText(QString::number(rows > 0 ? rows - 1 : 0));
}

bool WageSheetWindow::refusePosted(const QString &refusal)
{
    const SheetPeriod &p = m_sheet.period();
    const auto posted = WageSheetStore(m_db).isMonthPosted(p.year, p.month);
    if (p.posted || posted.value_or(false)) {
        m_messages.showInfo(refusal);
        return true;
    }
    return false;
}

Progress &WageSheetWindow::progress()
{
    if (hooks.progress) {
        return *hooks.progress;
    }
    if (!m_progress) {
        m_progress = std::make_unique<ProgressWindow>(m_messages);
    }
    return *m_progress;
}

void WageSheetWindow::importData()
{
    savePending();
    const auto month = hooks.importWageData(this);
    if (!month) {
        return;
    }
    // The imported month is shown, then computed in full, as "工资计算" would.
    WaitCursor wait;
    selectRoot();
    m_model->setDeptFilter(QString());
    if (!m_sheet.load(month->year, month->month, 1)) {
        m_messages.showError(m_sheet.lastError());
    }
    m_model->reload();
    if (m_sheet.isOpen()) {
        m_model->computeAll(m_messages, progress());
    }
    sheetChanged();
}

void WageSheetWindow::generate()
{
    savePending();
    const auto request = hooks.chooseSheetPeriod(this);
    if (!request) {
        return;
    }
    WaitCursor wait;
    const auto run = GenerateWageSheet(m_db, m_rates, m_messages, request->year, request->month,
                                       request->choice, request->copyLastMonth, progress());
    if (!run) {
        return; // the cause was shown; nothing was written
    }
    if (!m_sheet.load(request->year, request->month, *run)) {
        m_messages.showError(m_sheet.lastError());
    }
    m_model->reload();
    sheetChanged();
}

void WageSheetWindow::post()
{
    if (!m_sheet.isOpen()) {
        return;
    }
    savePending();
    const SheetPeriod p = m_sheet.period();
    if (refusePosted(WageText::AlreadyPosted)) {
        return;
    }
    const auto date = hooks.choosePostingDate(WageText::PostTitle, p.year, p.month, this);
    if (!date) {
        return;
    }
    selectRoot();
    m_model->setDeptFilter(QString());
    WaitCursor wait;
    // A posting that fails leaves nothing behind (one transaction) and the sheet as it was.
    if (!PostWageSheet(m_db, m_rates, m_messages, *date, p.year, p.month, p.run, progress())) {
        return;
    }
    if (!m_sheet.loadPosted(p.year, p.month)) {
        m_messages.showError(m_sheet.lastError());
    }
    m_model->reload();
    sheetChanged();
}

void WageSheetWindow::showBonus()
{
    if (!m_sheet.isOpen() || refusePosted(WageText::NoChangeToPosted)) {
        return;
    }
    savePending();
    m_model->showBonusColumn();
}

void WageSheetWindow::addTempStaff()
{
    if (!m_sheet.isOpen()) {
        return;
    }
    savePending();
    if (refusePosted(WageText::NoAddToPosted)) {
        return;
    }
    selectRoot();
    m_model->setDeptFilter(QString());
    const auto emp = hooks.selectTempEmp(this);
    if (!emp || !m_model->addTempEmployee(m_messages, *emp)) {
        return;
    }
    const QModelIndex added = m_model->index(m_model->totalsRow() - 1, WageSheetModel::FixedCount);
    m_grid->setCurrentIndex(added);
    m_grid->scrollTo(added);
}

void WageSheetWindow::removeTempStaff()
{
    if (!m_sheet.isOpen() || m_sheet.rowCount() == 0) {
        return;
    }
    savePending();
    if (refusePosted(WageText::NoDeleteFromPosted)) {
        return;
    }
    const int row = m_grid->currentIndex().row();
    if (row < 0 || m_model->isTotalsRow(row)) {
        return; // the totals row has no employee
    }
    if (m_model->removeTempEmployee(m_messages, row)) {
        updateStatus();
        const int next = qMin(row, m_model->rowCount() - 1);
        m_grid->setCurrentIndex(m_model->index(next, WageSheetModel::FixedCount));
    }
}

void WageSheetWindow::clearDrafts()
{
    savePending();
    if (m_model->clearDrafts(m_messages)) {
        sheetChanged();
    }
}

void WageSheetWindow::exportSheet()
{
    savePending();
    if (!m_sheet.isOpen() || m_sheet.rowCount() == 0) {
        m_messages.showInfo(WageText::NoData);
        return;
    }
    WaitCursor wait;
    ExportWageSheet(m_sheet, m_opener, m_messages);
}

void WageSheetWindow::browse()
{
    savePending();
    const auto period = hooks.selectPeriod(kBrowseTitle, this);
    if (!period) {
        return;
    }
    WaitCursor wait;
    if (m_model->browse(m_messages, period->year, period->month) || m_sheet.isOpen()) {
        sheetChanged();
    }
}

void WageSheetWindow::closeWindow()
{
    // Inside the main window the frame around us is what closes.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        frame->close();
    } else {
        close();
    }
}

void WageSheetWindow::closeEvent(QCloseEvent *event)
{
    savePending();
    FunctionWindow::closeEvent(event);
}
