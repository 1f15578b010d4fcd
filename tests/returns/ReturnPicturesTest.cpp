// The four forms with lifelike rows, written as PDF into $CORVANE_SCREENSHOTS for looking at
// (scripts/screenshots.sh turns them into pictures); skipped when that is not set.

#include "LedgerFixture.h"
#include "TestApp.h"

#include "returns/FormOutput.h"
#include "returns/ReturnBuilder.h"
#include "tax/DeductionSettings.h"

#include <gtest/gtest.h>

namespace {

// Twenty taxed rows (three pages of the report) with long addresses and names, amounts from
// .50 to seven digits before the point, and the other income groups of the payment detail.
void addMonth(Database &db)
{
    const char *names[] = {"张三", "李四", "欧阳明月", "Christopher Johnson", "王五"};
    const char *addresses[] = {"北京市东城区", "北京市海淀区中关村南大街甲十八号院三号楼", "",
                               "上海市浦东新区陆家嘴环路一千号某某大厦二十层"};
    const char *types[] = {"工资所得税",   "一次性奖金", "劳务报酬收入", "利息股息偶然所得",
                           "承包经营收入", "其他所得",   "稿酬"};
    const char *incomes[] = {"5000", "1234567.89", "0.5", "30000", "800.25"};
    for (int i = 0; i < 20; ++i) {
        LedgerRow r;
        r.empId = QStringLiteral("E%1").arg(i % 12);
        r.empName = QString::fromUtf8(names[i % 5]);
        r.cardNo = QStringLiteral("11010119700101%1").arg(i % 12, 4, 10, QLatin1Char('0'));
        r.taxType = QString::fromUtf8(types[i % 7]);
        r.address = QString::fromUtf8(addresses[i % 4]);
        r.income = incomes[i % 5];
        r.minusFare = i % 2 ? "800" : "0";
        r.taxIncome = incomes[(i + 1) % 5];
        r.rate = i % 3 ? "0.2" : "0.45";
        r.takeOut = i % 4 ? "375" : "0";
        r.taxMoney = i % 5 == 2 ? "0.1" : "2345.67";
        r.taxNumber = QStringLiteral("(2005)京地税字第%1号").arg(100000 + i);
        r.taxDate = QStringLiteral("2005-10-07");
        AddLedgerRow(db, r);
    }
}

TEST(ReturnPictures, WriteTheFourForms)
{
    const QString out = qEnvironmentVariable("CORVANE_SCREENSHOTS");
    if (out.isEmpty()) {
        GTEST_SKIP() << "CORVANE_SCREENSHOTS names no folder";
    }
    EnsureGuiApplication();
    TestApp app;
    addMonth(app.db());
    ASSERT_TRUE(WritePrintTitleSettings({QStringLiteral("北京市"), true}));
    const WithholdingAgent agent{QStringLiteral("北方机械厂"), QStringLiteral("110108000012345")};
    const std::pair<ReturnKind, const char *> kinds[] = {
        {ReturnKind::Withholding, "withholding"}, {ReturnKind::PaymentDetail, "payment-detail"}};
    for (const auto &[kind, name] : kinds) {
        auto rows = LoadReturnRows(app.db(), kind, {2005, 9}, false);
        ASSERT_TRUE(rows);
        const auto form = MakeReturnForm(
            kind, MakeReturnHeading(ReturnFormTitle(kind), agent, {2005, 9}), std::move(rows));
        EXPECT_TRUE(WriteFormPdf(*form, out + QStringLiteral("/return-%1.pdf").arg(name)));
        const auto blank = MakeReturnForm(kind, BlankReturnHeading(ReturnFormTitle(kind)));
        EXPECT_TRUE(WriteFormPdf(*blank, out + QStringLiteral("/return-blank-%1.pdf").arg(name)));
    }
}

} // namespace
