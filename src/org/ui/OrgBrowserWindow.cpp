#include "org/ui/OrgBrowserWindow.h"

#include "base/MessageService.h"
#include "org/DeptRules.h"
#include "org/DeptTree.h"
#include "org/EmpRules.h"
#include "org/ui/DepartmentDialog.h"
#include "org/ui/DeptTreeWidget.h"
#include "org/ui/EmployeeDialog.h"
#include "org/ui/EmployeeTransferDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kQueryFailed = QStringLiteral("查询数据库失败！");
const QString kNobodyFound = QStringLiteral("没查到该员工信息！");
const QString kChooseDept = QStringLiteral("请选择部门！");
const QString kChooseEmp = QStringLiteral("请先选择员工！");

enum NodeRole { DeptIdRole = Qt::UserRole, FatherIdRole, LevelRole, LevelIdRole };

bool isFixedDept(const QString &deptId)
{
    return deptId == kRootDeptId || deptId == kTempDeptId;
}

} // namespace

OrgBrowserWindow::OrgBrowserWindow(Database &db, MessageService &messages, const QString &corpName,
                         QWidget *parent, Mode mode)
    : BaseDialog(parent), m_db(db), m_messages(messages), m_depts(db), m_emps(db),
      m_corpName(corpName), m_mode(mode)
{
    setWindowTitle(mode == Mode::SelectEmp       ? QStringLiteral("选择员工")
                   : mode == Mode::SelectTempEmp ? QStringLiteral("选择临时员工")
                                                 : QStringLiteral("部门员工维护"));
    buildUi();
    loadTree();
    loadList();
}

void OrgBrowserWindow::buildUi()
{
    auto *layout = new QVBoxLayout(this);

    auto *deptMenu = new QMenu(this);
    QAction *addDeptAct = deptMenu->addAction(QStringLiteral("添加部门"), this, &OrgBrowserWindow::addDept);
    QAction *modDeptAct =
        deptMenu->addAction(QStringLiteral("修改部门信息"), this, &OrgBrowserWindow::modifyDept);
    QAction *delDeptAct = deptMenu->addAction(QStringLiteral("删除部门"), this, &OrgBrowserWindow::deleteDept);

    auto *empMenu = new QMenu(this);
    QAction *addEmpAct = empMenu->addAction(QStringLiteral("添加员工"), this, &OrgBrowserWindow::addEmp);
    QAction *modEmpAct = empMenu->addAction(QStringLiteral("修改员工信息"), this, &OrgBrowserWindow::modifyEmp);
    QAction *delEmpAct = empMenu->addAction(QStringLiteral("删除员工"), this, &OrgBrowserWindow::deleteEmp);
    QAction *sep = empMenu->addSeparator();
    QAction *moveEmpAct = empMenu->addAction(QStringLiteral("员工调动"), this, &OrgBrowserWindow::moveEmp);

    auto *bar = new QHBoxLayout;
    auto menuButton = [this](const QString &text, QMenu *menu) {
        auto *b = new QToolButton(this);
        b->setText(text);
        b->setMenu(menu);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        // Room for the drop-down arrow beside the Chinese caption.
        b->setMinimumWidth(b->sizeHint().width() + 14);
        return b;
    };
    bar->addWidget(menuButton(QStringLiteral("部门维护"), deptMenu));
    bar->addWidget(menuButton(QStringLiteral("员工维护"), empMenu));
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("请输入姓名或编号:"), this));
    m_search = new QLineEdit(this);
    m_search->setMinimumWidth(140);
    bar->addWidget(m_search);
    auto *find = new QPushButton(QStringLiteral("查找"), this);
    bar->addWidget(find);
    m_choose = new QPushButton(QStringLiteral("选择员工"), this);
    m_choose->setEnabled(m_mode != Mode::Maintain);
    bar->addWidget(m_choose);
    m_close = new QPushButton(QStringLiteral("关闭"), this);
    bar->addWidget(m_close);
    bar->addStretch();
    for (QPushButton *b : {find, m_choose, m_close}) {
        b->setAutoDefault(false);
    }
    layout->addLayout(bar);

    auto *splitter = new QSplitter(this);
    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto *leftTop = new QHBoxLayout;
    leftTop->addWidget(new QLabel(QStringLiteral("部门:"), left));
    leftTop->addStretch();
    m_showDeparted = new QCheckBox(QStringLiteral("显示离职员工"), left);
    leftTop->addWidget(m_showDeparted);
    leftLayout->addLayout(leftTop);
    m_tree = new QTreeWidget(left);
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_tree->addActions({addDeptAct, modDeptAct, delDeptAct});
    leftLayout->addWidget(m_tree);

    m_model = new EmployeeListModel(this);
    m_list = new QTableView(splitter);
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->setDefaultSectionSize(22);
    m_list->verticalHeader()->setVisible(false);
    m_list->horizontalHeader()->setDefaultSectionSize(90);
    m_list->setColumnWidth(EmployeeListModel::IdCardNo, 150);
    m_list->setColumnWidth(EmployeeListModel::Address, 160);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->addActions({addEmpAct, modEmpAct, delEmpAct, sep, moveEmpAct});
    splitter->addWidget(left);
    splitter->addWidget(m_list);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 640});
    // A dialog of its own keeps the size its layout asks for: room for the tree and for the
    // first columns of the list.
    splitter->setMinimumSize(840, 460);
    layout->addWidget(splitter, 1);

    connect(find, &QPushButton::clicked, this, &OrgBrowserWindow::search);
    connect(m_search, &QLineEdit::returnPressed, this, &OrgBrowserWindow::search);
    connect(m_choose, &QPushButton::clicked, this, &OrgBrowserWindow::choose);
    connect(m_close, &QPushButton::clicked, this, &OrgBrowserWindow::closeWindow);
    connect(m_list, &QTableView::doubleClicked, this, &OrgBrowserWindow::choose);
    connect(m_showDeparted, &QCheckBox::toggled, this, &OrgBrowserWindow::loadList);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { nodeChanged(current); });
}

void OrgBrowserWindow::loadTree()
{
    const auto rows = m_depts.treeRows();
    if (!rows) {
        m_messages.showError(kQueryFailed);
        return;
    }
    const DeptTree tree = BuildDeptTree(m_corpName, *rows);
    m_buildingTree = true;
    FillDeptTreeWidget(m_tree, tree, [&tree](QTreeWidgetItem *item, int n) {
        const DeptTree::Node &node = tree.nodes.at(n);
        item->setData(0, DeptIdRole, node.data.deptId);
        item->setData(0, FatherIdRole, node.data.fatherId);
        item->setData(0, LevelRole, node.data.deptLevel);
        item->setData(0, LevelIdRole, node.data.deptLevelId);
    });
    m_buildingTree = false;
}

void OrgBrowserWindow::loadList()
{
    QTreeWidgetItem *node = m_tree->currentItem();
    if (!node) {
        return;
    }
    auto rows =
        m_emps.listSubtree(node->data(0, LevelIdRole).toString(), m_showDeparted->isChecked());
    if (!rows) {
        m_messages.showError(kQueryFailed);
        return;
    }
    m_model->setRows(std::move(*rows));
    m_loadedDeptId = node->data(0, DeptIdRole).toString();
    setCurrentRow(0);
}

void OrgBrowserWindow::nodeChanged(QTreeWidgetItem *current)
{
    if (m_buildingTree || !current || current->data(0, DeptIdRole).toString() == m_loadedDeptId) {
        return;
    }
    loadList();
}

QTreeWidgetItem *OrgBrowserWindow::findNode(const QString &deptId) const
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, DeptIdRole).toString() == deptId) {
            return *it;
        }
    }
    return nullptr;
}

bool OrgBrowserWindow::selectDept(const QString &deptId)
{
    QTreeWidgetItem *node = findNode(deptId);
    if (!node) {
        return false;
    }
    m_buildingTree = true;
    m_tree->setCurrentItem(node);
    m_buildingTree = false;
    loadList();
    return true;
}

QString OrgBrowserWindow::currentDeptId() const
{
    const QTreeWidgetItem *node = m_tree->currentItem();
    return node ? node->data(0, DeptIdRole).toString() : QString();
}

int OrgBrowserWindow::currentRow() const
{
    if (m_model->isEmpty()) {
        return -1;
    }
    const int row = m_list->currentIndex().row();
    return row >= 0 ? row : 0;
}

void OrgBrowserWindow::setCurrentRow(int row)
{
    if (row >= 0 && row < m_model->rowCount()) {
        m_list->setCurrentIndex(m_model->index(row, 0));
    }
}

void OrgBrowserWindow::addDept()
{
    QTreeWidgetItem *root = m_tree->topLevelItem(0);
    if (!root) {
        return;
    }
    m_tree->setCurrentItem(root);
    if (AddDept(m_db, m_messages, root->data(0, DeptIdRole).toString(),
                root->data(0, LevelRole).toInt(), this)) {
        loadTree();
        loadList();
    }
}

void OrgBrowserWindow::modifyDept()
{
    const QString code = currentDeptId();
    if (code.isEmpty() || isFixedDept(code)) {
        return;
    }
    if (ModifyDept(m_db, m_messages, code, this)) {
        loadTree();
        if (!selectDept(code)) {
            loadList();
        }
    }
}

void OrgBrowserWindow::deleteDept()
{
    const QString code = currentDeptId();
    if (code.isEmpty() || isFixedDept(code)) {
        return;
    }
    if (!m_messages.askYesNo(DeptText::ConfirmDelete)) {
        return;
    }
    if (DeleteDept(m_depts, m_messages, code) == DeptDeleteResult::Deleted) {
        loadTree();
        loadList();
    }
}

void OrgBrowserWindow::addEmp()
{
    const QString code = currentDeptId();
    if (code.isEmpty()) {
        return;
    }
    if (code == kRootDeptId) {
        m_messages.showInfo(kChooseDept);
        return;
    }
    if (AddEmp(m_db, m_messages, code, this)) {
        loadList();
    }
}

void OrgBrowserWindow::modifyEmp()
{
    const int row = currentRow();
    if (row < 0) {
        m_messages.showInfo(kChooseEmp);
        return;
    }
    const QString empId = m_model->rowAt(row).empId();
    if (ModifyEmp(m_db, m_messages, empId, this)) {
        reloadKeepingEmp(empId);
    }
}

void OrgBrowserWindow::deleteEmp()
{
    const int row = currentRow();
    if (row < 0) {
        m_messages.showInfo(kChooseEmp);
        return;
    }
    if (!m_messages.askYesNo(EmpText::ConfirmDelete)) {
        return;
    }
    if (DeleteEmp(m_emps, m_messages, m_model->rowAt(row).empId()) == EmpDeleteResult::Deleted) {
        reloadKeepingEmp(QString());
    }
}

void OrgBrowserWindow::moveEmp()
{
    const int row = currentRow();
    if (row < 0) {
        m_messages.showInfo(kChooseEmp);
        return;
    }
    const EmployeeListRow &e = m_model->rowAt(row);
    if (MoveEmp(m_db, m_messages, e.empId(), e.empName(), e.deptId(), this)) {
        reloadKeepingEmp(QString());
    }
}

void OrgBrowserWindow::reloadKeepingEmp(const QString &empId)
{
    loadList();
    if (!empId.isEmpty()) {
        setCurrentRow(m_model->findEmp(empId));
    }
}

void OrgBrowserWindow::search()
{
    const QString text = m_search->text().trimmed();
    if (text.isEmpty()) {
        return;
    }
    auto rows = m_emps.search(text);
    if (!rows) {
        m_messages.showError(kQueryFailed);
        return;
    }
    const bool none = rows->empty();
    m_model->setRows(std::move(*rows));
    // The list no longer shows a node, so a click on any node loads it again.
    m_loadedDeptId.clear();
    setCurrentRow(0);
    if (none) {
        m_messages.showInfo(kNobodyFound);
    }
}

void OrgBrowserWindow::choose()
{
    if (m_mode == Mode::Maintain) {
        return;
    }
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    const RdEmployee employee = m_model->employeeAt(row);
    if (m_mode == Mode::SelectTempEmp && employee.deptId != kTempDeptId) {
        return;
    }
    m_chosen = employee;
    emit employeeChosen(employee);
}

void OrgBrowserWindow::closeWindow()
{
    emit closeRequested();
    reject();
}

void OrgBrowserWindow::reject()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub) {
        BaseDialog::reject();
        return;
    }
    // Hidden first: the frame's close asks this widget to close, and QDialog refuses that
    // while it is visible (it would call back here).
    setResult(QDialog::Rejected);
    hide();
    sub->close();
}

namespace {

std::optional<RdEmployee> runBrowser(Database &db, MessageService &messages,
                                     const QString &corpName, QWidget *parent,
                                     OrgBrowserWindow::Mode mode)
{
    OrgBrowserWindow browser(db, messages, corpName, parent, mode);
    QObject::connect(&browser, &OrgBrowserWindow::employeeChosen, &browser, &QDialog::accept);
    if (browser.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return browser.chosen();
}

} // namespace

void ShowDeptEmp(Database &db, MessageService &messages, const QString &corpName, QWidget *parent)
{
    runBrowser(db, messages, corpName, parent, OrgBrowserWindow::Mode::Maintain);
}

std::optional<RdEmployee> SelectEmp(Database &db, MessageService &messages,
                                    const QString &corpName, QWidget *parent)
{
    return runBrowser(db, messages, corpName, parent, OrgBrowserWindow::Mode::SelectEmp);
}

std::optional<RdEmployee> SelectTempEmp(Database &db, MessageService &messages,
                                        const QString &corpName, QWidget *parent)
{
    return runBrowser(db, messages, corpName, parent, OrgBrowserWindow::Mode::SelectTempEmp);
}
