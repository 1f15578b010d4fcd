#pragma once

#include "org/EmployeeStore.h"

#include "widgets/BaseWindows.h"

class Database;
class MessageService;
class QComboBox;
class QLineEdit;

// The department an entry of the target list stands for.
struct TMyDept
{
    QString deptId;
    QString deptName;
};
Q_DECLARE_METATYPE(TMyDept)

// Transfer of one employee to another department. Accepted when the transfer was written.
class EmployeeTransferDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    EmployeeTransferDialog(Database &db, MessageService &messages, const QString &empId,
                const QString &empName, const QString &currentDeptId, QWidget *parent = nullptr);

    QLineEdit *codeEdit() const { return m_code; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *fromEdit() const { return m_from; }
    QComboBox *targetCombo() const { return m_target; }

protected:
    bool onOk() override;

private:
    EmployeeStore m_store;
    MessageService &m_messages;
    QString m_empId;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_from = nullptr;
    QComboBox *m_target = nullptr;
};

// Run the dialog; true when the employee was moved.
bool MoveEmp(Database &db, MessageService &messages, const QString &empId, const QString &empName,
             const QString &currentDeptId, QWidget *parent = nullptr);
