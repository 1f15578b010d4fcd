#include "shell/ui/LoginDialog.h"

#include "base/MessageService.h"
#include "shell/Session.h"
#include "base/Settings.h"
#include "db/DeliveredData.h"
#include "maintenance/CorpInfoStore.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString kIni = QStringLiteral("Corvane.ini");
}

LoginDialog::LoginDialog(Session &session, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("Corvane"), QStringLiteral("login"),
                       parent),
      m_session(session)
{
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(QStringLiteral("系统登录"));
    m_user = new QLineEdit(body());
    m_user->setObjectName(QStringLiteral("userEdit"));
    m_user->setMaxLength(10);
    m_password = new QLineEdit(body());
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_password->setMaxLength(10);
    m_password->setEchoMode(QLineEdit::Password);
    m_hint = new QLabel(QStringLiteral("初次使用本系统用户名为admin，密码为")
                            + QString::fromLatin1(Delivered::kAdminPassword),
                        body());
    m_hint->setObjectName(QStringLiteral("hintLabel"));
    m_hint->setStyleSheet(QStringLiteral("color: #505050"));

    auto *v = new QVBoxLayout(body());
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(m_hint);
    v->addSpacing(8);
    auto *form = new QFormLayout;
    form->setHorizontalSpacing(10);
    auto *userLabel = new QLabel(QStringLiteral("用户名(&U):"), body());
    userLabel->setBuddy(m_user);
    auto *pwdLabel = new QLabel(QStringLiteral("密码(&P):"), body());
    pwdLabel->setBuddy(m_password);
    form->addRow(userLabel, m_user);
    form->addRow(pwdLabel, m_password);
    v->addLayout(form);
    setTabOrder(m_password, m_user);
    m_password->setFocus();

    // The box offers the system user even when the users cannot be read.
    m_user->setText(QStringLiteral("admin"));
    const auto users = UserStore(session.db()).loadAll();
    if (!users) {
        session.messages().showError(QStringLiteral("查询数据库失败！"));
        m_attempts = std::make_unique<LoginAttempts>(QList<UserRow>());
        return;
    }
    m_attempts = std::make_unique<LoginAttempts>(*users);
    const QString last = ReadIniValue(kIni, QStringLiteral("LastUser"), QStringLiteral("UserName"));
    if (!last.isEmpty()) {
        m_user->setText(last);
    }
    const auto corp = CorpInfoStore(session.db()).load();
    if (!corp) {
        session.messages().showError(QStringLiteral("查询数据库失败！"));
    } else if (*corp) {
        session.corpName = (*corp)->corpName;
    }
}

bool LoginDialog::onOk()
{
    if (!UpgradeAtLogin(m_session.db())) {
        m_session.messages().showError(UpgradeFailedMessage(m_session.db()));
    }
    m_last = m_attempts->press(m_user->text(), m_password->text());
    switch (m_last) {
    case LoginAttempts::Result::GiveUp:
        reject();
        return false;
    case LoginAttempts::Result::UnknownUser:
        m_session.messages().showWarning(LoginMessage(m_last));
        m_user->setFocus();
        return false;
    case LoginAttempts::Result::WrongPassword:
        m_session.messages().showWarning(LoginMessage(m_last));
        m_password->setFocus();
        return false;
    case LoginAttempts::Result::LoggedIn:
        break;
    }
    m_session.currentUser = m_user->text();
    WriteIniString(kIni, QStringLiteral("LastUser"), QStringLiteral("UserName"), m_user->text());
    return true;
}
