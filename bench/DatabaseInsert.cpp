// Inserting a month of ledger rows: our database layer beside the raw sqlite3 API, on the same
// kind of encrypted file, in one transaction each. The layer should cost at most 1.3 times the
// raw API.

#include "base/Money.h"
#include "base/Password.h"
#include "db/Database.h"
#include "db/Schema.h"

#include <QFile>
#include <QTemporaryDir>

#include "db/Collations.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 300000;

const char *kInsert =
    "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, EmpType, DeptID, "
    "ChinaIncome, Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, TaxMoney, TaxDate) "
    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

QString freshDatabase(const QTemporaryDir &dir, const char *name)
{
    const QString path = dir.path() + u'/' + QString::fromLatin1(name);
    QFile::remove(path);
    Database db;
    if (!db.create(path, DatabasePassword()) || !Schema::createDatabase(db)) {
        qFatal("cannot create the database: %s", qPrintable(db.lastError()));
    }
    return path;
}

void OurLayer(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = freshDatabase(dir, "ours.mdb");
        Database db;
        db.open(path, DatabasePassword());
        state.ResumeTiming();

        Transaction tx(db);
        Statement st = db.prepare(QString::fromLatin1(kInsert));
        const QString taxType = QStringLiteral("工资所得税");
        const QString empType = QStringLiteral("中方");
        const QString dept = QStringLiteral("0001");
        const QString date = QStringLiteral("2005-03-31");
        for (int i = 0; i < kRows; ++i) {
            const Money income = Money::fromYuan(3000 + i % 5000);
            st.bindAll({2005, 3, taxType, QString::number(100000 + i), QStringLiteral("员工"),
                        QStringLiteral("110101198001010011"), empType, dept,
                        QVariant::fromValue(income), QVariant::fromValue(income),
                        QVariant::fromValue(Money::fromYuan(800)),
                        QVariant::fromValue(income - Money::fromYuan(800)),
                        QVariant::fromValue(Money::fromRaw(1500)), QVariant::fromValue(Money::fromYuan(125)),
                        QVariant::fromValue(Money::fromYuan(200)), date});
            if (!st.exec()) {
                state.SkipWithError("insert failed");
                break;
            }
        }
        tx.commit();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void RawApi(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray path = QFile::encodeName(freshDatabase(dir, "raw.mdb"));
        const QByteArray key = DatabasePassword().toUtf8();
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_key(db, key.constData(), int(key.size()));
        // The schema's code indexes use the program's collations.
        RegisterCollations(db);
        state.ResumeTiming();

        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, kInsert, -1, &st, nullptr);
        const std::string taxType = "工资所得税", empType = "中方", name = "员工";
        for (int i = 0; i < kRows; ++i) {
            const qint64 income = qint64(3000 + i % 5000) * 10000;
            const std::string id = std::to_string(100000 + i);
            sqlite3_bind_int(st, 1, 2005);
            sqlite3_bind_int(st, 2, 3);
            sqlite3_bind_text(st, 3, taxType.c_str(), int(taxType.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 4, id.c_str(), int(id.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 5, name.c_str(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 6, "110101198001010011", 18, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 7, empType.c_str(), int(empType.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 8, "0001", 4, SQLITE_TRANSIENT);
            sqlite3_bind_int64(st, 9, income);
            sqlite3_bind_int64(st, 10, income);
            sqlite3_bind_int64(st, 11, 8000000);
            sqlite3_bind_int64(st, 12, income - 8000000);
            sqlite3_bind_int64(st, 13, 1500);
            sqlite3_bind_int64(st, 14, 1250000);
            sqlite3_bind_int64(st, 15, 2000000);
            sqlite3_bind_text(st, 16, "2005-03-31", 10, SQLITE_TRANSIENT);
            if (sqlite3_step(st) != SQLITE_DONE) {
                state.SkipWithError("insert failed");
                break;
            }
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

} // namespace

BENCHMARK(RawApi)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OurLayer)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
