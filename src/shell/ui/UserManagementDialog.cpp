#include "shell/ui/UserManagementDialog.h"

#include "base/MessageService.h"
#include "shell/Session.h"
#include "shell/UserStore.h"
#include "shell/ui/AddUserDialog.h"
#include "shell/ui/ChangePasswordDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

UserManagementDialog::UserManagementDialog(Session &session, QWidget *parent)
    : BaseDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("UserManagementDialog"));
    setWindowTitle(QStringLiteral("用户管理"));
    runAddUser = [this] { return ShowAddUser(m_session, this); };
    runChangePassword = [this](const QString &user) {
        return ShowChangePassword(m_session, user, this);
    };

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new Banner(QStringLiteral("用户管理"), QStringLiteral("users"), this));
    auto *row = new QHBoxLayout;
    row->setContentsMargins(12, 10, 12, 12);
    outer->addLayout(row);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("userList"));
    m_list->setHeaderLabels({QStringLiteral("用户名"), QStringLiteral("说明")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumSize(340, 220);
    m_list->header()->resizeSection(0, 110);
    row->addWidget(m_list, 1);

    auto *buttons = new QVBoxLayout;
    auto button = [&](const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(button(QStringLiteral("添加用户")), &QPushButton::clicked, this, &UserManagementDialog::addUser);
    connect(button(QStringLiteral("删除用户")), &QPushButton::clicked, this, &UserManagementDialog::deleteUser);
    connect(button(QStringLiteral("修改密码")), &QPushButton::clicked, this,
            &UserManagementDialog::changePassword);
    buttons->addStretch();
    QPushButton *close = button(QStringLiteral("关闭"));
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addLayout(buttons);

    m_usable = reload();
}

bool UserManagementDialog::reload()
{
    const auto users = UserStore(m_session.db()).loadAll();
    if (!users) {
        m_session.messages().showError(QStringLiteral("查询数据库失败！"));
        return false;
    }
    m_list->clear();
    for (const UserRow &u : *users) {
        m_list->addTopLevelItem(new QTreeWidgetItem({u.userName, u.remark}));
    }
    return true;
}

QString UserManagementDialog::selectedUser() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

bool UserManagementDialog::selectUser(const QString &name)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->text(0) == name) {
            m_list->setCurrentItem(m_list->topLevelItem(i));
            return true;
        }
    }
    return false;
}

void UserManagementDialog::addUser()
{
    if (runAddUser()) {
        reload();
    }
}

void UserManagementDialog::deleteUser()
{
    const QString user = selectedUser();
    if (user == QLatin1String("admin")) {
        m_session.messages().showInfo(QStringLiteral("admin用户为系统用户，不能被删除！"));
        return;
    }
    if (user.isEmpty() || !m_session.messages().askYesNo(QStringLiteral("确定要删除该用户吗?"))) {
        return;
    }
    if (!UserStore(m_session.db()).remove(user)) {
        m_session.messages().showError(QStringLiteral("删除用户失败！"));
        return;
    }
    reload();
}

void UserManagementDialog::changePassword()
{
    const QString user = selectedUser();
    if (user.isEmpty()) {
        return;
    }
    runChangePassword(user);
    selectUser(user);
}

void ShowManageUsers(Session &session, QWidget *parent)
{
    UserManagementDialog window(session, parent);
    if (window.isUsable()) {
        window.exec();
    }
}
