// How fast the wage and tax queries answer on a company of 100,000 employees in 100
// departments with 12 posted months: 1.2 million wage rows with ten item columns and 1.3
// million ledger rows. Each benchmark prints its time per run and its ratio to a floor
// measured in the same run: the engine reading the same rows with the plainest statement
// (a month's or a year's wage rows summed in one column, one employee's ledger rows counted).
//
// Targets: the wage list, department sums and bank list of a month under 2 s each; the three
// funds of a year under 5 s; one employee's annual tax summary under 100 ms.

#include "BenchDatabase.h"

#include "base/AppEnv.h"
#include "base/Password.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "queries/AnnualTaxSummary.h"
#include "queries/ThreeFundStatistics.h"
#include "queries/WageReports.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kDepartments = 100;
constexpr int kEmployees = 100000;
constexpr int kYear = 2005;
const QStringList kExtraItems{"岗位津贴", "交通补贴",   "餐费补贴",
                              "加班费",   "病事假扣款", "工会会费"};

QString empId(int e)
{
    return QStringLiteral("E%1").arg(e, 6, 10, QLatin1Char('0'));
}

struct Company
{
    QTemporaryDir dir;
    Database db;

    Company()
    {
        // The annual summary leaves its statement in sql.ini there.
        SetAppDir(dir.path() + u'/');
        // Filling the company takes minutes: CORVANE_BENCH_DB keeps it in a file for the next
        // run.
        const QString kept = qEnvironmentVariable("CORVANE_BENCH_DB");
        if (!kept.isEmpty() && db.open(kept, DatabasePassword())) {
            return;
        }
        const QString path = kept.isEmpty() ? dir.path() + QStringLiteral("/Halvek.mdb") : kept;
        bench::createDatabase(db, path);
        for (const QString &item : kExtraItems) {
            db.addColumn(QStringLiteral("Wage"), item, QStringLiteral("MONEY"));
        }
        const QString surnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗");
        const QString given = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华");
        const QString deptNames = QStringLiteral("销售财务人事生产技术质检采购仓储后勤行政");
        QStringList depts;
        Transaction t(db);
        Statement dept = db.prepare(QStringLiteral(
            "insert into Department (DeptID, DeptName, Remark, DeptLevel, FatherID, DeptLevelID, "
            "Deleted) values (?, ?, '', 1, '0000', ?, 0)"));
        for (int d = 1; d <= kDepartments; ++d) {
            const QString code = QStringLiteral("%1").arg(d, 4, 10, QLatin1Char('0'));
            const QString name =
                deptNames.mid(((d - 1) % 10) * 2, 2) + QStringLiteral("%1部").arg((d - 1) / 10 + 1);
            depts << name;
            dept.bindAll({code, name, QStringLiteral("0000") + code});
            dept.exec();
        }
        Statement emp = db.prepare(QStringLiteral(
            "insert into Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, nationality, "
            "CardNo, EmpState, StartDate, Deleted) values "
            "(?, ?, ?, ?, '男', '中方', '中国', ?, 1, '2003-05-01', 0)"));
        QStringList names;
        for (int e = 0; e < kEmployees; ++e) {
            names << QString(surnames[e % surnames.size()]) + given[(e / 7) % given.size()] +
                         given[(e / 131) % given.size()];
            emp.bindAll({empId(e), names.last(),
                         QStringLiteral("%1").arg(e % kDepartments + 1, 4, 10, QLatin1Char('0')),
                         QStringLiteral("1101011980%1").arg(e, 8, 10, QLatin1Char('0')),
                         QStringLiteral("622202%1").arg(e, 13, 10, QLatin1Char('0'))});
            emp.exec();
        }

        QStringList columns{"WageYear",   "WageMonth", "WageTimes", "WageState", "EmpId",
                            "EmpName",    "EmpType",   "DeptName",  "应发工资",  "应税工资",
                            "实发工资",   "减除费用",  "纳税额",    "基本工资",  "养老保险金",
                            "医疗保险金", "住房公积金"};
        columns += kExtraItems;
        Statement wage =
            db.prepare(QStringLiteral("insert into Wage (") + QuoteIdents(columns) +
                       QStringLiteral(") values (") +
                       QStringList(columns.size(), QStringLiteral("?")).join(u',') + u')');
        Statement ledger = db.prepare(QStringLiteral(
            "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, "
            "EmpType, DeptID, FactIncome, Income, MinusFare, TaxIncome, TaxMoney, TaxDate) "
            "values (?, ?, ?, ?, ?, '', '中方', ?, ?, ?, 8000000, ?, ?, ?)"));
        const auto money = [](qint64 yuan) { return QVariant::fromValue(Money::fromYuan(yuan)); };
        for (int m = 1; m <= 12; ++m) {
            const QString date =
                QStringLiteral("%1-%2-28").arg(kYear).arg(m, 2, 10, QLatin1Char('0'));
            for (int e = 0; e < kEmployees; ++e) {
                const qint64 basic = 2000 + (e % 50) * 100;
                QVariantList v{kYear,
                               m,
                               1,
                               QStringLiteral("已完成"),
                               empId(e),
                               names.at(e),
                               QStringLiteral("中方"),
                               depts.at(e % kDepartments),
                               money(basic + 300),
                               money(basic),
                               money(basic - 200),
                               money(800),
                               money(50),
                               money(basic),
                               money(basic / 12),
                               money(basic / 50),
                               money(basic / 10)};
                for (int i = 0; i < kExtraItems.size(); ++i) {
                    v << money(i * 10);
                }
                wage.bindAll(v);
                wage.exec();
                ledger.bindAll(
                    {kYear, m, QStringLiteral("工资所得税"), empId(e), names.at(e),
                     QStringLiteral("%1").arg(e % kDepartments + 1, 4, 10, QLatin1Char('0')),
                     money(basic - 200), money(basic), money(basic - 800), money(50), date});
                ledger.exec();
                // Every tenth employee also earns a labour fee now and then.
                if (e % 10 == 0 && m % 3 == 0) {
                    ledger.bindAll({kYear, m, QStringLiteral("劳务报酬收入"), empId(e), names.at(e),
                                    QStringLiteral("0001"), money(3000), money(3000), money(2200),
                                    money(440), date});
                    ledger.exec();
                }
            }
        }
        if (!t.commit()) {
            qFatal("cannot fill the database: %s", qPrintable(db.lastError()));
        }
        db.exec(QStringLiteral("analyze"));
    }
};

Company &company()
{
    static Company c;
    return c;
}

// The best of three runs of the plainest statement over the same rows, in milliseconds.
double floorMs(const QString &sql, const QVariantList &params)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        Statement st = company().db.prepare(sql);
        st.bindAll(params);
        while (st.next()) {
        }
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

double monthFloor()
{
    static const double ms = floorMs(
        QStringLiteral(
            "select count(*), sum(实发工资) from Wage where WageYear = ? and WageMonth = ?"),
        {kYear, 6});
    return ms;
}

double yearFloor()
{
    static const double ms = floorMs(
        QStringLiteral("select count(*), sum(养老保险金) from Wage where WageYear = ?"), {kYear});
    return ms;
}

double employeeFloor()
{
    static const double ms =
        floorMs(QStringLiteral("select count(*), sum(Income) from TaxIncome where EmpId = ?"),
                {empId(4242)});
    return ms;
}

// Runs `body` per iteration and reports its time and its ratio to the floor.
void measure(benchmark::State &state, double floor, const std::function<int()> &body)
{
    company();
    const double f = floor; // measured before the timed runs
    QElapsedTimer timer;
    qint64 total = 0;
    int rows = 0;
    for (auto _ : state) {
        timer.start();
        rows = body();
        total += timer.nsecsElapsed();
    }
    const double ms = total / 1e6 / double(state.iterations());
    state.counters["rows"] = rows;
    state.counters["ms"] = ms;
    state.counters["floor_ms"] = f;
    state.counters["ratio"] = ms / f;
}

int wageReport(WageReport kind)
{
    const QueryRun run = RunWageReport(company().db, kind, {QString::number(kYear), "6", {}});
    if (!run.ok()) {
        qFatal("query refused: %s", qPrintable(run.refusal));
    }
    return run.grid->rowCount();
}

void BM_WageList(benchmark::State &state)
{
    measure(state, monthFloor(), [] { return wageReport(WageReport::WageList); });
}
BENCHMARK(BM_WageList)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WageListOneDepartment(benchmark::State &state)
{
    measure(state, monthFloor(), [] {
        return RunWageReport(company().db, WageReport::WageList,
                             {QString::number(kYear), "6", QStringLiteral("销售1部")})
            .grid->rowCount();
    });
}
BENCHMARK(BM_WageListOneDepartment)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DeptSums(benchmark::State &state)
{
    measure(state, monthFloor(), [] { return wageReport(WageReport::DeptSums); });
}
BENCHMARK(BM_DeptSums)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BankList(benchmark::State &state)
{
    measure(state, monthFloor(), [] { return wageReport(WageReport::BankList); });
}
BENCHMARK(BM_BankList)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ThreeFunds(benchmark::State &state)
{
    measure(state, yearFloor(), [] {
        const ThreeFund::Run run = ThreeFund::run(company().db, QString::number(kYear), {});
        return run.grids[0]->rowCount();
    });
}
BENCHMARK(BM_ThreeFunds)->Unit(benchmark::kMillisecond)->Iterations(2);

// One fund with its total row, as the export (and the command line) runs it.
void BM_OneFundStatement(benchmark::State &state)
{
    measure(state, yearFloor(), [] {
        return RunGrid(company().db, ThreeFund::statement(kYear, {}, QStringLiteral("住房公积金")))
            ->rowCount();
    });
}
BENCHMARK(BM_OneFundStatement)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_AnnualTax(benchmark::State &state)
{
    measure(state, employeeFloor(), [] {
        const QueryRun run = RunAnnualTax(company().db, {QString::number(kYear), empId(4240), {}},
                                          [](const QString &) { return QString(); });
        return run.grid->rowCount();
    });
}
BENCHMARK(BM_AnnualTax)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PersonalWage(benchmark::State &state)
{
    measure(state, employeeFloor(), [] {
        const QueryRun run =
            RunPersonalWage(company().db, {QString::number(kYear), empId(4240), {}},
                            [](const QString &) { return QString(); });
        return run.grid->rowCount();
    });
}
BENCHMARK(BM_PersonalWage)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
