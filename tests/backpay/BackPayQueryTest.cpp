#include "BackPayFixture.h"

#include "OrgFixture.h"
#include "TestApp.h"
#include "backpay/BackPayQuery.h"
#include "db/Database.h"

#include <gtest/gtest.h>

using namespace BackPayFixture;

namespace {

void addLedger(Database &db, int year, int month, const QString &type, const QString &empId,
               Money income, Money tax)
{
    ASSERT_TRUE(
        db.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, "
                               "Income, FactIncome, TaxMoney) values (?, ?, ?, ?, ?, ?, ?)"),
                {year, month, type, empId, QVariant::fromValue(income), QVariant::fromValue(income),
                 QVariant::fromValue(tax)}));
}

} // namespace

TEST(BackPayQuery, OneRowPerEmployeeWithAColumnPerMonthInTimeOrder)
{
    TestApp app;
    Database &db = app.db();
    OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("一部"));
    OrgFixture::addDept(db, QStringLiteral("0002"), QStringLiteral("二部"));
    OrgFixture::addEmp(db, QStringLiteral("B1"), QStringLiteral("赵六"), QStringLiteral("0002"));
    OrgFixture::addEmp(db, QStringLiteral("A1"), QStringLiteral("张三"), QStringLiteral("0001"));
    OrgFixture::addEmp(db, QStringLiteral("A2"), QStringLiteral("李四"), QStringLiteral("0001"));
    const BackPayMonth pay{2005, 12};
    addPostedBackPay(db, pay, {2005, 10}, QStringLiteral("A1"), M("100"));
    addPostedBackPay(db, pay, {2005, 9}, QStringLiteral("A1"), M("40"));
    addPostedBackPay(db, pay, {2005, 9}, QStringLiteral("B1"), M("70"));
    // A posting whose ledger row is missing (say, a run that failed half-way) is not listed.
    addPostedBackPay(db, pay, {2005, 9}, QStringLiteral("A2"), M("99"));
    // Another pay period's back pay stays out.
    addPostedBackPay(db, {2005, 11}, {2005, 8}, QStringLiteral("A1"), M("500"));
    addLedger(db, 2005, 12, QStringLiteral("补发工资"), QStringLiteral("A1"), M("140"), M("12.5"));
    addLedger(db, 2005, 12, QStringLiteral("补发工资"), QStringLiteral("B1"), M("70"), M("7"));
    addLedger(db, 2005, 12, QStringLiteral("工资所得税"), QStringLiteral("A2"), M("3000"),
              M("300"));

    const auto statement = BackPayQuerySql(db, pay);
    ASSERT_TRUE(statement.has_value());
    const auto grid = ReadBackPayQuery(db, *statement);
    ASSERT_TRUE(grid.has_value()) << db.lastError().toStdString();
    QStringList names;
    for (const BackPayGridColumn &c : grid->columns()) {
        names << c.name;
    }
    EXPECT_EQ(names, QStringList({"部门", "姓名", "员工编号", "2005年9月", "2005年10月",
                                  "合计补发工资", "扣税", "实际补发"}));
    ASSERT_EQ(grid->rowCount(), 2);
    // By department name in pinyin order: 二部 (er) before 一部 (yi).
    EXPECT_EQ(grid->text(0, QStringLiteral("员工编号")), QStringLiteral("B1"));
    EXPECT_EQ(grid->money(0, QStringLiteral("2005年10月")), M("0"));
    EXPECT_EQ(grid->money(0, QStringLiteral("实际补发")), M("63"));
    EXPECT_EQ(grid->text(1, QStringLiteral("部门")), QStringLiteral("一部"));
    EXPECT_EQ(grid->text(1, QStringLiteral("姓名")), QStringLiteral("张三"));
    EXPECT_EQ(grid->money(1, QStringLiteral("2005年9月")), M("40"));
    EXPECT_EQ(grid->money(1, QStringLiteral("2005年10月")), M("100"));
    EXPECT_EQ(grid->money(1, QStringLiteral("合计补发工资")), M("140"));
    EXPECT_EQ(grid->money(1, QStringLiteral("扣税")), M("12.5"));
    EXPECT_EQ(grid->money(1, QStringLiteral("实际补发")), M("127.5"));
}

TEST(BackPayQuery, APeriodWithoutPostedBackPayHasNoQuery)
{
    TestApp app;
    addPostedBackPay(app.db(), {2005, 11}, {2005, 8}, QStringLiteral("A1"), M("500"));
    EXPECT_FALSE(BackPayQuerySql(app.db(), {2005, 12}).has_value());
    EXPECT_TRUE(BackPayQuerySql(app.db(), {2005, 11}).has_value());
}
