#include "OrgFixture.h"
#include "TestApp.h"

#include "db/Schema.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

TEST(Collations, FoldComparesCodesIgnoringCaseBeyondAscii)
{
    TestApp app;
    EXPECT_EQ(app.scalar(QStringLiteral("select 'E001' = 'e001' collate FOLD")).toInt(), 1);
    EXPECT_EQ(app.scalar(QStringLiteral("select ? = ? collate FOLD"),
                         {QStringLiteral("É1"), QStringLiteral("é1")})
                  .toInt(),
              1);
    EXPECT_EQ(app.scalar(QStringLiteral("select ? = ? collate FOLD"),
                         {QStringLiteral("Ｅ００１"), QStringLiteral("e001")})
                  .toInt(),
              1);
    EXPECT_EQ(app.scalar(QStringLiteral("select 'E001' = 'E002' collate FOLD")).toInt(), 0);
    // NOCASE, the engine's own, folds A-Z only: that is why FOLD exists.
    EXPECT_EQ(app.scalar(QStringLiteral("select ? = ? collate NOCASE"),
                         {QStringLiteral("É1"), QStringLiteral("é1")})
                  .toInt(),
              0);
    EXPECT_EQ(app.scalar(QStringLiteral("select fold(?)"), {QStringLiteral("ÉCOLE１")}).toString(),
              QStringLiteral("école1"));
    EXPECT_TRUE(app.scalar(QStringLiteral("select fold(null)")).isNull());
}

TEST(Collations, TheEngineKeepsCodesUniqueUnderTheFold)
{
    TestApp app;
    Database &db = app.db();
    OrgFixture::addDept(db, QStringLiteral("D001"), QStringLiteral("技术部"));
    OrgFixture::addEmp(db, QStringLiteral("É1"), QStringLiteral("张三"), QStringLiteral("D001"));
    // Straight into the table, past every rule: the index itself refuses.
    EXPECT_FALSE(db.exec(
        QStringLiteral("insert into Employee (EmpID, EmpName, DeptID) values (?, 'x', 'D001')"),
        {QStringLiteral("é1")}));
    EXPECT_FALSE(
        db.exec(QStringLiteral("insert into Department (DeptID, DeptName) values ('d001', 'y')")));
    EXPECT_TRUE(db.exec(QStringLiteral(
        "insert into Employee (EmpID, EmpName, DeptID) values ('E1', 'x', 'D001')")));
}

TEST(Collations, FoldIndexStaysOrderedOverMixedScripts)
{
    // The fold compares ASCII texts on a fast path and others through Unicode folding; an
    // index is only sound when both give one order. Mixed codes, then the engine's check.
    TestApp app;
    Database &db = app.db();
    OrgFixture::addDept(db, QStringLiteral("D001"), QStringLiteral("技术部"));
    const QString alphabet = QStringLiteral("aBcÉéZzΣσЖж技ＡＢ19");
    QRandomGenerator random(42);
    QStringList codes;
    Transaction tx(db);
    for (int i = 0; i < 400; ++i) {
        QString code;
        for (int n = 1 + random.bounded(4); n > 0; --n) {
            code += alphabet.at(random.bounded(int(alphabet.size())));
        }
        code += u'#' + QString::number(i); // distinct under any fold
        codes << code;
        ASSERT_TRUE(db.exec(
            QStringLiteral("insert into Employee (EmpID, EmpName, DeptID) values (?, 'x', 'D001')"),
            {code}))
            << db.lastError().toStdString();
    }
    ASSERT_TRUE(tx.commit());
    EXPECT_EQ(app.scalar(QStringLiteral("pragma integrity_check")).toString(),
              QStringLiteral("ok"));
    for (const QString &code : codes) {
        EXPECT_EQ(
            app.scalar(QStringLiteral("select count(*) from Employee where EmpID = ? collate FOLD"),
                       {code.toUpper()})
                .toInt(),
            1)
            << code.toStdString();
    }
}

TEST(Collations, PinyinOrdersNamesAsTheDictionary)
{
    TestApp app;
    Database &db = app.db();
    OrgFixture::addDept(db, QStringLiteral("D001"), QStringLiteral("技术部"));
    // 张 zhang, 阿 a, 陈 chen, 白 bai, 王 wang: a, bai, chen, wang, zhang.
    const QStringList names{QStringLiteral("张三"), QStringLiteral("阿明"), QStringLiteral("陈红"),
                            QStringLiteral("白雪"), QStringLiteral("王五")};
    for (int i = 0; i < names.size(); ++i) {
        OrgFixture::addEmp(db, QStringLiteral("E%1").arg(i), names[i], QStringLiteral("D001"));
    }
    const auto rows =
        db.query(QStringLiteral("select EmpName from Employee order by EmpName collate PINYIN"));
    ASSERT_TRUE(rows);
    QStringList sorted;
    for (int r = 0; r < rows->rowCount(); ++r) {
        sorted << rows->text(r, 0);
    }
    EXPECT_EQ(sorted,
              (QStringList{QStringLiteral("阿明"), QStringLiteral("白雪"), QStringLiteral("陈红"),
                           QStringLiteral("王五"), QStringLiteral("张三")}));
    // Only identical names compare equal.
    EXPECT_EQ(app.scalar(QStringLiteral("select '张三' = '张三' collate PINYIN")).toInt(), 1);
    EXPECT_EQ(app.scalar(QStringLiteral("select '张三' = '张叁' collate PINYIN")).toInt(), 0);
}

TEST(Collations, UpgradeAddsTheFoldIndexesAndToleratesOldCollisions)
{
    TestApp app;
    Database &db = app.db();
    app.exec(QStringLiteral("drop index Employee_Code"));
    app.exec(QStringLiteral("drop index Department_Code"));
    app.exec(QStringLiteral("drop index TaxIncome_Code"));
    app.exec(QStringLiteral("drop index Wage_Code"));
    ASSERT_TRUE(db.setUserVersion(2));
    OrgFixture::addDept(db, QStringLiteral("D001"), QStringLiteral("技术部"));
    // Made before codes were folded: one employee twice, to today's eyes.
    OrgFixture::addEmp(db, QStringLiteral("É1"), QStringLiteral("张三"), QStringLiteral("D001"));
    OrgFixture::addEmp(db, QStringLiteral("é1"), QStringLiteral("张三"), QStringLiteral("D001"));

    ASSERT_TRUE(Schema::upgrade(db)) << db.lastError().toStdString();
    EXPECT_EQ(db.userVersion(), 3);
    EXPECT_EQ(app
                  .scalar(QStringLiteral(
                      "select sql like '%UNIQUE%' from sqlite_master where name = 'Employee_Code'"))
                  .toInt(),
              0);
    EXPECT_EQ(
        app
            .scalar(QStringLiteral(
                "select sql like '%UNIQUE%' from sqlite_master where name = 'Department_Code'"))
            .toInt(),
        1);
    ASSERT_TRUE(Schema::upgrade(db)); // again: nothing changes
    EXPECT_EQ(
        app.scalar(QStringLiteral("select count(*) from sqlite_master where name like '%_Code'"))
            .toInt(),
        4);
    EXPECT_EQ(app
                  .scalar(QStringLiteral(
                      "select sql like '%UNIQUE%' from sqlite_master where name = 'Wage_Code'"))
                  .toInt(),
              0);
}

} // namespace
