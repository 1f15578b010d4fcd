#include "queries/ResultGrid.h"
#include "queries/QueryStatement.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultGridTest, TextsAndAmountsKeepTheirCells)
{
    ResultGrid grid({{"姓名", ResultGrid::Kind::Text},
                     {"金额", ResultGrid::Kind::Money},
                     {"说明", ResultGrid::Kind::Text}});
    grid.appendRow(
        {QStringLiteral("张三"), QVariant::fromValue(*Money::parse(u"2.345")), QStringLiteral("")});
    grid.appendRow({QStringLiteral(""), QVariant(), QStringLiteral("O'Neil")});
    grid.appendRow(
        {QStringLiteral("李"), QVariant::fromValue(*Money::parse(u"-2.345")), QStringLiteral("x")});
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.displayText(0, 0), "张三");
    EXPECT_EQ(grid.displayText(0, 1), "2.35");
    EXPECT_EQ(grid.displayText(0, 2), "");
    EXPECT_EQ(grid.displayText(1, 0), "");
    EXPECT_EQ(grid.displayText(1, 1), "");
    EXPECT_EQ(grid.displayText(1, 2), "O'Neil");
    EXPECT_EQ(grid.displayText(2, 1), "-2.35");
    EXPECT_FALSE(grid.amount(1, 1));
    EXPECT_EQ(grid.sum(1), Money());

    ResultGrid empty({{"金额", ResultGrid::Kind::Money}});
    empty.appendRow({QVariant()});
    EXPECT_FALSE(empty.sum(0));
}

TEST(ResultGridTest, ReadableSqlWritesValuesInOutsideQuotes)
{
    const QueryStatement st{"select '?', \"a?\" from t where a = ? and b = ? and c = ?",
                            {2005, QStringLiteral("O'Neil"), QVariant()},
                            {}};
    EXPECT_EQ(ReadableSql(st),
              "select '?', \"a?\" from t where a = 2005 and b = 'O''Neil' and c = null");
}

} // namespace
