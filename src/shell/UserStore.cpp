#include "shell/UserStore.h"

#include "base/CodeFold.h"
#include "base/Password.h"
#include "db/Database.h"

std::optional<QList<UserRow>> UserStore::loadAll()
{
    const auto rows = m_db.query(QStringLiteral("select UserName, UserPwd, Remark from SysUser order by rowid"));
    if (!rows) {
        return std::nullopt;
    }
    QList<UserRow> users;
    for (int r = 0; r < rows->rowCount(); ++r) {
        users.append({rows->text(r, 0), rows->text(r, 1), rows->text(r, 2)});
    }
    return users;
}

std::optional<QString> UserStore::storedPassword(const QString &userName)
{
    const auto rows =
        m_db.query(QStringLiteral("select UserPwd from SysUser where UserName = ? collate FOLD"),
                   {userName.trimmed()});
    if (!rows || rows->isEmpty()) {
        return std::nullopt;
    }
    return rows->text(0, 0);
}

bool UserStore::add(const QString &userName, const QString &password, const QString &remark)
{
    return m_db.exec(QStringLiteral("insert into SysUser (UserName, UserPwd, Remark) values (?, ?, ?)"),
                     {userName, EncodePassword(password), remark});
}

bool UserStore::setPassword(const QString &userName, const QString &password)
{
    // Exactly one row must change: a user deleted meanwhile is a failure, not a success.
    return m_db.exec(
               QStringLiteral("update SysUser set UserPwd = ? where UserName = ? collate FOLD"),
               {EncodePassword(password), userName.trimmed()}) &&
           m_db.changes() == 1;
}

bool UserStore::remove(const QString &userName)
{
    // A user already gone (deleted from another place) is a failure, not a silent success.
    return m_db.exec(QStringLiteral("delete from SysUser where UserName = ?"), {userName})
           && m_db.changes() == 1;
}

int FindUser(const QList<UserRow> &users, const QString &typedName)
{
    const QString name = typedName.trimmed();
    for (int i = 0; i < users.size(); ++i) {
        if (SameCode(users[i].userName, name)) {
            return i;
        }
    }
    return -1;
}
