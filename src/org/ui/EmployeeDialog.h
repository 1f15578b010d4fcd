#pragma once

#include "org/EmpRules.h"
#include "org/EmployeeStore.h"

#include "widgets/BaseWindows.h"

class Database;
class MessageService;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;

// The employee dialog: a new employee of a department, or every field of an existing one
// except its code and department. Accepted when the row was saved.
class EmployeeDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    EmployeeDialog(Database &db, MessageService &messages, QWidget *parent = nullptr);

    void openForAdd(const QString &deptId);
    // False (after telling the user) when the employee could not be loaded.
    bool openForModify(const QString &empId);

    QLineEdit *codeEdit() const { return m_code; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *deptEdit() const { return m_dept; }
    QComboBox *sexCombo() const { return m_sex; }
    QComboBox *typeCombo() const { return m_type; }
    QLineEdit *idCardEdit() const { return m_idCard; }
    QLineEdit *nationalityEdit() const { return m_nationality; }
    QLineEdit *telEdit() const { return m_tel; }
    QLineEdit *bankEdit() const { return m_bank; }
    QLineEdit *cardEdit() const { return m_card; }
    QRadioButton *inServiceRadio() const { return m_inService; }
    QRadioButton *departedRadio() const { return m_departed; }
    QDateEdit *entryDateEdit() const { return m_entry; }
    QDateEdit *departureDateEdit() const { return m_departure; }
    QLineEdit *addressEdit() const { return m_address; }
    QLineEdit *remarkEdit() const { return m_remark; }

protected:
    bool onOk() override;

private:
    void build();
    void setCaption(const QString &text);
    void applyNationalityDefault();
    void stateClicked();
    EmpInput input() const;

    EmployeeStore m_store;
    MessageService &m_messages;
    EmpEditState m_state;
    EmployeeRecord m_loaded;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_dept = nullptr;
    QComboBox *m_sex = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_idCard = nullptr;
    QLineEdit *m_nationality = nullptr;
    QLineEdit *m_tel = nullptr;
    QLineEdit *m_bank = nullptr;
    QLineEdit *m_card = nullptr;
    QRadioButton *m_inService = nullptr;
    QRadioButton *m_departed = nullptr;
    QDateEdit *m_entry = nullptr;
    QDateEdit *m_departure = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_remark = nullptr;
};

// Run the dialog; true when an employee was saved.
bool AddEmp(Database &db, MessageService &messages, const QString &deptId,
            QWidget *parent = nullptr);
bool ModifyEmp(Database &db, MessageService &messages, const QString &empId,
               QWidget *parent = nullptr);
