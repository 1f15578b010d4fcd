#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Session;
class MessageService;

// The start-up of the program, free of windows: each dialog it may need comes in as a hook,
// so the whole sequence runs in tests with scripted answers.

// Reads [LOCAL_DB] DATABASE of Corvane.ini (empty when absent).
QString LoadDatabaseSetting();
// Writes the three values of the settings dialog into Corvane.ini. The user and password are
// kept as typed, as the dialog always did; nothing reads them back.
bool SaveDatabaseSetting(const QString &database, const QString &user, const QString &password);

// Opens session.db(): the configured file, or Halvek.mdb in the application folder when none
// is configured. While opening fails the user is told so and asked for another file through
// `showSetup` (the settings dialog; true when confirmed, which has saved the new path). False
// when the user gave up.
bool ConnectDatabase(Session &session, const std::function<bool()> &showSetup);

// Makes sure the company record exists, asking for it with `showCorpInfo` (true when saved)
// while it does not, and copies its values into the session. False when the user cancelled
// or the record cannot be read.
bool LoadCorpInfo(Session &session, const std::function<bool()> &showCorpInfo);

struct StartupHooks
{
    // The database settings dialog; true when confirmed.
    std::function<bool()> showDatabaseSetup = [] { return false; };
    // Loads the tax rate sets into memory. Each set that fails reports itself; start-up goes
    // on whatever this returns.
    std::function<bool()> loadRateSets = [] { return true; };
    // The company information dialog; true when saved.
    std::function<bool()> showCorpInfo = [] { return false; };
    // The login dialog; true when a user logged in (the session's currentUser is then set).
    std::function<bool()> showLogon = [] { return false; };
};

enum class StartupResult { Ready, NoDatabase, NoCompany, NoLogin };

// Connection, rate sets, company record, login: in this order, stopping at the first step
// the user gives up on. `trace`, when given, records the steps reached.
StartupResult RunStartup(Session &session, const StartupHooks &hooks, QStringList *trace = nullptr);
