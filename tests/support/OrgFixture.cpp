#include "OrgFixture.h"

#include "db/Database.h"

#include <gtest/gtest.h>

namespace OrgFixture {

void addDept(Database &db, const QString &code, const QString &name, const QString &fatherId,
             bool deleted)
{
    const bool ok = db.exec(
        QStringLiteral("insert into Department (DeptID, DeptName, Remark, DeptLevel, FatherID, "
                       "DeptLevelID, Deleted) values (?, ?, '', 1, ?, ?, ?)"),
        {code, name, fatherId, QStringLiteral("0000") + code, deleted ? 1 : 0});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

void addEmp(Database &db, const QString &empId, const QString &name, const QString &deptId,
            int empState, const QString &empType)
{
    const bool ok = db.exec(
        QStringLiteral("insert into Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, "
                       "nationality, EmpState, StartDate, EndDate, Deleted) values "
                       "(?, ?, ?, ?, '男', ?, ?, ?, '2004-01-01', ?, 0)"),
        {empId, name, deptId, QStringLiteral("11010119800101") + empId, empType,
         empType == QStringLiteral("中方") ? QStringLiteral("中国") : QString(), empState,
         empState == 0 ? QVariant(QStringLiteral("2005-01-31")) : QVariant()});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

void addWageRow(Database &db, const QString &empId, const QString &deptName)
{
    const bool ok = db.exec(
        QStringLiteral("insert into Wage (WageYear, WageMonth, WageTimes, WageState, EmpId, "
                       "EmpName, EmpType, DeptName) values (2005, 1, 1, '已完成', ?, '', '中方', ?)"),
        {empId, deptName});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

void addLedgerRow(Database &db, const QString &empId, const QString &deptId)
{
    const bool ok = db.exec(
        QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                       "EmpType, DeptID) values (2005, 1, '劳务报酬收入', ?, '', '中方', ?)"),
        {empId, deptId});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

} // namespace OrgFixture
