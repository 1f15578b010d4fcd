// corvane-cli dept … and emp …: set up and inspect the organisation with the same rules and
// messages as the department and employee dialogs. A refusal prints the dialog's message on
// standard error and exits with 2; a database failure exits with 1.

#include "Command.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/Password.h"
#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/DeptRules.h"
#include "org/DeptTree.h"
#include "org/EmpRules.h"
#include "org/EmployeeImport.h"
#include "org/EmployeeStore.h"

namespace {

const QStringList kValued{"--db", "--remark", "--dept", "--idcard", "--sex", "--type",
                          "--nationality", "--tel", "--address", "--bank", "--card", "--start",
                          "--end", "--search"};

bool openDb(CliContext &ctx, Database &db)
{
    if (!db.open(CliArgs::databasePath(ctx.args), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return false;
    }
    return true;
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
        return 1;
    }
    for (const DeptRecord &d : *rows) {
        ctx.out << d.deptId << '\t' << d.deptName << '\t' << d.deptLevel << '\t' << d.fatherId
                << '\t' << d.deptLevelId << '\t' << d.remark << '\n';
    }
    return 0;
}

int deptCommand(CliContext &ctx)
{
    const QStringList pos = CliArgs::positional(ctx.args, kValued);
    const QString sub = pos.value(0);
    Database db;
    if (sub == QLatin1String("list")) {
        return openDb(ctx, db) ? deptList(ctx, db) : 1;
    }
    StderrMessageService messages;
    if (sub == QLatin1String("add")) {
        if (pos.size() != 3) {
            return usage(ctx, "dept add 编号 名称 [--remark 说明]");
        }
        if (!openDb(ctx, db)) {
            return 1;
        }
        DepartmentStore store(db);
        const DeptInput input{pos[1], pos[2], CliArgs::option(ctx.args, "--remark")};
        const DeptCheckResult r = SaveDept(store, messages, input, DeptEditState{});
        if (r.ok()) {
            ctx.out << "已添加部门 " << pos[1].trimmed() << '\n';
        }
        return deptExit(r);
    }
    if (sub == QLatin1String("rename")) {
        if (pos.size() != 3) {
            return usage(ctx, "dept rename 编号 新名称 [--remark 说明]");
        }
        if (!openDb(ctx, db)) {
            return 1;
        }
        DepartmentStore store(db);
        const QString code = pos[1].trimmed();
        if (code == kRootDeptId || code == kTempDeptId) {
            return refuse(ctx, QStringLiteral("该部门不能修改！"));
        }
        const auto found = store.byCode(code);
        if (!found) {
            ctx.err << DeptText::QueryFailed << '\n';
            return 1;
        }
        if (found->isEmpty()) {
            return refuse(ctx, DeptText::NotFound);
        }
        DeptEditState state;
        state.adding = false;
        state.editedCode = code;
        state.loadedName = found->first().deptName.trimmed();
        const DeptInput input{code, pos[2],
                              CliArgs::option(ctx.args, "--remark", found->first().remark)};
        const DeptCheckResult r = SaveDept(store, messages, input, state);
        if (r.ok()) {
            ctx.out << "已修改部门 " << code << '\n';
        }
        return deptExit(r);
    }
    if (sub == QLatin1String("delete")) {
        if (pos.size() != 2) {
            return usage(ctx, "dept delete 编号");
        }
        if (!openDb(ctx, db)) {
            return 1;
        }
        const QString code = pos[1].trimmed();
        if (code == kRootDeptId || code == kTempDeptId) {
            return refuse(ctx, QStringLiteral("该部门不能删除！"));
        }
        DepartmentStore store(db);
        const auto found = store.byCode(code);
        if (found && found->isEmpty()) {
            return refuse(ctx, DeptText::NotFound);
        }
        switch (DeleteDept(store, messages, code)) {
        case DeptDeleteResult::Deleted: ctx.out << "已删除部门 " << code << '\n'; return 0;
        case DeptDeleteResult::Failed: return 1;
        default: return 2;
        }
    }
    return usage(ctx, "dept list|add|rename|delete …");
}

int empList(CliContext &ctx, Database &db)
{
    EmployeeStore store(db);
    std::optional<std::vector<EmployeeListRow>> rows;
    const QString search = CliArgs::option(ctx.args, "--search").trimmed();
    if (!search.isEmpty()) {
        rows = store.search(search);
    } else {
        QString prefix = kRootDeptId;
        const QString dept = CliArgs::option(ctx.args, "--dept").trimmed();
        if (!dept.isEmpty() && dept != kRootDeptId) {
            const auto found = DepartmentStore(db).byCode(dept);
            if (!found) {
                // Without the department's hierarchical code the prefix would match everyone.
                ctx.err << DeptText::QueryFailed << '\n';
                return 1;
            }
            if (found->isEmpty()) {
                return refuse(ctx, DeptText::NotFound);
            }
            prefix = found->first().deptLevelId;
        }
        rows = store.listSubtree(prefix, CliArgs::flag(ctx.args, "--all"));
    }
    if (!rows) {
        ctx.err << EmpText::QueryFailed << '\n';
        return 1;
    }
    for (const EmployeeListRow &e : *rows) {
        ctx.out << e.empId() << '\t' << e.empName() << '\t' << e.deptId() << '\t'
                << e.deptName() << '\t' << e.idCardNo() << '\t' << e.sex() << '\t' << e.empType()
                << '\t' << e.nationality() << '\t' << (e.empState == 1 ? "在职" : "离职") << '\t'
                << e.startDate() << '\t' << e.endDate() << '\n';
    }
    return 0;
}

int empAdd(CliContext &ctx, Database &db, const QStringList &pos)
{
    StderrMessageService messages;
    const QString dept = CliArgs::option(ctx.args, "--dept").trimmed();
    if (dept.isEmpty() || dept == kRootDeptId) {
        return refuse(ctx, QStringLiteral("请选择部门！"));
    }
    const auto found = DepartmentStore(db).byCode(dept);
    if (!found) {
        ctx.err << DeptText::QueryFailed << '\n';
        return 1;
    }
    if (found->isEmpty()) {
        return refuse(ctx, DeptText::NotFound);
    }
    EmpInput in;
    in.fields.empId = pos.value(1);
    in.fields.empName = pos.value(2);
    in.fields.idCardNo = CliArgs::option(ctx.args, "--idcard");
    in.fields.sex = CliArgs::option(ctx.args, "--sex", QStringLiteral("男"));
    in.fields.empType = CliArgs::option(ctx.args, "--type", kDomestic);
    if (in.fields.sex != QStringLiteral("男") && in.fields.sex != QStringLiteral("女")) {
        return refuse(ctx, QStringLiteral("性别只能为\"男\"或\"女\"！"));
    }
    if (in.fields.empType != kDomestic && in.fields.empType != kForeign) {
        return refuse(ctx, QStringLiteral("员工类型只能为\"中方\"或\"外方\"！"));
    }
    in.fields.nationality =
        CliArgs::option(ctx.args, "--nationality", NationalityDefault(in.fields.empType));
    in.fields.tel = CliArgs::option(ctx.args, "--tel");
    in.fields.address = CliArgs::option(ctx.args, "--address");
    in.fields.remark = CliArgs::option(ctx.args, "--remark");
    in.fields.bankName = CliArgs::option(ctx.args, "--bank");
    in.fields.cardNo = CliArgs::option(ctx.args, "--card");

    const auto date = [&](const char *name, QDate &out) {
        const QString text = CliArgs::option(ctx.args, QString::fromLatin1(name));
        out = text.isEmpty() ? Today() : QDate::fromString(text, Qt::ISODate);
        return out.isValid();
    };
    if (!date("--start", in.entryDate) || !date("--end", in.departureDate)) {
        return refuse(ctx, QStringLiteral("日期格式应为yyyy-mm-dd！"));
    }
    in.inService = !ctx.args.contains(QStringLiteral("--end"));

    EmpEditState state;
    state.deptId = dept;
    EmployeeStore store(db);
    const EmpCheckResult r = SaveEmp(store, messages, in, state);
    if (r.ok()) {
        ctx.out << "已添加员工 " << in.fields.empId.trimmed() << '\n';
    }
    return empExit(r);
}

int empMove(CliContext &ctx, Database &db, const QStringList &pos)
{
    StderrMessageService messages;
    EmployeeStore store(db);
    const QString empId = pos[1].trimmed();
    const QString deptId = pos[2].trimmed();
    const auto emp = store.byId(empId);
    const auto target = DepartmentStore(db).byCode(deptId);
    if (!emp || !target) {
        ctx.err << EmpText::QueryFailed << '\n';
        return 1;
    }
    if (emp->isEmpty()) {
        return refuse(ctx, EmpText::NotFound);
    }
    if (target->isEmpty()) {
        return refuse(ctx, DeptText::NotFound);
    }
    // The dialog offers every department but the employee's own.
    const bool offered = deptId != emp->first().deptId;
    switch (TransferEmp(store, messages, empId, offered ? deptId : QString())) {
    case EmpMoveResult::Moved: ctx.out << "已调动员工 " << empId << '\n'; return 0;
    case EmpMoveResult::Failed: return 1;
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
    const QStringList pos = CliArgs::positional(ctx.args, kValued);
    const QString sub = pos.value(0);
    Database db;
    if (sub == QLatin1String("list")) {
        return openDb(ctx, db) ? empList(ctx, db) : 1;
    }
    if (sub == QLatin1String("add")) {
        if (pos.size() != 3) {
            return usage(ctx, "emp add 编号 姓名 --dept 部门编号 --idcard 身份证号 [--sex 男|女] "
                              "[--type 中方|外方] [--nationality 国籍] [--tel] [--address] "
                              "[--remark] [--bank] [--card] [--start yyyy-mm-dd] [--end yyyy-mm-dd]");
        }
        return openDb(ctx, db) ? empAdd(ctx, db, pos) : 1;
    }
    if (sub == QLatin1String("import")) {
        if (pos.size() != 2) {
            return usage(ctx, "emp import 文件.csv");
        }
        return openDb(ctx, db) ? empImport(ctx, db, pos[1]) : 1;
    }
    if (sub == QLatin1String("move")) {
        if (pos.size() != 3) {
            return usage(ctx, "emp move 编号 调入部门编号");
        }
        return openDb(ctx, db) ? empMove(ctx, db, pos) : 1;
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
