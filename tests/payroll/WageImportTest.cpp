#include "../tax/TaxTestRates.h"
#include "OrgFixture.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "payroll/ImportTableStore.h"
#include "payroll/ImportTextFile.h"
#include "payroll/ImportTexts.h"
#include "payroll/SourceText.h"
#include "payroll/WageImport.h"
#include "payroll/WageSheet.h"

#include <gtest/gtest.h>

namespace {

const QString Draft = QStringLiteral("草稿中");
const QString Posted = QStringLiteral("已完成");

class WageImportTest : public ::testing::Test
{
protected:
    WageImportTest()
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("车间"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E001"), QStringLiteral("张三"), QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E002"), QStringLiteral("李四"), QStringLiteral("0002"), 0);
        OrgFixture::addEmp(app.db(), QStringLiteral("F003"), QStringLiteral("Smith"), QStringLiteral("0002"), 1,
                           QStringLiteral("外方"));
    }

    void addWage(int year, int month, const QString &state, const QString &empId,
                 qint64 basicYuan = 0)
    {
        app.exec(QStringLiteral("INSERT INTO Wage (WageYear, WageMonth, WageTimes, WageState, "
                                "EmpId, EmpName, EmpType, DeptName, 基本工资) "
                                "VALUES (?, ?, 1, ?, ?, '旧', '中方', '旧部门', ?)"),
                 {year, month, state, empId, basicYuan * 10000});
    }

    // importE from a text in the wizard's own way (semicolons, no qualifier), from line 1.
    void copy(const QString &text)
    {
        TextImportSettings settings{QStringLiteral(";"), QString(), 1};
        const auto table = ImportTextFile(text, SplitTextLines(text), settings, messages);
        ASSERT_TRUE(table);
        ASSERT_TRUE(ImportTableStore(app.db()).fill(*table));
    }

    QList<ImportPair> pairs(std::initializer_list<std::pair<const char *, const char *>> list)
    {
        QList<ImportPair> result;
        for (const auto &[s, t] : list) {
            result.append({QString::fromUtf8(s), QString::fromUtf8(t)});
        }
        return result;
    }

    qint64 count(const QString &where = QStringLiteral("1"))
    {
        return app.scalar(QStringLiteral("SELECT count(*) FROM Wage WHERE ") + where).toLongLong();
    }

    TestApp app;
    ScriptedMessageService messages;
    WageImportStore store{app.db()};
    CountingProgress progress;
};

TEST_F(WageImportTest, AnEmptySheetTableAdmitsAnyMonth)
{
    EXPECT_EQ(CheckImportMonth(store, messages, 1999, 7), ImportMonthCheck::NewMonth);
    // The window's totals row has no period and does not count.
    app.exec(QStringLiteral("INSERT INTO Wage (DeptName) VALUES ('合计')"));
    EXPECT_EQ(CheckImportMonth(store, messages, 2030, 1), ImportMonthCheck::NewMonth);
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST_F(WageImportTest, APostedLastMonthAdmitsOnlyTheMonthAfter)
{
    addWage(2004, 11, Posted, QStringLiteral("E001"));
    addWage(2004, 12, Posted, QStringLiteral("E001"));
    addWage(2003, 12, Posted, QStringLiteral("E001"));
    EXPECT_EQ(CheckImportMonth(store, messages, 2004, 12), ImportMonthCheck::Refused);
    EXPECT_EQ(messages.lastText(), ImportText::OnlyMonth(2005, 1));
    EXPECT_EQ(messages.lastText(), QStringLiteral("只能导入2005年1月的数据"));
    EXPECT_EQ(CheckImportMonth(store, messages, 2005, 2), ImportMonthCheck::Refused);
    messages.clear();
    EXPECT_EQ(CheckImportMonth(store, messages, 2005, 1), ImportMonthCheck::NewMonth);
    EXPECT_TRUE(messages.boxes().isEmpty()); // nothing to overwrite, nothing asked
}

TEST_F(WageImportTest, ADraftLastMonthAdmitsOnlyItselfAndOnlyWhenTheClerkAgrees)
{
    addWage(2005, 2, Posted, QStringLiteral("E001"));
    addWage(2005, 3, Draft, QStringLiteral("E001"));
    EXPECT_EQ(CheckImportMonth(store, messages, 2005, 4), ImportMonthCheck::Refused);
    EXPECT_EQ(messages.lastText(), QStringLiteral("只能导入2005年3月的数据"));

    messages.clear();
    messages.setNextAnswer(false);
    EXPECT_EQ(CheckImportMonth(store, messages, 2005, 3), ImportMonthCheck::Refused);
    EXPECT_EQ(messages.texts(), QStringList({ImportText::Overwrite}));
    EXPECT_EQ(messages.boxes().first().kind, ScriptedMessageService::Kind::Question);

    messages.setNextAnswer(true);
    EXPECT_EQ(CheckImportMonth(store, messages, 2005, 3), ImportMonthCheck::OverwriteDraft);
}

TEST_F(WageImportTest, TargetsAreTheItemsTheBonusAndTheEmployeeNumber)
{
    app.exec(QStringLiteral("ALTER TABLE Wage ADD COLUMN \"岗位津贴\" MONEY"));
    const auto targets = ImportTargets(store);
    ASSERT_TRUE(targets);
    EXPECT_EQ(targets->size(), 7);
    for (const char *name : {"人员编号", "基本工资", "岗位津贴", "一次性奖金", "养老保险金",
                             "医疗保险金", "住房公积金"}) {
        EXPECT_TRUE(targets->contains(QString::fromUtf8(name))) << name;
    }
    // Pinyin order: 基 (ji) before 人 (ren) before 住 (zhu).
    EXPECT_LT(targets->indexOf("基本工资"), targets->indexOf("人员编号"));
    EXPECT_LT(targets->indexOf("人员编号"), targets->indexOf("住房公积金"));
}

TEST_F(WageImportTest, RowsTakeTheEmployeesRecordAndLeaveOutUnknownCodes)
{
    copy(QStringLiteral("编号;姓名;工资;奖金\n"
                        " e001 ;随便;5200.5;\n"   // trimmed, any case
                        "X999;无此人;100;0\n"      // no such employee
                        "E002;李四;4800;1000\n"    // left the company: still imported
                        ";空;1;1\n"));
    const auto rows = BuildImportRows(
        app.db(), messages,
        pairs({{"工资", "基本工资"}, {"编号", "人员编号"}, {"奖金", "一次性奖金"}}));
    ASSERT_TRUE(rows) << messages.lastText().toStdString();
    EXPECT_EQ(rows->columns, QStringList({"基本工资", "一次性奖金"}));
    EXPECT_EQ(rows->unknownRows, 2);
    ASSERT_EQ(rows->rows.size(), 2u);
    const ImportedWageRow &first = rows->rows[0];
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.employee.empId, "E001");
    EXPECT_EQ(first.employee.empName, "张三");
    EXPECT_EQ(first.employee.deptName, "财务部");
    EXPECT_EQ(first.amounts, (std::vector<Money>{Money::fromCents(520050), Money()}));
    EXPECT_EQ(rows->rows[1].employee.empId, "E002");
    EXPECT_EQ(rows->rows[1].amounts, (std::vector<Money>{Money::fromYuan(4800), Money::fromYuan(1000)}));
    EXPECT_TRUE(rows->duplicates.isEmpty());
}

TEST_F(WageImportTest, AnAmountThatIsNoNumberIsRefusedNamingItsLineAndColumn)
{
    copy(QStringLiteral("编号;工资\nE001;5200\nX1;垃圾\nE002;4,800\n"));
    EXPECT_FALSE(BuildImportRows(app.db(), messages, pairs({{"编号", "人员编号"}, {"工资", "基本工资"}})));
    // The unknown code's cell is not looked at: that row is not imported anyway.
    EXPECT_EQ(messages.lastText(), QStringLiteral("第4行“工资”列的“4,800”不是有效的金额，不能导入！"));
}

TEST_F(WageImportTest, PairsNeedTheEmployeeNumberAndColumnsThatExist)
{
    copy(QStringLiteral("编号;工资\nE001;1\n"));
    EXPECT_FALSE(BuildImportRows(app.db(), messages, pairs({{"工资", "基本工资"}})));
    EXPECT_EQ(messages.lastText(), ImportText::PairEmpId);
    EXPECT_FALSE(BuildImportRows(app.db(), messages, pairs({{"编号", "人员编号"}, {"工资", "应发工资"}})));
    EXPECT_EQ(messages.lastText(), QStringLiteral("没有字段“应发工资”！"));
    EXPECT_FALSE(BuildImportRows(app.db(), messages, pairs({{"代码", "人员编号"}})));
    EXPECT_EQ(messages.lastText(), QStringLiteral("没有字段“代码”！"));
}

TEST_F(WageImportTest, TheImportReplacesTheMonthsDraftAndNothingElse)
{
    addWage(2005, 2, Posted, QStringLiteral("E001"), 100);
    addWage(2005, 3, Draft, QStringLiteral("E001"), 1);
    addWage(2005, 3, Draft, QStringLiteral("F003"), 2);
    app.exec(QStringLiteral("INSERT INTO Wage (DeptName, 基本工资) VALUES ('合计', 3)"));
    copy(QStringLiteral("编号;工资;奖金\nE001;5200;\nF003;9000;500\n"));
    const auto rows = BuildImportRows(app.db(), messages,
                                      pairs({{"编号", "人员编号"}, {"工资", "基本工资"}, {"奖金", "一次性奖金"}}));
    ASSERT_TRUE(rows);
    EXPECT_EQ(WriteWageImport(app.db(), messages, 2005, 3, *rows, progress),
              ImportWriteResult::Written);
    EXPECT_TRUE(messages.boxes().isEmpty());
    EXPECT_EQ(progress.steps, 2);

    EXPECT_EQ(count(QStringLiteral("WageYear = 2005 AND WageMonth = 3")), 2);
    EXPECT_EQ(count(QStringLiteral("WageMonth = 2 AND 基本工资 = 1000000")), 1);
    EXPECT_EQ(count(QStringLiteral("DeptName = '合计'")), 1);
    const auto r = app.db().query(QStringLiteral(
        "SELECT WageType, WageTimes, WageState, EmpName, EmpType, DeptName, 基本工资, "
        "一次性奖金, 养老保险金, 应发工资, 减除费用 FROM Wage WHERE WageMonth = 3 AND EmpId = 'F003'"));
    ASSERT_TRUE(r && r->rowCount() == 1);
    EXPECT_EQ(r->text(0, 0), "");
    EXPECT_EQ(r->integer(0, "WageTimes"), 1);
    EXPECT_EQ(r->text(0, "WageState"), Draft);
    EXPECT_EQ(r->text(0, "EmpName"), "Smith");
    EXPECT_EQ(r->text(0, "EmpType"), "外方");
    EXPECT_EQ(r->text(0, "DeptName"), "车间");
    EXPECT_EQ(r->money(0, "基本工资"), Money::fromYuan(9000));
    EXPECT_EQ(r->money(0, "一次性奖金"), Money::fromYuan(500));
    // Unpaired items and the results are 0 until the computation fills them.
    EXPECT_EQ(r->money(0, "养老保险金"), Money());
    EXPECT_EQ(r->money(0, "应发工资"), Money());
    EXPECT_EQ(r->money(0, "减除费用"), Money());
}

TEST_F(WageImportTest, TheImportedMonthIsComputedByTheWageComputation)
{
    addWage(2005, 2, Posted, QStringLiteral("E001"), 100);
    copy(QStringLiteral("编号;工资\nE001;3000\nF003;8000\n"));
    const auto rows =
        BuildImportRows(app.db(), messages, pairs({{"编号", "人员编号"}, {"工资", "基本工资"}}));
    ASSERT_TRUE(rows);
    ASSERT_EQ(WriteWageImport(app.db(), messages, 2005, 3, *rows, progress),
              ImportWriteResult::Written);

    const TaxRates rates = handRates();
    WageSheet sheet(app.db(), rates);
    CountingProgress computed;
    ASSERT_TRUE(ComputeImportedMonth(sheet, messages, computed, ImportedMonth{2005, 3}));
    EXPECT_EQ(computed.steps, 2);
    EXPECT_EQ(sheet.rowCount(), 2);
    const auto money = [&](const char *empId, const char *column) {
        return PayrollFixture::wageAmount(app.db(), 2005, 3, QString::fromUtf8(empId),
                                          QString::fromUtf8(column))
            .raw();
    };
    // E001, Chinese staff: 3000 - 800 = 2200 at 15% less 125 = 205.
    EXPECT_EQ(money("E001", "减除费用"), 800 * 10000);
    EXPECT_EQ(money("E001", "纳税额"), 205 * 10000);
    EXPECT_EQ(money("E001", "实发工资"), 2795 * 10000);
    // F003, foreign staff: 8000 - 4000 = 4000 at 15% less 125 = 475.
    EXPECT_EQ(money("F003", "减除费用"), 4000 * 10000);
    EXPECT_EQ(money("F003", "纳税额"), 475 * 10000);
    EXPECT_EQ(money("F003", "实发工资"), 7525 * 10000);
    // The posted month is not touched.
    EXPECT_EQ(count(QStringLiteral("WageMonth = 2 AND 纳税额 <> 0")), 0);
}

TEST_F(WageImportTest, TwoRowsOfOneEmployeeStopTheImportBeforeAnythingIsWritten)
{
    addWage(2005, 3, Draft, QStringLiteral("E001"), 7);
    copy(QStringLiteral("编号;工资\nE001;1\nF003;2\ne001;3\nX;4\nX;5\n"));
    const auto rows = BuildImportRows(app.db(), messages, pairs({{"编号", "人员编号"}, {"工资", "基本工资"}}));
    ASSERT_TRUE(rows);
    // Two rows of an unknown code are no duplicate: they are left out anyway.
    EXPECT_EQ(rows->duplicates, QStringList({"E001"}));
    EXPECT_EQ(WriteWageImport(app.db(), messages, 2005, 3, *rows, progress),
              ImportWriteResult::Duplicates);
    EXPECT_EQ(messages.boxes(), (QList<ScriptedMessageService::Box>{
                                    {ScriptedMessageService::Kind::Error, ImportText::Duplicates}}));
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(count(QStringLiteral("基本工资 = 70000")), 1);
}

TEST_F(WageImportTest, AFailedInsertLeavesTheDraftAsItWas)
{
    addWage(2005, 3, Draft, QStringLiteral("E001"), 7);
    addWage(2005, 3, Draft, QStringLiteral("E002"), 8);
    // The second new row cannot be written.
    app.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Wage WHEN NEW.EmpId = 'F003' "
                            "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    copy(QStringLiteral("编号;工资\nE001;1\nF003;2\n"));
    const auto rows = BuildImportRows(app.db(), messages, pairs({{"编号", "人员编号"}, {"工资", "基本工资"}}));
    ASSERT_TRUE(rows);
    EXPECT_EQ(WriteWageImport(app.db(), messages, 2005, 3, *rows, progress),
              ImportWriteResult::Failed);
    EXPECT_EQ(messages.lastText(), QStringLiteral("数据无法提交！"));
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(count(QStringLiteral("EmpId = 'E001' AND 基本工资 = 70000")), 1);
    EXPECT_EQ(count(QStringLiteral("EmpId = 'E002' AND 基本工资 = 80000")), 1);
    EXPECT_EQ(progress.finished, 1);
}

TEST_F(WageImportTest, ImportTableIsReplacedWholeOrNotAtAll)
{
    ImportTableStore importE(app.db());
    ImportSourceTable first{{"编号", "工资"}, {{2, {"E001", "1"}}, {5, {"E002"}}}};
    ASSERT_TRUE(importE.fill(first));
    EXPECT_EQ(importE.columns(), QStringList({"编号", "工资"}));
    const auto read = importE.read({"工资", "编号"});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->rows.size(), 2u);
    EXPECT_EQ(read->rows[1].line, 5);
    EXPECT_EQ(read->rows[0].cells, QStringList({"1", "E001"}));
    EXPECT_EQ(read->rows[1].cells, QStringList({"", "E002"}));

    // Two rows claiming one line cannot both be kept: the old table stays.
    ImportSourceTable clash{{"a"}, {{2, {"x"}}, {2, {"y"}}}};
    EXPECT_FALSE(importE.fill(clash));
    EXPECT_EQ(importE.columns(), QStringList({"编号", "工资"}));
    EXPECT_FALSE(importE.fill(ImportSourceTable{}));
}

// The wizard's text reading, from the file's text to importE.
class ImportTextFileTest : public WageImportTest
{
protected:
    std::optional<ImportSourceTable> read(const QString &text, const QString &separator,
                                          const QString &qualifier, int startLine)
    {
        return ImportTextFile(text, SplitTextLines(text), {separator, qualifier, startLine},
                              messages);
    }
};

TEST_F(ImportTextFileTest, DoubleQuotedCommasIgnoreTheStartLineAndSingleQuotesDoNot)
{
    const QString text = QStringLiteral("编号,工资\n'E001',\"1,5\"\n'E002',2\n");
    const auto standard = read(text, QStringLiteral(","), QStringLiteral("\""), 2);
    ASSERT_TRUE(standard);
    ASSERT_EQ(standard->rows.size(), 2u);
    EXPECT_EQ(standard->rows[0].cells, QStringList({"'E001'", "1,5"}));

    const auto own = read(text, QStringLiteral(","), QStringLiteral("'"), 2);
    ASSERT_TRUE(own);
    ASSERT_EQ(own->rows.size(), 1u);
    EXPECT_EQ(own->rows[0].line, 3);
    EXPECT_EQ(own->rows[0].cells, QStringList({"E002", "2"}));
}

TEST_F(ImportTextFileTest, RefusalsComeWithTheirMessages)
{
    const QString text = QStringLiteral("a;b\n1;2\n");
    EXPECT_FALSE(read(text, QString(), QStringLiteral("\""), 1));
    EXPECT_EQ(messages.lastText(), QStringLiteral("请输入文本数据的分隔符！"));
    EXPECT_TRUE(read(text, QStringLiteral(";"), QStringLiteral("\""), 1));
    EXPECT_FALSE(read(text, QStringLiteral(";"), QStringLiteral("\""), 2));
    EXPECT_EQ(messages.lastText(), QStringLiteral("需导入的数据已经超过文件尾！"));
    // The standard reader is refused beyond the end too: the check comes first.
    EXPECT_FALSE(read(QStringLiteral("a,b\n"), QStringLiteral(","), QStringLiteral("\""), 1));
    EXPECT_EQ(messages.lastText(), QStringLiteral("需导入的数据已经超过文件尾！"));
    EXPECT_FALSE(read(QStringLiteral("a,b\n1,\"2\n"), QStringLiteral(","), QStringLiteral("\""), 1));
    EXPECT_EQ(messages.lastText(), QStringLiteral("不能打开文本数据文件,请重新进行！\n第2行: 引号没有结束"));
    EXPECT_FALSE(read(QStringLiteral("a;b\n1;2;3\n"), QStringLiteral(";"), QString(), 1));
    EXPECT_EQ(messages.lastText(), QStringLiteral("第2行的字段比第一行多，不能导入！"));
}

TEST_F(ImportTextFileTest, AGbkFileImportsByItsChineseNames)
{
    const auto text = ReadSourceText(QStringLiteral(CORVANE_FIXTURES "/import/gbk.txt"));
    ASSERT_TRUE(text);
    const auto table = read(text->text, QStringLiteral(";"), QStringLiteral("'"), 1);
    ASSERT_TRUE(table);
    ASSERT_TRUE(ImportTableStore(app.db()).fill(*table));
    const auto rows = BuildImportRows(app.db(), messages,
                                      pairs({{"员工编号", "人员编号"}, {"基本工资", "基本工资"}}));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->rows.size(), 2u);
    EXPECT_EQ(rows->rows[1].employee.empName, "李四");
    EXPECT_EQ(rows->rows[1].amounts, (std::vector<Money>{Money::fromCents(480025)}));
}

} // namespace
