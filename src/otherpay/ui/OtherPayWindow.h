#pragma once

#include "org/OrgTypes.h"
#include "otherpay/OtherPayListModel.h"
#include "otherpay/OtherPayStore.h"
#include "widgets/BaseWindows.h"

#include <functional>
#include <optional>

class Database;
class MessageService;
class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;
class TaxRates;

// "其他支付": the other taxable payments of one month (contract income, labour remuneration,
// interest and the like), each a row of the tax ledger with its tax. A child window of the
// main window; one exists at a time.
//
// The window is in one of three states. Browsing, the panel shows the row last clicked;
// adding, the panel takes a new payment for the person it shows (picked with "增加人员(&P)");
// editing, it changes the amounts, type, date and receipt number of the row shown.
class OtherPayWindow final : public FunctionWindow
{
    Q_OBJECT
public:
    enum class State { Browse, Add, Edit };

    OtherPayWindow(Database &db, const TaxRates &rates, MessageService &messages,
                   const QString &corpName, int year, int month, QWidget *parent = nullptr);

    int year() const { return m_year; }
    int month() const { return m_month; }
    State state() const { return m_state; }
    // The ledger row the panel shows (0 when none).
    qint64 rowId() const { return m_rowId; }

    // The toolbar.
    void pickPerson();    // "增加人员(&P)"
    void addPayment();    // "增加(&A)"
    void editPayment();   // "编辑(&E)"
    void deletePayment(); // "删除(&D)"
    void savePayment();   // "保存(&S)"
    void closeWindow();   // "关闭(&C)"
    // A click on a row of the list.
    void showPaymentRow(int row);
    // Leaving the amount fields.
    void leaveIncome();
    void leaveDeduction();

    // Replaces the employee picker (tests).
    void setEmployeePicker(std::function<std::optional<RdEmployee>()> picker)
    {
        m_pickEmployee = std::move(picker);
    }

    QAction *action(const QString &objectName) const;
    OtherPayListModel *model() const { return m_model; }
    QTableView *list() const { return m_list; }
    QWidget *panel() const { return m_panel; }
    QLineEdit *deptNameEdit() const { return m_deptName; }
    QLineEdit *empNameEdit() const { return m_empName; }
    QLineEdit *idCardEdit() const { return m_idCard; }
    QComboBox *typeBox() const { return m_type; }
    QLineEdit *incomeEdit() const { return m_income; }
    QLineEdit *deductionEdit() const { return m_deduction; }
    QLineEdit *taxableEdit() const { return m_taxable; }
    QLineEdit *rateEdit() const { return m_rate; }
    QLineEdit *quickEdit() const { return m_quick; }
    QDateEdit *dateEdit() const { return m_date; }
    QLineEdit *taxEdit() const { return m_tax; }
    QLineEdit *receiptEdit() const { return m_receipt; }
    QLabel *statusLabel() const { return m_status; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    QWidget *buildPanel();
    bool loadList();
    void fitColumns();
    void fillTypes();
    void typeChanged();
    void showDeductionTyped(const QString &taxType);
    void computeTax();
    // A field being left: checked and given two decimals; nothing when refused.
    std::optional<Money> leaveAmount(QLineEdit *edit);
    void clearAmountFields();
    void setPerson(const PaymentPerson &person);
    void enterAdd();
    void enterBrowse();
    void setCommands(bool add, bool edit, bool remove);
    bool havePerson() const;
    PaymentInput panelInput() const;
    void focusField(int field);

    Database &m_db;
    const TaxRates &m_rates;
    MessageService &m_messages;
    QString m_corpName;
    OtherPayStore m_store;
    int m_year;
    int m_month;
    State m_state = State::Browse;
    qint64 m_rowId = 0;
    PaymentPerson m_person;
    std::function<std::optional<RdEmployee>()> m_pickEmployee;

    OtherPayListModel *m_model = nullptr;
    QTableView *m_list = nullptr;
    QWidget *m_panel = nullptr;
    QLineEdit *m_deptName = nullptr;
    QLineEdit *m_empName = nullptr;
    QLineEdit *m_idCard = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_income = nullptr;
    QLineEdit *m_deduction = nullptr;
    QLineEdit *m_taxable = nullptr;
    QLineEdit *m_rate = nullptr;
    QLineEdit *m_quick = nullptr;
    QDateEdit *m_date = nullptr;
    QLineEdit *m_tax = nullptr;
    QLineEdit *m_receipt = nullptr;
    QLabel *m_status = nullptr;
};

// "其他支付" from the main window: asks for the month ("其它支付 - 选择月份") and makes the
// window for it; nothing when the period dialog was cancelled.
OtherPayWindow *OpenOtherPay(Database &db, const TaxRates &rates, MessageService &messages,
                             const QString &corpName, QWidget *dialogParent);
