#pragma once

#include <QList>
#include <QString>

#include <optional>

class Database;

struct UserRow
{
    QString userName;
    QString userPwd; // the EncodePassword form
    QString remark;
};

// Table SysUser: the program's users. Passwords go in and out in their encoded form only.
class UserStore
{
public:
    explicit UserStore(Database &db) : m_db(db) {}

    // Every user, in the table's order; nothing on a database failure.
    std::optional<QList<UserRow>> loadAll();
    // The stored (encoded) password of one user; nothing on failure or when there is no
    // such user. Names are found as the login finds them (trimmed, ignoring case), so a user
    // who logged in as " Admin" changes the password of "admin".
    std::optional<QString> storedPassword(const QString &userName);
    // Adds a user with the password in clear (it is encoded here). Fails when the encoded
    // password does not fit the column or the name is taken.
    bool add(const QString &userName, const QString &password, const QString &remark);
    bool setPassword(const QString &userName, const QString &password);
    bool remove(const QString &userName);

private:
    Database &m_db;
};

// Looks a name up the way the login does: trimmed, ignoring case. -1 when absent.
int FindUser(const QList<UserRow> &users, const QString &typedName);
