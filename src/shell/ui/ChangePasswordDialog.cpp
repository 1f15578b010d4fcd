#include "shell/ui/ChangePasswordDialog.h"

#include "base/MessageService.h"
#include "shell/Session.h"
#include "shell/UserRules.h"
#include "shell/UserStore.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit *passwordBox(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(10);
    e->setEchoMode(QLineEdit::Password);
    return e;
}
} // namespace

ChangePasswordDialog::ChangePasswordDialog(Session &session, const QString &userName, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("修改用户密码"), QStringLiteral("password"),
                       parent),
      m_session(session),
      m_userName(userName)
{
    setObjectName(QStringLiteral("ChangePasswordDialog"));
    setWindowTitle(QStringLiteral("修改密码"));
    auto *user = new QLineEdit(userName, body());
    user->setEnabled(false);
    m_old = passwordBox(body(), "oldEdit");
    m_new = passwordBox(body(), "newEdit");
    m_confirm = passwordBox(body(), "confirmEdit");
    auto *form = new QFormLayout(body());
    form->setContentsMargins(0, 0, 0, 0);
    AddLabelledRow(form, QStringLiteral("用户名(&U):"), user);
    AddLabelledRow(form, QStringLiteral("旧密码(&O):"), m_old);
    AddLabelledRow(form, QStringLiteral("新密码(&N):"), m_new);
    AddLabelledRow(form, QStringLiteral("确认新密码(&C):"), m_confirm);

    // Hidden rows take no room in the layout, so the dialog shrinks by their height.
    m_asksOld = !ChangesWithoutOldPassword(session.currentUser, userName);
    form->setRowVisible(m_old, m_asksOld);
    (m_asksOld ? m_old : m_new)->setFocus();

    const auto stored = UserStore(session.db()).storedPassword(userName);
    if (!stored) {
        session.messages().showError(QStringLiteral("查询数据库失败！"));
        return;
    }
    m_stored = *stored;
    m_usable = true;
}

bool ChangePasswordDialog::onOk()
{
    const ChangePwdCheck check =
        CheckChangePassword(m_session.currentUser, m_userName, m_stored, m_old->text(),
                            m_new->text(), m_confirm->text());
    if (check != ChangePwdCheck::Ok) {
        m_session.messages().showInfo(ChangePwdMessage(check));
        (check == ChangePwdCheck::OldPasswordWrong ? m_old : m_new)->setFocus();
        return false;
    }
    if (!UserStore(m_session.db()).setPassword(m_userName, m_new->text())) {
        m_session.messages().showError(QStringLiteral("修改密码失败！"));
        return false;
    }
    return true;
}

bool ShowChangePassword(Session &session, const QString &userName, QWidget *parent)
{
    ChangePasswordDialog dialog(session, userName, parent);
    return dialog.isUsable() && dialog.exec() == QDialog::Accepted;
}
