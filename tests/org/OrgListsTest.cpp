#include "OrgFixture.h"
#include "TestApp.h"

#include "org/DepartmentStore.h"
#include "org/DeptTree.h"
#include "org/EmployeeListModel.h"
#include "org/EmployeeStore.h"

#include <gtest/gtest.h>

namespace {

QStringList ids(const std::vector<EmployeeListRow> &rows)
{
    QStringList result;
    for (const EmployeeListRow &r : rows) {
        result << r.empId();
    }
    return result;
}

class OrgListsTest : public ::testing::Test
{
protected:
    OrgListsTest()
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("人事部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E3"), QStringLiteral("王五"), QStringLiteral("0002"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"), 0);
        OrgFixture::addEmp(app.db(), QStringLiteral("E2"), QStringLiteral("李四"), QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("T1"), QStringLiteral("临时甲"), QStringLiteral("9999"));
    }

    TestApp app;
    EmployeeStore store{app.db()};
};

TEST_F(OrgListsTest, RootListsEveryDepartmentInServiceFirst)
{
    EXPECT_EQ(ids(*store.listSubtree(QStringLiteral("0000"), false)),
              (QStringList{"E2", "E3", "T1"}));
    EXPECT_EQ(ids(*store.listSubtree(QStringLiteral("0000"), true)),
              (QStringList{"E2", "E3", "T1", "E1"}));
    EXPECT_EQ(ids(*store.listSubtree(QStringLiteral("00000001"), true)), (QStringList{"E2", "E1"}));
    const auto rows = *store.listSubtree(QStringLiteral("00009999"), false);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].deptName(), QStringLiteral("临时员工"));
}

TEST_F(OrgListsTest, FlaggedEmployeesNeverListed)
{
    app.exec(QStringLiteral("update Employee set Deleted = 1 where EmpID = 'E3'"));
    EXPECT_EQ(ids(*store.listSubtree(QStringLiteral("0000"), true)), (QStringList{"E2", "T1", "E1"}));
}

TEST_F(OrgListsTest, SearchMatchesCodeExactlyOrNamePartInServiceOnly)
{
    EXPECT_EQ(ids(*store.search(QStringLiteral("E3"))), QStringList{"E3"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("e3"))), QStringList{"E3"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("E"))), QStringList{});
    EXPECT_EQ(ids(*store.search(QStringLiteral("四"))), QStringList{"E2"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("张"))), QStringList{});
}

TEST_F(OrgListsTest, SearchAndNamePickerTakeWildcardsAndQuotesLiterally)
{
    OrgFixture::addEmp(app.db(), QStringLiteral("Q1"), QStringLiteral("O'Neil"), QStringLiteral("0001"));
    OrgFixture::addEmp(app.db(), QStringLiteral("Q2"), QStringLiteral("百分%比"), QStringLiteral("0001"));
    OrgFixture::addEmp(app.db(), QStringLiteral("Q3"), QStringLiteral("下_划"), QStringLiteral("0001"));
    OrgFixture::addEmp(app.db(), QStringLiteral("Q4"), QStringLiteral("[括\"号]"), QStringLiteral("0001"));
    OrgFixture::addEmp(app.db(), QStringLiteral("Q5"), QStringLiteral("反\\斜"), QStringLiteral("0001"));

    EXPECT_EQ(ids(*store.search(QStringLiteral("'"))), QStringList{"Q1"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("%"))), QStringList{"Q2"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("_"))), QStringList{"Q3"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("[括\""))), QStringList{"Q4"});
    EXPECT_EQ(ids(*store.search(QStringLiteral("\\"))), QStringList{"Q5"});

    const auto picked = *store.byNamePart(QStringLiteral("%"));
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.first().empId, QStringLiteral("Q2"));
}

TEST_F(OrgListsTest, NamePickerListsDepartedAndFlaggedToo)
{
    app.exec(QStringLiteral("update Employee set Deleted = 1 where EmpID = 'E3'"));
    OrgFixture::addEmp(app.db(), QStringLiteral("E4"), QStringLiteral("张三"), QStringLiteral("0002"));
    const auto rows = *store.byNamePart(QStringLiteral("张"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].empId, QStringLiteral("E1"));
    EXPECT_EQ(rows[0].empState, 0);
    EXPECT_EQ(store.byNamePart(QStringLiteral("五"))->size(), 1);
}

TEST_F(OrgListsTest, ModelShowsTheListColumns)
{
    EmployeeListModel model;
    model.setRows(*store.listSubtree(QStringLiteral("0000"), false));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 12);
    EXPECT_EQ(model.headerData(EmployeeListModel::IdCardNo, Qt::Horizontal).toString(),
              QStringLiteral("身份证号"));
    EXPECT_EQ(model.data(model.index(0, EmployeeListModel::DeptName)).toString(),
              QStringLiteral("财务部"));
    EXPECT_EQ(model.data(model.index(0, EmployeeListModel::StartDate)).toString(),
              QStringLiteral("2004-01-01"));
    EXPECT_EQ(model.findEmp(QStringLiteral("T1")), 2);
    const RdEmployee e = model.employeeAt(2);
    EXPECT_EQ(e.deptId, QStringLiteral("9999"));
    EXPECT_EQ(e.empType, QStringLiteral("中方"));
}

TEST(EmployeeListRowTest, KeepsEveryFieldApartWhateverItHolds)
{
    const QStringList texts{"E1", "𠮷田 O'Neil", "", "财务部", "110", "男", "中方", "",
                            "010", "2004-01-01", "", "北京", "备注"};
    std::array<QByteArray, EmployeeListRow::FieldCount> utf8;
    std::array<QByteArrayView, EmployeeListRow::FieldCount> views;
    for (int f = 0; f < EmployeeListRow::FieldCount; ++f) {
        utf8[f] = texts[f].toUtf8();
        views[f] = utf8[f];
    }
    EmployeeListRow fromEngine;
    fromEngine.setFields(views);
    EmployeeListRow fromStrings;
    fromStrings.setFields(texts);
    for (int f = 0; f < EmployeeListRow::FieldCount; ++f) {
        const auto field = EmployeeListRow::Field(f);
        EXPECT_EQ(fromEngine.field(field), texts[f]) << f;
        EXPECT_EQ(fromStrings.field(field), texts[f]) << f;
    }
    EXPECT_EQ(fromEngine.empName(), QStringLiteral("𠮷田 O'Neil"));
    EXPECT_TRUE(fromEngine.deptId().isEmpty());
}

TEST(DeptTreeTest, OrphansStandBesideTheRoot)
{
    auto dept = [](const char *id, const char *name, const char *father, int level) {
        DeptRecord d;
        d.deptId = QString::fromUtf8(id);
        d.deptName = QString::fromUtf8(name);
        d.fatherId = QString::fromUtf8(father);
        d.deptLevel = level;
        d.deptLevelId = QString::fromUtf8(father) + d.deptId;
        return d;
    };
    const DeptTree tree = BuildDeptTree(
        QStringLiteral("公司"), {dept("0001", "财务部", "0000", 1), dept("0002", "孤儿部", "0777", 1),
                                 dept("0003", "出纳组", "0001", 2), dept("0004", "孤儿组", "0002", 2)});
    ASSERT_EQ(tree.topLevel.size(), 2);
    const DeptTree::Node &root = tree.nodes.at(tree.topLevel[0]);
    EXPECT_EQ(root.label, QStringLiteral("公司"));
    EXPECT_EQ(root.data.deptLevelId, QStringLiteral("0000"));
    EXPECT_EQ(tree.nodes.at(tree.topLevel[1]).label, QStringLiteral("孤儿部"));

    QStringList order;
    for (const int n : tree.displayOrder()) {
        order << tree.nodes.at(n).label;
    }
    EXPECT_EQ(order, (QStringList{"公司", "财务部", "出纳组", "孤儿部", "孤儿组"}));
}

TEST_F(OrgListsTest, TreeRowsLeaveOutFlaggedDepartments)
{
    OrgFixture::addDept(app.db(), QStringLiteral("0003"), QStringLiteral("旧部"), QStringLiteral("0000"), true);
    DepartmentStore depts(app.db());
    const DeptTree tree = BuildDeptTree(QStringLiteral("公司"), *depts.treeRows());
    EXPECT_EQ(tree.nodes.size(), 4); // root, 0001, 0002, 9999
    EXPECT_EQ(tree.topLevel.size(), 1);
    EXPECT_EQ(depts.allRows()->size(), 4);
}

} // namespace
