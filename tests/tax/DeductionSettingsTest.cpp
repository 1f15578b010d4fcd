#include "TaxTestRates.h"
#include "TestApp.h"

#include "base/Settings.h"
#include "tax/DeductionSettings.h"

#include <gtest/gtest.h>

namespace {

Money wageRateBase(TestApp &app, const char *empType)
{
    // An aggregate comes back as plain ten-thousandths.
    return SqlResult::toMoney(app.scalar(QStringLiteral("select min(BaseMoney) from TaxRate where "
                                                        "TaxType = '工资所得税' and EmpType = ?"),
                                         {QString::fromUtf8(empType)}));
}

TEST(DeductionBases, MissingRowsShowTheDefaults)
{
    TestApp app;
    app.exec(QStringLiteral("update TaxBase set BaseMoney = 16000000 where EmpType = '中方'"));
    EXPECT_EQ(LoadDeductionBases(app.db())->chinese, M("1600"));
    EXPECT_EQ(LoadDeductionBases(app.db())->foreign, M("4000"));
    app.exec(QStringLiteral("delete from TaxBase"));
    EXPECT_EQ(LoadDeductionBases(app.db())->chinese, M("800"));
    EXPECT_EQ(LoadDeductionBases(app.db())->foreign, M("4000"));
    app.exec(QStringLiteral("drop table TaxBase"));
    EXPECT_FALSE(LoadDeductionBases(app.db()).has_value());
}

TEST(DeductionBases, SavingReplacesTaxBaseAndEveryWageRateRow)
{
    TestApp app;
    app.exec(QStringLiteral("insert into TaxBase (TaxType, EmpType, BaseMoney) values ('工资所得税', '中方', 1)"));
    ASSERT_TRUE(SaveDeductionBases(app.db(), {M("1600"), M("4800.5")}));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxBase")).toInt(), 2);
    EXPECT_EQ(LoadDeductionBases(app.db())->chinese, M("1600"));
    EXPECT_EQ(LoadDeductionBases(app.db())->foreign, M("4800.5"));
    EXPECT_EQ(wageRateBase(app, "中方"), M("1600"));
    EXPECT_EQ(wageRateBase(app, "外方"), M("4800.5"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(distinct BaseMoney) from TaxRate where "
                                        "TaxType = '工资所得税' and EmpType = '外方'")).toInt(), 1);
    // The other sets keep their own bases.
    EXPECT_EQ(app.scalar(QStringLiteral("select BaseMoney from TaxRate where TaxType = '劳务报酬收入'"))
                  .value<Money>(),
              M("800"));
}

TEST(DeductionBases, AFailingStatementLeavesEverythingAsItWas)
{
    TestApp app;
    // The last statement of the save fails: the earlier ones must be undone too.
    app.exec(QStringLiteral("create trigger refuse before update on TaxRate when new.EmpType = '外方' "
                            "begin select raise(abort, 'refused'); end"));
    EXPECT_FALSE(SaveDeductionBases(app.db(), {M("1600"), M("4800")}));
    EXPECT_EQ(LoadDeductionBases(app.db())->chinese, M("800"));
    EXPECT_EQ(LoadDeductionBases(app.db())->foreign, M("4000"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from TaxBase")).toInt(), 2);
    EXPECT_EQ(wageRateBase(app, "中方"), M("800"));
}

TEST(DeductionInput, ChecksChineseThenForeign)
{
    using F = DeductionInput::Failed;
    struct Case
    {
        const char *chinese, *foreign;
        F failed;
        const char *message, *chineseAfter, *foreignAfter;
    } cases[] = {
        {"1600", "4800.5", F::None, "", "1600.00", "4800.50"},
        {"", "", F::None, "", "0.00", "0.00"},
        {" 123456789.99 ", "0", F::None, "", "123456789.99", "0.00"},
        {"1234567890", "1234567890", F::Chinese, "输入金额太大！", "1234567890", "1234567890"},
        {"800", "1234567890.5", F::Foreign, "输入金额太大！", "800.00", "1234567890.5"},
        {".", "4000", F::Chinese, "“.”不是有效的金额！", ".", "4000"},
        {"800", ".", F::Foreign, "“.”不是有效的金额！", "800.00", "."},
    };
    for (const Case &c : cases) {
        const DeductionInput in = CheckDeductionInput(QString::fromUtf8(c.chinese),
                                                      QString::fromUtf8(c.foreign));
        EXPECT_EQ(in.failed, c.failed) << c.chinese << " / " << c.foreign;
        EXPECT_EQ(in.message, QString::fromUtf8(c.message)) << c.chinese;
        EXPECT_EQ(in.chineseText, QString::fromUtf8(c.chineseAfter)) << c.chinese;
        EXPECT_EQ(in.foreignText, QString::fromUtf8(c.foreignAfter)) << c.foreign;
    }
    EXPECT_EQ(CheckDeductionInput(QStringLiteral("1600"), QString()).bases.chinese, M("1600"));
}

TEST(PrintTitle, TitleIniDecidesTheReturnHeading)
{
    TestApp app;
    const QString form = QStringLiteral("代扣代缴个人所得税报告表");
    EXPECT_EQ(ReadPrintTitleSettings().region, QString());
    EXPECT_FALSE(ReadPrintTitleSettings().printRegion);
    EXPECT_EQ(ReturnTitle(form), form);
    ASSERT_TRUE(WritePrintTitleSettings({QStringLiteral("上海市"), true}));
    EXPECT_EQ(ReadIniValue(QStringLiteral("title.ini"), QStringLiteral("title"), QStringLiteral("top")),
              QStringLiteral("上海市"));
    EXPECT_EQ(ReadIniValue(QStringLiteral("title.ini"), QStringLiteral("title"), QStringLiteral("bltop")),
              QStringLiteral("1"));
    EXPECT_EQ(ReturnTitle(form), QStringLiteral("上海市") + form);
    ASSERT_TRUE(WritePrintTitleSettings({QStringLiteral("上海市"), false}));
    EXPECT_EQ(ReadIniValue(QStringLiteral("title.ini"), QStringLiteral("title"), QStringLiteral("bltop")),
              QStringLiteral("0"));
    EXPECT_EQ(ReturnTitle(form), form);
    ASSERT_TRUE(WriteIniString(QStringLiteral("title.ini"), QStringLiteral("title"), QStringLiteral("bltop"),
                               QStringLiteral("yes")));
    EXPECT_FALSE(ReadPrintTitleSettings().printRegion); // only "1" means print it
}

} // namespace
