#include "OrgFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "org/EmpRules.h"
#include "org/EmployeeStore.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedMessageService::Kind;
using Boxes = QList<ScriptedMessageService::Box>;

class EmpRulesTest : public ::testing::Test
{
protected:
    EmpRulesTest() { OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部")); }

    static EmpInput input(const QString &id, const QString &name, const QString &card)
    {
        EmpInput in;
        in.fields.empId = id;
        in.fields.empName = name;
        in.fields.idCardNo = card;
        in.fields.sex = QStringLiteral("男");
        in.fields.empType = QStringLiteral("中方");
        in.fields.nationality = QStringLiteral("中国");
        in.entryDate = QDate(2005, 3, 1);
        in.departureDate = QDate(2005, 3, 15);
        return in;
    }
    EmpEditState adding() const
    {
        EmpEditState s;
        s.deptId = QStringLiteral("0001");
        return s;
    }
    EmpEditState modifying(const QString &loadedName) const
    {
        EmpEditState s;
        s.adding = false;
        s.deptId = QStringLiteral("0001");
        s.loadedName = loadedName;
        return s;
    }
    QVariant column(const QString &col, const QString &id)
    {
        return app.scalar(QStringLiteral("select %1 from Employee where EmpID = ?").arg(col), {id});
    }

    TestApp app;
    EmployeeStore store{app.db()};
    ScriptedMessageService messages;
};

TEST_F(EmpRulesTest, ChecksRunInOrderAndFocusTheirField)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    app.exec(QStringLiteral("update Employee set Deleted = 1"));

    EmpInput reversed = input("E2", "李四", "110");
    reversed.entryDate = QDate(2005, 3, 16);

    struct Case
    {
        EmpInput in;
        EmpCheck check;
        EmpField focus;
        QString text;
    } cases[] = {
        {input(" ", "", ""), EmpCheck::CodeEmpty, EmpField::Code, EmpText::CodeEmpty},
        {input("E\t2", "", ""), EmpCheck::CodeBadChar, EmpField::Code, EmpText::CodeBadChar},
        {input("E\x1b[2J", "", ""), EmpCheck::CodeBadChar, EmpField::Code, EmpText::CodeBadChar},
        {input("12345678901", "", ""), EmpCheck::CodeTooLong, EmpField::Code, EmpText::CodeTooLong},
        {input(" E1 ", "", ""), EmpCheck::CodeExists, EmpField::Code, EmpText::CodeExists},
        {input("E2", " ", ""), EmpCheck::NameEmpty, EmpField::Name, EmpText::NameEmpty},
        {input("E2", "李\n四", ""), EmpCheck::NameBadChar, EmpField::Name, EmpText::NameBadChar},
        {input("E2", "\u202E四李", ""), EmpCheck::NameBadChar, EmpField::Name,
         EmpText::NameBadChar},
        {input("E2", QString(31, u'名'), ""), EmpCheck::NameTooLong, EmpField::Name,
         EmpText::NameTooLong},
        {input("E2", "李四", "  "), EmpCheck::IdCardEmpty, EmpField::IdCard, EmpText::IdCardEmpty},
        {reversed, EmpCheck::DatesReversed, EmpField::EndDate, EmpText::DatesReversed},
    };
    for (const Case &c : cases) {
        messages.clear();
        const EmpCheckResult r = SaveEmp(store, messages, c.in, adding());
        EXPECT_EQ(r.check, c.check) << c.text.toStdString();
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(messages.boxes(), (Boxes{{Kind::Info, c.text}}));
    }
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Employee")).toInt(), 1);
}

TEST_F(EmpRulesTest, CodeDifferingOnlyInLetterCaseIsTaken)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    EXPECT_EQ(SaveEmp(store, messages, input(" e1", "李四", "110"), adding()).check,
              EmpCheck::CodeExists);
    // Beyond A-Z: accented letters, and the full-width letters of a Chinese input method.
    OrgFixture::addEmp(app.db(), QStringLiteral("É2"), QStringLiteral("王五"),
                       QStringLiteral("0001"));
    EXPECT_EQ(SaveEmp(store, messages, input("é2", "李四", "110"), adding()).check,
              EmpCheck::CodeExists);
    EXPECT_EQ(SaveEmp(store, messages, input("Ｅ１", "李四", "110"), adding()).check,
              EmpCheck::CodeExists);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Employee")).toInt(), 2);
}

TEST_F(EmpRulesTest, AddWritesTrimmedRowInService)
{
    EmpInput in = input(" E1 ", " 张三 ", " 110 ");
    in.fields.address = QStringLiteral(" 北京 'A' ");
    ASSERT_TRUE(SaveEmp(store, messages, in, adding()).ok());
    EXPECT_EQ(column("EmpName", "E1").toString(), QStringLiteral("张三"));
    EXPECT_EQ(column("IDCardNo", "E1").toString(), QStringLiteral("110"));
    EXPECT_EQ(column("Address", "E1").toString(), QStringLiteral("北京 'A'"));
    EXPECT_EQ(column("DeptID", "E1").toString(), QStringLiteral("0001"));
    EXPECT_EQ(column("EmpState", "E1").toInt(), 1);
    EXPECT_EQ(column("StartDate", "E1").toString(), QStringLiteral("2005-03-01"));
    EXPECT_FALSE(column("EndDate", "E1").isValid());
    EXPECT_EQ(column("nationality", "E1").toString(), QStringLiteral("中国"));
}

TEST_F(EmpRulesTest, DepartureAndReturnKeepTheOldEndDate)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    EmpInput in = input("E1", "张三", "110");
    in.inService = false;
    in.departureDate = QDate(2005, 3, 10);
    ASSERT_TRUE(SaveEmp(store, messages, in, modifying(QStringLiteral("张三"))).ok());
    EXPECT_EQ(column("EmpState", "E1").toInt(), 0);
    EXPECT_EQ(column("EndDate", "E1").toString(), QStringLiteral("2005-03-10"));

    EmpEditState state = modifying(QStringLiteral("张三"));
    state.storedEndDate = QDate(2005, 3, 10);
    in.inService = true;
    in.departureDate = QDate(2005, 3, 15);
    ASSERT_TRUE(SaveEmp(store, messages, in, state).ok());
    EXPECT_EQ(column("EmpState", "E1").toInt(), 1);
    EXPECT_EQ(column("EndDate", "E1").toString(), QStringLiteral("2005-03-10"));
}

TEST_F(EmpRulesTest, RenameAlwaysAsksAndNoKeepsTheName)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    messages.setNextAnswer(false);
    const EmpCheckResult r =
        SaveEmp(store, messages, input("E1", "张三丰", "110"), modifying(QStringLiteral("张三")));
    EXPECT_EQ(r.check, EmpCheck::RenameDeclined);
    EXPECT_EQ(r.focus, EmpField::Name);
    EXPECT_EQ(messages.boxes(), (Boxes{{Kind::Question, EmpText::RenameAsk}}));
    EXPECT_EQ(column("EmpName", "E1").toString(), QStringLiteral("张三"));
}

TEST_F(EmpRulesTest, EntryDateAfterTodayIsRefusedForStaffInService)
{
    EmpInput in = input("E1", "张三", "110");
    in.entryDate = QDate(2005, 3, 16); // the departure field shows today, 2005-03-15
    EXPECT_EQ(SaveEmp(store, messages, in, adding()).check, EmpCheck::DatesReversed);
}

TEST_F(EmpRulesTest, NationalityDefaultFollowsTheType)
{
    EXPECT_EQ(NationalityDefault(QStringLiteral("中方")), QStringLiteral("中国"));
    EXPECT_EQ(NationalityDefault(QStringLiteral("外方")), QString());
}

TEST_F(EmpRulesTest, DeleteRefusedForAnyoneOnASheetOrInTheLedger)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    OrgFixture::addEmp(app.db(), QStringLiteral("E2"), QStringLiteral("李四"), QStringLiteral("0001"));
    OrgFixture::addEmp(app.db(), QStringLiteral("E3"), QStringLiteral("王五"), QStringLiteral("0001"));
    OrgFixture::addLedgerRow(app.db(), QStringLiteral("E1"), QStringLiteral("0001"));
    OrgFixture::addWageRow(app.db(), QStringLiteral("E2"), QStringLiteral("财务部"));

    EXPECT_EQ(DeleteEmp(store, messages, QStringLiteral("E1")), EmpDeleteResult::InUse);
    EXPECT_EQ(DeleteEmp(store, messages, QStringLiteral("E2")), EmpDeleteResult::InUse);
    EXPECT_EQ(messages.boxes(), (Boxes{{Kind::Warning, EmpText::InUse}, {Kind::Warning, EmpText::InUse}}));
    EXPECT_EQ(DeleteEmp(store, messages, QStringLiteral("E3")), EmpDeleteResult::Deleted);
    EXPECT_EQ(app.scalar(QStringLiteral("select group_concat(EmpID) from Employee")).toString(),
              QStringLiteral("E1,E2"));
}

TEST_F(EmpRulesTest, TransferChangesOnlyTheDepartment)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("人事部"));
    OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    OrgFixture::addLedgerRow(app.db(), QStringLiteral("E1"), QStringLiteral("0001"));

    EXPECT_EQ(TransferEmp(store, messages, QStringLiteral("E1"), QString()), EmpMoveResult::NoTarget);
    EXPECT_EQ(messages.boxes(), (Boxes{{Kind::Info, EmpText::NoTarget}}));
    EXPECT_EQ(TransferEmp(store, messages, QStringLiteral("E1"), QStringLiteral("0002")),
              EmpMoveResult::Moved);
    EXPECT_EQ(column("DeptID", "E1").toString(), QStringLiteral("0002"));
    EXPECT_EQ(app.scalar(QStringLiteral("select DeptID from TaxIncome")).toString(),
              QStringLiteral("0001"));
}

} // namespace
