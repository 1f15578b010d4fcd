// corvane-cli is killed (SIGKILL) at random moments of a compaction, a backup or a restore
// while this process keeps writing to the same file. After every kill the file must pass the
// engine's integrity check, and every write that was reported done must be there (or, when
// a restore went through, in the automatic copy it made first).
//
// CORVANE_FAULT_ROUNDS sets the number of kills (18 by default, a longer soak by hand);
// CORVANE_FAULT_SEED repeats a run (the seed is printed).

#include "CliRunner.h"
#include "TestApp.h"

#include "base/Password.h"
#include "base/Settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include <csignal>

namespace {

const QString kMarker = QStringLiteral("来自备份");

// Writes numbered rows, one connection per write as separate command-line runs would, and
// remembers the ones the engine reported done.
class Writer
{
public:
    explicit Writer(QString path) : m_path(std::move(path)) {}
    ~Writer() { stop(); }

    void start()
    {
        m_stop = false;
        m_thread = std::thread([this] { run(); });
    }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    QSet<QString> done()
    {
        std::lock_guard lock(m_mutex);
        return m_done;
    }
    void forget()
    {
        std::lock_guard lock(m_mutex);
        m_done.clear();
    }

private:
    void run()
    {
        while (!m_stop) {
            const QString value = QStringLiteral("写入%1").arg(++m_next);
            Database db;
            if (db.open(m_path, DatabasePassword()) &&
                db.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values (?)"), {value})) {
                std::lock_guard lock(m_mutex);
                m_done.insert(value);
            }
            db.close();
            QThread::msleep(3);
        }
    }

    QString m_path;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    QSet<QString> m_done;
    int m_next = 0;
};

QSet<QString> writtenRows(const QString &path)
{
    QSet<QString> rows;
    Database db;
    if (!db.open(path, DatabasePassword())) {
        return rows;
    }
    const auto r =
        db.query(QStringLiteral("select TaxType from Dict_TaxType where TaxType like '写入%'"));
    for (int i = 0; r && i < r->rowCount(); ++i) {
        rows.insert(r->text(i, 0));
    }
    return rows;
}

QString integrityOf(const QString &path)
{
    Database db; // opened as the next start would: a journal left by the kill is rolled back
    if (!db.open(path, DatabasePassword())) {
        return QStringLiteral("<cannot open> ") + db.lastError();
    }
    return db.scalar(QStringLiteral("pragma integrity_check")).value_or(QVariant()).toString();
}

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok ? n : fallback;
}

class KillDuringFileWork : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Enough pages that a kill lands inside the work, not only before or after it.
        app.exec(QStringLiteral("create table Ballast (x)"));
        app.exec(
            QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n "
                           "where i < 5000) insert into Ballast select randomblob(300) from n"));
        app.exec(QStringLiteral("insert into CorpInfo (CorpName) values (?)"), {kMarker});
        app.db().close();
        ASSERT_EQ(run({QStringLiteral("backup"), source()}), 0);
        Database db;
        ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        ASSERT_TRUE(db.exec(QStringLiteral("update CorpInfo set CorpName = '在用'")));
    }

    QString source() const { return app.dir() + QStringLiteral("source.mdb"); }

    QStringList argsFor(int op) const
    {
        switch (op) {
        case 0:
            return {QStringLiteral("compact")};
        case 1:
            return {QStringLiteral("backup"), app.dir() + QStringLiteral("copy.mdb"),
                    QStringLiteral("--overwrite")};
        default:
            return {QStringLiteral("restore"), source()};
        }
    }

    int run(const QStringList &args) const { return CliRunner().home(app.dir()).run(args).code; }

    TestApp app;
};

TEST_F(KillDuringFileWork, NoKillCorruptsTheFileOrLosesAWriteReportedDone)
{
    const quint32 seed =
        envNumber("CORVANE_FAULT_SEED", int(QRandomGenerator::global()->generate() & 0x7fffffff));
    const int rounds = envNumber("CORVANE_FAULT_ROUNDS", 18);
    std::printf("seed %u, %d rounds\n", seed, rounds);
    QRandomGenerator random(seed);

    // How long each piece of work takes uncut, on this machine.
    qint64 duration[3];
    for (int op = 0; op < 3; ++op) {
        QElapsedTimer t;
        t.start();
        ASSERT_EQ(run(argsFor(op)), 0) << argsFor(op).join(u' ').toStdString();
        duration[op] = qMax<qint64>(t.elapsed(), 20);
        Database db;
        ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        ASSERT_TRUE(db.exec(QStringLiteral("update CorpInfo set CorpName = '在用'")));
    }

    Writer writer(app.dbPath());
    QSet<QString> expected = writtenRows(app.dbPath());
    int killed = 0;
    int restored = 0;
    qsizetype writes = 0;
    for (int round = 0; round < rounds; ++round) {
        const int op = round % 3;
        // A little past the whole work, so some runs also finish (and some restores go through).
        const qint64 delay = random.bounded(duration[op] * 11 / 10);
        SCOPED_TRACE(QStringLiteral("round %1: %2 killed after %3 ms")
                         .arg(round)
                         .arg(argsFor(op).first())
                         .arg(delay)
                         .toStdString());
        writer.start();
        QProcess child;
        CliRunner().home(app.dir()).start(child, argsFor(op));
        ASSERT_TRUE(child.waitForStarted());
        QThread::msleep(delay);
        if (child.state() == QProcess::Running) {
            ::kill(pid_t(child.processId()), SIGKILL);
            ++killed;
        }
        child.waitForFinished(60000);
        writer.stop();

        ASSERT_EQ(integrityOf(app.dbPath()), QStringLiteral("ok"));
        QSet<QString> present = writtenRows(app.dbPath());
        if (CorpNameIn(app.dbPath()) == kMarker) {
            // The restore went through: what was written before it is in its automatic copy.
            ++restored;
            const QString automatic =
                app.dir() +
                QStringLiteral("Backup0%1.mdb")
                    .arg(ReadIniValue(QStringLiteral("AutoBack/Backup.ini"),
                                      QStringLiteral("BackupInfo"), QStringLiteral("CurrentFile")));
            ASSERT_EQ(integrityOf(automatic), QStringLiteral("ok"));
            present += writtenRows(automatic);
            Database db;
            ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
            ASSERT_TRUE(db.exec(QStringLiteral("update CorpInfo set CorpName = '在用'")));
        }
        const QSet<QString> reported = expected + writer.done();
        const QSet<QString> lost = reported - present;
        ASSERT_TRUE(lost.isEmpty()) << lost.size() << " writes reported done are gone, e.g. "
                                    << lost.values().first().toStdString();
        // The next round starts from what is there now: the rows of an earlier restore's
        // automatic copy are no longer the file's.
        writes += writer.done().size();
        expected = writtenRows(app.dbPath());
        writer.forget();
    }
    EXPECT_GT(killed, rounds / 3) << "the kills should land inside the work";
    EXPECT_GT(writes, rounds) << "the writer should have written during the work";

    // The next run clears what the killed ones left behind.
    ASSERT_EQ(run(argsFor(0)), 0);
    const QStringList left =
        QDir(app.dir()).entryList({QStringLiteral(".*corvane-*")}, QDir::Files | QDir::Hidden);
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(app.dbPath() + QStringLiteral("-journal")));
    std::printf("%d of %d runs killed in the middle, %d restores went through, %lld writes\n",
                killed, rounds, restored, qint64(writes));
}

} // namespace
