#include "base/CodeFold.h"
#include "base/SafeText.h"

#include <gtest/gtest.h>

namespace {

TEST(CodeFold, FoldsCaseBeyondAscii)
{
    EXPECT_EQ(FoldCode(u"E001"), QStringLiteral("e001"));
    EXPECT_TRUE(SameCode(u"E001", u"e001"));
    EXPECT_TRUE(SameCode(u"É1", u"é1"));
    EXPECT_TRUE(SameCode(u"ΣΑΣ", u"σας")); // final sigma folds with the others
    EXPECT_FALSE(SameCode(u"E001", u"E002"));
    EXPECT_FALSE(SameCode(u"É1", u"E1"));
}

TEST(CodeFold, FullWidthAndComposedFormsAreTheSameCode)
{
    // What a Chinese input method types in full-width mode, and an accent typed as two keys.
    EXPECT_TRUE(SameCode(u"Ｅ００１", u"E001"));
    EXPECT_EQ(FoldCode(u"Ｅ００１"), QStringLiteral("e001"));
    EXPECT_TRUE(SameCode(QStringLiteral("E\u0301"), u"é"));
    EXPECT_EQ(FoldCode(u"技术部"), QStringLiteral("技术部"));
}

TEST(CodeFold, OrdersByTheFoldWhateverTheScript)
{
    EXPECT_LT(CompareFolded(u"a", u"B"), 0);
    EXPECT_GT(CompareFolded(u"b", u"A"), 0);
    EXPECT_LT(CompareFolded(u"E1", u"e10"), 0);
    // é (U+00E9) folds above every ASCII letter, in the ASCII path and the other alike.
    EXPECT_GT(CompareFolded(u"É", u"z"), 0);
    EXPECT_LT(CompareFolded(u"Z", u"é"), 0);
    EXPECT_EQ(CompareFolded(u"ＡＢ", u"ab"), 0);
}

TEST(SafeText, FindsControlAndBidiCharacters)
{
    EXPECT_EQ(FindForbiddenChar(u"张三"), -1);
    EXPECT_EQ(FindForbiddenChar(u"O'Neil 100%_x"), -1);
    EXPECT_EQ(FindForbiddenChar(u"a\tb"), 1);
    EXPECT_EQ(FindForbiddenChar(u"ab\n"), 2);
    EXPECT_EQ(FindForbiddenChar(u"\x1b[31m"), 0);
    EXPECT_EQ(FindForbiddenChar(QStringLiteral("x\u0085")), 1);      // next line (C1)
    EXPECT_EQ(FindForbiddenChar(QStringLiteral("abc\u202Efed")), 3); // right-to-left override
    EXPECT_EQ(FindForbiddenChar(QStringLiteral("a\u2066b")), 1);     // isolate
    EXPECT_EQ(FindForbiddenChar(QStringLiteral("a\u2028b")), 1);     // line separator
}

TEST(SafeText, ListingsEscapeWhatWouldBreakThem)
{
    EXPECT_EQ(EscapeForListing(u"张三 E001"), QStringLiteral("张三 E001"));
    EXPECT_EQ(EscapeForListing(QStringLiteral("a\tb\nc\rd\\e")),
              QStringLiteral("a\\tb\\nc\\rd\\\\e"));
    EXPECT_EQ(EscapeForListing(QStringLiteral("\x1b[2J\u202Ex")),
              QStringLiteral("\\u001B[2J\\u202Ex"));
}

} // namespace
