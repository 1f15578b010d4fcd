#include "TestApp.h"

#include "base/CodePageIni.h"
#include "payroll/ImportConfig.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(ImportConfigTest, ATextConfigurationWithItsOtherSeparatorComesBackWhole)
{
    TestApp app;
    ImportConfig c;
    c.fileName = app.dir() + QStringLiteral("三月 工资.txt");
    c.fileType = ImportFileType::Text;
    c.startLine = QStringLiteral("3");
    c.separate = ImportSeparator::Other;
    c.separateTxt = QStringLiteral("|");
    c.txtIdentify = QStringLiteral("'");
    c.isSingle = true;
    c.tableName = QStringLiteral("not written for text");
    c.pairs = {{QStringLiteral("编号"), QStringLiteral("人员编号")},
               {QStringLiteral("基本=工资"), QStringLiteral("基本工资")}};
    ASSERT_TRUE(ImportConfigs::write(2, c));
    EXPECT_EQ(ImportConfigs::available(), QList<int>({2}));
    EXPECT_TRUE(QFile::exists(app.dir() + QStringLiteral("configure2.ini")));

    const auto back = ImportConfigs::read(2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fileName, c.fileName);
    EXPECT_EQ(back->fileType, ImportFileType::Text);
    EXPECT_EQ(back->startLineValue(), 3);
    EXPECT_EQ(back->separate, ImportSeparator::Other);
    EXPECT_EQ(back->separateTxt, "|");
    EXPECT_EQ(SeparatorText(back->separate, back->separateTxt), "|");
    EXPECT_EQ(back->txtIdentify, "'");
    EXPECT_TRUE(back->isSingle);
    EXPECT_EQ(back->tableName, "");
    // A pair is split at its first "=": a source name holding one does not survive whole.
    EXPECT_EQ(back->pairs.at(0), (ImportPair{"编号", "人员编号"}));
    EXPECT_EQ(back->pairs.at(1), (ImportPair{"基本", "工资=基本工资"}));
}

TEST(ImportConfigTest, AWorkbookConfigurationKeepsItsSheetAndNoTextKeys)
{
    TestApp app;
    ImportConfig c;
    c.fileName = QStringLiteral("/data/工资.xlsx");
    c.fileType = ImportFileType::Excel;
    c.tableName = QStringLiteral("三月工资");
    c.separate = ImportSeparator::Comma;
    ASSERT_TRUE(ImportConfigs::write(1, c));
    const auto ini = CodePageIni::load(ImportConfigs::path(1));
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->value(QStringLiteral("Txt"), QStringLiteral("separate")), "");
    EXPECT_EQ(ini->value(QStringLiteral("Excel"), QStringLiteral("tableName")), "三月工资");
    const auto back = ImportConfigs::read(1);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fileType, ImportFileType::Excel);
    EXPECT_EQ(back->tableName, "三月工资");
    EXPECT_EQ(back->separate, ImportSeparator::None);
    EXPECT_TRUE(back->pairs.isEmpty());
}

TEST(ImportConfigTest, ReadingStopsAtTheFirstGapAndAStartLineThatIsNoNumberIsOne)
{
    TestApp app;
    QFile f(ImportConfigs::path(3));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[start]\r\nfileType=1\r\n[Txt]\r\nstartLine=abc\r\nseparate=9\r\n"
            "[Data]\r\nfield0=a=b\r\nfield1=\r\nfield2=c=d\r\n");
    f.close();
    const auto c = ImportConfigs::read(3);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->startLineValue(), 1);
    EXPECT_EQ(c->separate, ImportSeparator::None);
    EXPECT_EQ(c->pairs, (QList<ImportPair>{{"a", "b"}}));
    ImportConfig big;
    big.startLine = QStringLiteral("99999");
    EXPECT_EQ(big.startLineValue(), ImportConfigs::MaxStartLine);
}

} // namespace
