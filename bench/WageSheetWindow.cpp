// The wage window on a sheet of 100,000 rows (100 departments, 10 items), offscreen:
//
//   OpenSheet       "工资浏览" of the month in a new window, until the grid has painted, beside
//                   its floor: the month's rows read through the raw sqlite3 API (every column
//                   stepped) in the same run. Target: under 1 s.
//   LeaveEditedRow  an amount typed into a row, then the row left (recompute, write the row,
//                   move the totals), on sheets of 100 and of 100,000 rows. Target: under 50 ms,
//                   and the same at both sizes.
//   ScrollPage      one page down and its paint, anywhere in the sheet: no stalls.
//   ResidentMemory  the process's resident memory with the sheet open, beside the same process
//                   before the window opened. Target: under 300 MB.

#include "PayrollCompany.h"
#include "RawConnection.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "payroll/WageGeneration.h"
#include "payroll/WageSheetModel.h"
#include "payroll/ui/WageSheetWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <map>

namespace {

// One company per size, made once: 100,000 employees take a while to set up.
bench::Company &companyOf(int employees)
{
    static std::map<int, std::unique_ptr<bench::Company>> companies;
    auto &c = companies[employees];
    if (!c) {
        c = std::make_unique<bench::Company>(employees);
        ScriptedMessageService messages;
        CountingProgress progress;
        if (!GenerateWageSheet(c->db, c->rates, messages, 2005, 3, {1, false}, false, progress)) {
            qFatal("generation failed: %s", qPrintable(messages.lastText()));
        }
        c->fillAmounts(2005, 3);
    }
    return *c;
}

struct OpenWindow
{
    explicit OpenWindow(bench::Company &c)
        : window(c.db, c.rates, messages, opener, QStringLiteral("北方机械厂"))
    {
        window.hooks.selectPeriod = [](const QString &, QWidget *) {
            return std::optional<YearMonth>({2005, 3});
        };
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.resize(1200, 800);
        window.show();
        window.browse();
        QApplication::processEvents();
        window.grid()->viewport()->repaint();
    }

    ScriptedMessageService messages;
    RecordingFileOpener opener;
    WageSheetWindow window;
};

double rawReadMs(const QString &path)
{
    bench::RawConnection raw(path, SQLITE_OPEN_READONLY);
    sqlite3 *db = raw.handle();
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db,
                       "select * from Wage where WageYear = 2005 and WageMonth = 3 and "
                       "WageTimes = 1 order by DeptName, EmpId",
                       -1, &st, nullptr);
    qint64 sum = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            if (sqlite3_column_type(st, c) == SQLITE_TEXT) {
                sum += sqlite3_column_bytes(st, c);
            } else {
                sum += sqlite3_column_int64(st, c);
            }
        }
    }
    sqlite3_finalize(st);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    benchmark::DoNotOptimize(sum);
    return ms;
}

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

void OpenSheet(benchmark::State &state)
{
    bench::Company &c = companyOf(int(state.range(0)));
    double openMs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        OpenWindow w(c);
        openMs = double(timer.nsecsElapsed()) / 1e6;
        if (w.window.model()->totalsRow() != state.range(0)) {
            state.SkipWithError("the sheet did not open");
            break;
        }
    }
    const double floorMs = rawReadMs(c.db.path());
    state.counters["open_ms"] = openMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["open_x"] = openMs / floorMs;
}

void LeaveEditedRow(benchmark::State &state)
{
    const int rows = int(state.range(0));
    OpenWindow w(companyOf(rows));
    WageSheetModel *model = w.window.model();
    QTableView *grid = w.window.grid();
    const int column =
        model->columnOfMoney(w.window.sheet().layout().indexOf(QStringLiteral("岗位工资")));
    int i = 0;
    for (auto _ : state) {
        const int row = (i * 7919) % rows;
        state.PauseTiming();
        grid->setCurrentIndex(model->index(row, column));
        model->setData(model->index(row, column),
                       QVariant::fromValue(Money::fromYuan(400 + i % 300)));
        state.ResumeTiming();
        // Leaving the row: computed, written, totals moved, the grid told.
        grid->setCurrentIndex(model->index((row + 1) % rows, column));
        if (model->pendingRow() >= 0) {
            state.SkipWithError("the row was not saved");
            break;
        }
        ++i;
    }
    state.counters["rows"] = rows;
}

void ScrollPage(benchmark::State &state)
{
    OpenWindow w(companyOf(int(state.range(0))));
    QScrollBar *bar = w.window.grid()->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        w.window.grid()->viewport()->repaint();
    }
}

void ResidentMemory(benchmark::State &state)
{
    bench::Company &c = companyOf(int(state.range(0)));
    const double before = residentMb();
    double open = 0;
    for (auto _ : state) {
        OpenWindow w(c);
        open = residentMb();
    }
    state.counters["rss_mb"] = open;
    state.counters["before_mb"] = before;
    state.counters["sheet_mb"] = open - before;
}

} // namespace

BENCHMARK(OpenSheet)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LeaveEditedRow)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollPage)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ResidentMemory)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
