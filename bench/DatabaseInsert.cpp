// Inserting a month of ledger rows: our database layer beside the raw sqlite3 API, on the same
// kind of encrypted file, in one transaction each. The layer should cost at most 1.3 times the
// raw API.

#include "RawConnection.h"

#include "base/Money.h"

#include <benchmark/benchmark.h>

namespace {

using bench::bindText;
using bench::freshDatabase;

constexpr int kRows = 300000;

const char *kInsert =
    "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, EmpType, "
    "DeptID, "
    "ChinaIncome, Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, TaxMoney, TaxDate) "
    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

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
                        QVariant::fromValue(Money::fromRaw(1500)),
                        QVariant::fromValue(Money::fromYuan(125)),
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
    const std::string taxType = "工资所得税", empType = "中方", name = "员工";
    bench::RawInsertFloor(
        state, [&] { return freshDatabase(dir, "raw.mdb"); }, kInsert, kRows,
        [&](sqlite3_stmt *st, int i) {
            const qint64 income = qint64(3000 + i % 5000) * 10000;
            sqlite3_bind_int(st, 1, 2005);
            sqlite3_bind_int(st, 2, 3);
            bindText(st, 3, taxType);
            bindText(st, 4, std::to_string(100000 + i));
            bindText(st, 5, name);
            bindText(st, 6, "110101198001010011");
            bindText(st, 7, empType);
            bindText(st, 8, "0001");
            sqlite3_bind_int64(st, 9, income);
            sqlite3_bind_int64(st, 10, income);
            sqlite3_bind_int64(st, 11, 8000000);
            sqlite3_bind_int64(st, 12, income - 8000000);
            sqlite3_bind_int64(st, 13, 1500);
            sqlite3_bind_int64(st, 14, 1250000);
            sqlite3_bind_int64(st, 15, 2000000);
            bindText(st, 16, "2005-03-31");
        });
}

} // namespace

BENCHMARK(RawApi)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OurLayer)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
