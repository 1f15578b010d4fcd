#include "otherpay/ui/OtherPayWindow.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/TextHelpers.h"
#include "org/EmpRules.h"
#include "org/ui/OrgBrowserWindow.h"
#include "otherpay/OtherPayTexts.h"
#include "otherpay/OtherTax.h"
#include "otherpay/PaymentRules.h"
#include "widgets/EditHelpers.h"
#include "widgets/PeriodDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The amount fields take up to 18 characters, the receipt number 30.
constexpr int kAmountLength = 18;
// Columns from the fourth on are this wide, unless their title or a value needs more.
constexpr int kListColumnWidth = 70;

QLineEdit *greyField(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    GreyEdit(edit);
    return edit;
}

QLineEdit *amountField(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kAmountLength);
    edit->setAlignment(Qt::AlignRight);
    MoneyKeyPress(edit);
    return edit;
}

} // namespace

OtherPayWindow::OtherPayWindow(Database &db, const TaxRates &rates, MessageService &messages,
                               const QString &corpName, int year, int month, QWidget *parent)
    : FunctionWindow(parent), m_db(db), m_rates(rates), m_messages(messages), m_corpName(corpName),
      m_store(db), m_year(year), m_month(month)
{
    setObjectName(QStringLiteral("OtherPayWindow"));
    setWindowTitle(OtherPayText::WindowTitle);
    m_pickEmployee = [this] { return SelectEmp(m_db, m_messages, m_corpName, this); };
    buildUi();

    // Opening: the list, the looks of the panel, today's date, the income types.
    if (loadList() && !m_model->isEmpty()) {
        m_status->setText(OtherPayText::Browsing);
    }
    m_date->setDate(Today());
    fillTypes();
    typeChanged();
    enterBrowse();
    resize(960, 600);
}

void OtherPayWindow::buildUi()
{
    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto command = [&](const char *name, const QString &text, const char *shortcut,
                             void (OtherPayWindow::*slot)()) {
        auto *a = bar->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    command("actPickPerson", QStringLiteral("增加人员(&P)"), "Alt+P", &OtherPayWindow::pickPerson);
    command("actAdd", QStringLiteral("增加(&A)"), "Alt+A", &OtherPayWindow::addPayment)
        ->setToolTip(QStringLiteral("增加指定人员的支付记录"));
    command("actEdit", QStringLiteral("编辑(&E)"), "Alt+E", &OtherPayWindow::editPayment);
    command("actDelete", QStringLiteral("删除(&D)"), "Alt+D", &OtherPayWindow::deletePayment);
    command("actSave", QStringLiteral("保存(&S)"), "Alt+S", &OtherPayWindow::savePayment);
    bar->addSeparator();
    command("actClose", QStringLiteral("关闭(&C)"), "Alt+C", &OtherPayWindow::closeWindow);
    // Which month the window records, always in sight.
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto *period = new QLabel(QStringLiteral("所属期间：%1年%2月  ").arg(m_year).arg(m_month), bar);
    period->setObjectName(QStringLiteral("periodLabel"));
    bar->addWidget(period);

    m_model = new OtherPayListModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("paymentList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    connect(m_list, &QTableView::clicked, this,
            [this](const QModelIndex &index) { showPaymentRow(index.row()); });

    auto *statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    statusBar->addWidget(m_status, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(buildPanel());
    layout->addWidget(m_list, 1);
    layout->addWidget(statusBar);

    EnterToNextControl(this);
    for (QLineEdit *edit : {m_income, m_deduction}) {
        edit->installEventFilter(this);
    }
}

QWidget *OtherPayWindow::buildPanel()
{
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("recordPanel"));
    // Browsing, the panel is disabled but shows the payment: its values stay legible.
    QPalette legible = m_panel->palette();
    for (const auto role : {QPalette::Text, QPalette::ButtonText}) {
        legible.setColor(QPalette::Disabled, role, QColor(0x30, 0x30, 0x30));
    }
    m_panel->setPalette(legible);
    m_deptName = greyField(m_panel, "edtDeptName");
    m_empName = greyField(m_panel, "edtEmpName");
    m_idCard = greyField(m_panel, "edtIdCard");
    m_type = new QComboBox(m_panel);
    m_type->setObjectName(QStringLiteral("cmbTaxType"));
    m_income = amountField(m_panel, "edtIncome");
    m_deduction = amountField(m_panel, "edtDeduction");
    m_taxable = greyField(m_panel, "edtTaxable");
    m_rate = greyField(m_panel, "edtRate");
    m_quick = greyField(m_panel, "edtQuick");
    m_date = new QDateEdit(m_panel);
    m_date->setObjectName(QStringLiteral("dateTax"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_tax = greyField(m_panel, "edtTax");
    m_receipt = new QLineEdit(m_panel);
    m_receipt->setObjectName(QStringLiteral("edtReceipt"));
    m_receipt->setMaxLength(OtherPayText::kMaxTaxNumberLength);
    for (QLineEdit *e : {m_taxable, m_rate, m_quick, m_tax}) {
        e->setAlignment(Qt::AlignRight);
    }

    // Three label-field pairs a line, in the tab order of the panel.
    const struct
    {
        const char *label;
        QWidget *field;
        bool highlight;
    } fields[] = {{"部门名称", m_deptName, false},  {"人员名称", m_empName, false},
                  {"身份证号", m_idCard, false},    {"收入类型", m_type, true},
                  {"收入金额", m_income, true},     {"费用减除", m_deduction, false},
                  {"应纳税所得", m_taxable, false}, {"适用税率", m_rate, false},
                  {"速算扣除数", m_quick, false},   {"纳税日期", m_date, true},
                  {"应纳税额", m_tax, false},       {"完税证字号", m_receipt, false}};
    auto *grid = new QGridLayout(m_panel);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(8);
    int i = 0;
    for (const auto &f : fields) {
        auto *label = new QLabel(QString::fromUtf8(f.label), m_panel);
        label->setBuddy(f.field);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (f.highlight) {
            HighlightLabel(label);
        }
        grid->addWidget(label, i / 3, (i % 3) * 2);
        grid->addWidget(f.field, i / 3, (i % 3) * 2 + 1);
        f.field->setMinimumWidth(150);
        ++i;
    }
    for (int c = 1; c < 6; c += 2) {
        grid->setColumnStretch(c, 1);
    }
    connect(m_type, &QComboBox::currentIndexChanged, this, &OtherPayWindow::typeChanged);
    return m_panel;
}

QAction *OtherPayWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

bool OtherPayWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving the field for another control of the window, not for a menu, a popup or
        // another window.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::MouseFocusReason || reason == Qt::OtherFocusReason) {
            if (watched == m_income) {
                leaveIncome();
            } else if (watched == m_deduction) {
                leaveDeduction();
            }
        }
    }
    return FunctionWindow::eventFilter(watched, event);
}

bool OtherPayWindow::loadList()
{
    const auto rows = m_store.list(m_year, m_month);
    if (!rows) {
        m_model->clear();
        m_messages.showError(OtherPayText::OpenFailed);
        return false;
    }
    m_model->setRows(*rows);
    fitColumns();
    return true;
}

void OtherPayWindow::fitColumns()
{
    // The first three columns as wide as they need; the others 70 pixels, wider only where a
    // title or a value would be cut off.
    for (int c = 0; c < OtherPayListModel::ColumnCount; ++c) {
        m_list->resizeColumnToContents(c);
        if (c >= 3 && m_list->columnWidth(c) < kListColumnWidth) {
            m_list->setColumnWidth(c, kListColumnWidth);
        }
    }
}

void OtherPayWindow::fillTypes()
{
    const QSignalBlocker block(m_type);
    m_type->clear();
    if (const auto types = m_store.incomeTypes()) {
        m_type->addItems(*types);
    }
    // Nothing is chosen at first.
    m_type->setCurrentIndex(-1);
}

void OtherPayWindow::typeChanged()
{
    clearAmountFields();
    showDeductionTyped(m_type->currentText());
}

void OtherPayWindow::showDeductionTyped(const QString &taxType)
{
    // Only a contract's deduction is typed; the others' is computed.
    const bool typed = taxType.trimmed() == OtherPayText::Contract;
    m_deduction->setReadOnly(!typed);
    if (typed) {
        m_deduction->setPalette(QPalette());
    } else {
        GreyEdit(m_deduction);
    }
}

void OtherPayWindow::clearAmountFields()
{
    for (QLineEdit *e : {m_income, m_deduction, m_taxable, m_rate, m_quick, m_tax, m_receipt}) {
        e->clear();
    }
}

void OtherPayWindow::computeTax()
{
    // Whatever cannot be computed leaves the fields as they are; the save checks again.
    const auto income = TextToMoney(m_income->text().trimmed());
    const QString deductionText = m_deduction->text().trimmed();
    const auto deduction = TextToMoney(deductionText);
    if (!income || !deduction) {
        return;
    }
    const QString type = m_type->currentText().trimmed();
    const auto f =
        ComputeOtherTax(m_rates, type, *income, deductionText.isEmpty() ? std::nullopt : deduction);
    if (!f) {
        return;
    }
    if (type != OtherPayText::Contract) {
        m_deduction->setText(FormatMoney(f->deduction));
    }
    m_taxable->setText(FormatMoney(f->taxable));
    m_rate->setText(f->rate.toPlainString());
    m_quick->setText(f->quickDeduct.toPlainString());
    m_tax->setText(f->tax.toPlainString());
}

std::optional<Money> OtherPayWindow::leaveAmount(QLineEdit *edit)
{
    const auto text = CheckAmountText(m_messages, edit->text());
    if (!text) {
        if (edit->isEnabled() && edit->isVisible()) {
            edit->setFocus();
        }
        return std::nullopt;
    }
    edit->setText(*text);
    return TextToMoney(*text);
}

void OtherPayWindow::leaveIncome()
{
    if (const auto income = leaveAmount(m_income); income && !income->isZero()) {
        computeTax();
    }
}

void OtherPayWindow::leaveDeduction()
{
    if (leaveAmount(m_deduction)) {
        computeTax();
    }
}

void OtherPayWindow::setCommands(bool add, bool edit, bool remove)
{
    action(QStringLiteral("actAdd"))->setEnabled(add);
    action(QStringLiteral("actEdit"))->setEnabled(edit);
    action(QStringLiteral("actDelete"))->setEnabled(remove);
}

void OtherPayWindow::enterBrowse()
{
    m_state = State::Browse;
    setCommands(true, true, true);
}

void OtherPayWindow::enterAdd()
{
    clearAmountFields();
    setCommands(false, false, false);
    m_panel->setEnabled(true);
    m_state = State::Add;
    m_status->setText(OtherPayText::Adding);
}

void OtherPayWindow::setPerson(const PaymentPerson &person)
{
    m_person = person;
    m_deptName->setText(person.deptName.trimmed());
    m_empName->setText(person.empName);
    m_idCard->setText(person.idCardNo);
}

bool OtherPayWindow::havePerson() const
{
    return !(m_deptName->text().isEmpty() && m_empName->text().isEmpty());
}

void OtherPayWindow::pickPerson()
{
    if (m_state != State::Browse && !m_messages.askYesNo(OtherPayText::ContinuePicking)) {
        return;
    }
    enterBrowse();
    // The payment is for whoever is picked now, never for the row shown before.
    m_rowId = 0;
    PaymentPerson person;
    if (const auto picked = m_pickEmployee()) {
        const auto found = m_store.person(picked->empId);
        if (!found) {
            m_messages.showError(EmpText::QueryFailed);
        } else if (!found->isEmpty()) {
            person = found->first();
            person.deptName = picked->deptName;
        }
    }
    setPerson(person);
    clearAmountFields();
    addPayment();
}

void OtherPayWindow::addPayment()
{
    if (!havePerson()) {
        m_messages.showInfo(OtherPayText::ChoosePerson);
        return;
    }
    if (m_state == State::Edit && !m_messages.askYesNo(OtherPayText::ContinueEditing)) {
        return;
    }
    enterAdd();
}

void OtherPayWindow::editPayment()
{
    if (!havePerson() || m_rowId == 0) {
        m_messages.showInfo(OtherPayText::NothingToEdit);
        return;
    }
    m_state = State::Edit;
    m_status->setText(OtherPayText::Editing);
    m_panel->setEnabled(true);
    setCommands(true, false, false);
}

void OtherPayWindow::deletePayment()
{
    m_status->setText(OtherPayText::Deleting);
    if (!havePerson() || m_rowId == 0) {
        m_messages.showInfo(OtherPayText::NothingToDelete);
    } else if (m_messages.askYesNo(OtherPayText::ConfirmDelete) &&
               DeletePayment(m_store, m_messages, m_rowId)) {
        loadList();
        clearAmountFields();
        if (m_model->isEmpty()) {
            // Nothing left to show: the panel forgets the deleted row.
            m_rowId = 0;
            setPerson({});
        } else {
            showPaymentRow(0);
        }
    }
    m_status->setText(OtherPayText::Browsing);
}

PaymentInput OtherPayWindow::panelInput() const
{
    return {m_type->currentText(), m_income->text(), m_deduction->text(), m_date->date(),
            m_receipt->text()};
}

void OtherPayWindow::focusField(int field)
{
    switch (PaymentField(field)) {
    case PaymentField::TaxDate:
        m_date->setFocus();
        break;
    case PaymentField::Income:
        m_income->setFocus();
        break;
    case PaymentField::Deduction:
        m_deduction->setFocus();
        break;
    case PaymentField::TaxNumber:
        m_receipt->setFocus();
        break;
    case PaymentField::None:
        break;
    }
}

void OtherPayWindow::savePayment()
{
    if (m_state == State::Browse) {
        return;
    }
    const bool adding = m_state == State::Add;
    const PaymentTarget target{m_year, m_month, adding ? 0 : m_rowId, m_person};
    const PaymentSaveResult r = SavePayment(m_store, m_rates, m_messages, target, panelInput());
    m_income->setText(r.check.incomeText);
    m_deduction->setText(r.check.deductionText);
    if (!r.ok()) {
        if (r.check.check == PaymentCheck::SaveFailed) {
            // The panel keeps the input and shows what was to be stored.
            computeTax();
        }
        focusField(int(r.check.focus));
        return;
    }
    m_rowId = r.id;
    loadList();
    if (const int row = m_model->findId(r.id); row >= 0) {
        m_list->selectRow(row);
    }
    clearAmountFields();
    setCommands(true, true, true);
    m_panel->setEnabled(false);
    if (adding) {
        // The next payment of the same person follows at once.
        enterAdd();
    } else {
        enterBrowse();
        m_status->setText(OtherPayText::Browsing);
    }
}

void OtherPayWindow::showPaymentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        return;
    }
    if (m_state != State::Browse) {
        const bool save = m_messages.askYesNo(m_state == State::Add ? OtherPayText::SaveAdding
                                                                    : OtherPayText::SaveEditing);
        if (save) {
            savePayment();
            return;
        }
    }
    const OtherPayment &p = m_model->rowAt(row);
    m_rowId = p.id;
    setPerson({p.empId, p.empName, p.deptId, p.deptName, p.empCardNo, p.address, p.empType});
    {
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(m_type->findText(p.taxType));
    }
    showDeductionTyped(p.taxType);
    const QDate date = QDate::fromString(p.taxDate, Qt::ISODate);
    m_date->setDate(date.isValid() ? date : Today());
    m_income->setText(FormatMoney(p.income));
    m_deduction->setText(FormatMoney(p.minusFare));
    m_taxable->setText(FormatMoney(p.taxIncome));
    m_rate->setText(p.taxRate.toPlainString());
    m_quick->setText(p.takeOutMoney.toPlainString());
    m_tax->setText(p.taxMoney.toPlainString());
    m_receipt->setText(p.taxNumber);
    m_list->selectRow(row);

    m_panel->setEnabled(false);
    enterBrowse();
    m_status->setText(OtherPayText::Browsing);
}

void OtherPayWindow::closeWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

OtherPayWindow *OpenOtherPay(Database &db, const TaxRates &rates, MessageService &messages,
                             const QString &corpName, QWidget *dialogParent)
{
    const auto period = SelectPeriod(OtherPayText::PeriodTitle, dialogParent);
    if (!period) {
        return nullptr;
    }
    return new OtherPayWindow(db, rates, messages, corpName, period->year, period->month);
}
