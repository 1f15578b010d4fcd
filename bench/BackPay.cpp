// Back pay for a company of 100,000 staff in 200 departments, back-paid for three posted
// months: putting the whole company on the sheet (rows and the bases of every month), reading
// the sheet's view with its per-month tax, and posting it. Each prints its ratio to a floor
// measured in the same run: the same rows read raw from the file.

#include "BenchDatabase.h"

#include "backpay/BackPayPosting.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTax.h"
#include "backpay/BackPayView.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "tax/TaxRates.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kDepartments = 200;
constexpr int kEmployees = 100000;
const BackPayMonth kPayPeriod{2005, 6};
const BackPayMonths kMonths{{2005, 3}, {2005, 4}, {2005, 5}};

struct Company
{
    QTemporaryDir dir;
    Database db;
    TaxRates rates;
    StderrMessageService messages;

    Company()
    {
        const QString path = dir.path() + QStringLiteral("/Halvek.mdb");
        bench::createDatabase(db, path);
        Transaction t(db);
        bench::addDepartments(db, kDepartments);
        Statement emp = db.prepare(QStringLiteral(
            "insert into Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, EmpState, "
            "Deleted) values (?, ?, ?, ?, '男', '中方', 1, 0)"));
        Statement wage = db.prepare(QStringLiteral(
            "insert into Wage (WageYear, WageMonth, WageTimes, WageState, EmpId, EmpName, EmpType, "
            "DeptName, 应税工资, 减除费用) values (?, ?, 1, '已完成', ?, ?, '中方', ?, ?, "
            "8000000)"));
        for (int e = 0; e < kEmployees; ++e) {
            const QString id = QStringLiteral("E%1").arg(e, 6, 10, QLatin1Char('0'));
            const int d = e % kDepartments + 1;
            emp.bindAll({id, QStringLiteral("员工%1").arg(e),
                         QStringLiteral("%1").arg(d, 4, 10, QLatin1Char('0')),
                         QStringLiteral("1101011980%1").arg(e, 8, 10, QLatin1Char('0'))});
            emp.exec();
            for (int m = 3; m <= 6; ++m) {
                wage.bindAll({2005, m, id, QStringLiteral("员工%1").arg(e),
                              QStringLiteral("部门%1").arg(d), qint64(10000) * (1000 + e % 4000)});
                wage.exec();
            }
        }
        t.commit();
        db.exec(QStringLiteral("analyze"));
        if (!rates.LoadWageTaxRates(db) || !rates.LoadForeignTaxRates(db)) {
            qFatal("no wage rates");
        }
    }

    // A new sheet with the whole company on it and back pay in every month.
    void fillSheet()
    {
        BackPaySheet sheet(db, rates, messages);
        if (!sheet.start(kPayPeriod, kMonths) || !sheet.add(BackPayStaff::company())) {
            qFatal("cannot fill the sheet: %s", qPrintable(db.lastError()));
        }
        for (const BackPayMonth &m : kMonths) {
            sheet.changeColumn(m, ColumnChange::Set, Money::fromYuan(300));
        }
    }
};

Company &company()
{
    static Company c;
    return c;
}

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor: every row of a statement stepped through, nothing made of it.
double rawRead(Database &db, const QString &sql)
{
    const auto start = std::chrono::steady_clock::now();
    Statement s = db.prepare(sql);
    qint64 sum = 0;
    while (s.next()) {
        sum += s.int64(1);
    }
    benchmark::DoNotOptimize(sum);
    return seconds(start);
}

void report(benchmark::State &state, double job, double floor)
{
    state.counters["floor_ms"] = floor * 1000 / double(state.iterations());
    state.counters["x_floor"] = job / floor;
}

// "整部门员工添加" with the company: 100,000 rows and three months of bases. Floor: reading the
// three months' wage rows and the staff.
void BM_AddCompany(benchmark::State &state)
{
    Company &c = company();
    double job = 0;
    double floor = 0;
    for (auto _ : state) {
        BackPaySheet sheet(c.db, c.rates, c.messages);
        sheet.start(kPayPeriod, kMonths);
        const auto start = std::chrono::steady_clock::now();
        const auto added = sheet.add(BackPayStaff::company());
        job += seconds(start);
        if (!added || added->rows != kEmployees) {
            qFatal("the company was not added");
        }
        state.PauseTiming();
        floor += rawRead(c.db, QStringLiteral("select EmpId, 应税工资, 减除费用 from Wage where "
                                              "WageYear = 2005 and WageMonth between 3 and 5")) +
                 rawRead(c.db, QStringLiteral("select EmpID, EmpName, DeptID from Employee"));
        state.ResumeTiming();
    }
    report(state, job, floor);
}
BENCHMARK(BM_AddCompany)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// Opening the sheet: the view with its taxes, into the grid. Floor: the sheet read raw.
void BM_ReadView(benchmark::State &state)
{
    Company &c = company();
    c.fillSheet();
    double job = 0;
    double floor = 0;
    int rows = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto grid = ReadBackPayView(c.db, c.rates, kMonths);
        job += seconds(start);
        rows = grid ? grid->rowCount() : -1;
        state.PauseTiming();
        floor += rawRead(c.db, QStringLiteral("select * from ReissueTemp"));
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    report(state, job, floor);
}
BENCHMARK(BM_ReadView)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Posting the whole sheet. Floor: the sheet read raw.
void BM_Post(benchmark::State &state)
{
    Company &c = company();
    double job = 0;
    double floor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        c.fillSheet();
        floor += rawRead(c.db, QStringLiteral("select * from ReissueTemp"));
        CountingProgress progress;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const auto result = PostBackPay(c.db, c.rates, QDate(2005, 6, 30), progress);
        job += seconds(start);
        if (result.outcome != BackPayPostResult::Outcome::Posted) {
            qFatal("not posted: %s", qPrintable(result.error));
        }
    }
    report(state, job, floor);
}
BENCHMARK(BM_Post)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
