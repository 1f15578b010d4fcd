#pragma once

#include "shell/UserStore.h"
#include "widgets/BaseWindows.h"

class Session;
class QLineEdit;

// "添加用户".
class AddUserDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    AddUserDialog(Session &session, QWidget *parent = nullptr);

    bool isUsable() const { return m_usable; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *passwordEdit() const { return m_password; }
    QLineEdit *confirmEdit() const { return m_confirm; }
    QLineEdit *remarkEdit() const { return m_remark; }

protected:
    bool onOk() override;

private:
    Session &m_session;
    QList<UserRow> m_users;
    bool m_usable = false;
    QLineEdit *m_name;
    QLineEdit *m_password;
    QLineEdit *m_confirm;
    QLineEdit *m_remark;
};

bool ShowAddUser(Session &session, QWidget *parent);
