// A month's wages for 100,000 employees in 100 departments with 10 wage items: generating the
// sheet, computing every row and posting it, each beside its floor measured in the same run:
// the same number of Wage rows (generate, compute) or TaxIncome rows (post) inserted through
// the raw sqlite3 API in one transaction. Each phase should stay within 3 times its floor; the
// ratios are printed as counters. Posting writes both kinds of row (the ledger rows, and every
// wage row again with its new state): post_x compares it with the ledger rows alone,
// post_both_x with both floors together.
//
// LoadSheet: a sheet of 100,000 rows read into memory and its model (with the totals) made
// ready, which is what opening it in the wage window costs before anything is drawn.
//
// EditOneRow: typing one amount into the sheet's model (recompute the row, write it, move the
// totals) on sheets of 100 and of 100,000 rows; the two should cost the same.

#include "PayrollCompany.h"
#include "RawConnection.h"

#include "base/MessageService.h"
#include "base/Money.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "payroll/WageGeneration.h"
#include "payroll/WagePosting.h"
#include "payroll/WageSheet.h"
#include "payroll/WageSheetModel.h"
#include "payroll/WageSheetStore.h"
#include "tax/TaxRates.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

constexpr int kMonthEmployees = 100000;
using bench::Company;
using bench::kExtraItems;

// The floor: `rows` rows inserted through the raw API into a fresh file: the year and month,
// then `texts` text values (the first one a distinct code), then amounts up to `columns`.
double rawInsertMs(const QString &path, const char *sql, int texts, int columns, int rows)
{
    bench::RawConnection db(path);
    QElapsedTimer timer;
    timer.start();
    const std::string text = "部门";
    const bool inserted = db.insertRows(sql, rows, [&](sqlite3_stmt *st, int i) {
        sqlite3_bind_int(st, 1, 2005);
        sqlite3_bind_int(st, 2, 3);
        bench::bindText(st, 3, "E" + std::to_string(100000 + i));
        for (int c = 4; c < 3 + texts; ++c) {
            bench::bindText(st, c, text);
        }
        for (int c = 3 + texts; c <= columns; ++c) {
            sqlite3_bind_int64(st, c, qint64(1000 + i % 5000) * 10000);
        }
    });
    if (!inserted) {
        qFatal("raw insert failed: %s", db.error());
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

// A wage row as generation writes it: period, state, employee, department and 19 amounts.
const char *kRawWage =
    "insert into Wage (WageYear, WageMonth, EmpId, EmpName, DeptName, EmpType, WageTimes, "
    "基本工资, 岗位工资, 绩效工资, 交通补贴, 餐费补贴, 病假扣款, 应发工资, 应税工资, 工会会费, "
    "养老保险金, 医疗保险金, 住房公积金, 实发工资, 减除费用, 应纳税所得额, 适用税率, 速算扣除数, "
    "纳税额, 一次性奖金) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, ?, ?, ?, ?)";
// A ledger row as posting writes it.
const char *kRawLedger =
    "insert into TaxIncome (TaxYear, TaxMonth, EmpId, EmpName, TaxDate, EmpType, TaxType, "
    "EmpCardNo, DeptID, Address, FactIncome, Income, MinusFare, TaxIncome, TaxRate, "
    "TakeOutMoney, TaxMoney) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

void Month(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Company company(kMonthEmployees);
        Database &db = company.db;
        ScriptedMessageService messages;
        CountingProgress progress;
        QElapsedTimer timer;

        timer.start();
        const auto run =
            GenerateWageSheet(db, company.rates, messages, 2005, 3, {1, false}, false, progress);
        const double generateMs = double(timer.nsecsElapsed()) / 1e6;
        if (!run) {
            state.SkipWithError(qPrintable(messages.lastText()));
            break;
        }
        company.fillAmounts(2005, 3);

        timer.restart();
        WageSheet sheet(db, company.rates);
        const bool computed = sheet.load(2005, 3, 1) && sheet.computeAll(messages, progress);
        const double computeMs = double(timer.nsecsElapsed()) / 1e6;
        if (!computed) {
            state.SkipWithError(qPrintable(messages.lastText()));
            break;
        }
        sheet.close();

        timer.restart();
        const bool posted = PostWageSheet(db, company.rates, messages, QStringLiteral("2005-04-05"),
                                          2005, 3, 1, progress);
        const double postMs = double(timer.nsecsElapsed()) / 1e6;
        if (!posted) {
            state.SkipWithError(qPrintable(messages.lastText()));
            break;
        }
        const int ledgerRows =
            db.scalar(QStringLiteral("select count(*) from TaxIncome")).value_or(0).toInt();

        // The floors, on fresh files of the same schema.
        Company floorWage(0, "floor-wage.mdb");
        const QString wagePath = floorWage.db.path();
        for (const auto &item : kExtraItems) {
            floorWage.db.addColumn(QStringLiteral("Wage"), QString::fromUtf8(item[0]),
                                   QStringLiteral("MONEY"));
        }
        floorWage.db.close();
        const double floorWageMs = rawInsertMs(wagePath, kRawWage, 4, 26, kMonthEmployees);
        Company floorLedger(0, "floor-ledger.mdb");
        const QString ledgerPath = floorLedger.db.path();
        floorLedger.db.close();
        const double floorLedgerMs = rawInsertMs(ledgerPath, kRawLedger, 8, 17, ledgerRows);
        state.ResumeTiming();

        state.counters["generate_ms"] = generateMs;
        state.counters["compute_ms"] = computeMs;
        state.counters["post_ms"] = postMs;
        state.counters["floor_wage_ms"] = floorWageMs;
        state.counters["floor_ledger_ms"] = floorLedgerMs;
        state.counters["ledger_rows"] = ledgerRows;
        state.counters["generate_x"] = generateMs / floorWageMs;
        state.counters["compute_x"] = computeMs / floorWageMs;
        state.counters["post_x"] = postMs / floorLedgerMs;
        state.counters["post_both_x"] = postMs / (floorWageMs + floorLedgerMs);
    }
}

void EditOneRow(benchmark::State &state)
{
    const int rows = int(state.range(0));
    Company company(rows);
    ScriptedMessageService messages;
    CountingProgress progress;
    GenerateWageSheet(company.db, company.rates, messages, 2005, 3, {1, false}, false, progress);
    company.fillAmounts(2005, 3);
    WageSheet sheet(company.db, company.rates);
    sheet.load(2005, 3, 1);
    WageSheetModel model(sheet);
    model.reload();
    const int column = model.columnOfMoney(sheet.layout().indexOf(QStringLiteral("岗位工资")));
    int i = 0;
    for (auto _ : state) {
        const int row = (i * 7919) % rows;
        const Money amount = Money::fromYuan(400 + i % 300);
        if (!model.setData(model.index(row, column), QVariant::fromValue(amount))) {
            state.SkipWithError("edit failed");
            break;
        }
        ++i;
    }
    state.counters["rows"] = rows;
}

void LoadSheet(benchmark::State &state)
{
    Company company(kMonthEmployees);
    ScriptedMessageService messages;
    CountingProgress progress;
    GenerateWageSheet(company.db, company.rates, messages, 2005, 3, {1, false}, false, progress);
    company.fillAmounts(2005, 3);
    for (auto _ : state) {
        WageSheet sheet(company.db, company.rates);
        WageSheetModel model(sheet);
        if (!sheet.load(2005, 3, 1)) {
            state.SkipWithError("load failed");
            break;
        }
        model.reload();
        benchmark::DoNotOptimize(model.total(0));
    }
    state.SetItemsProcessed(state.iterations() * kMonthEmployees);
}

} // namespace

BENCHMARK(Month)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(LoadSheet)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(EditOneRow)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
