#include "tax/ui/TaxCalculatorWindow.h"

#include "base/MessageService.h"
#include "base/TextHelpers.h"
#include "widgets/EditHelpers.h"
#include "tax/IncomeTaxCalculator.h"
#include "tax/TaxRates.h"
#include "tax/TaxTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString kChineseDeduction = QStringLiteral("800");
const QString kForeignDeduction = QStringLiteral("4000");

QLineEdit *resultBox(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    GreyEdit(edit);
    return edit;
}

} // namespace

TaxCalculatorWindow::TaxCalculatorWindow(const TaxRates &rates, MessageService &messages,
                                     QWidget *parent)
    : FunctionWindow(parent), m_rates(rates), m_messages(messages)
{
    setObjectName(QStringLiteral("frmTaxCalculator"));
    setWindowTitle(QStringLiteral("所得税计算器"));

    auto *kind = new QGroupBox(QStringLiteral("类型"), this);
    m_beforeTax = new QRadioButton(QStringLiteral("税前收入"), kind);
    m_afterTax = new QRadioButton(QStringLiteral("税后收入"), kind);
    m_beforeTax->setObjectName(QStringLiteral("rbBeforeTax"));
    m_afterTax->setObjectName(QStringLiteral("rbAfterTax"));
    m_beforeTax->setChecked(true);
    auto *kindLayout = new QHBoxLayout(kind);
    kindLayout->addWidget(m_beforeTax);
    kindLayout->addWidget(m_afterTax);
    kindLayout->addStretch(1);

    m_types = new QListWidget(this);
    m_types->setObjectName(QStringLiteral("lstIncomeType"));
    m_types->addItems(CalculatorIncomeTypes());
    m_types->setCurrentRow(0);
    m_types->setMinimumHeight(m_types->sizeHintForRow(0) * (m_types->count() + 1));

    m_chinese = new QCheckBox(TaxText::chinese(), this);
    m_foreign = new QCheckBox(TaxText::foreign(), this);
    m_chinese->setObjectName(QStringLiteral("chkChinese"));
    m_foreign->setObjectName(QStringLiteral("chkForeign"));
    m_chinese->setChecked(true);
    m_deductionLabel = new QLabel(QStringLiteral("起征点:"), this);
    m_deduction = new QLineEdit(kChineseDeduction, this);
    m_deduction->setObjectName(QStringLiteral("edtDeduction"));
    m_amount = new QLineEdit(this);
    m_amount->setObjectName(QStringLiteral("edtAmount"));
    for (QLineEdit *edit : {m_deduction, m_amount}) {
        edit->setAlignment(Qt::AlignRight);
        MoneyKeyPress(edit);
        connect(edit, &QLineEdit::returnPressed, this, &TaxCalculatorWindow::calculate);
    }
    m_tax = resultBox(this, "edtTax");
    m_result = resultBox(this, "edtResult");
    m_resultLabel = new QLabel(this);
    m_resultLabel->setObjectName(QStringLiteral("lblResult"));

    auto *calc = new QPushButton(QStringLiteral("计算"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    calc->setObjectName(QStringLiteral("btnCalculate"));
    close->setObjectName(QStringLiteral("btnClose"));
    calc->setDefault(true);
    connect(calc, &QPushButton::clicked, this, &TaxCalculatorWindow::calculate);
    connect(close, &QPushButton::clicked, this, &TaxCalculatorWindow::closeWindow);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, &TaxCalculatorWindow::closeWindow);

    // Ticking one staff box unticks the other; each box sets the deduction of its state.
    connect(m_chinese, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            m_foreign->setChecked(false);
        }
        m_deduction->setText(on ? kChineseDeduction : kForeignDeduction);
    });
    connect(m_foreign, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            m_chinese->setChecked(false);
        }
        m_deduction->setText(on ? kForeignDeduction : kChineseDeduction);
    });
    connect(m_types, &QListWidget::currentRowChanged, this, &TaxCalculatorWindow::showWageControls);
    connect(m_afterTax, &QRadioButton::toggled, this, &TaxCalculatorWindow::relabelResult);

    auto *grid = new QGridLayout;
    grid->addWidget(m_chinese, 0, 0);
    grid->addWidget(m_foreign, 0, 1);
    grid->addWidget(m_deductionLabel, 1, 0);
    grid->addWidget(m_deduction, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("请输入收入金额:"), this), 2, 0);
    grid->addWidget(m_amount, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("应纳税金额:"), this), 3, 0);
    grid->addWidget(m_tax, 3, 1);
    grid->addWidget(m_resultLabel, 4, 0);
    grid->addWidget(m_result, 4, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(calc);
    buttons->addWidget(close);

    auto *right = new QVBoxLayout;
    right->addWidget(kind);
    right->addLayout(grid);
    right->addStretch(1);
    right->addLayout(buttons);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("请选择收入类型:"), this));
    left->addWidget(m_types, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    relabelResult();
    showWageControls();
    m_amount->setFocus();
}

void TaxCalculatorWindow::showWageControls()
{
    const bool wage = m_types->currentItem()
                      && m_types->currentItem()->text() == CalculatorWageType();
    for (QWidget *w : std::initializer_list<QWidget *>{m_chinese, m_foreign, m_deductionLabel,
                                                        m_deduction}) {
        w->setVisible(wage);
    }
}

void TaxCalculatorWindow::relabelResult()
{
    m_resultLabel->setText(m_afterTax->isChecked() ? QStringLiteral("税前收入:")
                                                   : QStringLiteral("税后收入:"));
}

void TaxCalculatorWindow::calculate()
{
    if (m_amount->text().trimmed().isEmpty()) {
        m_messages.showInfo(TaxText::enterAmount());
        m_amount->setFocus();
        return;
    }
    if (m_deduction->text().isEmpty()) {
        m_deduction->setText(QStringLiteral("0"));
    }
    // Beyond nine digits before the point the figures would leave the range of the arithmetic.
    for (QLineEdit *edit : {m_amount, m_deduction}) {
        if (!MoneyTextFits(edit->text())) {
            m_messages.showError(TaxText::amountTooLarge());
            edit->setFocus();
            return;
        }
    }
    const auto amount = TextToMoney(m_amount->text());
    if (!amount) {
        m_messages.showError(TaxText::notAnAmount(m_amount->text()));
        m_amount->setFocus();
        return;
    }
    const auto deduction = TextToMoney(m_deduction->text());
    if (!deduction) {
        m_messages.showError(TaxText::notAnAmount(m_deduction->text()));
        m_deduction->setFocus();
        return;
    }

    CalculatorInput in;
    in.incomeType = m_types->currentItem() ? m_types->currentItem()->text() : QString();
    in.afterTax = m_afterTax->isChecked();
    in.chinese = m_chinese->isChecked();
    in.amount = *amount;
    in.deduction = *deduction;
    const auto result = CalculateIncomeTax(m_rates, in);
    if (!result) {
        // The rate set failed to load at start-up: no figure rather than a wrong one.
        m_messages.showError(TaxRates::failureMessage(CalculatorRateKind(in)));
        return;
    }
    m_tax->setText(RoundMoney(result->tax).toPlainString());
    m_result->setText(RoundMoney(result->other).toPlainString());
}

void TaxCalculatorWindow::closeWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

bool ShowTaxCalculator(QMdiArea &area, const TaxRates &rates, MessageService &messages)
{
    for (QMdiSubWindow *sub : area.subWindowList()) {
        if (qobject_cast<TaxCalculatorWindow *>(sub->widget())) {
            sub->showNormal();
            area.setActiveSubWindow(sub);
            return true;
        }
    }
    auto *calculator = new TaxCalculatorWindow(rates, messages);
    QMdiSubWindow *sub = area.addSubWindow(calculator);
    if (!sub) {
        delete calculator;
        return false;
    }
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    area.setActiveSubWindow(sub);
    return true;
}
