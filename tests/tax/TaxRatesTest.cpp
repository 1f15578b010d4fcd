#include "TaxTestRates.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "tax/TaxRates.h"

#include <gtest/gtest.h>

namespace {

using Kind = TaxRates::Kind;

void expectSameRows(const RateSet &loaded, const RateSet &hand, const char *name)
{
    SCOPED_TRACE(name);
    ASSERT_TRUE(loaded.isLoaded());
    ASSERT_EQ(loaded.rows().size(), hand.rows().size());
    for (int i = 0; i < hand.rows().size(); ++i) {
        const RateRow &a = loaded.rows().at(i);
        const RateRow &b = hand.rows().at(i);
        EXPECT_EQ(a.levelLow, b.levelLow) << i;
        EXPECT_EQ(a.NoLevelLow, b.NoLevelLow) << i;
        EXPECT_EQ(a.LevelRate, b.LevelRate) << i;
        EXPECT_EQ(a.QuickDeduct, b.QuickDeduct) << i;
        EXPECT_EQ(a.BaseMoney, b.BaseMoney) << i;
        EXPECT_EQ(a.TaxType, b.TaxType) << i;
        EXPECT_GT(a.LevelHigh, a.levelLow) << i;
        EXPECT_GT(a.NoLevelHigh, a.NoLevelLow) << i;
    }
}

TEST(TaxRates, DeliveredSetsAreTheRowsTheRoutinesAreCheckedWith)
{
    TestApp app;
    TaxRates rates;
    ScriptedMessageService messages;
    ASSERT_TRUE(LoadAllTaxRates(app.db(), rates, messages));
    EXPECT_TRUE(messages.boxes().isEmpty());
    expectSameRows(rates.wage(), chineseWage(), "wage");
    expectSameRows(rates.foreign(), foreignWage(), "foreign");
    expectSameRows(rates.contract(), contractSet(), "contract");
    expectSameRows(rates.service(), serviceSet(), "service");
    expectSameRows(rates.netService(), netServiceSet(), "netService");
    expectSameRows(rates.other(), otherSet(), "other");
}

TEST(TaxRates, EverySetThatFailsShowsItsMessageInLoadingOrder)
{
    TestApp app;
    app.exec(QStringLiteral("drop table TaxRate"));
    TaxRates rates = handRates();
    ScriptedMessageService messages;
    EXPECT_FALSE(LoadAllTaxRates(app.db(), rates, messages));
    EXPECT_EQ(messages.texts(),
              (QStringList{QStringLiteral("获取中方工资薪金税率错误！"),
                           QStringLiteral("获取外方工资薪金税率错误！"),
                           QStringLiteral("获取税前承包经营收入税率错误！"),
                           QStringLiteral("获取劳务报酬收入税率错误！"),
                           QStringLiteral("获取不含税劳务报酬收入税率错误！"),
                           QStringLiteral("获取其他税率错误！")}));
    for (const auto &box : messages.boxes()) {
        EXPECT_EQ(box.kind, ScriptedMessageService::Kind::Error);
    }
    for (int k = 0; k < TaxRates::kKindCount; ++k) {
        EXPECT_FALSE(rates.set(Kind(k)).isLoaded()) << k;
        EXPECT_TRUE(rates.set(Kind(k)).isEmpty()) << k;
    }
}

TEST(TaxRates, ASetWithoutRowsIsLoadedButEmpty)
{
    TestApp app;
    app.exec(QStringLiteral("delete from TaxRate where TaxType = '承包经营收入'"));
    TaxRates rates;
    ScriptedMessageService messages;
    EXPECT_TRUE(LoadAllTaxRates(app.db(), rates, messages));
    EXPECT_TRUE(rates.contract().isLoaded());
    EXPECT_TRUE(rates.contract().isEmpty());
}

TEST(TaxRates, SetsAreSnapshotsUntilTheWageSetsAreReloaded)
{
    TestApp app;
    TaxRates rates;
    ScriptedMessageService messages;
    ASSERT_TRUE(LoadAllTaxRates(app.db(), rates, messages));
    app.exec(QStringLiteral("update TaxRate set BaseMoney = 12345000"));
    EXPECT_EQ(rates.wage().baseMoney(), M("800"));
    ASSERT_TRUE(ReloadWageTaxRates(app.db(), rates, messages));
    EXPECT_EQ(rates.wage().baseMoney(), M("1234.5"));
    EXPECT_EQ(rates.foreign().baseMoney(), M("1234.5"));
    EXPECT_EQ(rates.service().baseMoney(), M("800")); // the other sets keep what they had
}

TEST(TaxRates, AFailedReloadMarksTheWageSetsAsMissing)
{
    TestApp app;
    TaxRates rates;
    ScriptedMessageService messages;
    ASSERT_TRUE(LoadAllTaxRates(app.db(), rates, messages));
    app.exec(QStringLiteral("alter table TaxRate rename to Gone"));
    EXPECT_FALSE(ReloadWageTaxRates(app.db(), rates, messages));
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("获取中方工资薪金税率错误！"),
                                             QStringLiteral("获取外方工资薪金税率错误！")}));
    EXPECT_FALSE(rates.wage().isLoaded());
    EXPECT_TRUE(rates.contract().isLoaded());
}

TEST(RateSet, AnAmountOnALowerBoundBelongsToTheBracketBelow)
{
    const RateSet s = chineseWage();
    struct Case
    {
        const char *amount;
        const char *rate; // empty: no bracket
    } cases[] = {{"-1", ""},        {"0", ""},         {"0.01", "0.05"}, {"500", "0.05"},
                 {"500.01", "0.10"}, {"100000", "0.40"}, {"100000.01", "0.45"}};
    for (const Case &c : cases) {
        const auto b = s.bracket(M(c.amount));
        if (*c.rate == 0) {
            EXPECT_FALSE(b.has_value()) << c.amount;
        } else {
            ASSERT_TRUE(b.has_value()) << c.amount;
            EXPECT_EQ(b->LevelRate, M(c.rate)) << c.amount;
        }
    }
    // On the after-tax bounds.
    EXPECT_EQ(s.netBracket(M("475"))->LevelRate, M("0.05"));
    EXPECT_EQ(s.netBracket(M("475.01"))->LevelRate, M("0.10"));
    EXPECT_FALSE(s.netBracket(M("0")).has_value());
}

TEST(RateSet, TypesOfTheMixedSetAreSeparate)
{
    const RateSet s = otherSet();
    EXPECT_EQ(s.ofType(QStringLiteral("稿酬")).rows().size(), 2);
    EXPECT_EQ(s.ofType(QStringLiteral("稿酬")).bracket(M("5000"))->QuickDeduct, M("0.2"));
    EXPECT_EQ(s.ofType(QStringLiteral("利息股息偶然所得")).first()->LevelRate, M("0.2"));
    EXPECT_TRUE(s.ofType(QStringLiteral("无此类型")).isEmpty());
    EXPECT_TRUE(s.ofType(QStringLiteral("无此类型")).isLoaded());
    EXPECT_FALSE(RateSet().ofType(QStringLiteral("稿酬")).isLoaded());
}

TEST(TaxRates, WageSetFollowsTheEmployeeType)
{
    const TaxRates rates = handRates();
    EXPECT_EQ(rates.wageFor(QStringLiteral("中方")).baseMoney(), M("800"));
    EXPECT_EQ(rates.wageFor(QStringLiteral("外方")).baseMoney(), M("4000"));
}

} // namespace
