#pragma once

#include "db/Database.h"
#include "tax/TaxRates.h"

#include <QString>

class MessageService;
struct CorpInfo;

// The values of one run that every window reads: the one database connection, the file in
// use, the logged-in user, the company record's name and numbers, and the tax rate sets held
// in memory for the whole run. Created once in main()
// (and by every window test) and passed to whoever needs it.
class Session
{
public:
    explicit Session(MessageService &messages) : m_messages(&messages) {}
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Database &db() { return m_db; }
    MessageService &messages() { return *m_messages; }
    TaxRates &taxRates() { return m_taxRates; }

    // Full path of the database file in use (DatabasePath).
    QString databasePath;
    // The user name exactly as typed at the login (CurrentUser).
    QString currentUser;
    // The company record's values (CorpName, ObligorNo, TaxNo).
    QString corpName;
    QString obligorNo;
    QString taxNo;

    // Makes the company record's values the run's (name, withholding agent's number, tax
    // number), which the returns and the browser read.
    void applyCorpInfo(const CorpInfo &info);

    // Only the user named exactly "admin" (case included) is the system user.
    bool isAdmin() const { return currentUser == QLatin1String("admin"); }

    // Opens the connection on databasePath with the database password.
    bool openDatabase();
    void closeDatabase() { m_db.close(); }

private:
    Database m_db;
    MessageService *m_messages;
    TaxRates m_taxRates;
};
