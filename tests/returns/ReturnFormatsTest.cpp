#include "LedgerFixture.h"

#include "returns/ReturnFormats.h"

#include <gtest/gtest.h>

namespace {

struct AmountCase
{
    const char *value;
    const char *text;
};

TEST(ReturnFormats, AmountsReadAsTheFormsAlwaysPrintedThem)
{
    const AmountCase cases[] = {
        {"0", "-"},
        {"0.5", ".50"},
        {"1234.5", "1234.50"},
        {"1234567.89", "1234567.89"},
        {"-0.5", "-.50"},
        {"-1234.5", "-1234.50"},
        {"0.005", ".01"},
        {"1.0049", "1.00"},
        {"2.345", "2.35"},
        {"-2.345", "-2.35"},
        {"0.0001", ".00"},
        {"100", "100.00"},
    };
    for (const AmountCase &c : cases) {
        EXPECT_EQ(AmountOrDash(M(c.value)), QString::fromLatin1(c.text)) << c.value;
    }
    EXPECT_EQ(AmountOrDash(std::nullopt), QString()); // a sum over no rows
}

TEST(ReturnFormats, WholeAmountsKeepThePoint)
{
    EXPECT_EQ(WholeAmountOrDash(M("0")), QStringLiteral("-"));
    EXPECT_EQ(WholeAmountOrDash(M("1234.5")), QStringLiteral("1235."));
    EXPECT_EQ(WholeAmountOrDash(M("1234.49")), QStringLiteral("1234."));
    EXPECT_EQ(WholeAmountOrDash(M("0.3")), QStringLiteral("."));
    EXPECT_EQ(WholeAmountOrDash(std::nullopt), QString());
}

TEST(ReturnFormats, NumbersBeginWithABlankUnlessNegative)
{
    EXPECT_EQ(IncomePeriodText(2005, 9), QStringLiteral(" 2005-9"));
    EXPECT_EQ(IncomePeriodText(2005, 12), QStringLiteral(" 2005-12"));
    EXPECT_EQ(RateText(M("0.2")), QStringLiteral(" 20%"));
    EXPECT_EQ(RateText(M("0.03")), QStringLiteral(" 3%"));
    EXPECT_EQ(RateText(M("0.025")), QStringLiteral(" 2.5%"));
    EXPECT_EQ(RateText(M("0")), QStringLiteral(" 0%"));
    EXPECT_EQ(RateText(std::nullopt), QStringLiteral("%"));
    EXPECT_EQ(StrNumber(M("-3")), QStringLiteral("-3"));
}

} // namespace
