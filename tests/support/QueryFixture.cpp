#include "QueryFixture.h"

#include "db/Database.h"
#include "db/Sql.h"

#include <gtest/gtest.h>

namespace QueryFixture {

void addWage(Database &db, const WageRow &row)
{
    QStringList columns{QStringLiteral("WageYear"),  QStringLiteral("WageMonth"),
                        QStringLiteral("WageTimes"), QStringLiteral("WageState"),
                        QStringLiteral("EmpId"),     QStringLiteral("EmpName"),
                        QStringLiteral("EmpType"),   QStringLiteral("DeptName")};
    QVariantList values{
        row.year,    row.month, 1, row.state, row.empId, row.empName, QStringLiteral("中方"),
        row.deptName};
    for (const auto &[column, amount] : row.amounts) {
        columns << column;
        values << QVariant::fromValue(amount);
    }
    const bool ok = db.exec(QStringLiteral("insert into Wage (") + QuoteIdents(columns) +
                                QStringLiteral(") values (") +
                                QStringList(columns.size(), QStringLiteral("?")).join(u',') + u')',
                            values);
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

void addLedger(Database &db, const LedgerRow &row)
{
    const bool ok = db.exec(
        QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                       "EmpCardNo, EmpType, DeptID, FactIncome, Income, TaxMoney, TaxDate) "
                       "values (?, ?, ?, ?, ?, ?, ?, '0001', ?, ?, ?, ?)"),
        {row.year, row.month, row.type, row.empId, row.empName,
         QStringLiteral("110101") + row.empId, row.empType, QVariant::fromValue(row.factIncome),
         QVariant::fromValue(row.income), QVariant::fromValue(row.tax),
         row.date.isEmpty() ? QVariant() : QVariant(row.date)});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

} // namespace QueryFixture
