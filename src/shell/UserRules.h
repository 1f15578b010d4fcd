#pragma once

#include "shell/UserStore.h"

#include <QList>
#include <QString>

class Database;

// The checks of the login, change-password and add-user dialogs, in the order the dialogs
// run them. Each returns the first check that failed, so tests call them without windows.

// The login dialog's button: three attempts are examined, the fourth press gives up.
class LoginAttempts
{
public:
    enum class Result { LoggedIn, UnknownUser, WrongPassword, GiveUp };

    explicit LoginAttempts(QList<UserRow> users) : m_users(std::move(users)) {}
    Result press(const QString &typedName, const QString &password);
    int attempts() const { return m_attempts; }

private:
    QList<UserRow> m_users;
    int m_attempts = 0;
};

// The message of a login result (empty for LoggedIn and GiveUp).
QString LoginMessage(LoginAttempts::Result result);

// True when `currentUser` may set `userName`'s password without giving the old one.
bool ChangesWithoutOldPassword(const QString &currentUser, const QString &userName);

enum class ChangePwdCheck { Ok, OldPasswordWrong, NewPasswordsDiffer };
ChangePwdCheck CheckChangePassword(const QString &currentUser, const QString &userName,
                                   const QString &storedPwd, const QString &oldPassword,
                                   const QString &newPassword, const QString &confirmation);
QString ChangePwdMessage(ChangePwdCheck check);

enum class AddUserCheck { Ok, NameEmpty, PasswordsDiffer, NameTaken };
AddUserCheck CheckAddUser(const QList<UserRow> &users, const QString &userName,
                          const QString &password, const QString &confirmation);
QString AddUserMessage(AddUserCheck check);

// The steps at each press of the login button that bring an older file up to date. False
// when one failed (the engine's words in db.lastError()); the file is then as it was before
// that step.
bool UpgradeAtLogin(Database &db);
// What the login and the restore show when that failed: the functions that need the newer
// columns will fail too, and the clerk should know why.
QString UpgradeFailedMessage(const Database &db);
