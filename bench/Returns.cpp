// The monthly returns of a large company: 10,000 ledger rows of one month (a domestic month of
// wages, with some other payments), read into the withholding report and the payment detail,
// laid out twice (the dry run and the real one) and written as PDF. The whole job must stay
// under 10 s; its ratio to the floor (reading the same rows raw, without their texts) is
// printed beside it.
//
// The peak memory of a job is measured for 1,000 and for 10,000 rows: it may grow with the
// rows' own texts, not with the pages drawn.

#include "BenchDatabase.h"

#include "base/Money.h"
#include "db/Database.h"
#include "returns/FormOutput.h"
#include "returns/ReturnBuilder.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <fstream>
#include <string>

namespace {

constexpr int kRows = 10000;

struct Ledger
{
    QTemporaryDir dir;
    Database db;

    // `rows` taxed rows of September 2005 (and as many of August, which the returns skip).
    explicit Ledger(int rows)
    {
        const QString path = dir.path() + QStringLiteral("/Halvek.mdb");
        bench::createDatabase(db, path);
        const QString surnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗");
        const QString given = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华");
        const QStringList types{QStringLiteral("工资所得税"), QStringLiteral("一次性奖金"),
                                QStringLiteral("劳务报酬收入"), QStringLiteral("利息股息偶然所得")};
        Transaction t(db);
        Statement s = db.prepare(QStringLiteral(
            "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, "
            "EmpType, DeptID, Address, Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, "
            "TaxMoney, TaxNumber, TaxDate) values (2005, ?, ?, ?, ?, ?, '中方', '0001', "
            "'北京市海淀区中关村大街某号', ?, 800, ?, 0.15, 125, ?, ?, '2005-10-07')"));
        for (int month : {9, 8}) {
            for (int i = 0; i < rows; ++i) {
                const int emp = i * 7 / 8; // some employees have two rows
                const QString name = QString(surnames[emp % surnames.size()]) +
                                     given[(emp / 7) % given.size()] +
                                     given[(emp / 131) % given.size()];
                const Money income = Money::fromCents(300000 + (i * 7919) % 2000000);
                const Money taxable = income - Money::fromYuan(800);
                s.bindAll(
                    {month, types[i % types.size()],
                     QStringLiteral("E%1").arg(emp, 6, 10, QLatin1Char('0')), name,
                     QStringLiteral("1101011980%1").arg(emp, 8, 10, QLatin1Char('0')),
                     QVariant::fromValue(income), QVariant::fromValue(taxable),
                     QVariant::fromValue(taxable * Money::fromRaw(1500) - Money::fromYuan(125)),
                     QStringLiteral("(05)京地税%1").arg(i)});
                if (!s.exec()) {
                    qFatal("cannot insert: %s", qPrintable(db.lastError()));
                }
            }
        }
        t.commit();
        db.exec(QStringLiteral("analyze"));
    }
};

Ledger &ledger(int rows)
{
    static Ledger small(kRows / 10);
    static Ledger large(kRows);
    return rows == kRows ? large : small;
}

// The floor: the same rows read from the file without making any text of them.
double rawRead(Database &db)
{
    const auto start = std::chrono::steady_clock::now();
    Statement s = db.prepare(QStringLiteral(
        "select * from TaxIncome where TaxYear = 2005 and TaxMonth = 9 and EmpType = '中方' "
        "order by EmpCardNo"));
    qint64 sum = 0;
    while (s.next()) {
        sum += s.int64(0);
    }
    benchmark::DoNotOptimize(sum);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Data, both layout runs and the PDF; the pages written.
int wholeJob(Database &db, ReturnKind kind, const QString &pdf)
{
    auto rows = LoadReturnRows(db, kind, {2005, 9}, false);
    if (!rows) {
        qFatal("cannot read the ledger");
    }
    const auto form = MakeReturnForm(kind,
                                     {ReturnFormTitle(kind),
                                      {QStringLiteral("公司"), QStringLiteral("110000123")},
                                      QDate(2005, 10, 8),
                                      {2005, 9}},
                                     std::move(rows));
    if (!WriteFormPdf(*form, pdf)) {
        qFatal("cannot write the PDF");
    }
    return form->pageCount();
}

void Return(benchmark::State &state, ReturnKind kind)
{
    Ledger &l = ledger(kRows);
    const QString pdf = l.dir.path() + QStringLiteral("/form.pdf");
    double floor = 0;
    double job = 0;
    int pages = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pages = wholeJob(l.db, kind, pdf);
        job += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        floor += rawRead(l.db);
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = double(QFile(pdf).size()) / 1e6;
    state.counters["floor_ms"] = floor * 1000 / double(state.iterations());
    state.counters["x_floor"] = job / floor;
}

// Peak resident memory of the process since the last reset, in kB.
long peakKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Gives freed memory back first, so that what an earlier job left in the heap does not hide
// what this one needs.
void resetPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The growth of the peak over the memory in use before the job, for 1,000 and 10,000 rows.
void PeakMemory(benchmark::State &state, ReturnKind kind)
{
    const int rows = int(state.range(0));
    Ledger &l = ledger(rows);
    const QString pdf = l.dir.path() + QStringLiteral("/form.pdf");
    long growth = 0;
    int pages = 0;
    for (auto _ : state) {
        resetPeak();
        const long before = peakKb();
        pages = wholeJob(l.db, kind, pdf);
        growth = peakKb() - before;
    }
    state.counters["pages"] = pages;
    state.counters["peak_growth_MB"] = double(growth) / 1024;
    state.counters["kB_per_page"] = double(growth) / pages;
}

} // namespace

BENCHMARK_CAPTURE(PeakMemory, withholding, ReturnKind::Withholding)
    ->Arg(kRows / 10)
    ->Arg(kRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(PeakMemory, payment_detail, ReturnKind::PaymentDetail)
    ->Arg(kRows / 10)
    ->Arg(kRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_CAPTURE(Return, withholding, ReturnKind::Withholding)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(Return, payment_detail, ReturnKind::PaymentDetail)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts
    {
        // The fonts are loaded once per run: not part of any job measured below.
        QTemporaryDir dir;
        const auto blank = MakeReturnForm(ReturnKind::Withholding, {});
        WriteFormPdf(*blank, dir.path() + QStringLiteral("/blank.pdf"));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
