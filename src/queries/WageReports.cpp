#include "queries/WageReports.h"

#include "base/TextHelpers.h"
#include "db/Database.h"
#include "queries/QueryTexts.h"
#include "queries/WageColumns.h"

namespace {

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QueryStatement wageList(const QStringList &summed, int year, int month, const QString &dept)
{
    const QString where = QStringLiteral(" from Wage where WageYear = ? and WageMonth = ? "
                                         "and DeptName like ? escape '\\'");
    const QString pattern = EscapeLikeText(dept.trimmed()) + u'%';
    QStringList names{QStringLiteral("部门名称"), QStringLiteral("人员编号"),
                      QStringLiteral("姓名")};
    names += summed;
    const QString rows = QStringLiteral("DeptName as c0, EmpId as c1, EmpName as c2") +
                         WageColumns::sumList(summed, QStringLiteral("Wage"), 3) + where +
                         QStringLiteral(" group by DeptName, EmpId, EmpName");
    const QString total = u'\'' + QueryText::TotalLabel + QStringLiteral("', ' ', ' '") +
                          WageColumns::sumList(summed, QStringLiteral("Wage"), 3, false) + where;
    return {WithTotalRow(names, rows, total,
                         QStringLiteral("c0") + kByName + QStringLiteral(", c1, c2")),
            {year, month, pattern, year, month, pattern},
            summed};
}

QueryStatement deptSums(const QStringList &summed, int year, int month)
{
    const QString where = QStringLiteral(" from Wage where WageYear = ? and WageMonth = ?");
    QStringList names{QStringLiteral("部门名称")};
    names += summed;
    const QString rows = QStringLiteral("DeptName as c0") +
                         WageColumns::sumList(summed, QStringLiteral("Wage"), 1) + where +
                         QStringLiteral(" group by DeptName");
    const QString total = u'\'' + QueryText::TotalLabel + u'\'' +
                          WageColumns::sumList(summed, QStringLiteral("Wage"), 1, false) + where;
    return {WithTotalRow(names, rows, total, QStringLiteral("c0") + kByName),
            {year, month, year, month},
            summed};
}

// One line per wage row (an employee paid twice in the month is listed twice); wage rows
// without an employee record are left out of the list and the total alike.
QueryStatement bankList(int year, int month)
{
    const QString from =
        QStringLiteral(" from Wage w join Employee e on e.EmpID = w.EmpId collate FOLD"
                       " where w.WageYear = ? and w.WageMonth = ?");
    const QString rows = QStringLiteral("w.EmpId as c0, w.DeptName as c1, w.EmpName as c2, "
                                        "w.实发工资 as c3, e.IDCardNo as c4, e.CardNo as c5, "
                                        "w.WageID as c6") +
                         from;
    const QString total = QStringLiteral("' ', '") + QueryText::TotalLabel +
                          QStringLiteral("', ' ', sum(w.实发工资), ' ', '  ', null") + from;
    QueryStatement st{WithTotalRow({QStringLiteral("职工编号"), QStringLiteral("部门名称"),
                                    QStringLiteral("姓名"), QStringLiteral("实发工资"),
                                    QStringLiteral("身份证号"), QStringLiteral("银行卡号")},
                                   rows, total,
                                   QStringLiteral("c1") + kByName + QStringLiteral(", c0, c6")),
                      {year, month, year, month},
                      {QStringLiteral("实发工资")}};
    return st;
}

} // namespace

std::optional<QueryStatement> WageReportStatement(Database &db, WageReport report, int year,
                                                  int month, const QString &dept)
{
    if (report == WageReport::BankList) {
        return bankList(year, month);
    }
    const auto summed = WageColumns::summed(db);
    if (!summed) {
        return std::nullopt;
    }
    return report == WageReport::WageList ? wageList(*summed, year, month, dept)
                                          : deptSums(*summed, year, month);
}

QueryRun RunWageReport(Database &db, WageReport report, const MonthReportInput &input)
{
    if (input.month.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::ChooseMonth);
    }
    const auto year = number(input.year);
    const auto month = number(input.month);
    const auto statement =
        year && month ? WageReportStatement(db, report, *year, *month, input.dept) : std::nullopt;
    auto grid = statement ? RunGrid(db, *statement) : std::nullopt;
    if (!grid || grid->isEmpty()) {
        return QueryRun::refused(QueryText::NoData);
    }
    QueryRun run;
    run.grid = std::move(grid);
    run.exportStatement = *statement;
    return run;
}

std::optional<PersonalWageStatements> PersonalWageStatement(Database &db, int year,
                                                            const QString &empId)
{
    const auto summed = WageColumns::summed(db);
    if (!summed) {
        return std::nullopt;
    }
    const QString where =
        QStringLiteral(" from Wage where WageYear = ? and EmpId = ? collate FOLD");
    const QVariantList params{year, empId, year, empId};
    const QString total = WageColumns::sumList(*summed, QStringLiteral("Wage"), 0, false) + where;

    QStringList names{QStringLiteral("月份")};
    names += *summed;
    PersonalWageStatements result;
    result.grid = {WithTotalRow(names,
                                QStringLiteral("WageMonth as c0") +
                                    WageColumns::sumList(*summed, QStringLiteral("Wage"), 1) +
                                    where + QStringLiteral(" group by WageMonth"),
                                u'\'' + QueryText::TotalLabel + u'\'' + total,
                                QStringLiteral("c0")),
                   params, *summed};

    QStringList exportNames{QStringLiteral("人员编号"), QStringLiteral("人员姓名"),
                            QStringLiteral("月份")};
    exportNames += *summed;
    result.exported = {
        WithTotalRow(exportNames,
                     QStringLiteral("EmpId as c0, EmpName as c1, WageMonth as c2") +
                         WageColumns::sumList(*summed, QStringLiteral("Wage"), 3) + where +
                         QStringLiteral(" group by EmpId, EmpName, WageMonth"),
                     QStringLiteral("' ', ' ', '") + QueryText::TotalLabel + u'\'' + total,
                     QStringLiteral("c2, c0, c1")),
        params, *summed};
    return result;
}

QueryRun RunPersonalWage(Database &db, const PersonalInput &input, const EmpPicker &pick)
{
    if (input.code.trimmed().isEmpty() && input.name.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::EnterEmployee);
    }
    const QString empId = ResolveEmployee(db, input.code, input.name, pick);
    if (empId.isEmpty()) {
        return QueryRun::refused(QueryText::NoSuchEmployee);
    }
    // A code without an employee record leaves the name empty; the query still runs.
    const QString name =
        db.scalar(QStringLiteral("select EmpName from Employee where EmpID = ? collate FOLD"),
                  {empId})
            .value_or(QVariant())
            .toString();
    const auto year = number(input.year);
    const auto statements = year ? PersonalWageStatement(db, *year, empId) : std::nullopt;
    auto grid = statements ? RunGrid(db, statements->grid) : std::nullopt;
    QueryRun run;
    run.heading = name + QStringLiteral(" 工资明细");
    if (!grid || grid->isEmpty()) {
        run.refusal = QueryText::NoData;
        return run;
    }
    run.grid = std::move(grid);
    run.exportStatement = statements->exported;
    return run;
}
