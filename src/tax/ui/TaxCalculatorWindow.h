#pragma once

#include "widgets/BaseWindows.h"

class MessageService;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiArea;
class QPushButton;
class QRadioButton;
class TaxRates;

// "所得税计算器": the tax on an amount of one income type, before or after tax. It writes
// nothing. Meant to sit in a QMdiSubWindow of the main window; closing destroys it (and its
// sub-window).
class TaxCalculatorWindow final : public FunctionWindow
{
    Q_OBJECT
public:
    TaxCalculatorWindow(const TaxRates &rates, MessageService &messages, QWidget *parent = nullptr);

    QRadioButton *beforeTaxButton() const { return m_beforeTax; }
    QRadioButton *afterTaxButton() const { return m_afterTax; }
    QListWidget *incomeTypes() const { return m_types; }
    QCheckBox *chineseBox() const { return m_chinese; }
    QCheckBox *foreignBox() const { return m_foreign; }
    QLineEdit *deductionEdit() const { return m_deduction; }
    QLineEdit *amountEdit() const { return m_amount; }
    QLineEdit *taxEdit() const { return m_tax; }
    QLabel *resultLabel() const { return m_resultLabel; }
    QLineEdit *resultEdit() const { return m_result; }

    // "计算".
    void calculate();
    // "关闭" and Esc: closes the window (its sub-window when it sits in one).
    void closeWindow();

private:
    void showWageControls();
    void relabelResult();

    const TaxRates &m_rates;
    MessageService &m_messages;
    QRadioButton *m_beforeTax = nullptr;
    QRadioButton *m_afterTax = nullptr;
    QListWidget *m_types = nullptr;
    QCheckBox *m_chinese = nullptr;
    QCheckBox *m_foreign = nullptr;
    QLabel *m_deductionLabel = nullptr;
    QLineEdit *m_deduction = nullptr;
    QLineEdit *m_amount = nullptr;
    QLineEdit *m_tax = nullptr;
    QLabel *m_resultLabel = nullptr;
    QLineEdit *m_result = nullptr;
};

// The one calculator of the main window: brings the open one forward with its contents, or
// opens a new one in `area`. False only when the window could not be made.
bool ShowTaxCalculator(QMdiArea &area, const TaxRates &rates, MessageService &messages);
