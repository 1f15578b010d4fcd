#pragma once

#include "widgets/BaseWindows.h"

class Session;
class QLineEdit;
class QLabel;

// "修改密码" for one user. The system user changing someone else's password is not asked
// for the old one.
class ChangePasswordDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    ChangePasswordDialog(Session &session, const QString &userName, QWidget *parent = nullptr);

    // False when the stored password could not be read: the dialog must not be shown.
    bool isUsable() const { return m_usable; }
    bool asksOldPassword() const { return m_asksOld; }
    QLineEdit *oldEdit() const { return m_old; }
    QLineEdit *newEdit() const { return m_new; }
    QLineEdit *confirmEdit() const { return m_confirm; }

protected:
    bool onOk() override;

private:
    Session &m_session;
    QString m_userName;
    QString m_stored;
    bool m_usable = false;
    bool m_asksOld = true;
    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_confirm;
};

// Opens the dialog modally; true when the password was changed.
bool ShowChangePassword(Session &session, const QString &userName, QWidget *parent);
