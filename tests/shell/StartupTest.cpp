#include "TestApp.h"

#include "base/MessageService.h"
#include "shell/Session.h"
#include "base/Settings.h"
#include "shell/Startup.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kNoDb = QStringLiteral("数据库不存在！");
const QString kRetry = QStringLiteral("连接数据库失败，请重新选择数据库或者重新输入数据库用户名及口令!");

TEST(Connect, WithoutSettingsOpensHalvekBesideTheProgram)
{
    TestApp app;
    ScriptedMessageService messages;
    Session session(messages);
    int dialogs = 0;
    EXPECT_TRUE(ConnectDatabase(session, [&] { return ++dialogs, false; }));
    EXPECT_EQ(session.databasePath, app.dbPath());
    EXPECT_TRUE(session.db().isOpen());
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST(Connect, MissingFileShowsTwoErrorsThenTheSettingsDialogAndCancelEnds)
{
    TestApp app;
    WriteIniString(QStringLiteral("Corvane.ini"), QStringLiteral("LOCAL_DB"), QStringLiteral("DATABASE"),
                   app.dir() + QStringLiteral("gone.mdb"));
    ScriptedMessageService messages;
    Session session(messages);
    int dialogs = 0;
    EXPECT_FALSE(ConnectDatabase(session, [&] { return ++dialogs, false; }));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(messages.boxes(), (QList<ScriptedMessageService::Box>{
                                    {ScriptedMessageService::Kind::Error, kNoDb},
                                    {ScriptedMessageService::Kind::Error, kRetry}}));
    EXPECT_FALSE(session.db().isOpen());
}

TEST(Connect, RetriesWithWhatTheDialogSavedAndNeverSubstitutesTheDefaultAgain)
{
    TestApp app;
    ScriptedMessageService messages;
    Session session(messages);
    QFile::rename(app.dbPath(), app.dir() + QStringLiteral("moved.mdb"));
    QFile wrong(app.dir() + QStringLiteral("wrong.mdb"));
    ASSERT_TRUE(wrong.open(QIODevice::WriteOnly));
    wrong.write("not a database at all, not even close to one");
    wrong.close();

    // First an empty path (stays empty, fails), then a file that is not ours, then the
    // right one.
    const QStringList answers{QString(), wrong.fileName(), app.dir() + QStringLiteral("moved.mdb")};
    int dialogs = 0;
    EXPECT_TRUE(ConnectDatabase(session, [&] {
        SaveDatabaseSetting(answers[dialogs], QStringLiteral("u"), QStringLiteral("p"));
        ++dialogs;
        return true;
    }));
    EXPECT_EQ(dialogs, 3);
    EXPECT_EQ(messages.texts(), (QStringList{kNoDb, kRetry, kNoDb, kRetry, kNoDb, kRetry}));
    EXPECT_EQ(session.databasePath, app.dir() + QStringLiteral("moved.mdb"));
    // The typed credentials are kept as typed.
    EXPECT_EQ(ReadIniValue(QStringLiteral("Corvane.ini"), QStringLiteral("LOCAL_DB"), QStringLiteral("PASSWORD")),
              QStringLiteral("p"));
}

TEST(Connect, AnEmptyFileIsNotADatabase)
{
    TestApp app;
    QFile empty(app.dir() + QStringLiteral("empty.mdb"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    SaveDatabaseSetting(empty.fileName(), {}, {});
    ScriptedMessageService messages;
    Session session(messages);
    EXPECT_FALSE(ConnectDatabase(session, [] { return false; }));
    EXPECT_EQ(messages.texts(), (QStringList{kNoDb, kRetry}));
}

TEST(Startup, RunsConnectionRatesCompanyAndLoginInOrder)
{
    TestApp app;
    ScriptedMessageService messages;
    Session session(messages);
    QStringList order;
    StartupHooks hooks;
    hooks.loadRateSets = [&] { return order << QStringLiteral("rates"), true; };
    hooks.showCorpInfo = [&] {
        order << QStringLiteral("company");
        session.db().exec(QStringLiteral("insert into CorpInfo (CorpName, ObligorNo, TaxNo) values (?, ?, ?)"),
                          {QStringLiteral("华北公司"), QStringLiteral("A1"), QStringLiteral("T1")});
        return true;
    };
    hooks.showLogon = [&] {
        order << QStringLiteral("login");
        session.currentUser = QStringLiteral("admin");
        return true;
    };
    QStringList trace;
    EXPECT_EQ(RunStartup(session, hooks, &trace), StartupResult::Ready);
    EXPECT_EQ(order, (QStringList{QStringLiteral("rates"), QStringLiteral("company"), QStringLiteral("login")}));
    EXPECT_EQ(trace, (QStringList{QStringLiteral("connect"), QStringLiteral("rates"), QStringLiteral("company"),
                                  QStringLiteral("login"), QStringLiteral("ready")}));
    EXPECT_EQ(session.corpName, QStringLiteral("华北公司"));
    EXPECT_EQ(session.obligorNo, QStringLiteral("A1"));
    EXPECT_EQ(session.taxNo, QStringLiteral("T1"));
}

TEST(Startup, FailingRateSetsDoNotStopIt)
{
    TestApp app;
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('x')"));
    ScriptedMessageService messages;
    Session session(messages);
    StartupHooks hooks;
    hooks.loadRateSets = [] { return false; };
    hooks.showLogon = [] { return true; };
    EXPECT_EQ(RunStartup(session, hooks), StartupResult::Ready);
}

TEST(Startup, EachRefusalEndsItWhereItHappens)
{
    TestApp app;
    ScriptedMessageService messages;
    {
        Session session(messages);
        StartupHooks hooks; // the company dialog is cancelled
        int logins = 0;
        hooks.showLogon = [&] { return ++logins, true; };
        EXPECT_EQ(RunStartup(session, hooks), StartupResult::NoCompany);
        EXPECT_EQ(logins, 0);
    }
    app.exec(QStringLiteral("insert into CorpInfo (CorpName) values ('x')"));
    {
        Session session(messages);
        StartupHooks hooks; // the login is cancelled
        EXPECT_EQ(RunStartup(session, hooks), StartupResult::NoLogin);
    }
    SaveDatabaseSetting(app.dir() + QStringLiteral("none.mdb"), {}, {});
    {
        Session session(messages);
        StartupHooks hooks;
        int rates = 0;
        hooks.loadRateSets = [&] { return ++rates, true; };
        EXPECT_EQ(RunStartup(session, hooks), StartupResult::NoDatabase);
        EXPECT_EQ(rates, 0);
    }
}

} // namespace
