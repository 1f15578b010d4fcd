#pragma once

#include "org/EmployeeStore.h"

#include <QDialog>

class Database;
class MessageService;
class QComboBox;
class QLineEdit;
class QPushButton;

// The department an entry of the target list stands for.
struct TMyDept
{
    QString deptId;
    QString deptName;
};
Q_DECLARE_METATYPE(TMyDept)

// Transfer of one employee to another department. Accepted when the transfer was written.
class TfrmEmpMove final : public QDialog
{
    Q_OBJECT
public:
    TfrmEmpMove(Database &db, MessageService &messages, const QString &empId,
                const QString &empName, const QString &currentDeptId, QWidget *parent = nullptr);

    QLineEdit *codeEdit() const { return m_code; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *fromEdit() const { return m_from; }
    QComboBox *targetCombo() const { return m_target; }
    QPushButton *okButton() const { return m_ok; }

private:
    void save();

    EmployeeStore m_store;
    MessageService &m_messages;
    QString m_empId;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_from = nullptr;
    QComboBox *m_target = nullptr;
    QPushButton *m_ok = nullptr;
};

// Run the dialog; true when the employee was moved.
bool MoveEmp(Database &db, MessageService &messages, const QString &empId, const QString &empName,
             const QString &currentDeptId, QWidget *parent = nullptr);
