#include "shell/UserRules.h"

#include "base/Password.h"
#include "db/Database.h"
#include "db/Schema.h"

LoginAttempts::Result LoginAttempts::press(const QString &typedName, const QString &password)
{
    if (m_attempts >= 3) {
        return Result::GiveUp;
    }
    ++m_attempts;
    const int i = FindUser(m_users, typedName);
    if (i < 0) {
        return Result::UnknownUser;
    }
    if (EncodePassword(password) != m_users[i].userPwd) {
        return Result::WrongPassword;
    }
    return Result::LoggedIn;
}

QString LoginMessage(LoginAttempts::Result result)
{
    switch (result) {
    case LoginAttempts::Result::UnknownUser:
        return QStringLiteral("用户名不存在！");
    case LoginAttempts::Result::WrongPassword:
        return QStringLiteral("密码错误，请重新输入！");
    default:
        return {};
    }
}

bool ChangesWithoutOldPassword(const QString &currentUser, const QString &userName)
{
    return currentUser == QLatin1String("admin") && userName != QLatin1String("admin");
}

ChangePwdCheck CheckChangePassword(const QString &currentUser, const QString &userName,
                                   const QString &storedPwd, const QString &oldPassword,
                                   const QString &newPassword, const QString &confirmation)
{
    if (!ChangesWithoutOldPassword(currentUser, userName) && EncodePassword(oldPassword) != storedPwd) {
        return ChangePwdCheck::OldPasswordWrong;
    }
    if (newPassword != confirmation) {
        return ChangePwdCheck::NewPasswordsDiffer;
    }
    return ChangePwdCheck::Ok;
}

QString ChangePwdMessage(ChangePwdCheck check)
{
    switch (check) {
    case ChangePwdCheck::OldPasswordWrong:
        return QStringLiteral("旧密码错误，请重新输入！");
    case ChangePwdCheck::NewPasswordsDiffer:
        return QStringLiteral("您输入的两次密码不一致！");
    case ChangePwdCheck::Ok:
        break;
    }
    return {};
}

AddUserCheck CheckAddUser(const QList<UserRow> &users, const QString &userName,
                          const QString &password, const QString &confirmation)
{
    if (userName.trimmed().isEmpty()) {
        return AddUserCheck::NameEmpty;
    }
    if (password != confirmation) {
        return AddUserCheck::PasswordsDiffer;
    }
    if (FindUser(users, userName) >= 0) {
        return AddUserCheck::NameTaken;
    }
    return AddUserCheck::Ok;
}

QString AddUserMessage(AddUserCheck check)
{
    switch (check) {
    case AddUserCheck::NameEmpty:
        return QStringLiteral("请输入用户名！");
    case AddUserCheck::PasswordsDiffer:
        return QStringLiteral("您输入的两次密码不一致！");
    case AddUserCheck::NameTaken:
        return QStringLiteral("该用户名已存在！");
    case AddUserCheck::Ok:
        break;
    }
    return {};
}

bool UpgradeAtLogin(Database &db)
{
    return Schema::upgrade(db);
}

QString UpgradeFailedMessage(const Database &db)
{
    return QStringLiteral("数据库升级失败！\n") + db.lastError();
}
