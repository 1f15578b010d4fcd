#pragma once

#include "backpay/BackPayGrid.h"
#include "backpay/BackPayMonth.h"

#include <QString>
#include <QVariantList>

#include <optional>

class Database;

// The statement of the back pay posted in one pay period, with its columns.
struct BackPayQueryStatement
{
    QString sql;
    QVariantList params;
    QList<BackPayGridColumn> columns;
    // The amounts the statement works out (its export writes them in yuan).
    QStringList moneyColumns;
};

// BackPayQuerySql: per employee back-paid in the period, one row: 部门, 姓名, 员工编号, one
// column per back-paid month (named by its key, in the order of the months) with what was paid
// for it, 合计补发工资, and from the ledger's "补发工资" rows of the period 扣税 (their tax) and
// 实际补发 (their income less tax); an employee back-paid twice in the period has both postings
// added up. Employees without such a ledger row, or no longer in Employee, are left out. By
// department name and employee code.
//
// Nothing when the period has no posted back pay (ReissueMonth has no row of it), or when
// ReissueMonth cannot be read: either way there is nothing to show.
std::optional<BackPayQueryStatement> BackPayQuerySql(Database &db, const BackPayMonth &payPeriod);

std::optional<BackPayGrid> ReadBackPayQuery(Database &db, const BackPayQueryStatement &statement);

// What "补发工资查询" finds for a period: its posted back pay when there is some, else the
// pending sheet when that belongs to the period (pending), else nothing at all.
struct BackPayQueryAnswer
{
    std::optional<BackPayQueryStatement> posted;
    bool pending = false;
};
BackPayQueryAnswer FindBackPay(Database &db, const BackPayMonth &payPeriod);
