#include "PayrollFixture.h"

#include "db/Database.h"
#include "db/Sql.h"

#include <gtest/gtest.h>

namespace PayrollFixture {

void addItem(Database &db, const QString &name, const QString &type, bool inUse)
{
    EXPECT_TRUE(db.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, "
                                       "ReadOnly, Remark) values (?, ?, ?, 0, '')"),
                        {name, type, inUse}))
        << db.lastError().toStdString();
    if (!db.hasColumn(QStringLiteral("Wage"), name)) {
        EXPECT_TRUE(db.addColumn(QStringLiteral("Wage"), name, QStringLiteral("MONEY")))
            << db.lastError().toStdString();
    }
}

qint64 addWageRow(Database &db, int year, int month, const QString &empId, const QString &deptName,
                  bool posted, const Amounts &amounts, const QString &empType,
                  const QString &empName)
{
    QString columns = QStringLiteral("WageYear, WageMonth, WageTimes, WageState, EmpId, EmpName, "
                                     "EmpType, DeptName");
    QString marks = QStringLiteral("?, ?, 1, ?, ?, ?, ?, ?");
    QVariantList values{year,
                        month,
                        posted ? QStringLiteral("已完成") : QStringLiteral("草稿中"),
                        empId,
                        empName.isEmpty() ? QStringLiteral("员工") + empId : empName,
                        empType,
                        deptName};
    for (const auto &[column, amount] : amounts) {
        columns += QStringLiteral(", ") + QuoteIdent(column);
        marks += QStringLiteral(", ?");
        values << QVariant::fromValue(amount);
    }
    const bool ok = db.exec(QStringLiteral("insert into Wage (") + columns +
                                QStringLiteral(") values (") + marks + u')',
                            values);
    EXPECT_TRUE(ok) << db.lastError().toStdString();
    return db.lastInsertId();
}

void addPostedMonth(Database &db, int year, int month, const QStringList &empIds)
{
    for (const QString &id : empIds) {
        addWageRow(db, year, month, id, QStringLiteral("部门一"), true);
    }
    EXPECT_TRUE(db.exec(QStringLiteral("insert into WageItem (ItemYear, ItemMonth, ItemName, "
                                       "ItemType, ReadOnly) select ?, ?, ItemName, ItemType, "
                                       "ReadOnly from Dict_Item where IsInUse = 1"),
                        {year, month}))
        << db.lastError().toStdString();
}

Money wageAmount(Database &db, int year, int month, const QString &empId, const QString &column)
{
    const auto v = db.scalar(QStringLiteral("select ") + QuoteIdent(column) +
                                 QStringLiteral(" from Wage where WageYear = ? and WageMonth = ? "
                                                "and EmpId = ?"),
                             {year, month, empId});
    EXPECT_TRUE(v.has_value()) << db.lastError().toStdString();
    return v ? SqlResult::toMoney(*v) : Money();
}

} // namespace PayrollFixture
