#include "base/WorkbookWriter.h"
#include "payroll/SourceWorkbook.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(CORVANE_FIXTURES "/import/") + QString::fromUtf8(name);
}

// The same sheets saved by a spreadsheet program in both formats read the same.
class BothFormatsTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(BothFormatsTest, ListsTheSheetsInOrder)
{
    const auto book = OpenSourceWorkbook(fixture(GetParam()));
    ASSERT_TRUE(book);
    EXPECT_EQ(book->sheetNames(), QStringList({"三月工资", "说明"}));
}

TEST_P(BothFormatsTest, ReadsTextsNumbersAndEmptyCellsUnderTheHeader)
{
    const auto book = OpenSourceWorkbook(fixture(GetParam()));
    ASSERT_TRUE(book);
    const auto sheet = book->readSheet(QStringLiteral("三月工资"));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->columns,
              QStringList({"员工编号", "姓名", "基本工资", "岗位津贴", "一次性奖金", "备注"}));
    // The empty fifth row is left out; the rows keep their row numbers.
    ASSERT_EQ(sheet->rows.size(), 4u);
    EXPECT_EQ(sheet->rows[0].line, 2);
    EXPECT_EQ(sheet->rows[0].cells, QStringList({"E001", "张三", "5200", "300.5", "", ""}));
    EXPECT_EQ(sheet->rows[1].cells, QStringList({"E002", "李四", "4800.25", "0", "1000", "调岗"}));
    // A code typed as a number comes back as the clerk typed it.
    EXPECT_EQ(sheet->rows[2].cells, QStringList({"1003", "王五", "3000", "", "", "含,逗号\"引号\""}));
    EXPECT_EQ(sheet->rows[3].line, 6);
    // A formula gives its result (FreeXL alone would leave it empty), without the binary
    // noise of 0.3 - 0.2.
    EXPECT_EQ(sheet->rows[3].cells, QStringList({"E004", "赵六", "0.1", "12345678.9", "", ""}));
}

TEST_P(BothFormatsTest, ASheetStartsAtItsFirstUsedRowAndColumn)
{
    const auto book = OpenSourceWorkbook(fixture(GetParam()));
    ASSERT_TRUE(book);
    const auto sheet = book->readSheet(QStringLiteral("说明"));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->columns, QStringList({"项目", "金额"}));
    ASSERT_EQ(sheet->rows.size(), 1u);
    EXPECT_EQ(sheet->rows[0].line, 3);
    EXPECT_EQ(sheet->rows[0].cells, QStringList({"合计", "12.5"}));
    EXPECT_FALSE(book->readSheet(QStringLiteral("没有")));
}

INSTANTIATE_TEST_SUITE_P(Workbooks, BothFormatsTest, ::testing::Values("wages.xls", "wages.xlsx"));

TEST(XlsxWorkbookTest, ReadsInlineAndRichStringsFormulaTextsAndCellsWithoutReferences)
{
    const auto book = OpenSourceWorkbook(fixture("handmade.xlsx"));
    ASSERT_TRUE(book);
    // The chart sheet holds no cells and is not offered.
    EXPECT_EQ(book->sheetNames(), QStringList({"数据", "空表"}));
    const auto sheet = book->readSheet(QStringLiteral("数据"));
    ASSERT_TRUE(sheet);
    // Rich text is joined (and the name trimmed); a column only data reaches is F4.
    EXPECT_EQ(sheet->columns, QStringList({"人员编号", "基本工资", "备注", "F4"}));
    ASSERT_EQ(sheet->rows.size(), 2u);
    EXPECT_EQ(sheet->rows[0].line, 2);
    EXPECT_EQ(sheet->rows[0].cells, QStringList({"E001", "5200", "ok", ""}));
    // The phonetic guide of a name is no part of it.
    EXPECT_EQ(sheet->rows[1].line, 4);
    EXPECT_EQ(sheet->rows[1].cells, QStringList({"张三", "1500", "1", "#DIV/0!"}));

    const auto empty = book->readSheet(QStringLiteral("空表"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->columns.isEmpty());
}

TEST(SourceWorkbookTest, OnlyWorkbooksOpen)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("wages.xls"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("员工编号,基本工资\nE1,1\n");
    f.close();
    // A text file named .xls is text; a truncated archive is no workbook.
    EXPECT_FALSE(IsWorkbookFile(text));
    EXPECT_FALSE(OpenSourceWorkbook(text));
    const QString broken = dir.filePath(QStringLiteral("broken.xlsx"));
    QFile source(fixture("wages.xlsx"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile b(broken);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write(source.read(300));
    b.close();
    EXPECT_TRUE(IsWorkbookFile(broken));
    EXPECT_FALSE(OpenSourceWorkbook(broken));
    EXPECT_FALSE(OpenSourceWorkbook(dir.filePath(QStringLiteral("missing.xlsx"))));
}

TEST(SourceWorkbookTest, ASheetWhoseChecksumDoesNotMatchIsRefused)
{
    QFile source(fixture("wages.xlsx"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    // The central directory's record of the first sheet: its CRC-32 stands 16 bytes in. The
    // data inflates and parses as before; only the checksum tells that it is not what was
    // written.
    qsizetype at = bytes.indexOf(QByteArray("PK\x01\x02", 4));
    while (at >= 0 && bytes.mid(at + 46, 24) != "xl/worksheets/sheet1.xml") {
        at = bytes.indexOf(QByteArray("PK\x01\x02", 4), at + 4);
    }
    ASSERT_GE(at, 0);
    bytes[at + 16] = char(bytes[at + 16] ^ 0x5A);
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.xlsx"));
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const auto book = OpenSourceWorkbook(damaged);
    ASSERT_TRUE(book);
    EXPECT_FALSE(book->readSheet(QStringLiteral("三月工资")));
    EXPECT_TRUE(book->readSheet(QStringLiteral("说明")));
}

TEST(XlsxWorkbookTest, ReadsPartsLargerThanOneReadAtATime)
{
    // 3,000 rows of distinct texts: the shared strings and the sheet are each far larger than
    // one read of the archive, so they arrive in many pieces.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("大.xlsx"));
    WorkbookWriter writer(path, QStringLiteral("工资"));
    writer.writeHeader({QStringLiteral("员工编号"), QStringLiteral("备注")});
    for (int i = 1; i <= 3000; ++i) {
        writer.writeRow({QStringLiteral("E%1").arg(i), QStringLiteral("第%1行的备注文字").arg(i)});
    }
    ASSERT_TRUE(writer.close());
    const auto book = OpenSourceWorkbook(path);
    ASSERT_TRUE(book);
    const auto sheet = book->readSheet(QStringLiteral("工资"));
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->rows.size(), 3000u);
    EXPECT_EQ(sheet->rows.back().cells, QStringList({"E3000", "第3000行的备注文字"}));
    EXPECT_EQ(sheet->rows.back().line, 3001);
}

TEST(SourceWorkbookTest, FindsTheSheetAnOldConfigurationNamed)
{
    const QStringList sheets = {"Sheet1", "My Sheet", "三月"};
    EXPECT_EQ(FindSheet(sheets, QStringLiteral("三月")), "三月");
    EXPECT_EQ(FindSheet(sheets, QStringLiteral("Sheet1$")), "Sheet1");
    EXPECT_EQ(FindSheet(sheets, QStringLiteral("'My Sheet$'")), "My Sheet");
    EXPECT_EQ(FindSheet(sheets, QStringLiteral("Sheet2")), "");
}

} // namespace
