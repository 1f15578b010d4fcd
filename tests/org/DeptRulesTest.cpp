#include "OrgFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "db/CompactDatabase.h"
#include "org/DepartmentStore.h"
#include "org/DeptRules.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedMessageService::Kind;

class DeptRulesTest : public ::testing::Test
{
protected:
    DeptCheckResult add(const QString &code, const QString &name, const QString &remark = {})
    {
        return SaveDept(store, messages, {code, name, remark}, DeptEditState{});
    }
    DeptCheckResult rename(const QString &code, const QString &loadedName, const QString &name)
    {
        DeptEditState state;
        state.adding = false;
        state.editedCode = code;
        state.loadedName = loadedName;
        return SaveDept(store, messages, {code, name, QString()}, state);
    }
    QVariant column(const QString &col, const QString &code)
    {
        return app.scalar(QStringLiteral("select %1 from Department where DeptID = ?").arg(col),
                          {code});
    }

    TestApp app;
    DepartmentStore store{app.db()};
    ScriptedMessageService messages;
};

TEST_F(DeptRulesTest, ControlAndDirectionCharactersAreRefusedInCodesAndNames)
{
    EXPECT_EQ(add(QStringLiteral("00\t1"), QStringLiteral("甲")).check, DeptCheck::CodeBadChar);
    EXPECT_EQ(messages.lastText(), DeptText::CodeBadChar);
    EXPECT_EQ(add(QStringLiteral("0001"), QStringLiteral("财务\n部")).check,
              DeptCheck::NameBadChar);
    EXPECT_EQ(add(QStringLiteral("0001"), QStringLiteral("财务\u202E部")).focus, DeptField::Name);
    EXPECT_EQ(messages.lastText(), DeptText::NameBadChar);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Department")).toInt(), 1);
    // A department stored with such a name in earlier days can still be renamed to a clean one.
    OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("旧\t名"));
    EXPECT_TRUE(
        rename(QStringLiteral("0002"), QStringLiteral("旧\t名"), QStringLiteral("新名")).ok());
}

TEST_F(DeptRulesTest, CodeLengthCountsGbkBytesAfterTrimming)
{
    EXPECT_TRUE(DeptCodeLengthOk(QStringLiteral("0001")));
    EXPECT_TRUE(DeptCodeLengthOk(QStringLiteral("A1B2")));
    EXPECT_TRUE(DeptCodeLengthOk(QStringLiteral("财务")));
    EXPECT_FALSE(DeptCodeLengthOk(QStringLiteral("001")));
    EXPECT_FALSE(DeptCodeLengthOk(QStringLiteral("00001")));
    EXPECT_FALSE(DeptCodeLengthOk(QStringLiteral("财务部")));

    EXPECT_EQ(add(QStringLiteral(" 01 "), QStringLiteral("甲")).check, DeptCheck::CodeLength);
    EXPECT_EQ(messages.lastText(), DeptText::CodeLength);

    EXPECT_TRUE(add(QStringLiteral("0001 "), QStringLiteral("甲")).ok());
    EXPECT_TRUE(add(QStringLiteral("A1B2"), QStringLiteral("乙")).ok());
    EXPECT_TRUE(add(QStringLiteral("财务"), QStringLiteral("丙")).ok());
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Department where DeptID in "
                                        "('0001', 'A1B2', '财务')"))
                  .toInt(),
              3);
}

TEST_F(DeptRulesTest, ChecksRunInOrderAndFocusTheirField)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("旧部"), "0000", true);

    struct Case
    {
        QString code, name;
        DeptCheck check;
        DeptField focus;
        QString text;
    } cases[] = {
        {"  ", "", DeptCheck::CodeEmpty, DeptField::Code, DeptText::CodeEmpty},
        {"001", "", DeptCheck::CodeLength, DeptField::Code, DeptText::CodeLength},
        {"0001", "", DeptCheck::CodeExists, DeptField::Code, DeptText::CodeExists},
        {"0002", "新部", DeptCheck::CodeExists, DeptField::Code, DeptText::CodeExists},
        {"0003", " ", DeptCheck::NameEmpty, DeptField::Name, DeptText::NameEmpty},
        {"0003", " 合计 ", DeptCheck::NameTotal, DeptField::Name, DeptText::NameTotal},
        {"0003", QString(31, u'名'), DeptCheck::NameTooLong, DeptField::Name, DeptText::NameTooLong},
        {"0003", "财务部 ", DeptCheck::NameExists, DeptField::Name, DeptText::NameExists},
    };
    for (const Case &c : cases) {
        messages.clear();
        const DeptCheckResult r = add(c.code, c.name);
        EXPECT_EQ(r.check, c.check) << c.code.toStdString() << "/" << c.name.toStdString();
        EXPECT_EQ(r.focus, c.focus);
        ASSERT_EQ(messages.boxes().size(), 1);
        EXPECT_EQ(messages.boxes().first(), (ScriptedMessageService::Box{Kind::Info, c.text}));
    }
    EXPECT_EQ(DeptText::NameTotal, QStringLiteral("部门名称不能为\"合计\"！"));
}

TEST_F(DeptRulesTest, CodesAndNamesDifferingOnlyInLetterCaseAreTaken)
{
    OrgFixture::addDept(app.db(), QStringLiteral("A1B2"), QStringLiteral("IT部"));
    EXPECT_EQ(add(QStringLiteral("a1b2"), QStringLiteral("新部")).check, DeptCheck::CodeExists);
    EXPECT_EQ(add(QStringLiteral("0001"), QStringLiteral("it部")).check, DeptCheck::NameExists);
    // The department itself may change the case of its own name.
    EXPECT_TRUE(rename(QStringLiteral("A1B2"), QStringLiteral("IT部"), QStringLiteral("It部")).ok());
}

TEST_F(DeptRulesTest, NewDepartmentHangsBelowTheCompanyTrimmed)
{
    ASSERT_TRUE(add(QStringLiteral(" 0001 "), QStringLiteral(" 财务部 "), QStringLiteral(" 说明 ")).ok());
    EXPECT_EQ(column("DeptName", "0001").toString(), QStringLiteral("财务部"));
    EXPECT_EQ(column("Remark", "0001").toString(), QStringLiteral("说明"));
    EXPECT_EQ(column("DeptLevel", "0001").toInt(), 1);
    EXPECT_EQ(column("FatherID", "0001").toString(), QStringLiteral("0000"));
    EXPECT_EQ(column("DeptLevelID", "0001").toString(), QStringLiteral("00000001"));
    EXPECT_EQ(column("Deleted", "0001").toInt(), 0);
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST_F(DeptRulesTest, QuotesAndPercentSignsAreStoredLiterally)
{
    const QString name = QStringLiteral("O'Neil \"研发\" [50%]_部");
    ASSERT_TRUE(add(QStringLiteral("0'1%"), name).ok());
    EXPECT_EQ(column("DeptName", "0'1%").toString(), name);
    EXPECT_EQ(add(QStringLiteral("0002"), name).check, DeptCheck::NameExists);
    EXPECT_TRUE(add(QStringLiteral("0003"), QStringLiteral("O'Neil \"研发\" [5_%]%部")).ok());
}

TEST_F(DeptRulesTest, RenameToOwnNameAsksNothing)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    OrgFixture::addWageRow(app.db(), QStringLiteral("E1"), QStringLiteral("财务部"));
    EXPECT_TRUE(rename(QStringLiteral("0001"), QStringLiteral("财务部"), QStringLiteral(" 财务部 ")).ok());
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST_F(DeptRulesTest, RenamingADepartmentInUseAsks)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    OrgFixture::addLedgerRow(app.db(), QStringLiteral("E1"), QStringLiteral("0001"));

    messages.setNextAnswer(false);
    EXPECT_EQ(rename(QStringLiteral("0001"), QStringLiteral("财务部"), QStringLiteral("会计部")).check,
              DeptCheck::RenameDeclined);
    EXPECT_EQ(messages.boxes(), (QList<ScriptedMessageService::Box>{{Kind::Question, DeptText::RenameInUse}}));
    EXPECT_EQ(column("DeptName", "0001").toString(), QStringLiteral("财务部"));

    messages.clear();
    messages.setNextAnswer(true);
    EXPECT_TRUE(rename(QStringLiteral("0001"), QStringLiteral("财务部"), QStringLiteral("会计部")).ok());
    EXPECT_EQ(column("DeptName", "0001").toString(), QStringLiteral("会计部"));
    EXPECT_EQ(column("DeptLevelID", "0001").toString(), QStringLiteral("00000001"));
}

TEST_F(DeptRulesTest, RenamingAnUnusedDepartmentDoesNotAsk)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("人事部"));
    EXPECT_EQ(rename(QStringLiteral("0001"), QStringLiteral("财务部"), QStringLiteral("人事部")).check,
              DeptCheck::NameExists);
    EXPECT_EQ(messages.texts(), QStringList{DeptText::NameExists});
}

TEST_F(DeptRulesTest, AfterARenameOldWageRowsNoLongerCount)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    OrgFixture::addWageRow(app.db(), QStringLiteral("E1"), QStringLiteral("财务部"));
    EXPECT_FALSE(IsDeptUnused(store, messages, QStringLiteral("0001")));
    ASSERT_TRUE(rename(QStringLiteral("0001"), QStringLiteral("财务部"), QStringLiteral("会计部")).ok());
    EXPECT_TRUE(IsDeptUnused(store, messages, QStringLiteral("0001")));
}

TEST_F(DeptRulesTest, DeleteRefusedWhileEmployeesOrUseRemain)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"), 0);
    EXPECT_EQ(DeleteDept(store, messages, QStringLiteral("0001")), DeptDeleteResult::HasEmployees);
    EXPECT_EQ(messages.boxes(), (QList<ScriptedMessageService::Box>{{Kind::Warning, DeptText::HasEmployees}}));

    OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("人事部"));
    OrgFixture::addLedgerRow(app.db(), QStringLiteral("E9"), QStringLiteral("0002"));
    messages.clear();
    EXPECT_EQ(DeleteDept(store, messages, QStringLiteral("0002")), DeptDeleteResult::InUse);
    EXPECT_EQ(messages.boxes(), (QList<ScriptedMessageService::Box>{{Kind::Warning, DeptText::InUse}}));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Department")).toInt(), 3);
}

TEST_F(DeptRulesTest, DeletedCodeCanBeUsedAgain)
{
    ASSERT_TRUE(add(QStringLiteral("0001"), QStringLiteral("财务部")).ok());
    EXPECT_EQ(DeleteDept(store, messages, QStringLiteral("0001")), DeptDeleteResult::Deleted);
    EXPECT_TRUE(add(QStringLiteral("0001"), QStringLiteral("财务部")).ok());
    EXPECT_TRUE(messages.boxes().isEmpty());
}

TEST_F(DeptRulesTest, FailingQueriesAreReportedAndBlockDeletion)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
    app.exec(QStringLiteral("drop table TaxIncome"));
    EXPECT_FALSE(IsDeptUnused(store, messages, QStringLiteral("0001")));
    EXPECT_EQ(messages.texts(), QStringList{DeptText::QueryFailed});
    messages.clear();
    EXPECT_EQ(DeleteDept(store, messages, QStringLiteral("0001")), DeptDeleteResult::InUse);
    EXPECT_EQ(messages.boxes().first().kind, Kind::Error);
}

TEST_F(DeptRulesTest, ASaveIntoAFileAnotherProgramReplacedSaysWhatToDo)
{
    // The file is compacted under the open connection, as a scheduled command-line run would.
    ASSERT_TRUE(CompactDatabase(app.dbPath(), DatabasePassword()));
    EXPECT_FALSE(add(QStringLiteral("0001"), QStringLiteral("财务部")).ok());
    EXPECT_EQ(messages.texts(),
              QStringList{DeptText::SaveFailed + u'\n' + DatabaseReplacedMessage()});
}

} // namespace
