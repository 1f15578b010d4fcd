#pragma once

#include <QString>
#include <QStringList>

class Database;

// Many employees at once from a CSV file (UTF-8): a header line naming Employee columns (EmpID,
// EmpName, DeptID and IDCardNo required; Sex, EmpType, nationality, EmpState, StartDate, EndDate,
// Address, Tel, BankName, CardNo, Remark optional, in any order, names ignoring case), then one
// employee a line. What a line leaves out defaults as in the employee dialog (男, 中方, the
// type's nationality, in service, joined today). Every check of the employee dialog applies to
// every line, and a code may not repeat an existing one or one of an earlier line.
//
// One bad line imports nothing: the result lists every bad line as "第N行: reason".
struct EmpImportResult
{
    int imported = 0;
    QStringList problems; // refusals, one per bad line (or about the file itself)
    QString failure;      // the database failed (nothing was written)
    bool ok() const { return problems.isEmpty() && failure.isEmpty(); }
};

EmpImportResult ImportEmployees(Database &db, const QString &csvPath);
