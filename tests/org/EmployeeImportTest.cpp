// corvane-cli emp import's core: many employees from a CSV file, all or none.

#include "OrgFixture.h"
#include "TestApp.h"

#include "org/EmployeeImport.h"
#include "org/EmployeeStore.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class EmployeeImportTest : public ::testing::Test
{
protected:
    EmployeeImportTest()
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E9"), QStringLiteral("老员工"),
                           QStringLiteral("0001"));
    }
    EmpImportResult import(const QByteArray &csv)
    {
        const QString path = app.dir() + QStringLiteral("emp.csv");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(csv);
        f.close();
        return ImportEmployees(app.db(), path);
    }
    int employees() { return app.scalar(QStringLiteral("select count(*) from Employee")).toInt(); }

    TestApp app; // today is 2005-03-15
};

TEST_F(EmployeeImportTest, ImportsEveryLineWithTheDialogsDefaults)
{
    const EmpImportResult r =
        import(QByteArray("\xEF\xBB\xBF") +
               QStringLiteral("empid,EmpName,DEPTID,IDCardNo,EmpType,Address\r\n"
                              "E1,张三,0001,110101,,\"北京市, 海淀区\"\r\n"
                              "E2,Smith,0001,G123,外方,\r\n"
                              "E3,李四,9999,110103,中方,\r\n")
                   .toUtf8());
    ASSERT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString() << r.failure.toStdString();
    EXPECT_EQ(r.imported, 3);
    EmployeeStore store(app.db());
    const EmployeeRecord e1 = store.byId(QStringLiteral("E1"))->first();
    EXPECT_EQ(e1.sex, QStringLiteral("男"));
    EXPECT_EQ(e1.empType, QStringLiteral("中方"));
    EXPECT_EQ(e1.nationality, QStringLiteral("中国"));
    EXPECT_EQ(e1.address, QStringLiteral("北京市, 海淀区"));
    EXPECT_EQ(e1.empState, 1);
    EXPECT_EQ(e1.startDate, QDate(2005, 3, 15));
    EXPECT_FALSE(e1.endDate.isValid());
    const EmployeeRecord e2 = store.byId(QStringLiteral("E2"))->first();
    EXPECT_EQ(e2.nationality, QString());
    EXPECT_EQ(store.byId(QStringLiteral("E3"))->first().deptId, QStringLiteral("9999"));
}

TEST_F(EmployeeImportTest, OneBadLineImportsNothingAndEveryBadLineIsNamed)
{
    const EmpImportResult r =
        import(QStringLiteral("EmpID,EmpName,DeptID,IDCardNo,StartDate,EmpState\n"
                              "E1,张三,0001,110101,2004-01-01,1\n"
                              "e1,张三二,0001,110102,2004-01-01,1\n"
                              "e9,重复,0001,110103,,\n"
                              "E4,王五,0002,110104,,\n"
                              "E5,,0001,110105,,\n"
                              "E6,赵六,0001,,,\n"
                              "E7,钱七,0001,110107,2005/01/01,\n"
                              "E8,孙八,0001,110108,2005-04-01,\n"
                              "E10,周十,0001,110110,,2\n"
                              "E11,吴十一,0000,110111,,\n"
                              "ABCDEFGHIJK,郑,0001,110112,,\n"
                              "E12,冯,0001\n"
                              "E13,陈,0001,110113,,0\n")
                   .toUtf8());
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(
        r.problems,
        (QStringList{"第3行: 员工编号已存在！", "第4行: 员工编号已存在！", "第5行: 未找到该部门！",
                     "第6行: 姓名不能为空！", "第7行: 身份证号不能为空！",
                     "第8行: 日期格式应为yyyy-mm-dd！", "第9行: 离职日期不能小于入职日期！",
                     "第10行: 在职状态只能为1(在职)或0(离职)！", "第11行: 请选择部门！",
                     "第12行: 员工编号不能超过10个字符！", "第13行: 列数与标题行不符"}));
    EXPECT_EQ(employees(), 1);
}

TEST_F(EmployeeImportTest, TheHeaderMustNameTheRequiredColumnsAndNoOthers)
{
    const EmpImportResult r =
        import(QByteArray("EmpID,EmpName,Salary,DeptID,empname\nE1,a,1,0001,b\n"));
    EXPECT_EQ(r.problems, (QStringList{"第1行: 未知的列“Salary”", "第1行: 列“empname”重复",
                                       "第1行: 缺少列“IDCardNo”"}));
    EXPECT_EQ(employees(), 1);
    EXPECT_EQ(import(QByteArray("EmpID,EmpName,DeptID,IDCardNo\n\"E1,a\n")).problems,
              QStringList{"第2行: 引号没有结束"});
}

} // namespace
