#include "base/CodePageIni.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class CodePageIniTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("configure1.ini"));
};

TEST_F(CodePageIniTest, WritesTheSystemCodePageAndReadsItBack)
{
    CodePageIni ini;
    ini.setValue(QStringLiteral("Data"), QStringLiteral("field0"), QStringLiteral("编号=人员编号"));
    ini.setValue(QStringLiteral("Txt"), QStringLiteral("separateTxt"), QStringLiteral(" "));
    ini.setValue(QStringLiteral("Txt"), QStringLiteral("txtIdentify"), QStringLiteral("\""));
    ini.setValue(QStringLiteral("Txt"), QStringLiteral("quoted"), QStringLiteral("\"a\""));
    ASSERT_TRUE(ini.save(path));

    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(bytes.startsWith("[Data]\r\nfield0=" + gbk(QStringLiteral("编号=人员编号")) + "\r\n"));

    const auto back = CodePageIni::load(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->value(QStringLiteral("data"), QStringLiteral("FIELD0")), "编号=人员编号");
    EXPECT_EQ(back->value(QStringLiteral("Txt"), QStringLiteral("separateTxt")), " ");
    EXPECT_EQ(back->value(QStringLiteral("Txt"), QStringLiteral("txtIdentify")), "\"");
    EXPECT_EQ(back->value(QStringLiteral("Txt"), QStringLiteral("quoted")), "\"a\"");
    EXPECT_EQ(back->value(QStringLiteral("Txt"), QStringLiteral("missing")), "");
}

TEST_F(CodePageIniTest, ReadsWhatOtherToolsWrite)
{
    writeAll(path, "; note\n[start]\nfileName = " + gbk(QStringLiteral("D:\\工资\\三月.xls"))
                       + " \nfileType=2\nfileType=1\n");
    const auto ini = CodePageIni::load(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->value(QStringLiteral("start"), QStringLiteral("fileName")), "D:\\工资\\三月.xls");
    EXPECT_EQ(ini->value(QStringLiteral("start"), QStringLiteral("fileType")), "2");

    writeAll(path, "\xEF\xBB\xBF[start]\nfileName=" + QStringLiteral("工资.txt").toUtf8() + "\n");
    EXPECT_EQ(CodePageIni::load(path)->value(QStringLiteral("start"), QStringLiteral("fileName")),
              "工资.txt");
}

TEST_F(CodePageIniTest, MissingFileIsEmptyAndALineBreakIsNeverWritten)
{
    const auto none = CodePageIni::load(dir.filePath(QStringLiteral("none.ini")));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->value(QStringLiteral("start"), QStringLiteral("fileName")), "");

    writeAll(path, "[start]\r\nfileName=old\r\n");
    CodePageIni ini;
    ini.setValue(QStringLiteral("Data"), QStringLiteral("field0"), QStringLiteral("两\n行=人员编号"));
    EXPECT_FALSE(ini.save(path));
    EXPECT_EQ(readAll(path), QByteArray("[start]\r\nfileName=old\r\n"));
}

} // namespace
