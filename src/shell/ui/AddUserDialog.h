#pragma once

#include "app/UserStore.h"
#include "app/ui/BaseWindows.h"

class Session;
class QLineEdit;

// "添加用户".
class TfrmAddUser final : public T_OKCancelDialog
{
    Q_OBJECT
public:
    TfrmAddUser(Session &session, QWidget *parent = nullptr);

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
