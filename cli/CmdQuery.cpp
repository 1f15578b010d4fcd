// corvane-cli query …: the wage and tax queries with the rows their windows show (total row
// included), as a header line and tab-separated rows, as CSV (--csv) or as a workbook
// (--xlsx FILE). A refusal prints the window's message on standard error and exits with 2;
// where the window would open the name picker the candidates are listed and the exit is 2.

#include "Command.h"

#include "base/Password.h"
#include "base/WorkbookWriter.h"
#include "db/Database.h"
#include "queries/AnnualTaxSummary.h"
#include "queries/QueryTexts.h"
#include "queries/TaxQueries.h"
#include "queries/ThreeFundStatistics.h"
#include "queries/WageReports.h"

#include <QHash>

namespace {

const char *const kUsage =
    "query wage-list|dept-sums|bank 年 月 [--dept 部门] | personal-wage 年 (--emp 编号 | --name "
    "姓名) | "
    "high-income 年 月 --limit 金额 [--foreign] | payout 年 月 [--emp 编号 | --name 姓名] | "
    "annual-tax 年 (--emp 编号 | --name 姓名) | funds 年 [--dept 部门] --fund "
    "养老保险金|医疗保险金|住房公积金 "
    "[--csv | --xlsx 文件] [--db 文件]";

int usage(CliContext &ctx)
{
    ctx.err << "用法: corvane-cli " << QString::fromUtf8(kUsage) << '\n';
    return 2;
}

// The arguments of one query: its positional values and its options, each known, given at
// most once and, where it takes one, with its value.
struct Parsed
{
    QStringList positional;
    QHash<QString, QString> options;
    QString error;

    bool has(const QString &name) const { return options.contains(name); }
    QString value(const QString &name) const { return options.value(name); }
};

Parsed parse(const QStringList &args, const QStringList &valued, const QStringList &flags)
{
    Parsed p;
    const QStringList allValued = valued + QStringList{"--xlsx", "--db"};
    const QStringList allFlags = flags + QStringList{"--csv"};
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (!a.startsWith(QLatin1String("--"))) {
            p.positional << a;
            continue;
        }
        if (!allValued.contains(a) && !allFlags.contains(a)) {
            p.error = QStringLiteral("未知的选项: ") + a;
            return p;
        }
        if (p.options.contains(a)) {
            p.error = QStringLiteral("选项重复: ") + a;
            return p;
        }
        if (allValued.contains(a)) {
            if (i + 1 >= args.size() || args.at(i + 1).startsWith(QLatin1String("--"))) {
                p.error = QStringLiteral("选项缺少值: ") + a;
                return p;
            }
            p.options.insert(a, args.at(++i));
        } else {
            p.options.insert(a, QString());
        }
    }
    if (p.has("--csv") && p.has("--xlsx")) {
        p.error = QStringLiteral("--csv 与 --xlsx 只能选一个");
    }
    return p;
}

// Tabs and line breaks inside a value would break the listing's lines and columns.
QString tsvField(const QString &text)
{
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void printRow(CliContext &ctx, const QStringList &cells, bool csv)
{
    QStringList fields;
    for (const QString &c : cells) {
        fields << (csv ? csvField(c) : tsvField(c));
    }
    ctx.out << fields.join(csv ? u',' : u'\t') << (csv ? "\r\n" : "\n");
}

bool writeWorkbook(const QString &path, const QString &sheet, const ResultGrid &grid)
{
    WorkbookWriter writer(path, sheet);
    if (!writer.isOpen()) {
        return false;
    }
    writer.writeHeader(grid.columnNames());
    for (int r = 0; r < grid.rowCount(); ++r) {
        QVariantList values;
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.isMoney(c)) {
                const auto amount = grid.amount(r, c);
                values << (amount ? QVariant::fromValue(*amount) : QVariant());
            } else {
                values << grid.textView(r, c).toString();
            }
        }
        writer.writeRow(values);
    }
    return writer.close();
}

int output(CliContext &ctx, const Parsed &p, const ResultGrid &grid, const QString &sheet)
{
    if (p.has("--xlsx")) {
        if (!writeWorkbook(p.value("--xlsx"), sheet, grid)) {
            ctx.err << "写入文件失败: " << p.value("--xlsx") << '\n';
            return 1;
        }
        ctx.out << "已写入 " << p.value("--xlsx") << '\n';
        return 0;
    }
    const bool csv = p.has("--csv");
    printRow(ctx, grid.columnNames(), csv);
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c) {
            cells << grid.displayText(r, c);
        }
        printRow(ctx, cells, csv);
    }
    return 0;
}

int show(CliContext &ctx, const Parsed &p, const QueryRun &run, const QString &sheet)
{
    if (!run.ok()) {
        ctx.err << run.refusal << '\n';
        return 2;
    }
    return output(ctx, p, *run.grid, sheet);
}

// Where the window would open the name picker: the candidates, and no result.
bool refuseSeveral(CliContext &ctx, Database &db, const Parsed &p)
{
    const EmpLookup found = LookupEmployee(db, p.value("--emp"), p.value("--name"));
    if (found.outcome != EmpLookup::Outcome::Several) {
        return false;
    }
    ctx.err << "有多名员工的姓名包含“" << p.value("--name").trimmed()
            << "”，请用 --emp 指定其中一人:\n";
    printRow(ctx, {"人员编号", "姓名", "性别", "身份证号", "状态", "国籍"}, p.has("--csv"));
    for (const EmpPickRow &e : found.candidates) {
        printRow(
            ctx,
            {e.empId, e.empName, e.sex, e.idCardNo, e.empState == 1 ? "在职" : "离职", e.empType},
            p.has("--csv"));
    }
    return true;
}

const EmpPicker kNoPicker = [](const QString &) { return QString(); };

int run(CliContext &ctx, const QString &sub, const Parsed &p, Database &db)
{
    const QStringList &pos = p.positional;
    if (sub == QLatin1String("wage-list") || sub == QLatin1String("dept-sums") ||
        sub == QLatin1String("bank")) {
        if (pos.size() != 2) {
            return usage(ctx);
        }
        const WageReport kind = sub == QLatin1String("wage-list")   ? WageReport::WageList
                                : sub == QLatin1String("dept-sums") ? WageReport::DeptSums
                                                                    : WageReport::BankList;
        const QString sheet = kind == WageReport::WageList   ? QueryText::ExportWageList
                              : kind == WageReport::DeptSums ? QueryText::ExportDeptSums
                                                             : QueryText::ExportBankList;
        return show(ctx, p, RunWageReport(db, kind, {pos[0], pos[1], p.value("--dept")}), sheet);
    }
    if (sub == QLatin1String("high-income")) {
        if (pos.size() != 2) {
            return usage(ctx);
        }
        const QString type = p.has("--foreign") ? QStringLiteral("外方") : QStringLiteral("中方");
        return show(ctx, p, RunHighIncome(db, {pos[0], pos[1], p.value("--limit"), type}),
                    QueryText::ExportHighIncome);
    }
    if (sub == QLatin1String("funds")) {
        const QString fund = p.value("--fund");
        const int f = ThreeFund::fundColumns().indexOf(fund);
        if (pos.size() != 1 || f < 0) {
            return usage(ctx);
        }
        const ThreeFund::Run funds = ThreeFund::run(db, pos[0], p.value("--dept"));
        if (!funds.refusal.isEmpty() || !funds.grids[f]) {
            ctx.err << QueryText::NoData << '\n';
            return 2;
        }
        return output(ctx, p, *funds.grids[f], QueryText::ExportFunds.at(f));
    }
    // The personal queries.
    const bool withMonth = sub == QLatin1String("payout");
    if (pos.size() != (withMonth ? 2 : 1)) {
        return usage(ctx);
    }
    if (refuseSeveral(ctx, db, p)) {
        return 2;
    }
    if (sub == QLatin1String("personal-wage")) {
        return show(ctx, p,
                    RunPersonalWage(db, {pos[0], p.value("--emp"), p.value("--name")}, kNoPicker),
                    QueryText::ExportPersonalWage);
    }
    if (sub == QLatin1String("annual-tax")) {
        return show(ctx, p,
                    RunAnnualTax(db, {pos[0], p.value("--emp"), p.value("--name")}, kNoPicker),
                    QueryText::ExportAnnualTax);
    }
    return show(ctx, p,
                RunPayout(db, {pos[0], pos[1], p.value("--emp"), p.value("--name")}, kNoPicker),
                QueryText::ExportPayout);
}

int query(CliContext &ctx)
{
    if (ctx.args.isEmpty()) {
        return usage(ctx);
    }
    const QString sub = ctx.args.first();
    const QStringList rest = ctx.args.mid(1);
    const QStringList person{"--emp", "--name"};
    const QHash<QString, std::pair<QStringList, QStringList>> options{
        {"wage-list", {{"--dept"}, {}}},
        {"dept-sums", {{}, {}}},
        {"bank", {{}, {}}},
        {"personal-wage", {person, {}}},
        {"high-income", {{"--limit"}, {"--foreign"}}},
        {"payout", {person, {}}},
        {"annual-tax", {person, {}}},
        {"funds", {{"--dept", "--fund"}, {}}}};
    if (!options.contains(sub)) {
        return usage(ctx);
    }
    const Parsed p = parse(rest, options[sub].first, options[sub].second);
    if (!p.error.isEmpty()) {
        ctx.err << p.error << '\n';
        return usage(ctx);
    }
    if (p.has("--emp") && p.has("--name")) {
        ctx.err << "--emp 与 --name 只能选一个\n";
        return 2;
    }
    Database db;
    if (!db.open(CliArgs::databasePath(rest), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return 1;
    }
    return run(ctx, sub, p, db);
}

const CliCommand kQuery("query", kUsage, query);

} // namespace
