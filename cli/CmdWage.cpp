// corvane-cli wage …: the monthly wage sheet, as the wage window keeps it: generation,
// amounts, temporary staff, computation, clearing drafts, the sheet as shown, posting.

#include "CliSupport.h"

#include "base/Progress.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "org/EmpRules.h"
#include "org/EmployeeStore.h"
#include "org/OrgTypes.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageGeneration.h"
#include "payroll/WageItemRules.h"
#include "payroll/WagePosting.h"
#include "payroll/WageSheet.h"
#include "payroll/WageSheetModel.h"
#include "payroll/WageSheetStore.h"
#include "tax/TaxRates.h"
#include "tax/TaxTexts.h"

#include <QDate>

namespace {

const QString kUsage = QStringLiteral(
    "wage generate 年 月 [--copy] [--continue|--replace] | set 年 月 员工编号 列 金额 | "
    "add-temp 年 月 员工编号 | remove-temp 年 月 员工编号 | compute 年 月 | clear-drafts | "
    "show 年 月 [--csv] | post 年 月 --date yyyy-mm-dd  [--db 文件]");
const QStringList kValued{"--db", "--date"};
const QStringList kKnown = kValued + QStringList{"--copy", "--continue", "--replace", "--csv"};

// The parts every sub-command needs: the database, the rate sets, the messages.
struct Run
{
    explicit Run(CliContext &c) : ctx(c), messages(c.err) {}

    bool open()
    {
        if (!CliSupport::openDatabase(ctx, db)) {
            return false;
        }
        LoadAllTaxRates(db, rates, messages);
        return true;
    }

    // The month's draft sheet, with the catalogue's columns made first as the window does.
    // Refusals are printed; false then.
    bool loadDraft(WageSheet &sheet, int year, int month)
    {
        if (!AddMissingItemColumns(db)) {
            messages.showError(WageText::UpdateWageFailed);
            return false;
        }
        const auto row = WageSheetStore(db).anyRowOf(year, month);
        if (!row) {
            messages.showError(WageText::DbQueryFailed);
            return false;
        }
        if (!*row) {
            messages.showInfo(WageText::NoSheetData(year, month));
            return false;
        }
        if ((*row)->state != WageText::Draft) {
            messages.showInfo(WageText::NoChangeToPosted);
            return false;
        }
        if (!sheet.load(year, month, (*row)->times)) {
            messages.showError(sheet.lastError());
            return false;
        }
        return true;
    }

    CliContext &ctx;
    Database db;
    TaxRates rates;
    CliMessages messages;
};

int generate(Run &run, int year, int month)
{
    CliContext &ctx = run.ctx;
    const bool continues = CliArgs::flag(ctx.args, "--continue");
    const bool replaces = CliArgs::flag(ctx.args, "--replace");
    if (continues && replaces) {
        return CliSupport::refuse(ctx, QStringLiteral("--continue 与 --replace 只能选一个"));
    }
    // The question about the month's draft is answered by the flags; without one it is the
    // refusal.
    run.messages.answer = [&](const QString &) -> std::optional<bool> {
        if (continues || replaces) {
            return continues;
        }
        return std::nullopt;
    };
    WageSheetStore store(run.db);
    const SheetPeriodChoice choice = CheckSheetPeriod(store, run.messages, year, month, 1);
    if (run.messages.refused()) {
        return run.messages.exitCode();
    }
    if (choice.refused()) {
        run.messages.showError(WageText::DbQueryFailed); // the month rule could not read Wage
        return 1;
    }
    CountingProgress progress;
    const auto sheetRun = GenerateWageSheet(run.db, run.rates, run.messages, year, month, choice,
                                            CliArgs::flag(ctx.args, "--copy"), progress);
    if (!sheetRun) {
        return run.messages.exitCode();
    }
    if (choice.continues()) {
        ctx.out << QStringLiteral("延用%1年%2月的草稿\n").arg(year).arg(month);
    } else {
        ctx.out << QStringLiteral("已生成%1年%2月工资，%3人\n")
                       .arg(year)
                       .arg(month)
                       .arg(progress.steps);
    }
    return 0;
}

int setAmount(Run &run, int year, int month, const QStringList &pos)
{
    WageSheet sheet(run.db, run.rates);
    if (!run.loadDraft(sheet, year, month)) {
        return run.messages.exitCode();
    }
    const int row = sheet.findEmployee(pos[3]);
    if (row < 0) {
        return CliSupport::refuse(run.ctx, EmpText::NotFound);
    }
    const int column = sheet.layout().indexOf(pos[4]);
    if (column < 0 || !sheet.layout().isEditable(column)) {
        return CliSupport::refuse(run.ctx, QStringLiteral("只能修改本月的工资项目和一次性奖金！"));
    }
    if (!MoneyTextFits(pos[5])) {
        return CliSupport::refuse(run.ctx, TaxText::amountTooLarge());
    }
    const auto amount = TextToMoney(pos[5]);
    if (!amount) {
        return CliSupport::refuse(run.ctx, TaxText::notAnAmount(pos[5]));
    }
    if (!sheet.setAmount(row, column, *amount)) {
        run.messages.showError(sheet.lastError());
        return 1;
    }
    const WageRow &r = sheet.row(row);
    const auto figure = [&](WageResult w) {
        return FormatMoney(r.amount(sheet.layout().column(w)));
    };
    run.ctx.out << r.empId() << '\t' << sheet.layout().name(column) << '\t'
                << FormatMoney(r.amount(column)) << '\t' << "应发工资 " << figure(WageResult::Gross)
                << '\t' << "纳税额 " << figure(WageResult::Tax) << '\t' << "实发工资 "
                << figure(WageResult::Net) << '\n';
    return 0;
}

int addTemp(Run &run, int year, int month, const QString &empId)
{
    WageSheet sheet(run.db, run.rates);
    if (!run.loadDraft(sheet, year, month)) {
        return run.messages.exitCode();
    }
    EmployeeStore employees(run.db);
    const auto found = employees.byId(empId.trimmed());
    if (!found) {
        run.messages.showError(EmpText::QueryFailed);
        return 1;
    }
    // The picker offers the temporary staff only.
    if (found->isEmpty() || found->first().deptId != kTempDeptId) {
        return CliSupport::refuse(run.ctx, QStringLiteral("未找到该临时员工！"));
    }
    const EmployeeRecord &e = found->first();
    const RdEmployee emp{e.empId, e.empName, e.deptId, WageText::TempDeptName, e.empType};
    if (!sheet.addTempEmployee(run.messages, emp)) {
        return run.messages.exitCode();
    }
    run.ctx.out << "已添加临时人员 " << e.empId << '\n';
    return 0;
}

int removeTemp(Run &run, int year, int month, const QString &empId)
{
    WageSheet sheet(run.db, run.rates);
    if (!run.loadDraft(sheet, year, month)) {
        return run.messages.exitCode();
    }
    const int row = sheet.findEmployee(empId);
    if (row < 0) {
        return CliSupport::refuse(run.ctx, EmpText::NotFound);
    }
    if (!sheet.removeTempEmployee(run.messages, row)) {
        return run.messages.exitCode();
    }
    run.ctx.out << "已删除临时人员 " << empId << '\n';
    return 0;
}

int compute(Run &run, int year, int month)
{
    WageSheet sheet(run.db, run.rates);
    if (!run.loadDraft(sheet, year, month)) {
        return run.messages.exitCode();
    }
    CountingProgress progress;
    if (!sheet.computeAll(run.messages, progress)) {
        return run.messages.exitCode();
    }
    run.ctx.out
        << QStringLiteral("已计算%1年%2月工资，%3人\n").arg(year).arg(month).arg(progress.steps);
    return 0;
}

int show(Run &run, int year, int month)
{
    WageSheet sheet(run.db, run.rates);
    WageSheetModel model(sheet);
    if (!model.browse(run.messages, year, month)) {
        return run.messages.exitCode();
    }
    // The columns the window shows, the bonus always.
    model.showBonusColumn();
    QList<int> columns;
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c) {
        if (!model.isHiddenColumn(c)) {
            columns << c;
            header << model.headerData(c, Qt::Horizontal).toString();
        }
    }
    QList<QStringList> rows;
    rows.reserve(model.rowCount());
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList values;
        values.reserve(columns.size());
        for (int c : columns) {
            values << model.data(model.index(r, c)).toString();
        }
        rows << values;
    }
    CliSupport::printListing(run.ctx.out, header, rows, CliArgs::flag(run.ctx.args, "--csv"));
    return 0;
}

int post(Run &run, int year, int month)
{
    const QString dateText = CliArgs::option(run.ctx.args, "--date");
    const QDate date = QDate::fromString(dateText, Qt::ISODate);
    if (!date.isValid()) {
        return CliSupport::refuse(run.ctx, QStringLiteral("过账日期格式应为yyyy-mm-dd！"));
    }
    WageSheetStore store(run.db);
    const auto posted = store.isMonthPosted(year, month);
    const auto row = store.anyRowOf(year, month);
    if (!posted || !row) {
        run.messages.showError(WageText::DbQueryFailed);
        return 1;
    }
    if (*posted) {
        return CliSupport::refuse(run.ctx, WageText::AlreadyPosted);
    }
    if (!*row) {
        return CliSupport::refuse(run.ctx, WageText::NothingToPost);
    }
    CountingProgress progress;
    if (!PostWageSheet(run.db, run.rates, run.messages, FormatDateISO(date), year, month,
                       (*row)->times, progress)) {
        return run.messages.exitCode();
    }
    run.ctx.out << QStringLiteral("已过账%1年%2月工资\n").arg(year).arg(month);
    return 0;
}

int wageCommand(CliContext &ctx)
{
    if (!CliSupport::onlyKnownOptions(ctx, kKnown)) {
        return 2;
    }
    const QStringList pos = CliArgs::positional(ctx.args, kValued);
    const QString sub = pos.value(0);
    static const QHash<QString, int> argCount{
        {"generate", 3}, {"set", 6},          {"add-temp", 4}, {"remove-temp", 4},
        {"compute", 3},  {"clear-drafts", 1}, {"show", 3},     {"post", 3}};
    if (!argCount.contains(sub) || pos.size() != argCount.value(sub)) {
        return CliSupport::usage(ctx, kUsage);
    }
    int year = 0;
    int month = 0;
    if (sub != QLatin1String("clear-drafts") &&
        !CliSupport::parsePeriod(ctx, pos[1], pos[2], year, month)) {
        return 2;
    }
    Run run(ctx);
    if (!run.open()) {
        return 1;
    }
    if (sub == QLatin1String("generate")) {
        return generate(run, year, month);
    }
    if (sub == QLatin1String("set")) {
        return setAmount(run, year, month, pos);
    }
    if (sub == QLatin1String("add-temp")) {
        return addTemp(run, year, month, pos[3]);
    }
    if (sub == QLatin1String("remove-temp")) {
        return removeTemp(run, year, month, pos[3]);
    }
    if (sub == QLatin1String("compute")) {
        return compute(run, year, month);
    }
    if (sub == QLatin1String("show")) {
        return show(run, year, month);
    }
    if (sub == QLatin1String("post")) {
        return post(run, year, month);
    }
    WageSheet sheet(run.db, run.rates);
    if (!sheet.clearDrafts(run.messages)) {
        return run.messages.exitCode();
    }
    ctx.out << "已清除草稿中数据\n";
    return 0;
}

const CliCommand wage("wage",
                      "wage generate|set|add-temp|remove-temp|compute|clear-drafts|show|post …  "
                      "工资计算",
                      wageCommand);

} // namespace
