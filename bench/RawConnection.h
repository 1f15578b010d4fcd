#pragma once

// The floor of the benchmarks that set our database layer beside the raw sqlite3 API: a fresh
// encrypted file with the whole schema, and a raw connection to it that knows the program's
// collations (the schema's code indexes use them), closed with the object.

#include "BenchDatabase.h"

#include "base/Password.h"
#include "db/Collations.h"
#include "db/Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <functional>
#include <string>

namespace bench {

// Creates the database file `name` in `dir` with the whole schema (replacing an older one),
// lets `fill` add rows to it, and returns its path.
inline QString freshDatabase(const QTemporaryDir &dir, const char *name,
                             const std::function<void(Database &)> &fill = {})
{
    const QString path = dir.path() + u'/' + QString::fromLatin1(name);
    QFile::remove(path);
    Database db;
    bench::createDatabase(db, path);
    if (fill) {
        fill(db);
    }
    return path;
}

class RawConnection
{
public:
    explicit RawConnection(const QString &path, int flags = SQLITE_OPEN_READWRITE)
    {
        const QByteArray file = QFile::encodeName(path);
        const QByteArray key = DatabasePassword().toUtf8();
        sqlite3_open_v2(file.constData(), &m_db, flags, nullptr);
        sqlite3_key(m_db, key.constData(), int(key.size()));
        RegisterCollations(m_db);
    }
    ~RawConnection() { sqlite3_close(m_db); }
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;

    sqlite3 *handle() const { return m_db; }

    // Inserts `rows` rows through one prepared `sql` in one transaction; `bind(st, i)` binds
    // the values of row i. False (with the error in `error()`) when a row is refused.
    template <typename Bind> bool insertRows(const char *sql, int rows, Bind &&bind)
    {
        sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr);
        bool ok = true;
        for (int i = 0; i < rows && ok; ++i) {
            bind(st, i);
            ok = sqlite3_step(st) == SQLITE_DONE;
            if (!ok) {
                m_error = sqlite3_errmsg(m_db);
            }
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        return ok;
    }

    const char *error() const { return m_error.c_str(); }

private:
    sqlite3 *m_db = nullptr;
    std::string m_error;
};

// Binds a text value (copied) to the parameter `column` of `st`.
inline void bindText(sqlite3_stmt *st, int column, const std::string &text)
{
    sqlite3_bind_text(st, column, text.c_str(), int(text.size()), SQLITE_TRANSIENT);
}
inline void bindText(sqlite3_stmt *st, int column, const char *text)
{
    sqlite3_bind_text(st, column, text, -1, SQLITE_TRANSIENT);
}

// The floor as a benchmark: each iteration makes a fresh file with `fresh()` (untimed), then
// inserts `rows` rows of `sql` through a raw connection to it (`bind(st, i)` binds row i).
template <typename Fresh, typename Bind>
void RawInsertFloor(benchmark::State &state, Fresh &&fresh, const char *sql, int rows, Bind &&bind)
{
    for (auto _ : state) {
        state.PauseTiming();
        RawConnection db(fresh());
        state.ResumeTiming();
        if (!db.insertRows(sql, rows, bind)) {
            state.SkipWithError("insert failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

} // namespace bench
