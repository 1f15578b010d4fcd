// corvane-cli backpay …: the pending back-pay sheet as the window "补发工资" keeps it (starting,
// months, staff, amounts, the view with its tax), posting it, and the back pay posted in a pay
// period. Refusals print the window's message on standard error and exit with 2; failures of
// the database exit with 1.

#include "CliSupport.h"

#include "backpay/BackPayPosting.h"
#include "backpay/BackPayQuery.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"
#include "base/Password.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "tax/TaxRates.h"

#include <QDate>

namespace {

const char *const kUsage =
    "backpay start 年 月 --months 2005年3月,2005年4月 | months 月份,月份… | "
    "add (--dept 部门编号 | --company | --emp 员工编号) | set 员工编号 月份 金额 | "
    "column 月份 (--set|--add|--subtract) 金额 | remove 员工编号 | show [--csv] | "
    "post --date yyyy-mm-dd | query 年 月 [--csv] | discard  [--db 文件]  补发工资";

// The options of each sub-command (with --db); anything else is refused.
CliOptions subOptions(const QString &sub)
{
    const QString db = QStringLiteral("--db");
    if (sub == QLatin1String("start")) {
        return CliOptions({db, QStringLiteral("--months")});
    }
    if (sub == QLatin1String("add")) {
        return CliOptions({db, QStringLiteral("--dept"), QStringLiteral("--emp")},
                          {QStringLiteral("--company")});
    }
    if (sub == QLatin1String("column")) {
        return CliOptions(
            {db, QStringLiteral("--set"), QStringLiteral("--add"), QStringLiteral("--subtract")});
    }
    if (sub == QLatin1String("post")) {
        return CliOptions({db, QStringLiteral("--date")});
    }
    if (sub == QLatin1String("show") || sub == QLatin1String("query")) {
        return CliOptions({db}, {QStringLiteral("--csv")});
    }
    return CliOptions({db});
}

// What every sub-command works with: the database, the wage sets the tax needs, the messages.
struct Run
{
    Run(CliContext &c, const CliOptions &o) : ctx(c), opts(o), messages(c.err) {}

    bool open()
    {
        if (!db.open(CliArgs::databasePath(opts), DatabasePassword())) {
            ctx.err << "打开数据库失败: " << db.lastError() << '\n';
            return false;
        }
        LoadAllTaxRates(db, rates, messages);
        return true;
    }

    // The sheet the command goes on with; refused when no back pay was started.
    std::optional<BackPayMonth> sheetPeriod(BackPaySheet &sheet)
    {
        const auto period = sheet.sheetPeriod();
        if (!period) {
            messages.showInfo(BackPayText::nothingToPost());
        }
        return period;
    }

    int done() { return messages.failed() ? 1 : 0; }

    CliContext &ctx;
    const CliOptions &opts;
    Database db;
    TaxRates rates;
    CliMessages messages;
};

// The steps of every sub-command that goes on with the pending sheet: its arguments checked,
// the database opened, the sheet read and refused when no back pay was started; then `fn`
// (taking the sheet and its period) gives the exit code.
template <typename Fn> int withSheet(Run &run, bool argumentsOk, Fn &&fn)
{
    if (!argumentsOk) {
        return run.ctx.usageError();
    }
    if (!run.open()) {
        return 1;
    }
    BackPaySheet sheet(run.db, run.rates, run.messages);
    const auto period = run.sheetPeriod(sheet);
    if (!period) {
        return run.messages.exitCode();
    }
    return fn(sheet, *period);
}

// The months of a list of keys ("2005年3月,2005年4月"); refused when one is not a month.
std::optional<BackPayMonths> monthsOf(Run &run, const QString &list)
{
    QStringList keys;
    for (const QString &k : list.split(u',', Qt::SkipEmptyParts)) {
        keys << k.trimmed();
    }
    const auto months = MonthsFromKeys(keys);
    if (!months) {
        CliSupport::refuse(run.ctx, QStringLiteral("月份应写作2005年3月: ") + list);
    }
    return months;
}

// A month that is on the sheet; refused otherwise.
std::optional<BackPayMonth> sheetMonth(Run &run, BackPaySheet &sheet, const QString &key)
{
    const auto month = BackPayMonth::fromKey(key.trimmed());
    const auto months = sheet.months();
    if (!months) {
        return std::nullopt;
    }
    if (!month || !months->contains(*month)) {
        CliSupport::refuse(run.ctx, QStringLiteral("补发工资表中没有该月份: ") + key +
                                        QStringLiteral("（有: ") + MonthKeys(*months).join(u',') +
                                        QStringLiteral("）"));
        return std::nullopt;
    }
    return month;
}

// The grid as a listing: the shown columns and the months' tax, in the grid's order.
void printGrid(CliContext &ctx, const BackPayGrid &grid, bool csv, const BackPayMonths &months)
{
    QStringList taxColumns;
    for (const BackPayMonth &m : months) {
        taxColumns << m.taxColumn();
    }
    QList<int> printed;
    QStringList header;
    for (int c = 0; c < grid.columnCount(); ++c) {
        const BackPayGridColumn &col = grid.columns().at(c);
        if (col.shown || taxColumns.contains(col.name)) {
            printed << c;
            header << col.name;
        }
    }
    QList<QStringList> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList row;
        for (int c : printed) {
            row << grid.displayText(r, c);
        }
        rows << row;
    }
    CliSupport::printListing(ctx.out, header, rows, csv);
}

int start(Run &run, const QStringList &pos)
{
    int year = 0;
    int month = 0;
    if (pos.size() != 3 || !run.opts.has(QStringLiteral("--months"))) {
        return run.ctx.usageError();
    }
    if (!CliSupport::parsePeriod(run.ctx, pos[1], pos[2], year, month)) {
        return 2;
    }
    const auto months = monthsOf(run, run.opts.value(QStringLiteral("--months")));
    if (!months || !run.open()) {
        return months ? 1 : 2;
    }
    BackPaySheet sheet(run.db, run.rates, run.messages);
    // The window goes on with a pending back pay rather than start another; here starting
    // anew would silently throw the pending one away.
    if (const auto pending = sheet.pending()) {
        return CliSupport::refuse(
            run.ctx, QStringLiteral("已有未过账的补发工资（%1年%2月），请先过账或放弃（backpay "
                                    "discard）！")
                         .arg(pending->year)
                         .arg(pending->month));
    }
    const BackPayMonth period{year, month};
    if (!sheet.checkWagesPosted(period) || !sheet.checkMonths(period, *months) ||
        !sheet.start(period, *months)) {
        return run.messages.exitCode();
    }
    run.ctx.out << BackPayText::statusLine(year, month) << '\n';
    return 0;
}

int months(Run &run, const QStringList &pos)
{
    if (pos.size() != 2) {
        return run.ctx.usageError();
    }
    const auto wanted = monthsOf(run, pos[1]);
    if (!wanted) {
        return 2;
    }
    return withSheet(run, true, [&](BackPaySheet &sheet, const BackPayMonth &period) {
        if (!sheet.checkMonths(period, *wanted)) {
            return run.messages.exitCode();
        }
        const auto after = sheet.syncMonths(*wanted);
        if (!after) {
            return run.messages.exitCode();
        }
        run.ctx.out << MonthKeys(*after).join(u',') << '\n';
        return 0;
    });
}

int add(Run &run, const QStringList &pos)
{
    const bool company = run.opts.has(QStringLiteral("--company"));
    const bool dept = run.opts.has(QStringLiteral("--dept"));
    const bool emp = run.opts.has(QStringLiteral("--emp"));
    const bool argumentsOk = pos.size() == 1 && int(company) + int(dept) + int(emp) == 1;
    return withSheet(run, argumentsOk, [&](BackPaySheet &sheet, const BackPayMonth &) {
        const BackPayStaff staff =
            company ? BackPayStaff::company()
            : dept  ? BackPayStaff::department(run.opts.value(QStringLiteral("--dept")).trimmed())
                    : BackPayStaff::employee(run.opts.value(QStringLiteral("--emp")).trimmed());
        const auto added = sheet.add(staff);
        if (!added) {
            return run.messages.exitCode();
        }
        if (added->alreadyOnSheet) {
            run.ctx.out << QStringLiteral("%1 已在补发工资表中\n").arg(added->empId);
        } else {
            run.ctx.out << QStringLiteral("已添加 %1 人\n").arg(added->rows);
        }
        return 0;
    });
}

// The code of an employee on the sheet; refused when he is not on it.
std::optional<QString> onSheet(Run &run, BackPaySheet &sheet, const QString &empId)
{
    const auto code = sheet.store().storedCode(empId.trimmed());
    if (!code) {
        run.messages.showError(BackPayText::sheetFailed() + u'\n' + run.db.lastError());
        return std::nullopt;
    }
    if (code->isEmpty()) {
        run.messages.showInfo(BackPayText::notFound());
        return std::nullopt;
    }
    return code;
}

int set(Run &run, const QStringList &pos)
{
    return withSheet(run, pos.size() == 4, [&](BackPaySheet &sheet, const BackPayMonth &) {
        const auto month = sheetMonth(run, sheet, pos[2]);
        if (!month) {
            return run.messages.failed() ? 1 : 2;
        }
        const auto empId = onSheet(run, sheet, pos[1]);
        if (!empId) {
            return run.messages.exitCode();
        }
        const auto amount = sheet.readAmount(pos[3]);
        if (!amount || !sheet.setBackPay(*empId, *month, *amount)) {
            return run.messages.exitCode();
        }
        return 0;
    });
}

int column(Run &run, const QStringList &pos)
{
    QList<std::pair<QString, ColumnChange>> given;
    for (const auto &[name, change] :
         {std::pair{"--set", ColumnChange::Set}, std::pair{"--add", ColumnChange::Add},
          std::pair{"--subtract", ColumnChange::Subtract}}) {
        if (run.opts.has(QString::fromLatin1(name))) {
            given.append({QString::fromLatin1(name), change});
        }
    }
    const bool argumentsOk = pos.size() == 2 && given.size() == 1;
    return withSheet(run, argumentsOk, [&](BackPaySheet &sheet, const BackPayMonth &) {
        const auto month = sheetMonth(run, sheet, pos[1]);
        if (!month) {
            return run.messages.failed() ? 1 : 2;
        }
        const auto amount = sheet.readAmount(run.opts.value(given.first().first));
        if (!amount || !sheet.changeColumn(*month, given.first().second, *amount)) {
            return run.messages.exitCode();
        }
        return 0;
    });
}

int remove(Run &run, const QStringList &pos)
{
    return withSheet(run, pos.size() == 2, [&](BackPaySheet &sheet, const BackPayMonth &) {
        const auto empId = onSheet(run, sheet, pos[1]);
        if (!empId || !sheet.remove(*empId)) {
            return run.messages.exitCode();
        }
        return 0;
    });
}

// Prints the sheet's view; 1 when it cannot be read.
int printSheet(Run &run, BackPaySheet &sheet, bool csv)
{
    const auto months = sheet.months();
    const auto grid = months ? sheet.view() : std::nullopt;
    if (!grid) {
        return 1;
    }
    printGrid(run.ctx, *grid, csv, *months);
    return 0;
}

int show(Run &run, const QStringList &pos)
{
    return withSheet(run, pos.size() == 1, [&](BackPaySheet &sheet, const BackPayMonth &) {
        return printSheet(run, sheet, run.opts.has(QStringLiteral("--csv")));
    });
}

int post(Run &run, const QStringList &pos)
{
    if (pos.size() != 1 || !run.opts.has(QStringLiteral("--date"))) {
        return run.ctx.usageError();
    }
    const QDate date = QDate::fromString(run.opts.value(QStringLiteral("--date")), Qt::ISODate);
    if (!date.isValid()) {
        return CliSupport::refuse(run.ctx, QStringLiteral("过账日期格式应为yyyy-mm-dd！"));
    }
    if (!run.open()) {
        return 1;
    }
    CountingProgress progress;
    const BackPayPostResult result = PostBackPay(run.db, run.rates, date, progress);
    switch (result.outcome) {
    case BackPayPostResult::Outcome::Posted:
        run.ctx.out << BackPayText::postDone() << '\n';
        return 0;
    case BackPayPostResult::Outcome::NothingToPost:
        return CliSupport::refuse(run.ctx, BackPayText::nothingToPost());
    case BackPayPostResult::Outcome::Failed:
        break;
    }
    run.ctx.err << BackPayText::postFailed() << '\n';
    if (!result.error.isEmpty()) {
        run.ctx.err << result.error << '\n';
    }
    return 1;
}

int query(Run &run, const QStringList &pos)
{
    int year = 0;
    int month = 0;
    if (pos.size() != 3) {
        return run.ctx.usageError();
    }
    if (!CliSupport::parsePeriod(run.ctx, pos[1], pos[2], year, month)) {
        return 2;
    }
    if (!run.open()) {
        return 1;
    }
    const bool csv = run.opts.has(QStringLiteral("--csv"));
    const BackPayQueryAnswer answer = FindBackPay(run.db, BackPayMonth{year, month});
    if (answer.posted) {
        const auto grid = ReadBackPayQuery(run.db, *answer.posted);
        if (!grid) {
            run.messages.showError(BackPayText::sheetFailed() + u'\n' + run.db.lastError());
            return 1;
        }
        printGrid(run.ctx, *grid, csv, {});
        return 0;
    }
    if (answer.pending) {
        // The window opens the pending sheet of the period instead.
        BackPaySheet sheet(run.db, run.rates, run.messages);
        return printSheet(run, sheet, csv);
    }
    return CliSupport::refuse(run.ctx, BackPayText::noBackPayOf(year, month));
}

int discard(Run &run, const QStringList &pos)
{
    if (pos.size() != 1) {
        return run.ctx.usageError();
    }
    if (!run.open()) {
        return 1;
    }
    BackPaySheet sheet(run.db, run.rates, run.messages);
    return sheet.discard() ? 0 : 1;
}

int backPay(CliContext &ctx)
{
    const CliOptions any(
        {"--db", "--months", "--dept", "--emp", "--set", "--add", "--subtract", "--date"},
        {"--company", "--csv"});
    const auto opts = CliSupport::parseSubCommand(ctx, any, subOptions);
    if (!opts) {
        return 2;
    }
    const QStringList &pos = opts->positional();
    const QString sub = pos.value(0);
    Run run(ctx, *opts);
    using Handler = int (*)(Run &, const QStringList &);
    static const QList<std::pair<QString, Handler>> subs{
        {"start", start},   {"months", months},  {"add", add},   {"set", set},
        {"column", column}, {"remove", remove},  {"show", show}, {"post", post},
        {"query", query},   {"discard", discard}};
    for (const auto &[name, handler] : subs) {
        if (sub == name) {
            return handler(run, pos);
        }
    }
    return ctx.usageError();
}

const CliCommand command("backpay", kUsage, backPay);

} // namespace
