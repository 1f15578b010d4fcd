#pragma once

#include "base/Money.h"

#include <QList>
#include <QPair>
#include <QString>

class Database;

// Wage sheet and ledger rows written straight into the tables, for the query tests.
namespace QueryFixture {

using Amounts = QList<QPair<QString, Money>>;

inline Money yuan(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

struct WageRow
{
    int year = 2005;
    int month = 1;
    QString empId;
    QString empName;
    QString deptName;
    Amounts amounts; // column → amount; columns not named stay NULL
    QString state = QStringLiteral("已完成");
};
void addWage(Database &db, const WageRow &row);

struct LedgerRow
{
    int year = 2005;
    int month = 1;
    QString type;
    QString empId;
    QString empName;
    Money income;
    Money tax;
    Money factIncome;
    QString date;
    QString empType = QStringLiteral("中方");
};
void addLedger(Database &db, const LedgerRow &row);

} // namespace QueryFixture
