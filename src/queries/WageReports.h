#pragma once

#include "queries/EmployeeLookup.h"
#include "queries/QueryStatement.h"

#include <optional>

class Database;

// The four reports over the wage sheets: the wage list per employee, the sums per
// department and the bank payment list of one month, and one employee's wages month by month
// over a year. Every money column of Wage but the fixed ones is summed (newest item first);
// sheets in every state count; the total row comes last.
enum class WageReport { WageList, DeptSums, BankList };

// The period as the window holds it: texts, month from a list, department typed or chosen.
struct MonthReportInput
{
    QString year;
    QString month;
    QString dept; // the wage list only: department names beginning with it; empty for all
};

// The statement of one monthly report; nothing when Wage cannot be read.
std::optional<QueryStatement> WageReportStatement(Database &db, WageReport report, int year,
                                                  int month, const QString &dept = {});

// Checks the input, builds the statement and runs it: "请选择月份！" without a month,
// "没有任何数据存在！" when the year or month is no number or the statement fails. A month
// without wage rows gives the total row alone. The export runs the same statement.
QueryRun RunWageReport(Database &db, WageReport report, const MonthReportInput &input);

struct PersonalInput
{
    QString year;
    QString code;
    QString name;
};

// The grid's statement and the export's (which adds the code and name to every row).
struct PersonalWageStatements
{
    QueryStatement grid;
    QueryStatement exported;
};
std::optional<PersonalWageStatements> PersonalWageStatement(Database &db, int year,
                                                            const QString &empId);

// One employee's wages per month of a year, then the year's total. The heading is the
// employee's name followed by " 工资明细".
QueryRun RunPersonalWage(Database &db, const PersonalInput &input, const EmpPicker &pick);
