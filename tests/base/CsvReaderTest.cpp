#include "base/CsvReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QList<QStringList> fieldsOf(const QList<CsvRecord> &records)
{
    QList<QStringList> fields;
    for (const CsvRecord &r : records) {
        fields << r.fields;
    }
    return fields;
}

TEST(ParseCsv, QuotedSeparatorsDoubledQuotesAndLineBreaks)
{
    const auto records = ParseCsv(QStringLiteral("a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                                                 "\"two\nlines\",,x\n"
                                                 "\n"
                                                 "last,\"\""));
    ASSERT_TRUE(records);
    EXPECT_EQ(
        fieldsOf(*records),
        (QList<QStringList>{{"a", "b,c", "say \"hi\""}, {"two\nlines", "", "x"}, {"last", ""}}));
    // Each record knows the line it starts on; the blank line is no record.
    EXPECT_EQ(records->at(0).line, 1);
    EXPECT_EQ(records->at(1).line, 2);
    EXPECT_EQ(records->at(2).line, 5);
}

TEST(ParseCsv, BrokenQuotingNamesTheLine)
{
    QString error;
    EXPECT_FALSE(ParseCsv(QStringLiteral("a,b\n\"open,c\n"), &error));
    EXPECT_EQ(error, QStringLiteral("第2行: 引号没有结束"));
    EXPECT_FALSE(ParseCsv(QStringLiteral("a,b\nx\"y\",c\n"), &error));
    EXPECT_EQ(error, QStringLiteral("第2行: 未加引号的字段中不能有引号"));
    EXPECT_FALSE(ParseCsv(QStringLiteral("\"a\"b,c\n"), &error));
    EXPECT_EQ(error, QStringLiteral("第1行: 引号后只能是逗号或换行"));
}

TEST(ReadUtf8File, DropsTheByteOrderMarkAndRefusesOtherEncodings)
{
    QTemporaryDir dir;
    const QString utf8 = dir.filePath(QStringLiteral("a.csv"));
    const QString gbk = dir.filePath(QStringLiteral("b.csv"));
    QFile f(utf8);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF" + QStringLiteral("编号,姓名").toUtf8());
    f.close();
    QFile g(gbk);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("\xB1\xE0\xBA\xC5"); // 编号 in GBK
    g.close();
    EXPECT_EQ(ReadUtf8File(utf8), QStringLiteral("编号,姓名"));
    QString error;
    EXPECT_FALSE(ReadUtf8File(gbk, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("文件不是UTF-8编码")));
}

} // namespace
