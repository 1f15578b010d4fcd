#include "base/Money.h"
#include "base/TextHelpers.h"

#include <gtest/gtest.h>

namespace {

Money m(const char *text)
{
    const auto v = Money::parse(QString::fromLatin1(text));
    EXPECT_TRUE(v.has_value()) << text;
    return v.value_or(Money());
}

TEST(Money, ParseAcceptsPlainDecimalsAndRefusesTheRest)
{
    EXPECT_EQ(m("800").raw(), 8000000);
    EXPECT_EQ(m(" -12.5 ").raw(), -125000);
    EXPECT_EQ(m(".5").raw(), 5000);
    EXPECT_EQ(m("0.00005").raw(), 0);  // tie to even
    EXPECT_EQ(m("0.00015").raw(), 2);  // tie to even
    EXPECT_EQ(m("0.00016").raw(), 2);
    for (const char *bad : {"", ".", "-", "1.2.3", "12a", "1e5", "++1", "99999999999999999"}) {
        EXPECT_FALSE(Money::parse(QString::fromLatin1(bad)).has_value()) << bad;
    }
}

TEST(Money, MultiplicationAndDivisionKeepFourDecimalsTiesToEven)
{
    EXPECT_EQ((m("1234.56") * m("0.2")).raw(), m("246.912").raw());
    EXPECT_EQ((m("0.0005") * m("0.5")).raw(), 2);  // 0.00025 -> 0.0002
    EXPECT_EQ((m("0.0015") * m("0.5")).raw(), 8);  // 0.00075 -> 0.0008
    EXPECT_EQ((m("-0.0005") * m("0.5")).raw(), -2);
    EXPECT_EQ((m("100") / m("3")).raw(), 333333);
    EXPECT_EQ((m("3360") / m("0.84")).raw(), m("4000").raw());
    EXPECT_EQ((m("1") / m("0")).raw(), 0);
    // Large amounts do not overflow on the way.
    EXPECT_EQ((m("99999999") * m("0.45")).raw(), m("44999999.55").raw());
}

TEST(Money, RoundMoneyIsHalfAwayFromZeroOnTheExactAmount)
{
    EXPECT_EQ(RoundMoney(m("1.005")), m("1.01"));
    EXPECT_EQ(RoundMoney(m("-1.005")), m("-1.01"));
    EXPECT_EQ(RoundMoney(m("1.0049")), m("1"));
    EXPECT_EQ(RoundMoney(m("2.345")), m("2.35"));
}

TEST(TextHelpers, MoneyTextRoutines)
{
    EXPECT_EQ(FormatMoney(Money()), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMoney(m("2.345")), QStringLiteral("2.35"));
    EXPECT_EQ(FormatMoney(m("-2.345")), QStringLiteral("-2.35"));
    EXPECT_EQ(FormatMoney(m("-0.004")), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMoney(m("1234567.8")), QStringLiteral("1234567.80"));
    EXPECT_EQ(TextToMoney(QString()), Money());
    EXPECT_FALSE(TextToMoney(QStringLiteral(".")).has_value());
    EXPECT_EQ(FormatMoneyText(QString()), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMoneyText(QStringLiteral("12.5")), QStringLiteral("12.50"));
    EXPECT_FALSE(FormatMoneyText(QStringLiteral("abc")).has_value());
    EXPECT_TRUE(MoneyTextFits(QStringLiteral("123456789.99")));
    EXPECT_FALSE(MoneyTextFits(QStringLiteral("1234567890")));
    EXPECT_TRUE(MoneyTextFits(QStringLiteral(" 123456789 ")));
}

} // namespace
