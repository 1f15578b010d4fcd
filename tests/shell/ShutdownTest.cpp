#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "shell/Session.h"
#include "base/Settings.h"
#include "shell/Shutdown.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

// The program's registry key goes to the test's folder, not the user's settings.
struct ShutdownFixture : ::testing::Test
{
    TestApp app{QDateTime(QDate(2005, 3, 15), QTime(18, 0))};
    ScriptedMessageService messages;
    Session session{messages};

    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, app.dir() + QStringLiteral("reg"));
        QSettings(QStringLiteral("Tolbeck"), QStringLiteral("Corvane")).clear();
        session.databasePath = app.dbPath();
        ASSERT_TRUE(session.openDatabase());
    }
    void setLast(const QString &date) { WriteRegValue(QStringLiteral("LastCompactDate"), date, 0); }
    QString last() { return ReadRegString(QStringLiteral("LastCompactDate")); }
};

TEST(Compaction, DueFromTheSeventhDayAndNeverForAFutureDate)
{
    const QDate today(2005, 3, 15);
    EXPECT_FALSE(CompactionDue(today.addDays(-6), today));
    EXPECT_TRUE(CompactionDue(today.addDays(-7), today));
    EXPECT_TRUE(CompactionDue(today.addDays(-400), today));
    EXPECT_FALSE(CompactionDue(today.addDays(3), today));
    EXPECT_FALSE(CompactionDue(today, today));
}

TEST_F(ShutdownFixture, FirstShutdownRecordsTheDayAndDoesNotCompact)
{
    EXPECT_FALSE(CompactAtShutdown(session));
    EXPECT_EQ(last(), QStringLiteral("2005-03-15"));
    EXPECT_TRUE(session.db().isOpen());
}

TEST_F(ShutdownFixture, SixDaysIsNotEnough)
{
    setLast(QStringLiteral("2005-03-09"));
    EXPECT_FALSE(CompactAtShutdown(session));
    EXPECT_EQ(last(), QStringLiteral("2005-03-09"));
}

TEST_F(ShutdownFixture, OnTheSeventhDayTheFileIsCompactedAndTheDayStored)
{
    setLast(QStringLiteral("2005-03-08"));
    // Something to reclaim: rows written and deleted again.
    for (int i = 0; i < 300; ++i) {
        session.db().exec(QStringLiteral("insert into SysUser (UserName, Remark) values (?, ?)"),
                          {QStringLiteral("u%1").arg(i), QString(100, u'x')});
    }
    session.db().exec(QStringLiteral("delete from SysUser where UserName like 'u%'"));
    app.db().close();
    const qint64 before = QFileInfo(app.dbPath()).size();
    EXPECT_TRUE(CompactAtShutdown(session));
    EXPECT_FALSE(session.db().isOpen());
    EXPECT_EQ(last(), QStringLiteral("2005-03-15"));
    EXPECT_LT(QFileInfo(app.dbPath()).size(), before);
    EXPECT_FALSE(QFileInfo::exists(app.dir() + QStringLiteral("newdb.mdb")));
    Database check;
    EXPECT_TRUE(check.open(app.dbPath(), DatabasePassword()));
    EXPECT_EQ(check.scalar(QStringLiteral("select count(*) from SysUser")).value_or(0).toInt(), 1);
}

TEST_F(ShutdownFixture, ADateInTheFutureStaysAndNothingRuns)
{
    setLast(QStringLiteral("2006-01-01"));
    EXPECT_FALSE(CompactAtShutdown(session));
    EXPECT_EQ(last(), QStringLiteral("2006-01-01"));
    EXPECT_TRUE(session.db().isOpen());
}

TEST_F(ShutdownFixture, AStoredValueThatIsNotADateCountsAsToday)
{
    setLast(QStringLiteral("gestern"));
    EXPECT_FALSE(CompactAtShutdown(session));
    EXPECT_EQ(last(), QStringLiteral("2005-03-15"));
}

} // namespace
