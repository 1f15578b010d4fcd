#pragma once

#include "base/Money.h"
#include "queries/EmployeeLookup.h"
#include "queries/QueryStatement.h"

class Database;

// Two lists of the tax ledger for one month: the ledger rows whose actual income reaches a
// limit, and one employee's (or everybody's) payments. The grids show the ledger's own column
// names and a total row added after the query; the workbooks get Chinese column names and no
// total row.

struct HighIncomeInput
{
    QString year;
    QString month;
    QString limit;   // whole yuan, digits only
    QString empType; // "中方" or "外方"
};

struct LedgerStatements
{
    QueryStatement grid;
    QueryStatement exported;
};

LedgerStatements HighIncomeStatements(int year, int month, Money limit, const QString &empType);

// "请选择月份！", "请输入高收入限额！", "请选择人员类型！" in that order; "没有任何数据存在！"
// when nothing qualifies or the input is no number.
QueryRun RunHighIncome(Database &db, const HighIncomeInput &input);

struct PayoutInput
{
    QString year;
    QString month;
    QString code;
    QString name;
};

// With an employee (empId not empty) his rows by date; without, everybody's by name, card
// number and date.
LedgerStatements PayoutStatements(int year, int month, const QString &empId);

// Without code and name the whole month is listed; a name that matches nobody lists nothing
// ("没有任何数据存在！"), never the whole month.
QueryRun RunPayout(Database &db, const PayoutInput &input, const EmpPicker &pick);

// Appends the total row of a ledger list: " 合 计 " in the first column, the sums of
// `summed` in theirs, the other cells empty.
void AppendLedgerTotal(ResultGrid &grid, const QStringList &summed);
