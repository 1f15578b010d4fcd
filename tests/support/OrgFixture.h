#pragma once

#include <QString>

class Database;

// One-line set-up of an organisation for tests. Each helper writes straight into the tables
// (no rules), so a test can build states the dialogs would refuse.
namespace OrgFixture {
void addDept(Database &db, const QString &code, const QString &name,
             const QString &fatherId = QStringLiteral("0000"), bool deleted = false);
void addEmp(Database &db, const QString &empId, const QString &name, const QString &deptId,
            int empState = 1, const QString &empType = QStringLiteral("中方"));
// A wage sheet row and a ledger row naming an employee and a department.
void addWageRow(Database &db, const QString &empId, const QString &deptName);
void addLedgerRow(Database &db, const QString &empId, const QString &deptId);
} // namespace OrgFixture
