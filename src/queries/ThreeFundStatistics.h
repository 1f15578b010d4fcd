#pragma once

#include "queries/QueryStatement.h"

#include <array>

class Database;

// The three social-fund deductions of the wage sheets per employee and month over a year:
// one table per fund with 部门名称, 人员编号, 姓名, 合计 and 1月 … 12月, then a total row.
// Employees are counted under the department they belong to now; a month without wage rows
// is empty, not 0.
namespace ThreeFund {

constexpr int kFunds = 3;
// The fund columns of Wage, in the order of the window's tabs.
const QStringList &fundColumns();

// One fund's statement with its total row, as the workbook gets it. `dept` is one
// department's exact name, or empty for the whole company.
QueryStatement statement(int year, const QString &dept, const QString &fund);

struct Run
{
    QString refusal; // "没有任何数据存在！" when no fund could be listed
    std::array<std::optional<ResultGrid>, kFunds> grids; // empty for a fund column Wage lacks
    std::array<QueryStatement, kFunds> exports;
};

// All three funds in one pass over the year's wage rows. A fund whose column is missing from
// Wage (its item deleted) leaves its table empty; the others are listed.
Run run(Database &db, const QString &year, const QString &dept);

} // namespace ThreeFund
