#include "TestApp.h"

#include "base/Help.h"
#include "base/MessageService.h"
#include "base/Password.h"
#include "base/Settings.h"
#include "db/CompactDatabase.h"
#include "db/ExportToExcel.h"
#include "db/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(Export, WritesNumberedWorkbooksAndOpensThem)
{
    TestApp app;
    RecordingFileOpener opener;
    ScriptedMessageService messages;
    const QString sql = QStringLiteral("select TaxType as 所得项目, EmpType as 类别, BaseMoney as 费用 from TaxBase order by EmpType");
    const QString first = ExportToExcel(app.db(), sql, QStringLiteral("费用"), opener, messages);
    EXPECT_EQ(first, app.dir() + QStringLiteral("model/费用0.xlsx"));
    // A workbook that can be deleted (no program holds it) is replaced under the same number.
    const QString second = ExportToExcel(app.db(), sql, QStringLiteral("费用"), opener, messages);
    EXPECT_EQ(second, first);
    EXPECT_EQ(opener.opened, (QStringList{first, first}));
    EXPECT_TRUE(messages.boxes().isEmpty());

    // The sheet's contents, read back with xlsx2csv (installed with the other dependencies).
    QProcess p;
    p.start(QStringLiteral("xlsx2csv"), {first});
    ASSERT_TRUE(p.waitForFinished(10000)) << "xlsx2csv is needed to read the workbook back";
    ASSERT_EQ(p.exitCode(), 0);
    const QString csv = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(csv.startsWith(QStringLiteral("所得项目,类别,费用"))) << csv.toStdString();
    EXPECT_TRUE(csv.contains(QStringLiteral("工资所得税,中方,800"))) << csv.toStdString();
    EXPECT_TRUE(csv.contains(QStringLiteral("工资所得税,外方,4000"))) << csv.toStdString();
}

TEST(Export, AggregatesNamedAsMoneyAreWrittenInYuan)
{
    TestApp app;
    RecordingFileOpener opener;
    ScriptedMessageService messages;
    const QString path = ExportToExcel(app.db(),
                                       QStringLiteral("select sum(BaseMoney) as 合计, count(*) as 人数 from TaxBase"),
                                       QStringLiteral("合计"), opener, messages, {QStringLiteral("合计")});
    ASSERT_FALSE(path.isEmpty());
    QProcess p;
    p.start(QStringLiteral("xlsx2csv"), {path});
    ASSERT_TRUE(p.waitForFinished(10000));
    const QString csv = QString::fromUtf8(p.readAllStandardOutput());
    // 800 + 4000 in yuan, not 48000000 ten-thousandths; the count stays a plain number.
    EXPECT_TRUE(csv.contains(QStringLiteral("4800.00,2"))) << csv.toUtf8().toStdString();
}

TEST(Export, NextNumberWhenTheFileCannotBeDeleted)
{
    TestApp app;
    QDir().mkpath(app.dir() + QStringLiteral("model/q0.xlsx/locked"));  // a folder cannot be removed as a file
    EXPECT_EQ(NextExportPath(QStringLiteral("q")), app.dir() + QStringLiteral("model/q1.xlsx"));
}

TEST(Export, FailedStatementWritesNothingAndSaysSo)
{
    TestApp app;
    RecordingFileOpener opener;
    ScriptedMessageService messages;
    EXPECT_TRUE(ExportToExcel(app.db(), QStringLiteral("select nope from TaxBase"), QStringLiteral("x"), opener, messages).isEmpty());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("文件没有找到！")});
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(app.dir() + QStringLiteral("model/x0.xlsx")));
}

TEST(Compact, ReplacesTheFileWithAnEncryptedCopyKeepingEverything)
{
    TestApp app;
    app.exec(QStringLiteral("insert into Wage (WageYear, EmpId) values (2005, 'a')"));
    app.exec(QStringLiteral("delete from Wage"));
    app.exec(QStringLiteral("create table Big (x)"));
    for (int i = 0; i < 200; ++i) {
        app.exec(QStringLiteral("insert into Big values (randomblob(1000))"));
    }
    app.exec(QStringLiteral("drop table Big"));
    app.db().close();
    const qint64 before = QFileInfo(app.dbPath()).size();

    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    EXPECT_LT(QFileInfo(app.dbPath()).size(), before);
    EXPECT_FALSE(QFile::exists(app.dir() + QStringLiteral("newdb.mdb")));
    Database db;
    ASSERT_TRUE(db.open(app.dbPath(), DatabasePassword()));
    EXPECT_FALSE(Database().open(app.dbPath(), QStringLiteral("wrong")));
    EXPECT_EQ(db.userVersion(), Schema::kCurrentVersion);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from TaxRate"))->toInt(), 35);
    ASSERT_TRUE(db.exec(QStringLiteral("insert into Wage (WageYear, EmpId) values (2005, 'b')")));
    EXPECT_EQ(db.lastInsertId(), 2);  // the autonumber survived
}

TEST(Compact, FailureLeavesTheOriginal)
{
    TestApp app;
    app.db().close();
    QFile f(app.dbPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    f.close();
    EXPECT_FALSE(CompactDatabase(app.dbPath(), QStringLiteral("wrong")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), original);
    EXPECT_FALSE(QFile::exists(app.dir() + QStringLiteral("newdb.mdb")));
    EXPECT_FALSE(CompactDatabase(app.dir() + QStringLiteral("missing.mdb"), DatabasePassword()));
}

TEST(Settings, IniValuesLiveInTheApplicationFolder)
{
    TestApp app;
    EXPECT_TRUE(WriteIniString(QStringLiteral("Corvane.ini"), QStringLiteral("LastUser"), QStringLiteral("UserName"), QStringLiteral("张三")));
    QString value;
    EXPECT_TRUE(ReadIniString(QStringLiteral("Corvane.ini"), QStringLiteral("LastUser"), QStringLiteral("UserName"), value));
    EXPECT_EQ(value, QStringLiteral("张三"));
    EXPECT_TRUE(ReadIniString(QStringLiteral("Corvane.ini"), QStringLiteral("LastUser"), QStringLiteral("Nothing"), value));
    EXPECT_EQ(value, QString());
    EXPECT_TRUE(QFile::exists(app.dir() + QStringLiteral("Corvane.ini")));
}

TEST(Help, TopicsBecomePagesInTheHelpFolder)
{
    TestApp app;
    EXPECT_EQ(HelpPagePath(QStringLiteral("工资过帐")), app.dir() + QStringLiteral("help/工资过帐.htm"));
    EXPECT_EQ(HelpPagePath(QStringLiteral("a.HTML")), app.dir() + QStringLiteral("help/a.HTML"));
    EXPECT_EQ(HelpPagePath(QString()), app.dir() + QStringLiteral("help/index.htm"));
}

} // namespace
