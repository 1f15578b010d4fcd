#include "payroll/DelimitedText.h"
#include "payroll/ImportTextFile.h"
#include "payroll/ImportSource.h"
#include "payroll/SourceText.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

QStringList cells(const ImportSourceTable &t, std::size_t row)
{
    return t.rows.at(row).cells;
}

QByteArray gbk(const QString &text)
{
    QStringEncoder e("GBK");
    return e.encode(text);
}

const QString Chinese = QStringLiteral("员工编号;姓名;基本工资");

TEST(SourceTextTest, TellsUtf8WithAndWithoutMarkFromGbkAndUtf16)
{
    const auto plain = DecodeSourceText(Chinese.toUtf8());
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->text, Chinese);
    EXPECT_EQ(plain->encoding, SourceEncoding::Utf8);

    const auto marked = DecodeSourceText("\xEF\xBB\xBF" + Chinese.toUtf8());
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->text, Chinese); // the mark is no character of the first column's name

    const auto old = DecodeSourceText(gbk(Chinese));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->text, Chinese);
    EXPECT_EQ(old->encoding, SourceEncoding::Gbk);

    QByteArray utf16("\xFF\xFE");
    for (QChar c : Chinese) {
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    const auto unicode = DecodeSourceText(utf16);
    ASSERT_TRUE(unicode);
    EXPECT_EQ(unicode->text, Chinese);
    EXPECT_EQ(unicode->encoding, SourceEncoding::Utf16);
}

TEST(SourceTextTest, RefusesBytesThatAreTextInNoEncodingItKnows)
{
    // 0x80 alone is no UTF-8 and no GBK character; 0xFF never starts a GBK character.
    EXPECT_FALSE(DecodeSourceText(QByteArray("abc\x80", 4)));
    EXPECT_FALSE(DecodeSourceText(QByteArray("\xD5\xC5\xFF", 3)));
    // A broken UTF-8 file behind a UTF-8 mark is not read as GBK either.
    EXPECT_FALSE(DecodeSourceText("\xEF\xBB\xBF" + gbk(Chinese)));
}

TEST(SourceTextTest, GbkFixtureReadsBackItsNames)
{
    const auto text = ReadSourceText(QStringLiteral(CORVANE_FIXTURES "/import/gbk.txt"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->encoding, SourceEncoding::Gbk);
    EXPECT_TRUE(text->text.startsWith(QStringLiteral("员工编号;姓名;基本工资;一次性奖金\r\n")));
}

TEST(SourceTextTest, SplitsLinesAtEveryKindOfBreak)
{
    EXPECT_EQ(SplitTextLines(u"a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines(u"a\n\nb\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitTextLines(u""), QStringList());
}

TEST(CsvReaderTest, ReadsQuotedSeparatorsDoubledQuotesAndLineBreaks)
{
    const QString text = QStringLiteral("编号,姓名,备注\r\n"
                                        "E1,\"张,三\",\"他说\"\"好\"\"\"\r\n"
                                        "E2,李四,\"两\r\n行\"\r\n"
                                        "\r\n"
                                        "E3,,末行");
    const auto read = ReadCsvTable(text);
    ASSERT_TRUE(read);
    const auto &t = *read;
    EXPECT_EQ(t.columns, QStringList({"编号", "姓名", "备注"}));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(cells(t, 0), QStringList({"E1", "张,三", "他说\"好\""}));
    EXPECT_EQ(cells(t, 1), QStringList({"E2", "李四", "两\r\n行"}));
    EXPECT_EQ(cells(t, 2), QStringList({"E3", "", "末行"}));
    // Each record knows the line it starts on, the blank line counted.
    EXPECT_EQ(t.rows[0].line, 2);
    EXPECT_EQ(t.rows[1].line, 3);
    EXPECT_EQ(t.rows[2].line, 6);
}

TEST(CsvReaderTest, WiderRecordsAddNamedColumns)
{
    const auto read = ReadCsvTable(QStringLiteral("a,b\n1,2,3\n4\n"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->columns, QStringList({"a", "b", "F3"}));
    EXPECT_EQ(cells(*read, 0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(cells(*read, 1), QStringList({"4"}));
}

TEST(CsvReaderTest, BrokenQuotingIsRefusedWithItsLine)
{
    QString error;
    EXPECT_FALSE(ReadCsvTable(QStringLiteral("a,b\n1,2\n3,\"never\n4,5\n"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("第3行"))) << qPrintable(error);
    EXPECT_FALSE(ReadCsvTable(QStringLiteral("a,b\n1,2\n4,x\"y\n"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("第3行"))) << qPrintable(error);
}

TEST(ImportColumnNamesTest, NamesBlanksByPositionAndRepeatsByNumber)
{
    EXPECT_EQ(ImportColumnNames({" 编号 ", "", "金额", "金额", "金额1", "AMT", "amt"}, 8),
              QStringList({"编号", "F2", "金额", "金额1", "金额11", "AMT", "amt1", "F8"}));
    EXPECT_EQ(ImportColumnNames({"两\n行"}, 1), QStringList({"两 行"}));
}

TEST(ImportLineSplitterTest, SplitsAtEverySeparatorAndUnquotesTheWizardsWay)
{
    // Qualifiers protect nothing: the separator inside quotes still splits.
    // ("b'" holds the qualifier: what follows it, nothing, is the field.)
    EXPECT_EQ(SplitImportLine(u"'a;b';c", u";", u"'"), QStringList({"a", "", "c"}));
    // The text between the first qualifier and the next, or to the end.
    EXPECT_EQ(SplitImportLine(u"x'abc'y;'open", u";", u"'"), QStringList({"abc", "open"}));
    EXPECT_EQ(SplitImportLine(u"a;;b;", u";", u"\""), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(SplitImportLine(u"a\tb", u"\t", QStringView()), QStringList({"a", "b"}));
    // A separator of two characters never matches: the line is one field.
    EXPECT_EQ(SplitImportLine(u"a||b", u"||", u"\""), QStringList({"a||b"}));
}

TEST(ImportLineSplitterTest, ReadsFromTheStartLineUnderTheFirstLinesNames)
{
    const QStringList lines = {"编号;金额", "跳过;1", "E1;2", "E2"};
    const auto read = ReadDelimitedLines(lines, 2, u";", u"\"");
    const auto &t = std::get<ImportSourceTable>(read);
    EXPECT_EQ(t.columns, QStringList({"编号", "金额"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(cells(t, 0), QStringList({"E1", "2"}));
    EXPECT_EQ(t.rows[0].line, 3);
    EXPECT_EQ(cells(t, 1), QStringList({"E2"}));
}

TEST(ImportLineSplitterTest, RefusesLinesWiderThanTheHeaderOrTheLimit)
{
    const auto wider = ReadDelimitedLines({"a;b", "1;2", "1;2;3"}, 1, u";", u"'");
    ASSERT_TRUE(std::holds_alternative<DelimitedRefusal>(wider));
    EXPECT_EQ(std::get<DelimitedRefusal>(wider).reason, DelimitedRefusal::Reason::WiderThanHeader);
    EXPECT_EQ(std::get<DelimitedRefusal>(wider).line, 3);

    const QString hundred = QStringList(100, QStringLiteral("c")).join(u';');
    const auto atLimit = ReadDelimitedLines({hundred, hundred}, 1, u";", u"'");
    EXPECT_TRUE(std::holds_alternative<ImportSourceTable>(atLimit));
    const auto beyond = ReadDelimitedLines({hundred + QStringLiteral(";c"), hundred}, 1, u";", u"'");
    ASSERT_TRUE(std::holds_alternative<DelimitedRefusal>(beyond));
    EXPECT_EQ(std::get<DelimitedRefusal>(beyond).reason, DelimitedRefusal::Reason::TooManyFields);
    EXPECT_EQ(std::get<DelimitedRefusal>(beyond).line, 1);
}

TEST(SheetNumberTextTest, ShowsNumbersAsTyped)
{
    EXPECT_EQ(SheetNumberText(1003), "1003");
    EXPECT_EQ(SheetNumberText(4800.25), "4800.25");
    EXPECT_EQ(SheetNumberText(0.3 - 0.2), "0.1");
    EXPECT_EQ(SheetNumberText(-12.5), "-12.5");
    EXPECT_EQ(SheetNumberText(0.0125), "0.0125");
    EXPECT_EQ(SheetNumberText(12345678901.0), "12345678901");
    EXPECT_EQ(SheetNumberText(-0.0), "0");
}

} // namespace
