#include "base/MessageService.h"
#include "base/Password.h"
#include "base/TextHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(TextHelpers, DatesAndSqlText)
{
    EXPECT_EQ(DateLiteral(QStringLiteral("  ")), QStringLiteral("null"));
    EXPECT_EQ(DateLiteral(QStringLiteral(" 2005-03-31 ")), QStringLiteral("#2005-03-31#"));
    EXPECT_EQ(FormatDateISO(QDate(2005, 3, 1)), QStringLiteral("2005-03-01"));
    EXPECT_EQ(EscapeSqlText(QStringLiteral("O'Neil")), QStringLiteral("O''Neil"));
    EXPECT_EQ(EscapeLikeText(QStringLiteral("5%_a\\b")), QStringLiteral("5\\%\\_a\\\\b"));
}

TEST(TextHelpers, GbkLengthCountsChineseAsTwo)
{
    EXPECT_EQ(GbkLength(QStringLiteral("A1B2")), 4);
    EXPECT_EQ(GbkLength(QStringLiteral("财务")), 4);
    EXPECT_EQ(GbkLength(QStringLiteral("财务部")), 6);
}

TEST(TextHelpers, ValidateNameRules)
{
    ScriptedMessageService messages;
    const QString label = QStringLiteral("项目名称");
    EXPECT_FALSE(ValidateName(QStringLiteral("1abc"), label, messages));
    EXPECT_EQ(messages.lastText(), QStringLiteral("项目名称不能以数字开头！"));
    EXPECT_FALSE(ValidateName(QStringLiteral("abc_1"), label, messages));
    EXPECT_EQ(messages.lastText(), QStringLiteral("项目名称不能包含字符\" _ \"！"));
    EXPECT_EQ(messages.boxes().last().kind, ScriptedMessageService::Kind::Info);
    messages.clear();
    EXPECT_TRUE(ValidateName(QStringLiteral("Bonus"), label, messages));
    EXPECT_TRUE(ValidateName(QStringLiteral("奖金_1 (a)"), label, messages));
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST(Password, EncodeDecodeRoundTrip)
{
    EXPECT_EQ(EncodePassword(QString()), QString());
    EXPECT_EQ(EncodePassword(QStringLiteral("2468")).size(), 8);
    for (const QString &text : {QStringLiteral("a"), QStringLiteral("2468"), QStringLiteral("密码12"),
                                QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789ABCDEF")}) {
        const QString encoded = EncodePassword(text);
        EXPECT_EQ(DecodePassword(encoded), text);
        EXPECT_NE(encoded, text);
        for (QChar c : encoded) {
            EXPECT_TRUE(c.isDigit() || (c >= u'A' && c <= u'F')) << encoded.toStdString();
        }
    }
    // Every length the key table cycles through, Latin and Chinese.
    QString latin, chinese;
    for (int n = 0; n <= 30; ++n) {
        EXPECT_EQ(DecodePassword(EncodePassword(latin)), latin) << n;
        EXPECT_EQ(DecodePassword(EncodePassword(chinese)), chinese) << n;
        EXPECT_EQ(EncodePassword(chinese).size(), 4 * n);
        latin += QChar(u'!' + (n * 7) % 90);
        chinese += QChar(0x4E00 + n * 37);
    }
    EXPECT_EQ(DecodePassword(QStringLiteral("ZZ")), QString());
    // The database password is kept only in its encoded form.
    EXPECT_EQ(QString::fromLatin1(kDatabasePasswordStored).size(), 36);
    EXPECT_EQ(DatabasePassword().size(), 18);
    EXPECT_EQ(EncodePassword(DatabasePassword()), QString::fromLatin1(kDatabasePasswordStored));
}

} // namespace
