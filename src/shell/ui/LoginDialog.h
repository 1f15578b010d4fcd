#pragma once

#include "shell/UserRules.h"
#include "widgets/BaseWindows.h"

#include <memory>

class Session;
class QLineEdit;
class QLabel;

// "系统登录": three attempts; the fourth press of OK gives up, as does Cancel.
class LoginDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    LoginDialog(Session &session, QWidget *parent = nullptr);

    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *passwordEdit() const { return m_password; }
    QLabel *hintLabel() const { return m_hint; }
    // What the last press of OK found (LoggedIn also after closing with success).
    LoginAttempts::Result lastResult() const { return m_last; }

protected:
    bool onOk() override;

private:
    Session &m_session;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLabel *m_hint;
    std::unique_ptr<LoginAttempts> m_attempts;
    LoginAttempts::Result m_last = LoginAttempts::Result::UnknownUser;
};
