// Importing a month of 100,000 staff: a comma-separated file and a workbook of 100,000 rows and
// 12 columns each, from the file to the month's draft rows in Wage, then the month computed as
// the wage window computes it after the wizard. Target: each under 10 s, the
// process under 500 MB. The floor, measured in the same run, is the least any import must do:
// read the file's bytes and decode them into lines. Each benchmark prints its ratio to it
// (x_floor) and the process's peak memory so far (peak_MB).

#include "BenchDatabase.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "base/Progress.h"
#include "base/WorkbookWriter.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "payroll/ImportTableStore.h"
#include "payroll/ImportTextFile.h"
#include "payroll/SourceText.h"
#include "payroll/SourceWorkbook.h"
#include "payroll/WageImport.h"
#include "payroll/WageItemRules.h"
#include "payroll/WageSheet.h"
#include "tax/TaxRates.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <sys/resource.h>

namespace {

constexpr int kRows = 100000;
constexpr int kDepartments = 200;
// 员工编号, 姓名 and ten amounts: twelve columns.
const QStringList kItems = {"基本工资", "岗位工资",   "工龄工资",   "加班费",     "交通补贴",
                            "伙食补贴", "养老保险金", "医疗保险金", "住房公积金", "一次性奖金"};
// The items the delivered catalogue lacks, with their types.
const char *const kExtraItems[][2] = {{"岗位工资", "工资薪金所得纳税项"},
                                      {"工龄工资", "工资薪金所得纳税项"},
                                      {"加班费", "工资薪金所得纳税项"},
                                      {"交通补贴", "工资薪金所得免税项"},
                                      {"伙食补贴", "工资薪金所得免税项"}};

struct Setup
{
    QTemporaryDir dir;
    QString db;
    QString csv;
    QString xlsx;
    double floorMs = 0;
    TaxRates rates;
};

Setup *g_setup = nullptr;

QString code(int i)
{
    return QStringLiteral("E%1").arg(i, 6, 10, QLatin1Char('0'));
}

QString amount(int i, int item)
{
    return QString::number((i * 7 + item * 131) % 9000 + 100) + QStringLiteral(".5");
}

void makeDatabase(const QString &path)
{
    Database db;
    bench::createDatabase(db, path);
    for (const auto &item : kExtraItems) {
        db.exec(QStringLiteral("INSERT INTO Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                               "Remark) VALUES (?, ?, 1, 0, '')"),
                {QString::fromUtf8(item[0]), QString::fromUtf8(item[1])});
    }
    if (!AddMissingItemColumns(db)) {
        qFatal("cannot add the item columns: %s", qPrintable(db.lastError()));
    }
    Transaction tx(db);
    bench::addDepartments(db, kDepartments);
    Statement emp = db.prepare(QStringLiteral(
        "INSERT INTO Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, EmpState) "
        "VALUES (?, ?, ?, '110101198001010011', '男', ?, 1)"));
    for (int i = 0; i < kRows; ++i) {
        emp.bindAll({code(i), QStringLiteral("员工%1").arg(i),
                     QStringLiteral("%1").arg(i % kDepartments + 1, 4, 10, QLatin1Char('0')),
                     i % 50 == 0 ? QStringLiteral("外方") : QStringLiteral("中方")});
        emp.exec();
    }
    tx.commit();
}

void makeSources(Setup &s)
{
    QFile csv(s.csv);
    if (!csv.open(QIODevice::WriteOnly)) {
        qFatal("cannot write the source file");
    }
    QString text = QStringLiteral("员工编号,姓名,") + kItems.join(u',') + QStringLiteral("\r\n");
    WorkbookWriter book(s.xlsx, QStringLiteral("工资"));
    book.writeHeader(QStringList{QStringLiteral("员工编号"), QStringLiteral("姓名")} + kItems);
    for (int i = 0; i < kRows; ++i) {
        QStringList fields{code(i), QStringLiteral("员工%1").arg(i)};
        QVariantList cells{code(i), fields.at(1)};
        for (int item = 0; item < kItems.size(); ++item) {
            fields << amount(i, item);
            cells << QVariant::fromValue(*Money::parse(fields.last()));
        }
        text += fields.join(u',') + QStringLiteral("\r\n");
        book.writeRow(cells);
    }
    csv.write(text.toUtf8());
    csv.close();
    if (!book.close()) {
        qFatal("cannot write the workbook");
    }
}

QList<ImportPair> pairs()
{
    QList<ImportPair> p{{QStringLiteral("员工编号"), QStringLiteral("人员编号")}};
    for (const QString &item : kItems) {
        p.append({item, item});
    }
    return p;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// From importE to the month's rows, as "完成" does it, and the month computed.
void pairAndWrite(benchmark::State &state, Database &db)
{
    StderrMessageService messages;
    const auto rows = BuildImportRows(db, messages, pairs());
    CountingProgress progress;
    if (!rows || rows->rows.size() != std::size_t(kRows) ||
        WriteWageImport(db, messages, 2005, 3, *rows, progress) != ImportWriteResult::Written) {
        state.SkipWithError("the import failed");
        return;
    }
    WageSheet sheet(db, g_setup->rates);
    CountingProgress computed;
    if (!ComputeImportedMonth(sheet, messages, computed, ImportedMonth{2005, 3}) ||
        computed.steps != kRows) {
        state.SkipWithError("the computation failed");
    }
}

// Times `read` (the source into the import table) followed by pairing, writing and computing,
// and prints the ratio to the floor and the peak memory.
void timeImport(benchmark::State &state,
                const std::function<std::optional<ImportSourceTable>()> &read)
{
    Database db;
    db.open(g_setup->db, DatabasePassword());
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const auto table = read();
        if (!table || table->rows.size() != std::size_t(kRows) ||
            !ImportTableStore(db).fill(*table)) {
            state.SkipWithError("reading failed");
            break;
        }
        pairAndWrite(state, db);
        total += double(t.elapsed());
    }
    state.counters["x_floor"] = total / double(state.iterations()) / g_setup->floorMs;
    state.counters["peak_MB"] = peakMegabytes();
}

void CsvImport(benchmark::State &state)
{
    timeImport(state, []() -> std::optional<ImportSourceTable> {
        StderrMessageService messages;
        const auto text = ReadSourceText(g_setup->csv);
        return ImportTextFile(text->text, SplitTextLines(text->text),
                              {QStringLiteral(","), QStringLiteral("\""), 1}, messages);
    });
}

void XlsxImport(benchmark::State &state)
{
    timeImport(state, []() -> std::optional<ImportSourceTable> {
        const auto book = OpenSourceWorkbook(g_setup->xlsx);
        return book ? book->readSheet(QStringLiteral("工资")) : std::nullopt;
    });
}

BENCHMARK(CsvImport)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(XlsxImport)->Unit(benchmark::kMillisecond)->Iterations(2);

double measureFloor(const QString &path)
{
    QElapsedTimer t;
    t.start();
    const auto text = ReadSourceText(path);
    const QStringList lines = SplitTextLines(text->text);
    benchmark::DoNotOptimize(lines.size());
    return std::max(1.0, double(t.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    Setup setup;
    setup.db = setup.dir.filePath(QStringLiteral("Halvek.mdb"));
    setup.csv = setup.dir.filePath(QStringLiteral("工资.csv"));
    setup.xlsx = setup.dir.filePath(QStringLiteral("工资.xlsx"));
    makeDatabase(setup.db);
    {
        Database db;
        StderrMessageService messages;
        if (!db.open(setup.db, DatabasePassword()) || !LoadAllTaxRates(db, setup.rates, messages)) {
            qFatal("cannot load the tax rates");
        }
    }
    makeSources(setup);
    setup.floorMs = measureFloor(setup.csv);
    g_setup = &setup;
    std::printf("floor (read and split the CSV file): %.1f ms\n", setup.floorMs);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
