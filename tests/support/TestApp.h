#pragma once

#include "base/AppEnv.h"
#include "db/Database.h"

#include <QTemporaryDir>

#include <memory>

// A fresh application folder with a delivered database in it, opened, and a fixed clock.
// Every test that touches files or the database starts from one of these.
class TestApp
{
public:
    // `today` is what the clock says (default 2005-03-15 10:00).
    explicit TestApp(const QDateTime &now = QDateTime(QDate(2005, 3, 15), QTime(10, 0)));
    ~TestApp();

    QString dir() const { return m_dir.path() + u'/'; }
    QString dbPath() const { return dir() + QStringLiteral("Halvek.mdb"); }
    Database &db() { return m_db; }
    FixedClock &clock() { return *m_clock; }

    // Runs a statement that must succeed (fails the test otherwise).
    void exec(const QString &sql, const QVariantList &params = {});
    QVariant scalar(const QString &sql, const QVariantList &params = {});

private:
    QTemporaryDir m_dir;
    Database m_db;
    std::shared_ptr<FixedClock> m_clock;
};

// Creates a delivered database at `path` (closed again); false on failure.
bool CreateDeliveredDatabase(const QString &path);

// Writes to `target` the database of `db` as a writer that crashed in the middle of a
// transaction leaves it: the file with some of the transaction's pages already in it, and
// beside it the journal that would undo them (a "hot" journal). `db` is left as it was.
bool MakeCrashedCopy(Database &db, const QString &target);

QByteArray ReadWholeFile(const QString &path);

// The company name stored in the database at `path`; "<cannot open>" when it does not open.
QString CorpNameIn(const QString &path);
