// corvane-cli dept … and emp …: set up and inspect the organisation with the same rules and
// messages as the department and employee dialogs. A refusal prints the dialog's message on
// standard error and exits with 2; a database failure exits with 1.

#include "Command.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/Password.h"
#include "base/SafeText.h"
#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/DeptRules.h"
#include "org/DeptTree.h"
#include "org/EmpRules.h"
#include "org/EmployeeImport.h"
#include "org/EmployeeStore.h"

namespace {

// The options of each sub-command; anything else is refused.
CliOptions deptOptions(const QString &sub)
{
    if (sub == QLatin1String("add") || sub == QLatin1String("rename")) {
        return CliOptions({QStringLiteral("--db"), QStringLiteral("--remark")});
    }
    return CliOptions({QStringLiteral("--db")});
}

CliOptions empOptions(const QString &sub)
{
    if (sub == QLatin1String("list")) {
        return CliOptions(
            {QStringLiteral("--db"), QStringLiteral("--dept"), QStringLiteral("--search")},
            {QStringLiteral("--all")});
    }
    if (sub == QLatin1String("add")) {
        return CliOptions({"--db", "--dept", "--idcard", "--sex", "--type", "--nationality",
                           "--tel", "--address", "--remark", "--bank", "--card", "--start",
                           "--end"});
    }
    return CliOptions({QStringLiteral("--db")});
}

// Reads the sub-command and its options: the positional arguments, the sub-command first.
bool parseSub(CliContext &ctx, CliOptions &opts, QStringList &pos)
{
    if (!ctx.parse(opts)) {
        return false;
    }
    pos = opts.positional();
    return true;
}

bool openDb(CliContext &ctx, const CliOptions &opts, Database &db)
{
    if (!db.open(CliArgs::databasePath(opts), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return false;
    }
    return true;
}

// After the program's own message, the engine's words say what went wrong ("database is
// locked", "attempt to write a readonly database").
int failed(CliContext &ctx, const Database &db, int code = 1)
{
    if (code == 1 && !db.lastError().isEmpty()) {
        ctx.err << db.lastError() << '\n';
    }
    return code;
}

int refuse(CliContext &ctx, const QString &text)
{
    ctx.err << text << '\n';
    return 2;
}

int usage(CliContext &ctx, const char *text)
{
    ctx.err << "用法: corvane-cli " << QString::fromUtf8(text) << '\n';
    return 2;
}

int deptExit(const DeptCheckResult &r)
{
    switch (r.check) {
    case DeptCheck::Ok: return 0;
    case DeptCheck::QueryFailed:
    case DeptCheck::SaveFailed: return 1;
    default: return 2;
    }
}

int empExit(const EmpCheckResult &r)
{
    switch (r.check) {
    case EmpCheck::Ok: return 0;
    case EmpCheck::QueryFailed:
    case EmpCheck::SaveFailed: return 1;
    default: return 2;
    }
}

int deptList(CliContext &ctx, Database &db)
{
    DepartmentStore store(db);
    const auto rows = store.treeRows();
    if (!rows) {
        ctx.err << DeptText::QueryFailed << '\n';
        return failed(ctx, db);
    }
    const auto e = [](const QString &text) { return EscapeForListing(text); };
    for (const DeptRecord &d : *rows) {
        ctx.out << e(d.deptId) << '\t' << e(d.deptName) << '\t' << d.deptLevel << '\t'
                << e(d.fatherId) << '\t' << e(d.deptLevelId) << '\t' << e(d.remark) << '\n';
    }
    return 0;
}

int deptCommand(CliContext &ctx)
{
    CliOptions opts = deptOptions(ctx.args.value(0));
    QStringList pos;
    if (!parseSub(ctx, opts, pos)) {
        return 2;
    }
    const QString sub = pos.value(0);
    Database db;
    if (sub == QLatin1String("list")) {
        if (pos.size() != 1) {
            return usage(ctx, "dept list");
        }
        return openDb(ctx, opts, db) ? deptList(ctx, db) : 1;
    }
    StderrMessageService messages;
    if (sub == QLatin1String("add")) {
        if (pos.size() != 3) {
            return usage(ctx, "dept add 编号 名称 [--remark 说明]");
        }
        if (!openDb(ctx, opts, db)) {
            return 1;
        }
        DepartmentStore store(db);
        const DeptInput input{pos[1], pos[2], opts.value(QStringLiteral("--remark"))};
        const DeptCheckResult r = SaveDept(store, messages, input, DeptEditState{});
        if (r.ok()) {
            ctx.out << "已添加部门 " << pos[1].trimmed() << '\n';
        }
        return failed(ctx, db, deptExit(r));
    }
    if (sub == QLatin1String("rename")) {
        if (pos.size() != 3) {
            return usage(ctx, "dept rename 编号 新名称 [--remark 说明]");
        }
        if (!openDb(ctx, opts, db)) {
            return 1;
        }
        DepartmentStore store(db);
        const auto found = store.byCode(pos[1].trimmed());
        if (!found) {
            ctx.err << DeptText::QueryFailed << '\n';
            return failed(ctx, db);
        }
        if (found->isEmpty()) {
            return refuse(ctx, DeptText::NotFound);
        }
        // The code as stored: the one typed may differ in case.
        const QString code = found->first().deptId;
        if (code == kRootDeptId || code == kTempDeptId) {
            return refuse(ctx, QStringLiteral("该部门不能修改！"));
        }
        DeptEditState state;
        state.adding = false;
        state.editedCode = code;
        state.loadedName = found->first().deptName.trimmed();
        const DeptInput input{code, pos[2],
                              opts.value(QStringLiteral("--remark"), found->first().remark)};
        const DeptCheckResult r = SaveDept(store, messages, input, state);
        if (r.ok()) {
            ctx.out << "已修改部门 " << code << '\n';
        }
        return failed(ctx, db, deptExit(r));
    }
    if (sub == QLatin1String("delete")) {
        if (pos.size() != 2) {
            return usage(ctx, "dept delete 编号");
        }
        if (!openDb(ctx, opts, db)) {
            return 1;
        }
        DepartmentStore store(db);
        const auto found = store.byCode(pos[1].trimmed());
        if (!found) {
            ctx.err << DeptText::QueryFailed << '\n';
            return failed(ctx, db);
        }
        if (found->isEmpty()) {
            return refuse(ctx, DeptText::NotFound);
        }
        const QString code = found->first().deptId;
        if (code == kRootDeptId || code == kTempDeptId) {
            return refuse(ctx, QStringLiteral("该部门不能删除！"));
        }
        switch (DeleteDept(store, messages, code)) {
        case DeptDeleteResult::Deleted: ctx.out << "已删除部门 " << code << '\n'; return 0;
        case DeptDeleteResult::Failed:
            return failed(ctx, db);
        default: return 2;
        }
    }
    return usage(ctx, "dept list|add|rename|delete …");
}

int empList(CliContext &ctx, const CliOptions &opts, Database &db)
{
    EmployeeStore store(db);
    std::optional<std::vector<EmployeeListRow>> rows;
    const QString search = opts.value(QStringLiteral("--search")).trimmed();
    if (!search.isEmpty()) {
        rows = store.search(search);
    } else {
        QString prefix = kRootDeptId;
        const QString dept = opts.value(QStringLiteral("--dept")).trimmed();
        if (!dept.isEmpty() && dept != kRootDeptId) {
            const auto found = DepartmentStore(db).byCode(dept);
            if (!found) {
                // Without the department's hierarchical code the prefix would match everyone.
                ctx.err << DeptText::QueryFailed << '\n';
                return failed(ctx, db);
            }
            if (found->isEmpty()) {
                return refuse(ctx, DeptText::NotFound);
            }
            prefix = found->first().deptLevelId;
        }
        rows = store.listSubtree(prefix, opts.has(QStringLiteral("--all")));
    }
    if (!rows) {
        ctx.err << EmpText::QueryFailed << '\n';
        return failed(ctx, db);
    }
    const auto x = [](QStringView text) { return EscapeForListing(text); };
    for (const EmployeeListRow &e : *rows) {
        ctx.out << x(e.empId()) << '\t' << x(e.empName()) << '\t' << x(e.deptId()) << '\t'
                << x(e.deptName()) << '\t' << x(e.idCardNo()) << '\t' << x(e.sex()) << '\t'
                << x(e.empType()) << '\t' << x(e.nationality()) << '\t'
                << (e.empState == 1 ? "在职" : "离职") << '\t' << x(e.startDate()) << '\t'
                << x(e.endDate()) << '\n';
    }
    return 0;
}

int empAdd(CliContext &ctx, const CliOptions &opts, Database &db, const QStringList &pos)
{
    StderrMessageService messages;
    const auto option = [&](const char *name, const QString &fallback = {}) {
        return opts.value(QString::fromLatin1(name), fallback);
    };
    const QString dept = option("--dept").trimmed();
    if (dept.isEmpty() || dept == kRootDeptId) {
        return refuse(ctx, QStringLiteral("请选择部门！"));
    }
    const auto found = DepartmentStore(db).byCode(dept);
    if (!found) {
        ctx.err << DeptText::QueryFailed << '\n';
        return failed(ctx, db);
    }
    if (found->isEmpty()) {
        return refuse(ctx, DeptText::NotFound);
    }
    EmpInput in;
    in.fields.empId = pos.value(1);
    in.fields.empName = pos.value(2);
    in.fields.idCardNo = option("--idcard");
    in.fields.sex = option("--sex", QStringLiteral("男"));
    in.fields.empType = option("--type", kDomestic);
    if (in.fields.sex != QStringLiteral("男") && in.fields.sex != QStringLiteral("女")) {
        return refuse(ctx, QStringLiteral("性别只能为\"男\"或\"女\"！"));
    }
    if (in.fields.empType != kDomestic && in.fields.empType != kForeign) {
        return refuse(ctx, QStringLiteral("员工类型只能为\"中方\"或\"外方\"！"));
    }
    in.fields.nationality = option("--nationality", NationalityDefault(in.fields.empType));
    in.fields.tel = option("--tel");
    in.fields.address = option("--address");
    in.fields.remark = option("--remark");
    in.fields.bankName = option("--bank");
    in.fields.cardNo = option("--card");

    const auto date = [&](const char *name, QDate &out) {
        const QString text = option(name);
        out = text.isEmpty() ? Today() : QDate::fromString(text, Qt::ISODate);
        return out.isValid();
    };
    if (!date("--start", in.entryDate) || !date("--end", in.departureDate)) {
        return refuse(ctx, QStringLiteral("日期格式应为yyyy-mm-dd！"));
    }
    in.inService = !opts.has(QStringLiteral("--end"));

    EmpEditState state;
    state.deptId = found->first().deptId;
    EmployeeStore store(db);
    const EmpCheckResult r = SaveEmp(store, messages, in, state);
    if (r.ok()) {
        ctx.out << "已添加员工 " << in.fields.empId.trimmed() << '\n';
    }
    return failed(ctx, db, empExit(r));
}

int empMove(CliContext &ctx, Database &db, const QStringList &pos)
{
    StderrMessageService messages;
    EmployeeStore store(db);
    const auto emp = store.byId(pos[1].trimmed());
    const auto target = DepartmentStore(db).byCode(pos[2].trimmed());
    if (!emp || !target) {
        ctx.err << EmpText::QueryFailed << '\n';
        return failed(ctx, db);
    }
    if (emp->isEmpty()) {
        return refuse(ctx, EmpText::NotFound);
    }
    if (target->isEmpty()) {
        return refuse(ctx, DeptText::NotFound);
    }
    // Codes as stored; the typed ones may differ in case.
    const QString empId = emp->first().empId;
    const QString deptId = target->first().deptId;
    // The dialog offers every department but the employee's own.
    const bool offered = deptId != emp->first().deptId;
    switch (TransferEmp(store, messages, empId, offered ? deptId : QString())) {
    case EmpMoveResult::Moved: ctx.out << "已调动员工 " << empId << '\n'; return 0;
    case EmpMoveResult::Failed:
        return failed(ctx, db);
    default: return 2;
    }
}

int empImport(CliContext &ctx, Database &db, const QString &file)
{
    const EmpImportResult r = ImportEmployees(db, file);
    for (const QString &problem : r.problems) {
        ctx.err << problem << '\n';
    }
    if (!r.failure.isEmpty()) {
        ctx.err << r.failure << '\n';
        return 1;
    }
    if (!r.ok()) {
        return 2;
    }
    ctx.out << "已导入员工 " << r.imported << " 人\n";
    return 0;
}

int empCommand(CliContext &ctx)
{
    CliOptions opts = empOptions(ctx.args.value(0));
    QStringList pos;
    if (!parseSub(ctx, opts, pos)) {
        return 2;
    }
    const QString sub = pos.value(0);
    Database db;
    if (sub == QLatin1String("list")) {
        if (pos.size() != 1) {
            return usage(ctx, "emp list [--dept 编号] [--all] [--search 文本]");
        }
        return openDb(ctx, opts, db) ? empList(ctx, opts, db) : 1;
    }
    if (sub == QLatin1String("add")) {
        if (pos.size() != 3) {
            return usage(ctx, "emp add 编号 姓名 --dept 部门编号 --idcard 身份证号 [--sex 男|女] "
                              "[--type 中方|外方] [--nationality 国籍] [--tel] [--address] "
                              "[--remark] [--bank] [--card] [--start yyyy-mm-dd] [--end yyyy-mm-dd]");
        }
        return openDb(ctx, opts, db) ? empAdd(ctx, opts, db, pos) : 1;
    }
    if (sub == QLatin1String("import")) {
        if (pos.size() != 2) {
            return usage(ctx, "emp import 文件.csv");
        }
        return openDb(ctx, opts, db) ? empImport(ctx, db, pos[1]) : 1;
    }
    if (sub == QLatin1String("move")) {
        if (pos.size() != 3) {
            return usage(ctx, "emp move 编号 调入部门编号");
        }
        return openDb(ctx, opts, db) ? empMove(ctx, db, pos) : 1;
    }
    return usage(ctx, "emp list|add|move|import …");
}

const CliCommand dept("dept",
                      "dept list | add 编号 名称 [--remark 说明] | rename 编号 新名称 | delete 编号"
                      "  [--db 文件]  部门维护",
                      deptCommand);
const CliCommand emp("emp",
                     "emp list [--dept 编号] [--all] [--search 文本] | add 编号 姓名 --dept 编号 "
                     "--idcard 号码 […] | move 编号 部门编号 | import 文件.csv  [--db 文件]  员工维护",
                     empCommand);

} // namespace
