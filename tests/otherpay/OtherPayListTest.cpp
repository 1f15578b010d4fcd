// The month's list of other payments, the income types offered, and the person looked up.

#include "OrgFixture.h"
#include "TestApp.h"

#include "otherpay/OtherPayListModel.h"
#include "otherpay/OtherPayStore.h"

#include <gtest/gtest.h>

namespace {

class OtherPayListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("销售部"));
    }

    void ledger(int year, int month, const char *type, const char *empId, const char *deptId)
    {
        app.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, DeptID, "
                                "Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, TaxMoney) "
                                "values (?, ?, ?, ?, ?, 12345000, 8000000, 4345000, 2000, 0, "
                                "869000)"),
                 {year, month, QString::fromUtf8(type), QString::fromLatin1(empId),
                  QString::fromLatin1(deptId)});
    }

    QStringList listed(int year, int month)
    {
        const auto rows = store.list(year, month);
        EXPECT_TRUE(rows.has_value());
        QStringList out;
        for (const OtherPayment &p : rows.value_or(QList<OtherPayment>())) {
            out << p.empId + u'/' + p.taxType;
        }
        return out;
    }

    TestApp app;
    OtherPayStore store{app.db()};
};

TEST_F(OtherPayListTest, ListsTheMonthsOtherPaymentsOnlyByDepartmentAndEmployee)
{
    ledger(2005, 3, "劳务报酬收入", "E2", "0002");
    ledger(2005, 3, "工资所得税", "E1", "0001");
    ledger(2005, 3, "一次性奖金", "E1", "0001");
    ledger(2005, 3, "补发工资", "E1", "0001");
    ledger(2005, 3, "其他所得", "E3", "0001");
    ledger(2005, 3, "", "E1", "0001");
    ledger(2005, 3, "承包经营收入", "E1", "0001");
    ledger(2005, 4, "其他所得", "E1", "0001");
    ledger(2004, 3, "其他所得", "E1", "0001");
    ledger(2005, 3, "其他所得", "E9", "0099"); // no such department
    EXPECT_EQ(listed(2005, 3),
              (QStringList{QStringLiteral("E1/"), QStringLiteral("E1/承包经营收入"),
                           QStringLiteral("E3/其他所得"), QStringLiteral("E2/劳务报酬收入")}));
    EXPECT_TRUE(listed(2005, 5).isEmpty());
}

TEST_F(OtherPayListTest, TheListShowsAmountsWithTwoDecimalsUnderTheLedgersNames)
{
    ledger(2005, 3, "劳务报酬收入", "E2", "0002");
    OtherPayListModel model;
    model.setRows(*store.list(2005, 3));
    ASSERT_EQ(model.rowCount(), 1);
    const auto cell = [&](int column) { return model.data(model.index(0, column)).toString(); };
    EXPECT_EQ(model.headerData(OtherPayListModel::Id, Qt::Horizontal).toString(),
              QStringLiteral("Id"));
    EXPECT_EQ(model.headerData(OtherPayListModel::OughtTaxMoney, Qt::Horizontal).toString(),
              QStringLiteral("OughtTaxMoney"));
    EXPECT_EQ(cell(OtherPayListModel::DeptName), QStringLiteral("销售部"));
    EXPECT_EQ(cell(OtherPayListModel::Income), QStringLiteral("1234.50"));
    EXPECT_EQ(cell(OtherPayListModel::MinusFare), QStringLiteral("800.00"));
    EXPECT_EQ(cell(OtherPayListModel::TaxIncome), QStringLiteral("434.50"));
    EXPECT_EQ(cell(OtherPayListModel::TaxMoney), QStringLiteral("86.90"));
    EXPECT_EQ(cell(OtherPayListModel::ReceiveTaxMoney), QStringLiteral("0.00"));
    EXPECT_EQ(cell(OtherPayListModel::TaxRate), QStringLiteral("0.2"));
    EXPECT_EQ(model.findId(store.list(2005, 3)->first().id), 0);
    EXPECT_EQ(model.findId(-1), -1);
}

TEST_F(OtherPayListTest, OffersEveryDictionaryTypeButWages)
{
    app.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('稿酬所得'), ('')"));
    EXPECT_EQ(*store.incomeTypes(),
              (QStringList{QStringLiteral("承包经营收入"), QStringLiteral("劳务报酬收入"),
                           QStringLiteral("利息股息偶然所得"), QStringLiteral("其他所得"),
                           QStringLiteral("稿酬所得")}));
}

TEST_F(OtherPayListTest, ThePersonComesWithHisOwnDepartment)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"),
                       QStringLiteral("0002"), 1, QStringLiteral("外方"));
    const auto p = store.person(QStringLiteral("E1"));
    ASSERT_TRUE(p && p->size() == 1);
    EXPECT_EQ(p->first().deptId, QStringLiteral("0002"));
    EXPECT_EQ(p->first().deptName, QStringLiteral("销售部"));
    EXPECT_EQ(p->first().empType, QStringLiteral("外方"));
    EXPECT_TRUE(store.person(QStringLiteral("nobody"))->isEmpty());
}

TEST_F(OtherPayListTest, AFailingQueryIsNoEmptyList)
{
    app.exec(QStringLiteral("drop table TaxIncome"));
    EXPECT_FALSE(store.list(2005, 3).has_value());
    EXPECT_FALSE(store.byId(1).has_value());
}

} // namespace
