#include "backpay/ui/BackPayWindow.h"

#include "backpay/BackPayGridModel.h"
#include "backpay/BackPayQuery.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTax.h"
#include "backpay/BackPayTexts.h"
#include "backpay/BackPayView.h"
#include "backpay/ui/BackPayAmountDelegate.h"
#include "base/MessageService.h"
#include "db/ExportToExcel.h"
#include "widgets/EditHelpers.h"
#include "widgets/ProgressWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kNarrow = 60;
constexpr int kWide = 110;

bool isNarrow(const QString &column)
{
    using namespace BackPayText;
    return column == deptColumn() || column == nameColumn() || column == empIdColumn();
}

} // namespace

BackPayWindow::BackPayWindow(Database &db, const TaxRates &rates, MessageService &messages,
                             FileOpener &opener, BackPayDialogs dialogs, QWidget *parent)
    : FunctionWindow(parent), m_db(db), m_rates(rates), m_messages(messages), m_opener(opener),
      m_dialogs(std::move(dialogs)), m_sheet(std::make_unique<BackPaySheet>(db, rates, messages))
{
    setObjectName(QStringLiteral("BackPayWindow"));
    setWindowTitle(BackPayText::title());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildToolRow());

    m_model = new BackPayGridModel(this);
    m_model->setWriter([this](int row, int column, const QString &text) {
        return writeAmount(row, column, text);
    });
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new BackPayAmountDelegate(m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    layout->addWidget(m_view, 1);

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_status = new QLabel(status);
    status->addWidget(m_status, 1);
    layout->addWidget(status);
    resize(860, 520);
}

BackPayWindow::~BackPayWindow() = default;

QWidget *BackPayWindow::buildToolBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 4, 4, 0);
    const std::pair<const char *, void (BackPayWindow::*)()> commands[] = {
        {"整部门员工添加", &BackPayWindow::addDepartment},
        {"单个员工添加(&A)", &BackPayWindow::addEmployee},
        {"删除(&D)", &BackPayWindow::deleteEmployee},
        {" 计 算 ", &BackPayWindow::calculate},
        {"重新生成补发月(&N)", &BackPayWindow::rechooseMonths},
        {" 过 账 ", &BackPayWindow::post},
        {" 查 询 ", &BackPayWindow::query},
        {"输出&Excel", &BackPayWindow::exportExcel}};
    for (const auto &[caption, command] : commands) {
        auto *b = new QPushButton(QString::fromUtf8(caption), bar);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, command);
        row->addWidget(b);
        m_buttons << b;
    }
    auto *close = new QPushButton(QStringLiteral("关闭(&C)"), bar);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, [this] {
        // Inside the main window the frame closes (and asks us); alone, the window itself.
        QWidget *frame = parentWidget() ? parentWidget() : this;
        frame->close();
    });
    m_buttons << close;
    row->addWidget(close);
    row->addStretch();
    return bar;
}

QWidget *BackPayWindow::buildToolRow()
{
    auto *panel = new QWidget(this);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 0);

    auto *findLabel = new QLabel(QStringLiteral("请输入姓名或编号:"), panel);
    m_find = new QLineEdit(panel);
    m_find->setMaximumWidth(120);
    findLabel->setBuddy(m_find);
    auto *locateButton = new QPushButton(QStringLiteral("快速定位"), panel);
    locateButton->setAutoDefault(false);
    connect(locateButton, &QPushButton::clicked, this, &BackPayWindow::locate);
    connect(m_find, &QLineEdit::returnPressed, locateButton, &QPushButton::click);
    m_buttons << locateButton;
    row->addWidget(findLabel);
    row->addWidget(m_find);
    row->addWidget(locateButton);
    row->addSpacing(16);

    auto *group = new QGroupBox(QStringLiteral("修改整列工资"), panel);
    auto *g = new QHBoxLayout(group);
    g->setContentsMargins(6, 2, 6, 2);
    m_column = new QComboBox(group);
    m_column->setMinimumWidth(150);
    m_add = new QRadioButton(QStringLiteral("增加"), group);
    m_subtract = new QRadioButton(QStringLiteral("减少"), group);
    m_set = new QRadioButton(QStringLiteral("等于"), group);
    m_set->setChecked(true);
    m_amount = new QLineEdit(group);
    m_amount->setMaximumWidth(100);
    MoneyKeyPress(m_amount);
    auto *replace = new QPushButton(QStringLiteral("替换"), group);
    replace->setAutoDefault(false);
    connect(replace, &QPushButton::clicked, this, &BackPayWindow::replaceColumn);
    m_buttons << replace;
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_column, m_add, m_subtract, m_set, m_amount, replace}) {
        g->addWidget(w);
    }
    row->addWidget(group);
    row->addStretch();
    return panel;
}

QPushButton *BackPayWindow::button(const QString &caption) const
{
    for (QPushButton *b : m_buttons) {
        if (b->text() == caption) {
            return b;
        }
    }
    return nullptr;
}

void BackPayWindow::setStatus()
{
    m_status->setText(m_period ? BackPayText::statusLine(m_period->year, m_period->month)
                               : QString());
}

bool BackPayWindow::sheetOpen() const
{
    return !m_posted && m_period.has_value() && !m_months.isEmpty();
}

bool BackPayWindow::sheetEmpty() const
{
    return m_model->rowCount() == 0;
}

void BackPayWindow::commitPendingEdit()
{
    // Leaving the cell commits its editor; coming back keeps the clerk where he was.
    const QModelIndex current = m_view->currentIndex();
    m_view->setCurrentIndex(QModelIndex());
    m_view->setCurrentIndex(current);
}

bool BackPayWindow::openSheet(bool saved)
{
    const auto period = m_sheet->sheetPeriod();
    const auto months = m_sheet->months();
    if (!period || !months) {
        return false;
    }
    m_posted = false;
    m_period = period;
    m_months = *months;
    m_saved = saved;
    m_column->clear();
    for (const BackPayMonth &m : m_months) {
        m_column->addItem(m.backPayColumn());
    }
    m_column->setCurrentIndex(-1);
    reloadSheet();
    setStatus();
    return true;
}

void BackPayWindow::reloadSheet()
{
    const auto grid = m_sheet->view();
    m_model->setGrid(grid ? *grid : BackPayGrid(BackPayViewColumns(m_months)), true);
    // An empty sheet has nothing to keep or lose.
    if (sheetEmpty()) {
        m_saved = true;
    }
    m_view->setEditTriggers(sheetEmpty() ? QAbstractItemView::NoEditTriggers
                                         : QAbstractItemView::DoubleClicked |
                                               QAbstractItemView::EditKeyPressed |
                                               QAbstractItemView::AnyKeyPressed);
    layoutColumns();
}

void BackPayWindow::showPosted(const BackPayMonth &payPeriod,
                               const std::optional<BackPayQueryStatement> &query)
{
    m_posted = true;
    m_saved = true;
    m_period = payPeriod;
    m_months.clear();
    m_column->clear();
    m_postedSql.clear();
    std::optional<BackPayGrid> grid;
    if (query) {
        m_postedSql = query->sql;
        m_postedParams = query->params;
        m_postedMoney = query->moneyColumns;
        grid = ReadBackPayQuery(m_db, *query);
    }
    // A posted view that cannot be read shows nothing rather than stale rows.
    m_model->setGrid(grid ? *grid : BackPayGrid(), false);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layoutColumns();
    setStatus();
}

void BackPayWindow::layoutColumns()
{
    const auto &columns = m_model->grid().columns();
    for (int c = 0; c < columns.size(); ++c) {
        m_view->setColumnHidden(c, !columns.at(c).shown);
        m_view->setColumnWidth(c, isNarrow(columns.at(c).name) ? kNarrow : kWide);
    }
}

void BackPayWindow::locateEmployee(const QString &empId)
{
    const int row = m_model->grid().rowOf(empId);
    if (row >= 0) {
        const int column = m_model->grid().columnIndex(BackPayText::empIdColumn());
        m_view->setCurrentIndex(m_model->index(row, column));
        m_view->scrollTo(m_view->currentIndex());
    }
}

std::optional<BackPayGridRow> BackPayWindow::writeAmount(int row, int column, const QString &text)
{
    const auto &col = m_model->grid().columns().at(column);
    if (m_posted || !col.backPayOf) {
        return std::nullopt;
    }
    const auto amount = m_sheet->readAmount(text);
    if (!amount) {
        return std::nullopt;
    }
    const QString empId = m_model->grid().text(row, BackPayText::empIdColumn());
    if (!m_sheet->setBackPay(empId, *col.backPayOf, *amount)) {
        return std::nullopt;
    }
    m_saved = false;
    const auto fresh = m_sheet->viewRow(empId);
    if (!fresh || fresh->rowCount() != 1) {
        return std::nullopt;
    }
    return fresh->row(0);
}

bool BackPayWindow::refusedWhenPosted(const QString &message)
{
    if (m_posted) {
        m_messages.showInfo(message);
    }
    return m_posted;
}

void BackPayWindow::addStaff(const std::function<std::optional<BackPayStaff>()> &choose)
{
    if (!m_period || refusedWhenPosted(BackPayText::postedNoAdd())) {
        return;
    }
    commitPendingEdit();
    const auto staff = choose();
    const auto added = staff ? m_sheet->add(*staff) : std::nullopt;
    if (!added) {
        return;
    }
    if (!added->alreadyOnSheet) {
        m_saved = false;
        reloadSheet();
    }
    if (!added->empId.isEmpty()) {
        locateEmployee(added->empId);
    }
}

void BackPayWindow::addDepartment()
{
    addStaff([this]() -> std::optional<BackPayStaff> {
        const auto code = m_dialogs.chooseDept();
        return code ? std::optional(BackPayStaff::department(*code)) : std::nullopt;
    });
}

void BackPayWindow::addEmployee()
{
    addStaff([this]() -> std::optional<BackPayStaff> {
        const auto emp = m_dialogs.selectEmp();
        return emp ? std::optional(BackPayStaff::employee(emp->empId)) : std::nullopt;
    });
}

void BackPayWindow::deleteEmployee()
{
    if (refusedWhenPosted(BackPayText::postedNoDelete())) {
        return;
    }
    if (!sheetOpen() || sheetEmpty()) {
        return;
    }
    commitPendingEdit();
    const int row = m_view->currentIndex().isValid() ? m_view->currentIndex().row() : 0;
    const QString empId = m_model->grid().text(row, BackPayText::empIdColumn());
    if (!m_messages.askYesNo(BackPayText::askDelete()) || !m_sheet->remove(empId)) {
        return;
    }
    reloadSheet();
    m_saved = sheetEmpty();
}

void BackPayWindow::calculate()
{
    if (refusedWhenPosted(BackPayText::posted())) {
        return;
    }
    if (!sheetOpen() || sheetEmpty()) {
        return;
    }
    commitPendingEdit();
    reloadSheet();
    m_saved = false;
}

void BackPayWindow::rechooseMonths()
{
    if (refusedWhenPosted(BackPayText::postedNoRechoose())) {
        return;
    }
    if (!sheetOpen()) {
        return;
    }
    commitPendingEdit();
    const auto wanted = m_dialogs.chooseMonths(*m_period, m_months);
    if (!wanted || !m_sheet->syncMonths(*wanted)) {
        return;
    }
    const bool saved = m_saved;
    openSheet(saved);
}

void BackPayWindow::post()
{
    if (refusedWhenPosted(BackPayText::posted())) {
        return;
    }
    if (!sheetOpen() || sheetEmpty()) {
        return;
    }
    commitPendingEdit();
    ProgressWindow progress(m_messages, this);
    const auto posted =
        PostPendingBackPay(m_db, m_rates, m_messages, m_dialogs.choosePostingDate, progress);
    if (posted) {
        showPosted(*posted, BackPayQuerySql(m_db, *posted));
    }
}

void BackPayWindow::query()
{
    commitPendingEdit();
    askSave();
    const auto period = m_dialogs.selectPeriod(BackPayText::periodTitle());
    if (!period) {
        return;
    }
    const BackPayQueryAnswer answer = FindBackPay(m_db, *period);
    if (answer.posted) {
        showPosted(*period, answer.posted);
    } else if (answer.pending) {
        openSheet(true);
    } else {
        m_messages.showInfo(BackPayText::noBackPayOf(period->year, period->month));
    }
}

void BackPayWindow::exportExcel()
{
    commitPendingEdit();
    if (sheetEmpty()) {
        return;
    }
    if (m_posted) {
        ExportToExcel(m_db, m_postedSql, m_postedParams, BackPayText::exportName(), m_opener,
                      m_messages, m_postedMoney);
    } else if (sheetOpen() && RegisterBackPayTax(m_db, m_rates)) {
        ExportToExcel(m_db, BackPayViewSql(m_months), BackPayText::exportName(), m_opener,
                      m_messages, BackPayViewComputedColumns(m_months));
    }
}

void BackPayWindow::replaceColumn()
{
    const QString text = m_amount->text().trimmed();
    if (text.isEmpty()) {
        return;
    }
    if (refusedWhenPosted(BackPayText::posted())) {
        return;
    }
    if (m_column->currentIndex() < 0) {
        m_messages.showInfo(BackPayText::noColumnChosen());
        m_column->setFocus();
        return;
    }
    if (!sheetOpen() || sheetEmpty()) {
        return;
    }
    commitPendingEdit();
    const auto amount = m_sheet->readAmount(text);
    if (!amount) {
        m_amount->setFocus();
        return;
    }
    const ColumnChange change = m_add->isChecked()        ? ColumnChange::Add
                                : m_subtract->isChecked() ? ColumnChange::Subtract
                                                          : ColumnChange::Set;
    if (m_sheet->changeColumn(m_months.at(m_column->currentIndex()), change, *amount)) {
        m_saved = false;
        reloadSheet();
    }
}

void BackPayWindow::locate()
{
    const QString text = m_find->text().trimmed();
    if (sheetEmpty()) {
        return;
    }
    const int row = m_model->grid().find(text);
    if (row < 0) {
        m_messages.showInfo(BackPayText::notFound());
        return;
    }
    locateEmployee(m_model->grid().text(row, BackPayText::empIdColumn()));
}

void BackPayWindow::askSave()
{
    if (m_posted || m_saved) {
        return;
    }
    if (m_messages.askYesNo(BackPayText::askSave())) {
        m_saved = true;
    } else if (m_sheet->discard()) {
        m_saved = true;
        reloadSheet();
    }
}

void BackPayWindow::closeEvent(QCloseEvent *event)
{
    commitPendingEdit();
    askSave();
    event->accept();
}
