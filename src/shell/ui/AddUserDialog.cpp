#include "shell/ui/AddUserDialog.h"

#include "base/MessageService.h"
#include "shell/Session.h"
#include "shell/UserRules.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

AddUserDialog::AddUserDialog(Session &session, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("添加新用户"), QStringLiteral("users"),
                       parent),
      m_session(session)
{
    setObjectName(QStringLiteral("AddUserDialog"));
    setWindowTitle(QStringLiteral("添加用户"));
    m_name = new QLineEdit(body());
    m_name->setMaxLength(10);
    m_password = new QLineEdit(body());
    m_password->setMaxLength(10);
    m_password->setEchoMode(QLineEdit::Password);
    m_confirm = new QLineEdit(body());
    m_confirm->setMaxLength(10);
    m_confirm->setEchoMode(QLineEdit::Password);
    m_remark = new QLineEdit(body());
    m_remark->setMaxLength(100);
    m_remark->setMinimumWidth(220);
    auto *form = new QFormLayout(body());
    form->setContentsMargins(0, 0, 0, 0);
    AddLabelledRow(form, QStringLiteral("用户名(&U):"), m_name);
    AddLabelledRow(form, QStringLiteral("密 码(&N):"), m_password);
    AddLabelledRow(form, QStringLiteral("确认密码(&C):"), m_confirm);
    AddLabelledRow(form, QStringLiteral("说 明(&E):"), m_remark);
    m_name->setFocus();

    const auto users = UserStore(session.db()).loadAll();
    if (!users) {
        session.messages().showError(QStringLiteral("查询数据库失败！"));
        return;
    }
    m_users = *users;
    m_usable = true;
}

bool AddUserDialog::onOk()
{
    const AddUserCheck check = CheckAddUser(m_users, m_name->text(), m_password->text(),
                                            m_confirm->text());
    if (check != AddUserCheck::Ok) {
        m_session.messages().showInfo(AddUserMessage(check));
        (check == AddUserCheck::PasswordsDiffer ? m_password : m_name)->setFocus();
        return false;
    }
    if (!UserStore(m_session.db()).add(m_name->text().trimmed(), m_password->text(),
                                       m_remark->text().trimmed())) {
        m_session.messages().showError(QStringLiteral("保存失败！"));
        return false;
    }
    return true;
}

bool ShowAddUser(Session &session, QWidget *parent)
{
    AddUserDialog dialog(session, parent);
    return dialog.isUsable() && dialog.exec() == QDialog::Accepted;
}
