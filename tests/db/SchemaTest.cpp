#include "TestApp.h"

#include "base/Password.h"
#include "db/DeliveredData.h"
#include "db/Schema.h"

#include <gtest/gtest.h>

namespace {

TEST(Schema, DeliveredDatabaseHoldsItsRows)
{
    TestApp app;
    Database &db = app.db();
    EXPECT_EQ(db.userVersion(), Schema::kCurrentVersion);
    const QStringList wage = db.columns(QStringLiteral("Wage"));
    ASSERT_GE(wage.size(), 2);
    EXPECT_EQ(wage.mid(0, 2), (QStringList{QStringLiteral("WageID"), QStringLiteral("WageYear")}));
    for (const char *item : {"基本工资", "养老保险金", "医疗保险金", "住房公积金"}) {
        EXPECT_TRUE(wage.contains(QString::fromUtf8(item))) << item;
    }
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Dict_Item where ReadOnly = 1 and IsInUse = 1")).toInt(), 4);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Dict_ItemType where IsResult = 0")).toInt(), 5);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Dict_TaxType")).toInt(), 5);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from CorpInfo")).toInt(), 0);
    EXPECT_EQ(app.scalar(QStringLiteral("select DeptLevelID from Department where DeptID = '9999' and FatherID = '0000'")).toString(),
              QStringLiteral("00009999"));
    EXPECT_EQ(DecodePassword(app.scalar(QStringLiteral("select UserPwd from SysUser where UserName = 'admin'")).toString()),
              QString::fromLatin1(Delivered::kAdminPassword));
    EXPECT_EQ(app.scalar(QStringLiteral("select BaseMoney from TaxBase where EmpType = '外方'")).value<Money>(), Money::fromYuan(4000));
}

TEST(Schema, RateRowsAsDelivered)
{
    TestApp app;
    const auto count = [&](const char *type, const char *emp) {
        return app.scalar(QStringLiteral("select count(*) from TaxRate where TaxType = ? and EmpType = ?"),
                          {QString::fromUtf8(type), QString::fromUtf8(emp)}).toInt();
    };
    EXPECT_EQ(count("工资所得税", "中方"), 9);
    EXPECT_EQ(count("工资所得税", "外方"), 9);
    EXPECT_EQ(count("承包经营收入", "承包经营收入"), 5);
    EXPECT_EQ(count("劳务报酬收入", "劳务报酬收入"), 3);
    EXPECT_EQ(count("税后劳务报酬收入", "税后劳务报酬收入"), 4);
    EXPECT_EQ(count("稿酬", "稿酬"), 2);
    for (const char *flat : {"稿酬减免", "特许权财产租赁", "利息股息偶然所得"}) {
        EXPECT_EQ(count(flat, flat), 1) << flat;
    }
    // In the royalty rows QuickDeduct is the fixed deduction, then the fraction.
    EXPECT_EQ(app.scalar(QStringLiteral("select QuickDeduct from TaxRate where TaxType = '稿酬' order by levelLow desc")).value<Money>(),
              *Money::parse(u"0.2"));
    EXPECT_EQ(app.scalar(QStringLiteral("select NoLevelLow from TaxRate where TaxType = '稿酬' order by levelLow desc")).value<Money>(),
              Money::fromYuan(3552));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxRate")).toInt(), 35);
    auto r = app.db().query(QStringLiteral(
        "select levelLow, LevelHigh, NoLevelLow, NoLevelHigh, LevelRate, QuickDeduct, BaseMoney from TaxRate "
        "where TaxType = '工资所得税' and EmpType = '外方' order by levelLow"));
    ASSERT_TRUE(r && r->rowCount() == 9);
    EXPECT_EQ(r->money(3, 0), Money::fromYuan(5000));
    EXPECT_EQ(r->money(3, 3), Money::fromYuan(16375));
    EXPECT_EQ(r->money(3, 4), *Money::parse(u"0.2"));
    EXPECT_EQ(r->money(3, 5), Money::fromYuan(375));
    EXPECT_EQ(r->money(3, 6), Money::fromYuan(4000));
}

TEST(Schema, FactIncomeStepAddsTheColumnOnceAndKeepsRows)
{
    TestApp app;
    Database &db = app.db();
    app.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, EmpId, FactIncome, Income) values (2005, 1, 'a', 5, 7)"));
    ASSERT_TRUE(db.dropColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
    ASSERT_TRUE(db.setUserVersion(1));
    ASSERT_TRUE(Schema::ensureFactIncome(db));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
    EXPECT_EQ(db.userVersion(), 2);
    EXPECT_EQ(app.scalar(QStringLiteral("select FactIncome from TaxIncome")).value<Money>(), Money());
    EXPECT_EQ(app.scalar(QStringLiteral("select Income from TaxIncome")).value<Money>(), Money::fromRaw(7));
    ASSERT_TRUE(Schema::ensureFactIncome(db)); // again: nothing changes
    EXPECT_EQ(db.columns(QStringLiteral("TaxIncome")).count(QStringLiteral("FactIncome")), 1);
}

TEST(Schema, OverLongTextsAreRefusedNotTruncated)
{
    TestApp app;
    EXPECT_FALSE(app.db().exec(QStringLiteral("insert into Department (DeptID, DeptName) values ('12345', 'x')")));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Department")).toInt(), 1);
}

} // namespace
