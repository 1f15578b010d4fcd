// Two connections on one file, as when corvane-cli runs beside the open program: the one
// that finds the file locked waits for the other instead of failing at once.

#include "TestApp.h"

#include "base/Password.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>

namespace {

// Holds a write (or, exclusive, every access) on its own connection for `ms`, then commits.
class Holder
{
public:
    Holder(const QString &path, const char *begin, int ms)
    {
        EXPECT_TRUE(m_db.open(path, DatabasePassword()));
        EXPECT_TRUE(m_db.exec(QString::fromLatin1(begin)));
        EXPECT_TRUE(
            m_db.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('持有者')")));
        m_thread = std::thread([this, ms] {
            QThread::msleep(ms);
            m_db.exec(QStringLiteral("COMMIT"));
        });
    }
    ~Holder() { m_thread.join(); }

private:
    Database m_db;
    std::thread m_thread;
};

TEST(Concurrency, AWriterWaitsForAnotherWriterToFinish)
{
    TestApp app;
    Holder holder(app.dbPath(), "BEGIN IMMEDIATE", 300);
    EXPECT_TRUE(
        app.db().exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('等候者')")))
        << app.db().lastError().toStdString();
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Dict_TaxType where TaxType in "
                                        "('持有者', '等候者')"))
                  .toInt(),
              2);
}

TEST(Concurrency, OpeningALockedFileWaitsAndThenSaysLockedNotForeign)
{
    TestApp app;
    {
        Holder holder(app.dbPath(), "BEGIN EXCLUSIVE", 300);
        Database db;
        EXPECT_TRUE(db.open(app.dbPath(), DatabasePassword())) << db.lastError().toStdString();
    }
    Database keeper;
    ASSERT_TRUE(keeper.open(app.dbPath(), DatabasePassword()));
    ASSERT_TRUE(keeper.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    ASSERT_TRUE(keeper.exec(QStringLiteral("delete from Dict_TaxType")));
    Database db;
    db.setBusyTimeout(50);
    EXPECT_FALSE(db.open(app.dbPath(), DatabasePassword()));
    EXPECT_TRUE(db.lastErrorWasBusy());
    EXPECT_EQ(db.lastError(), QStringLiteral("database is locked"));
}

TEST(Concurrency, ForeignAndEmptyFilesAreNotTakenForLockedOnes)
{
    TestApp app;
    QFile empty(app.dir() + QStringLiteral("empty.mdb"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    Database db;
    EXPECT_FALSE(db.open(empty.fileName(), DatabasePassword()));
    EXPECT_FALSE(db.lastErrorWasBusy());
    EXPECT_FALSE(db.open(app.dbPath(), QStringLiteral("wrong")));
    EXPECT_FALSE(db.lastErrorWasBusy());
}

TEST(Concurrency, NewFilesAreForTheirOwnerOnly)
{
    TestApp app;
    Database db;
    const QString path = app.dir() + QStringLiteral("new.mdb");
    ASSERT_TRUE(db.create(path, DatabasePassword()));
    EXPECT_EQ(QFile(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_FALSE(Database().create(path, DatabasePassword())); // never over an existing file
    EXPECT_FALSE(Database().create(QString(), DatabasePassword()));
}

TEST(Concurrency, ReadOnlyOpeningWritesNothing)
{
    TestApp app;
    app.db().close();
    Database db;
    ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword(), Database::Access::ReadOnly));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from TaxRate"))->toInt(), 35);
    EXPECT_FALSE(db.exec(QStringLiteral("delete from TaxRate")));
}

} // namespace
