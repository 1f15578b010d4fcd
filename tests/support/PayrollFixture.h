#pragma once

#include "base/Money.h"

#include <QList>
#include <QPair>
#include <QString>

#include <ostream>

class Database;

// Test failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// One-line set-up of wage items and wage sheets for tests. Like OrgFixture, each helper writes
// straight into the tables (no rules, no computation), so that a test can build any state.
namespace PayrollFixture {

// The delivered items are 基本工资 (taxable) and the three funds (tax-exempt deductions).
// A catalogue row and its Wage column.
void addItem(Database &db, const QString &name, const QString &type, bool inUse = true);

// Amounts of a wage row by column name (items, 一次性奖金, result columns).
using Amounts = QList<QPair<QString, Money>>;

// One Wage row; returns its WageID. State "草稿中" unless `posted`.
qint64 addWageRow(Database &db, int year, int month, const QString &empId, const QString &deptName,
                  bool posted, const Amounts &amounts = {},
                  const QString &empType = QStringLiteral("中方"),
                  const QString &empName = QString());

// A posted month: one row per employee code, in department "部门一", with the items in use
// snapshotted into WageItem.
void addPostedMonth(Database &db, int year, int month, const QStringList &empIds);

// The amount of a column in the row of an employee in a month (0 for NULL).
Money wageAmount(Database &db, int year, int month, const QString &empId, const QString &column);

} // namespace PayrollFixture
