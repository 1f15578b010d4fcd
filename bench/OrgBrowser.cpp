// How fast the department and employee browser fills its tree and list and answers a search,
// on an organisation of 100,000 employees in 200 departments (no window: the tree is built
// as data and the list model filled from the store, which is what the window does).

#include "BenchDatabase.h"

#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/DeptTree.h"
#include "org/EmployeeListModel.h"
#include "org/EmployeeStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kDepartments = 200;
constexpr int kEmployees = 100000;

struct Organisation
{
    QTemporaryDir dir;
    Database db;

    Organisation()
    {
        const QString path = dir.path() + QStringLiteral("/Halvek.mdb");
        bench::createDatabase(db, path);
        const QString surnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗");
        const QString given = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华");
        Transaction t(db);
        bench::addDepartments(db, kDepartments);
        Statement emp = db.prepare(QStringLiteral(
            "insert into Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, nationality, "
            "Tel, Address, Remark, BankName, CardNo, EmpState, StartDate, EndDate, Deleted) values "
            "(?, ?, ?, ?, '男', '中方', '中国', '010-12345678', '北京市海淀区某路某号', '', "
            "'工商银行', ?, ?, '2003-05-01', ?, 0)"));
        for (int e = 0; e < kEmployees; ++e) {
            const QString name = QString(surnames[e % surnames.size()]) +
                                 given[(e / 7) % given.size()] + given[(e / 131) % given.size()];
            const bool departed = e % 10 == 9;
            emp.bindAll({QStringLiteral("E%1").arg(e, 6, 10, QLatin1Char('0')), name,
                         QStringLiteral("%1").arg(e % kDepartments + 1, 4, 10, QLatin1Char('0')),
                         QStringLiteral("1101011980%1").arg(e, 8, 10, QLatin1Char('0')),
                         QStringLiteral("622202%1").arg(e, 13, 10, QLatin1Char('0')),
                         departed ? 0 : 1,
                         departed ? QVariant(QStringLiteral("2004-12-31")) : QVariant()});
            emp.exec();
        }
        t.commit();
        db.exec(QStringLiteral("analyze"));
    }
};

Organisation &org()
{
    static Organisation o;
    return o;
}

// Opening the browser: the tree, then the root's list of staff in service.
void BM_OpenBrowser(benchmark::State &state)
{
    DepartmentStore depts(org().db);
    EmployeeStore emps(org().db);
    EmployeeListModel model;
    for (auto _ : state) {
        const DeptTree tree = BuildDeptTree(QStringLiteral("公司"), *depts.treeRows());
        model.setRows(*emps.listSubtree(tree.nodes.first().data.deptLevelId, false));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_OpenBrowser)->Unit(benchmark::kMillisecond);

// Clicking back on the root with "显示离职员工" ticked: everyone.
void BM_RootWithDeparted(benchmark::State &state)
{
    EmployeeStore emps(org().db);
    EmployeeListModel model;
    for (auto _ : state) {
        model.setRows(*emps.listSubtree(QStringLiteral("0000"), true));
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_RootWithDeparted)->Unit(benchmark::kMillisecond);

// One department's node.
void BM_OneDepartment(benchmark::State &state)
{
    EmployeeStore emps(org().db);
    EmployeeListModel model;
    for (auto _ : state) {
        model.setRows(*emps.listSubtree(QStringLiteral("00000137"), true));
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_OneDepartment)->Unit(benchmark::kMillisecond);

// A search for one character of a name (matches many) and for an exact code (matches one).
void BM_SearchNamePart(benchmark::State &state)
{
    EmployeeStore emps(org().db);
    EmployeeListModel model;
    for (auto _ : state) {
        model.setRows(*emps.search(QStringLiteral("芳")));
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_SearchNamePart)->Unit(benchmark::kMillisecond);

void BM_SearchCode(benchmark::State &state)
{
    EmployeeStore emps(org().db);
    EmployeeListModel model;
    for (auto _ : state) {
        model.setRows(*emps.search(QStringLiteral("E054321")));
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_SearchCode)->Unit(benchmark::kMillisecond);

void BM_SearchNobody(benchmark::State &state)
{
    EmployeeStore emps(org().db);
    for (auto _ : state) {
        benchmark::DoNotOptimize(emps.search(QStringLiteral("%"))->size());
    }
}
BENCHMARK(BM_SearchNobody)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
