#pragma once

#include "org/DepartmentStore.h"
#include "org/DeptRules.h"

#include "widgets/BaseWindows.h"

class Database;
class MessageService;
class QLineEdit;

// The department dialog: a new department below a parent, or the name and remark of an
// existing one. Accepted when the row was saved.
class DepartmentDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    DepartmentDialog(Database &db, MessageService &messages, QWidget *parent = nullptr);

    void openForAdd(const QString &parentCode, int parentLevel);
    // False (after telling the user) when the department could not be loaded.
    bool openForModify(const QString &code);

    QLineEdit *codeEdit() const { return m_code; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *remarkEdit() const { return m_remark; }

protected:
    bool onOk() override;

private:
    void setCaption(const QString &text);

    DepartmentStore m_store;
    MessageService &m_messages;
    DeptEditState m_state;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_remark = nullptr;
};

// Run the dialog; true when a department was saved.
bool AddDept(Database &db, MessageService &messages, const QString &parentCode, int parentLevel,
             QWidget *parent = nullptr);
bool ModifyDept(Database &db, MessageService &messages, const QString &code,
                QWidget *parent = nullptr);
