// Another program adds the same department or employee while the rules are checking a new
// one. The check and the write form one write transaction, so the second one is refused
// with the rule's own words and never stored beside the first.

#include "TestApp.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "org/DepartmentStore.h"
#include "org/DeptRules.h"
#include "org/EmpRules.h"
#include "org/EmployeeStore.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

// Runs `write` on the other connection right after the first statement containing `needle`
// has finished on the watched one: between the rules' check and their write.
class Interloper
{
public:
    Interloper(Database &watched, Database &other, QString needle, QString write)
        : m_other(other), m_needle(std::move(needle)), m_write(std::move(write))
    {
        sqlite3_trace_v2(watched.handle(), SQLITE_TRACE_PROFILE, &Interloper::onProfile, this);
    }
    bool wrote() const { return m_wrote; }

private:
    static int onProfile(unsigned, void *self, void *statement, void *)
    {
        auto *me = static_cast<Interloper *>(self);
        const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt *>(statement)));
        if (!me->m_wrote && sql.contains(me->m_needle)) {
            me->m_wrote = me->m_other.exec(me->m_write);
        }
        return 0;
    }

    Database &m_other;
    QString m_needle;
    QString m_write;
    bool m_wrote = false;
};

class SaveRaceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(other.open(app.dbPath(), DatabasePassword())); }

    TestApp app;
    Database other;
    ScriptedMessageService messages;
};

TEST_F(SaveRaceTest, DepartmentNameTakenMeanwhile)
{
    Interloper interloper(
        app.db(), other, QStringLiteral("DeptName = ?"),
        QStringLiteral("insert into Department (DeptID, DeptName, DeptLevel, "
                       "FatherID, DeptLevelID, Deleted) values ('0007', '财务部', "
                       "1, '0000', '00000007', 0)"));
    DepartmentStore store(app.db());
    const DeptCheckResult r =
        SaveDept(store, messages, {QStringLiteral("0001"), QStringLiteral("财务部"), {}}, {});
    ASSERT_TRUE(interloper.wrote());
    EXPECT_EQ(r.check, DeptCheck::NameExists);
    EXPECT_EQ(messages.lastText(), DeptText::NameExists);
    EXPECT_EQ(
        app.scalar(QStringLiteral("select count(*) from Department where DeptName = '财务部'"))
            .toInt(),
        1);
}

TEST_F(SaveRaceTest, DepartmentCodeTakenMeanwhileInAnotherCase)
{
    Interloper interloper(
        app.db(), other, QStringLiteral("DeptID = ? collate FOLD and"),
        QStringLiteral("insert into Department (DeptID, DeptName, DeptLevel, "
                       "FatherID, DeptLevelID, Deleted) values ('a001', '人事部', "
                       "1, '0000', '0000a001', 0)"));
    DepartmentStore store(app.db());
    const DeptCheckResult r =
        SaveDept(store, messages, {QStringLiteral("A001"), QStringLiteral("财务部"), {}}, {});
    ASSERT_TRUE(interloper.wrote());
    EXPECT_EQ(r.check, DeptCheck::CodeExists);
    EXPECT_EQ(messages.lastText(), DeptText::CodeExists);
}

TEST_F(SaveRaceTest, EmployeeCodeTakenMeanwhileInAnotherCase)
{
    Interloper interloper(app.db(), other, QStringLiteral("from Employee where EmpID = ?"),
                          QStringLiteral("insert into Employee (EmpID, EmpName, DeptID) "
                                         "values ('e9', '李四', '9999')"));
    EmployeeStore store(app.db());
    EmpInput in;
    in.fields.empId = QStringLiteral("E9");
    in.fields.empName = QStringLiteral("张三");
    in.fields.idCardNo = QStringLiteral("110");
    in.entryDate = in.departureDate = QDate(2005, 3, 1);
    EmpEditState state;
    state.deptId = QStringLiteral("9999");
    const EmpCheckResult r = SaveEmp(store, messages, in, state);
    ASSERT_TRUE(interloper.wrote());
    EXPECT_EQ(r.check, EmpCheck::CodeExists);
    EXPECT_EQ(messages.lastText(), EmpText::CodeExists);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Employee")).toInt(), 1);
}

} // namespace
