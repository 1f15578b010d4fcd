// corvane-cli wage import, as a script runs it: a file paired and written, the month computed;
// the month rule's question answered by --yes; a saved configuration; the refusals.

#include "CliRunner.h"
#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include "base/Password.h"
#include "payroll/ImportConfig.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class WageImportCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E001"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E002"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        app.db().close();
    }

    // Runs the command with the test's folder as the program's folder (where the
    // configurations are) and its database.
    CliRun cli(const QStringList &args)
    {
        return CliRunner()
            .home(app.dir())
            .db(app.dbPath())
            .trimErr()
            .run(QStringList{QStringLiteral("wage"), QStringLiteral("import")} + args);
    }

    QString writeFile(const QString &name, const QString &text)
    {
        const QString path = app.dir() + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        return path;
    }

    Money amount(int month, const char *empId, const char *column)
    {
        Database db;
        EXPECT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        return PayrollFixture::wageAmount(db, 2005, month, QString::fromUtf8(empId),
                                          QString::fromUtf8(column));
    }

    qint64 wageRows()
    {
        Database db;
        EXPECT_TRUE(db.open(app.dbPath(), DatabasePassword()));
        return db.scalar(QStringLiteral("SELECT count(*) FROM Wage")).value_or(QVariant()).toLongLong();
    }

    TestApp app;
};

TEST_F(WageImportCli, AWorkbookIsPairedWrittenAndComputed)
{
    const QString book = QStringLiteral(CORVANE_FIXTURES "/import/wages.xlsx");
    const CliRun r = cli({book, "--year", "2005", "--month", "3", "--sheet", "三月工资", "--map",
                          "员工编号=人员编号,基本工资=基本工资,一次性奖金=一次性奖金"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    // 1003 and E004 name no employee.
    EXPECT_EQ(r.out, QStringLiteral("已导入2005年3月的工资数据: 2行（2行的人员编号没有对应的员工，未导入）\n"
                                    "已计算2005年3月工资，2人\n"));
    // Computed: gross = items + bonus; E001's 5200 less 800 = 4400 at 15% less 125 = 535.
    EXPECT_EQ(amount(3, "E001", "应发工资"), Money::fromYuan(5200));
    EXPECT_EQ(amount(3, "E001", "纳税额"), Money::fromYuan(535));
    EXPECT_EQ(amount(3, "E002", "应发工资"), *Money::parse(QStringLiteral("5800.25")));
}

TEST_F(WageImportCli, TheDraftMonthIsOverwrittenOnlyWithYes)
{
    const QString text = writeFile(QStringLiteral("三月.csv"),
                                   QStringLiteral("编号,工资\r\nE001,3000\r\n\"E002\",\"1,000\"\r\n"));
    // A CSV amount with a thousands separator is no number: refused naming line and column.
    CliRun r = cli({text, "--year", "2005", "--month", "3", "--map", "编号=人员编号,工资=基本工资"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("第3行")) && r.err.contains(QStringLiteral("工资")))
        << r.err.toStdString();

    writeFile(QStringLiteral("三月.csv"), QStringLiteral("编号,工资\r\nE001,3000\r\n"));
    r = cli({text, "--year", "2005", "--month", "3", "--map", "编号=人员编号,工资=基本工资"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(amount(3, "E001", "纳税额"), Money::fromYuan(205)); // 2200 at 15% less 125

    // The month is now a draft: another month is refused, the same one asks.
    r = cli({text, "--year", "2005", "--month", "4", "--map", "编号=人员编号,工资=基本工资"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, QStringLiteral("只能导入2005年3月的数据"));
    writeFile(QStringLiteral("三月.csv"), QStringLiteral("编号,工资\r\nE001,2000\r\n"));
    r = cli({text, "--year", "2005", "--month", "3", "--map", "编号=人员编号,工资=基本工资"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, QStringLiteral("该月工资数据已存在，是否覆盖？"));
    EXPECT_EQ(amount(3, "E001", "基本工资"), Money::fromYuan(3000));
    r = cli({text, "--year", "2005", "--month", "3", "--map", "编号=人员编号,工资=基本工资",
             "--yes"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(amount(3, "E001", "基本工资"), Money::fromYuan(2000));
    EXPECT_EQ(amount(3, "E001", "纳税额"), Money::fromYuan(95)); // 1200 at 10% less 25
}

TEST_F(WageImportCli, ASavedConfigurationGivesFileSeparatorStartLineAndPairs)
{
    const QString text = writeFile(QStringLiteral("四月.txt"),
                                   QStringLiteral("编号|工资\r\n说明行|\r\n'E002'|'4000'\r\n"));
    ImportConfig config;
    config.fileName = text;
    config.fileType = ImportFileType::Text;
    config.startLine = QStringLiteral("2");
    config.separate = ImportSeparator::Other;
    config.separateTxt = QStringLiteral("|");
    config.txtIdentify = QStringLiteral("'");
    config.pairs = {{QStringLiteral("编号"), QStringLiteral("人员编号")},
                    {QStringLiteral("工资"), QStringLiteral("基本工资")}};
    SetAppDir(app.dir());
    ASSERT_TRUE(ImportConfigs::write(2, config));

    const CliRun r = cli({"--config", "2", "--year", "2005", "--month", "4"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(amount(4, "E002", "基本工资"), Money::fromYuan(4000));
    EXPECT_EQ(amount(4, "E002", "纳税额"), Money::fromYuan(355)); // 3200 at 15% less 125
    EXPECT_EQ(cli({"--config", "3", "--year", "2005", "--month", "4"}).err,
              QStringLiteral("配置文件不存在"));
}

TEST_F(WageImportCli, OptionsAreCheckedBeforeAnythingIsRead)
{
    const QString text = writeFile(QStringLiteral("a.csv"), QStringLiteral("编号,工资\r\nE001,1\r\n"));
    EXPECT_EQ(cli({text, "--year", "2005", "--month", "3", "--mapp", "x"}).code, 2);
    EXPECT_EQ(cli({text, "--year", "2005", "--year", "2006", "--month", "3"}).code, 2);
    EXPECT_EQ(cli({text, "--year", "2005", "--month"}).code, 2);
    EXPECT_EQ(cli({text, "--year", "2005", "--month", "13", "--map", "编号=人员编号"}).code, 2);
    EXPECT_EQ(cli({text, "--year", "2005", "--month", "3", "--map", "编号"}).code, 2);
    const CliRun noKey = cli({text, "--year", "2005", "--month", "3", "--map", "工资=基本工资"});
    EXPECT_EQ(noKey.code, 2);
    EXPECT_EQ(noKey.err, QStringLiteral("必须指定和人员编号相对应的字段！"));
    EXPECT_EQ(wageRows(), 0);
}

} // namespace
