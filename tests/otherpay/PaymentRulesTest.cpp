// Saving, editing and deleting other payments: the checks in their order, what lands in the
// ledger, and what must never change.

#include "../tax/TaxTestRates.h"
#include "OrgFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "otherpay/OtherPayStore.h"
#include "otherpay/PaymentRules.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedMessageService::Kind;
using Box = ScriptedMessageService::Box;

class PaymentRulesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("销售部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        app.exec(QStringLiteral("update Employee set Address = '北京' where EmpID = 'E1'"));
        ASSERT_TRUE(LoadAllTaxRates(app.db(), rates, messages));
        messages.clear();
    }

    PaymentPerson e1()
    {
        const auto p = store.person(QStringLiteral("E1"));
        EXPECT_TRUE(p && p->size() == 1);
        return p->value(0);
    }

    // A payment of E1 in March 2005, with the clock at 2005-03-15.
    PaymentInput input(const char *type, const char *income, const char *deduction = "")
    {
        return {QString::fromUtf8(type), QString::fromUtf8(income), QString::fromUtf8(deduction),
                QDate(2005, 3, 10), QStringLiteral(" 字001 ")};
    }

    PaymentSaveResult add(const PaymentInput &in)
    {
        return SavePayment(store, rates, messages, PaymentTarget{2005, 3, 0, e1()}, in);
    }

    QVariantList stored(qint64 id, const char *columns)
    {
        const auto r = app.db().query(QStringLiteral("select %1 from TaxIncome where ID = ?")
                                          .arg(QString::fromLatin1(columns)),
                                      {id});
        EXPECT_TRUE(r && r->rowCount() == 1);
        return r && r->rowCount() == 1 ? r->row(0) : QVariantList();
    }

    Money storedMoney(qint64 id, const char *column)
    {
        return SqlResult::toMoney(stored(id, column).value(0));
    }

    TestApp app; // the clock says 2005-03-15 10:00
    OtherPayStore store{app.db()};
    TaxRates rates;
    ScriptedMessageService messages;
};

TEST_F(PaymentRulesTest, LabourRemunerationLandsWithTheRoutinesFigures)
{
    const PaymentSaveResult r = add(input("劳务报酬收入", "3000"));
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(messages.boxes().isEmpty());
    // (3000 - 800) × 20% = 440; the taxable amount is Income - MinusFare although the income
    // field was never left (no computation ran before the save).
    EXPECT_EQ(stored(r.id, "TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, EmpType, "
                           "DeptID, Address, TaxNumber, TaxDate"),
              (QVariantList{2005, 3, QStringLiteral("劳务报酬收入"), QStringLiteral("E1"),
                            QStringLiteral("张三"), QStringLiteral("11010119800101E1"),
                            QStringLiteral("中方"), QStringLiteral("0001"), QStringLiteral("北京"),
                            QStringLiteral("字001"), QStringLiteral("2005-03-10")}));
    EXPECT_EQ(storedMoney(r.id, "FactIncome"), M("3000"));
    EXPECT_EQ(storedMoney(r.id, "Income"), M("3000"));
    EXPECT_EQ(storedMoney(r.id, "MinusFare"), M("800"));
    EXPECT_EQ(storedMoney(r.id, "TaxIncome"), M("2200"));
    EXPECT_EQ(storedMoney(r.id, "TaxRate"), M("0.2"));
    EXPECT_EQ(storedMoney(r.id, "TakeOutMoney"), M("0"));
    EXPECT_EQ(storedMoney(r.id, "TaxMoney"), M("440"));
    for (const char *zero : {"ChinaIncome", "ForeignIncome", "ForeignExchange",
                             "ForeignToChinaIncome", "ReceiveTaxMoney", "OughtTaxMoney"}) {
        EXPECT_EQ(storedMoney(r.id, zero), Money()) << zero;
    }
}

TEST_F(PaymentRulesTest, HighLabourContractAndOtherTypes)
{
    // 30000: deduction 6000, 24000 at 30% less 2000.
    const auto labour = add(input("劳务报酬收入", "30000"));
    EXPECT_EQ(storedMoney(labour.id, "MinusFare"), M("6000"));
    EXPECT_EQ(storedMoney(labour.id, "TaxIncome"), M("24000"));
    EXPECT_EQ(storedMoney(labour.id, "TaxMoney"), M("5200"));

    // A contract whose deduction exceeds the income: taxable 0, no tax.
    const auto contract = add(input("承包经营收入", "50000", "60000"));
    ASSERT_TRUE(contract.ok());
    EXPECT_EQ(storedMoney(contract.id, "MinusFare"), M("60000"));
    EXPECT_EQ(storedMoney(contract.id, "TaxIncome"), Money());
    EXPECT_EQ(storedMoney(contract.id, "TaxMoney"), Money());

    // 其他所得 on the interest rows: 20% of 1000.
    const auto other = add(input("其他所得", "1000"));
    EXPECT_EQ(storedMoney(other.id, "TaxRate"), M("0.2"));
    EXPECT_EQ(storedMoney(other.id, "TaxMoney"), M("200"));

    // No type chosen: stored with an empty type, taxable = income, no tax.
    const auto none = add(input("", "700"));
    ASSERT_TRUE(none.ok());
    EXPECT_EQ(stored(none.id, "TaxType"), QVariantList{QString()});
    EXPECT_EQ(storedMoney(none.id, "TaxIncome"), M("700"));
    EXPECT_EQ(storedMoney(none.id, "TaxMoney"), Money());
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST_F(PaymentRulesTest, TheTaxDateMustLieBetweenTheMonthsFirstDayAndToday)
{
    PaymentInput in = input("其他所得", "1000");
    const auto check = [&](QDate date) {
        in.taxDate = date;
        messages.clear();
        return CheckPaymentInput(messages, 2005, 3, in).check;
    };
    EXPECT_EQ(check(QDate(2005, 3, 1)), PaymentCheck::Ok);
    EXPECT_EQ(check(QDate(2005, 3, 15)), PaymentCheck::Ok); // today
    EXPECT_EQ(check(QDate(2005, 2, 28)), PaymentCheck::DateBeforePeriod);
    EXPECT_EQ(messages.boxes(),
              (QList<Box>{{Kind::Error, QStringLiteral("纳税日期不能小于选择日期！")}}));
    EXPECT_EQ(check(QDate(2005, 3, 16)), PaymentCheck::DateAfterToday);
    EXPECT_EQ(messages.boxes(),
              (QList<Box>{{Kind::Error, QStringLiteral("纳税日期不能大于系统日期！")}}));
    // A payment of an earlier month may be withheld later.
    in.taxDate = QDate(2005, 3, 2);
    messages.clear();
    EXPECT_EQ(CheckPaymentInput(messages, 2004, 12, in).check, PaymentCheck::Ok);
}

TEST_F(PaymentRulesTest, AmountsAreCheckedInOrderAndGivenTwoDecimals)
{
    const auto check = [&](const char *income, const char *deduction) {
        messages.clear();
        return CheckPaymentInput(messages, 2005, 3, input("承包经营收入", income, deduction));
    };
    const PaymentCheckResult nine = check("123456789.99", "12.5");
    EXPECT_EQ(nine.check, PaymentCheck::Ok);
    EXPECT_EQ(nine.incomeText, QStringLiteral("123456789.99"));
    EXPECT_EQ(nine.deductionText, QStringLiteral("12.50"));

    const PaymentCheckResult ten = check("1234567890", "1234567890");
    EXPECT_EQ(ten.check, PaymentCheck::IncomeTooLarge);
    EXPECT_EQ(ten.focus, PaymentField::Income);
    EXPECT_EQ(messages.boxes(), (QList<Box>{{Kind::Error, QStringLiteral("输入金额太大！")}}));

    EXPECT_EQ(check("", "").check, PaymentCheck::IncomeMissing);
    EXPECT_EQ(messages.boxes(), (QList<Box>{{Kind::Info, QStringLiteral("请输入金额！")}}));
    const PaymentCheckResult zero = check("0", "1");
    EXPECT_EQ(zero.check, PaymentCheck::IncomeMissing);
    EXPECT_EQ(zero.incomeText, QStringLiteral("0.00")); // reformatted before the refusal
    EXPECT_EQ(check("-5", "").check, PaymentCheck::Ok); // negative amounts pass

    const PaymentCheckResult deduction = check("100", "1234567890");
    EXPECT_EQ(deduction.check, PaymentCheck::DeductionTooLarge);
    EXPECT_EQ(deduction.focus, PaymentField::Deduction);
    EXPECT_EQ(deduction.incomeText, QStringLiteral("100.00"));

    EXPECT_EQ(check(".", "").check, PaymentCheck::IncomeNotANumber);
    EXPECT_EQ(messages.lastText(), QStringLiteral("“.”不是有效的金额！"));

    PaymentInput longReceipt = input("其他所得", "1");
    longReceipt.taxNumber = QString(31, u'号');
    messages.clear();
    EXPECT_EQ(CheckPaymentInput(messages, 2005, 3, longReceipt).check,
              PaymentCheck::TaxNumberTooLong);
    EXPECT_EQ(messages.lastText(), QStringLiteral("完税证字号不能超过30个字符！"));
}

TEST_F(PaymentRulesTest, ARefusedPaymentWritesNothing)
{
    PaymentInput in = input("其他所得", "1000");
    in.taxDate = QDate(2005, 2, 1);
    EXPECT_FALSE(add(in).ok());
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxIncome")).toInt(), 0);
}

TEST_F(PaymentRulesTest, AnEditChangesAmountsTypeDateAndReceiptOnly)
{
    const auto r = add(input("劳务报酬收入", "3000"));
    ASSERT_TRUE(r.ok());
    // The employee moves and is renamed afterwards: the payment keeps what it was written with.
    app.exec(
        QStringLiteral("update Employee set EmpName = '张叁', DeptID = '0002' where EmpID = 'E1'"));

    PaymentInput edit = input("利息股息偶然所得", "500");
    edit.taxDate = QDate(2005, 3, 1);
    edit.taxNumber = QStringLiteral("新号");
    PaymentTarget target{2005, 3, r.id, {}};
    const auto e = SavePayment(store, rates, messages, target, edit);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.id, r.id);
    EXPECT_EQ(
        stored(r.id, "EmpId, EmpName, DeptID, TaxYear, TaxMonth, TaxType, TaxNumber, TaxDate"),
        (QVariantList{QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"), 2005, 3,
                      QStringLiteral("利息股息偶然所得"), QStringLiteral("新号"),
                      QStringLiteral("2005-03-01")}));
    // 500 at 20%: 100, no deduction.
    EXPECT_EQ(storedMoney(r.id, "Income"), M("500"));
    EXPECT_EQ(storedMoney(r.id, "FactIncome"), M("500"));
    EXPECT_EQ(storedMoney(r.id, "MinusFare"), Money());
    EXPECT_EQ(storedMoney(r.id, "TaxIncome"), M("500"));
    EXPECT_EQ(storedMoney(r.id, "TaxMoney"), M("100"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxIncome")).toInt(), 1);
}

TEST_F(PaymentRulesTest, AFailedWriteIsReportedNotPassedOff)
{
    app.exec(QStringLiteral("create trigger refuse before insert on TaxIncome "
                            "begin select raise(abort, 'disk full'); end"));
    const auto r = add(input("其他所得", "1000"));
    EXPECT_EQ(r.check.check, PaymentCheck::SaveFailed);
    EXPECT_EQ(messages.boxes(), (QList<Box>{{Kind::Error, QStringLiteral("保存失败！")}}));
    // The figures are there for the panel, which keeps the input.
    EXPECT_EQ(r.figures.tax, M("200"));

    // An edit of a payment that someone else deleted meanwhile is no success either.
    messages.clear();
    const auto gone = SavePayment(store, rates, messages, PaymentTarget{2005, 3, 4711, {}},
                                  input("其他所得", "1000"));
    EXPECT_EQ(gone.check.check, PaymentCheck::SaveFailed);
    EXPECT_EQ(messages.lastText(), QStringLiteral("保存失败！"));
}

TEST_F(PaymentRulesTest, NoPaymentWithoutItsRateSet)
{
    rates.setRates(TaxRates::Kind::Contract, RateSet());
    const auto r = add(input("承包经营收入", "8000"));
    EXPECT_EQ(r.check.check, PaymentCheck::RatesMissing);
    EXPECT_EQ(messages.lastText(), QStringLiteral("获取税前承包经营收入税率错误！"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxIncome")).toInt(), 0);
}

TEST_F(PaymentRulesTest, WageBonusAndBackPayRowsCannotBeEditedOrDeletedHere)
{
    for (const char *type : {"工资所得税", "一次性奖金", "补发工资"}) {
        app.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, DeptID, "
                                "Income) values (2005, 3, ?, 'E1', '0001', 100000000)"),
                 {QString::fromUtf8(type)});
        const qint64 id = app.db().lastInsertId();
        EXPECT_TRUE(store.byId(id)->isEmpty()) << type;
        EXPECT_EQ(SavePayment(store, rates, messages, PaymentTarget{2005, 3, id, {}},
                              input("其他所得", "1"))
                      .check.check,
                  PaymentCheck::SaveFailed);
        EXPECT_TRUE(DeletePayment(store, messages, id));
        EXPECT_EQ(storedMoney(id, "Income"), M("10000")) << type;
    }
}

TEST_F(PaymentRulesTest, DeleteRemovesThePayment)
{
    const auto r = add(input("其他所得", "1000"));
    ASSERT_TRUE(DeletePayment(store, messages, r.id));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxIncome")).toInt(), 0);
    EXPECT_TRUE(messages.boxes().isEmpty());

    const auto kept = add(input("其他所得", "1000"));
    app.exec(QStringLiteral("create trigger keep before delete on TaxIncome "
                            "begin select raise(abort, 'locked'); end"));
    EXPECT_FALSE(DeletePayment(store, messages, kept.id));
    EXPECT_EQ(messages.boxes(), (QList<Box>{{Kind::Error, QStringLiteral("无法删除！")}}));
}

} // namespace
