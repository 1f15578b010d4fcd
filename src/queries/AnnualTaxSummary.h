#pragma once

#include "queries/EmployeeLookup.h"
#include "queries/QueryStatement.h"

class Database;

// One employee's year in the tax ledger: per month with ledger rows his income and tax by
// income group, then the year's totals ("合计"). A group without rows in a month leaves its
// two cells empty; income types outside the groups (royalties, leases, …) count only in the
// month totals SumIncome and Sumtax.
struct AnnualTaxStatements
{
    QueryStatement grid;
    QueryStatement exported; // wages first, Chinese column names
};
AnnualTaxStatements AnnualTaxStatement(int year, const QString &empId);

struct AnnualTaxInput
{
    QString year;
    QString code;
    QString name;
};

// "请选择起始年份！", "请输入人员姓名或人员编码！", "没有该人员的数据，请重新输入！" in that
// order, then "没有任何数据存在！" when the employee has no ledger row in the year. Each run
// that gets as far as building the statement leaves its export statement in sql.ini
// ([sql] sql). The heading is "<year>年 <name> 个人所得税情况一览表".
QueryRun RunAnnualTax(Database &db, const AnnualTaxInput &input, const EmpPicker &pick);
