#include "TaxTestRates.h"
#include "TestApp.h"

#include "tax/TaxLedger.h"

#include <gtest/gtest.h>

namespace {

RdTaxIncome sampleRow(const QString &empId)
{
    RdTaxIncome row;
    row.TaxYear = 2005;
    row.TaxMonth = 3;
    row.TaxType = QStringLiteral("劳务报酬收入");
    row.EmpId = empId;
    row.EmpName = QStringLiteral("调用者写的名字"); // replaced by the employee's
    row.FactIncome = M("30000");
    row.Income = M("30000");
    row.MinusFare = M("6000");
    row.TaxIncome = M("24000");
    row.TaxRate = M("0.3");
    row.TakeOutMoney = M("2000");
    row.TaxMoney = M("5200");
    row.TaxDate = QStringLiteral(" 2005-03-31 ");
    return row;
}

TEST(InsertTaxIncome, CopiesTheEmployeeAsHeIsNow)
{
    TestApp app;
    app.exec(
        QStringLiteral("insert into Employee (EmpID, EmpName, DeptID, IDCardNo, EmpType, Address) "
                       "values ('E1', 'O''Neil 王', '0001', '110101', '外方', '北京')"));
    ASSERT_TRUE(InsertTaxIncome(app.db(), sampleRow(QStringLiteral("E1"))));
    const auto r = app.db().query(QStringLiteral(
        "select TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, EmpType, DeptID, Address, "
        "FactIncome, Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, TaxMoney, TaxDate "
        "from TaxIncome"));
    ASSERT_TRUE(r && r->rowCount() == 1);
    EXPECT_EQ(r->row(0).mid(0, 9), (QVariantList{2005, 3, QStringLiteral("劳务报酬收入"),
                                                 QStringLiteral("E1"), QStringLiteral("O'Neil 王"),
                                                 QStringLiteral("110101"), QStringLiteral("外方"),
                                                 QStringLiteral("0001"), QStringLiteral("北京")}));
    EXPECT_EQ(r->money(0, 9), M("30000"));
    EXPECT_EQ(r->money(0, 11), M("6000"));
    EXPECT_EQ(r->money(0, 12), M("24000"));
    EXPECT_EQ(r->money(0, 13), M("0.3"));
    EXPECT_EQ(r->money(0, 14), M("2000"));
    EXPECT_EQ(r->money(0, 15), M("5200"));
    EXPECT_EQ(r->text(0, 16), QStringLiteral("2005-03-31"));
}

TEST(InsertTaxIncome, AnEmployeeWhoNoLongerExistsLeavesHisFieldsEmpty)
{
    TestApp app;
    RdTaxIncome row = sampleRow(QStringLiteral("gone"));
    row.TaxDate.clear();
    ASSERT_TRUE(InsertTaxIncome(app.db(), row));
    const auto r = app.db().query(QStringLiteral(
        "select EmpId, EmpName, EmpCardNo, EmpType, DeptID, Address, TaxDate from TaxIncome"));
    ASSERT_TRUE(r && r->rowCount() == 1);
    EXPECT_EQ(r->text(0, 0), QStringLiteral("gone"));
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(r->value(0, c), QVariant(QString())) << c;
    }
    EXPECT_FALSE(r->value(0, 6).isValid()); // no date: NULL
}

TEST(InsertTaxIncome, FindsTheEmployeeWhateverTheCaseOfHisCode)
{
    TestApp app;
    app.exec(QStringLiteral("insert into Employee (EmpID, EmpName, DeptID, IDCardNo, EmpType) "
                            "values ('E1', '张三', '0001', '110101', '中方')"));
    ASSERT_TRUE(InsertTaxIncome(app.db(), sampleRow(QStringLiteral("e1"))));
    const auto r =
        app.db().query(QStringLiteral("select EmpId, EmpName, EmpCardNo from TaxIncome"));
    ASSERT_TRUE(r && r->rowCount() == 1);
    EXPECT_EQ(r->row(0), (QVariantList{QStringLiteral("e1"), QStringLiteral("张三"),
                                       QStringLiteral("110101")}));
}

TEST(InsertTaxIncome, ValuesAreNeverReadAsSql)
{
    TestApp app;
    const QString id = QStringLiteral("x' or '1'='1");
    app.exec(
        QStringLiteral("insert into Employee (EmpID, EmpName, IDCardNo) values ('E2', 'b', 'c')"));
    ASSERT_TRUE(InsertTaxIncome(app.db(), sampleRow(id)));
    EXPECT_EQ(app.scalar(QStringLiteral("select EmpId from TaxIncome")).toString(), id);
    EXPECT_EQ(app.scalar(QStringLiteral("select EmpName from TaxIncome")).toString(), QString());
}

TEST(InsertTaxIncome, FailuresAreReturned)
{
    TestApp app;
    app.exec(QStringLiteral("drop table TaxIncome"));
    EXPECT_FALSE(InsertTaxIncome(app.db(), sampleRow(QStringLiteral("E1"))));
    TestApp other;
    other.exec(QStringLiteral("drop table Employee"));
    EXPECT_FALSE(InsertTaxIncome(other.db(), sampleRow(QStringLiteral("E1"))));
    EXPECT_EQ(other.scalar(QStringLiteral("select count(*) from TaxIncome")).toInt(), 0);
}

} // namespace
