#include "shell/Startup.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "shell/Session.h"
#include "base/Settings.h"
#include "maintenance/CorpInfoStore.h"

namespace {

const QString kIni = QStringLiteral("Corvane.ini");
const QString kSection = QStringLiteral("LOCAL_DB");

} // namespace

QString LoadDatabaseSetting()
{
    return ReadIniValue(kIni, kSection, QStringLiteral("DATABASE"));
}

bool SaveDatabaseSetting(const QString &database, const QString &user, const QString &password)
{
    return WriteIniString(kIni, kSection, QStringLiteral("DATABASE"), database)
           && WriteIniString(kIni, kSection, QStringLiteral("USER"), user)
           && WriteIniString(kIni, kSection, QStringLiteral("PASSWORD"), password);
}

bool ConnectDatabase(Session &session, const std::function<bool()> &showSetup)
{
    session.databasePath = LoadDatabaseSetting();
    // The default applies once: a path emptied in the settings dialog stays empty and
    // fails again, so the user sees the dialog until they name a file.
    if (session.databasePath.isEmpty()) {
        session.databasePath = GetAppDir() + QStringLiteral("Halvek.mdb");
    }
    for (;;) {
        // A file that opens but holds none of our tables (an empty file, say) is as wrong as
        // a missing one: nothing could run on it.
        if (session.openDatabase() && session.db().tableExists(QStringLiteral("CorpInfo"))) {
            return true;
        }
        session.closeDatabase();
        session.messages().showError(QStringLiteral("数据库不存在！"));
        session.messages().showError(
            QStringLiteral("连接数据库失败，请重新选择数据库或者重新输入数据库用户名及口令!"));
        if (!showSetup()) {
            return false;
        }
        session.databasePath = LoadDatabaseSetting();
    }
}

bool LoadCorpInfo(Session &session, const std::function<bool()> &showCorpInfo)
{
    for (;;) {
        const auto record = CorpInfoStore(session.db()).load();
        if (!record) {
            session.messages().showError(QStringLiteral("查询数据库失败！"));
            return false;
        }
        if (*record) {
            session.applyCorpInfo(**record);
            return true;
        }
        if (!showCorpInfo()) {
            return false;
        }
    }
}

StartupResult RunStartup(Session &session, const StartupHooks &hooks, QStringList *trace)
{
    auto note = [trace](const char *step) {
        if (trace) {
            trace->append(QString::fromLatin1(step));
        }
    };
    note("connect");
    if (!ConnectDatabase(session, hooks.showDatabaseSetup)) {
        return StartupResult::NoDatabase;
    }
    note("rates");
    hooks.loadRateSets();
    note("company");
    if (!LoadCorpInfo(session, hooks.showCorpInfo)) {
        return StartupResult::NoCompany;
    }
    note("login");
    if (!hooks.showLogon()) {
        return StartupResult::NoLogin;
    }
    note("ready");
    return StartupResult::Ready;
}
