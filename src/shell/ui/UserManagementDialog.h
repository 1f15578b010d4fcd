#pragma once

#include "widgets/BaseWindows.h"

#include <functional>

class Session;
class QTreeWidget;

// "用户管理": the list of users with add, delete and change password. Only the system user
// gets here (the main window disables the entry for everyone else).
class UserManagementDialog final : public BaseDialog
{
    Q_OBJECT
public:
    UserManagementDialog(Session &session, QWidget *parent = nullptr);

    bool isUsable() const { return m_usable; }
    QTreeWidget *list() const { return m_list; }
    // The selected user's name, empty when none.
    QString selectedUser() const;
    bool selectUser(const QString &name);

    void addUser();
    void deleteUser();
    void changePassword();

    // The dialogs the buttons open (replaced in tests).
    std::function<bool(const QString &user)> runChangePassword;
    std::function<bool()> runAddUser;

private:
    bool reload();

    Session &m_session;
    QTreeWidget *m_list;
    bool m_usable = false;
};

void ShowManageUsers(Session &session, QWidget *parent);
