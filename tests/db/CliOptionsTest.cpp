#include "CliOptions.h"

#include <gtest/gtest.h>

namespace {

CliOptions orgOptions()
{
    return CliOptions({QStringLiteral("--db"), QStringLiteral("--end")}, {QStringLiteral("--all")});
}

TEST(CliOptions, ReadsOptionsAnywhereInBothSpellings)
{
    CliOptions o = orgOptions();
    ASSERT_TRUE(o.parse({"add", "--db", "a.mdb", "E1", "--end=2005-03-15", "--all", "张三"}));
    EXPECT_EQ(o.positional(), (QStringList{"add", "E1", "张三"}));
    EXPECT_EQ(o.value(QStringLiteral("--db")), QStringLiteral("a.mdb"));
    EXPECT_EQ(o.value(QStringLiteral("--end")), QStringLiteral("2005-03-15"));
    EXPECT_TRUE(o.has(QStringLiteral("--all")));
    EXPECT_EQ(o.value(QStringLiteral("--missing"), QStringLiteral("x")), QStringLiteral("x"));
    // An empty value is a value; "-5" is a value, not an option.
    ASSERT_TRUE(o.parse({"--db=", "--end", "-5"}));
    EXPECT_TRUE(o.has(QStringLiteral("--db")));
    EXPECT_EQ(o.value(QStringLiteral("--db"), QStringLiteral("x")), QString());
    EXPECT_EQ(o.value(QStringLiteral("--end")), QStringLiteral("-5"));
}

TEST(CliOptions, DoubleDashEndsTheOptions)
{
    CliOptions o = orgOptions();
    ASSERT_TRUE(o.parse({"add", "--", "--all", "-E2"}));
    EXPECT_EQ(o.positional(), (QStringList{"add", "--all", "-E2"}));
    EXPECT_FALSE(o.has(QStringLiteral("--all")));
}

TEST(CliOptions, RefusesWhatWouldOtherwiseBeLostOrGuessed)
{
    struct Case
    {
        QStringList args;
        QString error;
    } cases[] = {
        {{"--addres", "北京"}, QStringLiteral("未知的选项: --addres")},
        {{"--addres=北京"}, QStringLiteral("未知的选项: --addres")},
        {{"-d", "x"}, QStringLiteral("未知的选项: -d")},
        {{"E1", "--end"}, QStringLiteral("选项缺少值: --end")},
        {{"--end", "--all"}, QStringLiteral("选项缺少值: --end")},
        {{"--db", "a", "--db", "b"}, QStringLiteral("选项重复: --db")},
        {{"--all", "--all"}, QStringLiteral("选项重复: --all")},
        {{"--all=1"}, QStringLiteral("选项不带值: --all")},
    };
    for (const Case &c : cases) {
        CliOptions o = orgOptions();
        EXPECT_FALSE(o.parse(c.args)) << c.args.join(u' ').toStdString();
        EXPECT_EQ(o.error(), c.error);
    }
}

} // namespace
