#include "TestApp.h"

#include "base/Password.h"
#include "db/Sql.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(Database, OpenRefusesMissingFilesWrongPasswordsAndForeignFiles)
{
    TestApp app;
    Database db;
    EXPECT_FALSE(db.open(app.dir() + QStringLiteral("none.mdb"), DatabasePassword()));
    EXPECT_FALSE(QFile::exists(app.dir() + QStringLiteral("none.mdb")));
    EXPECT_FALSE(db.open(app.dbPath(), QStringLiteral("wrong")));
    EXPECT_FALSE(db.lastError().isEmpty());

    QFile text(app.dir() + QStringLiteral("notes.mdb"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    EXPECT_FALSE(db.open(text.fileName(), DatabasePassword()));
    QFile empty(app.dir() + QStringLiteral("empty.mdb"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_FALSE(db.open(empty.fileName(), DatabasePassword()));
    EXPECT_FALSE(db.isOpen());

    EXPECT_TRUE(db.openConnection(BuildConnectionString(app.dbPath(), DatabasePassword())));
}

TEST(Database, ResultsKeepAliasesTypesAndCursor)
{
    TestApp app;
    auto r = app.db().query(QStringLiteral("select TaxType as 所得项目, BaseMoney as 费用, count(*) as n "
                                           "from TaxBase where EmpType = ? group by TaxType"),
                            {QStringLiteral("外方")});
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->columns(), (QStringList{QStringLiteral("所得项目"), QStringLiteral("费用"), QStringLiteral("n")}));
    ASSERT_EQ(r->rowCount(), 1);
    EXPECT_EQ(r->text(0, QStringLiteral("所得项目")), QStringLiteral("工资所得税"));
    EXPECT_EQ(r->money(0, QStringLiteral("费用")), Money::fromYuan(4000));
    EXPECT_EQ(r->integer(0, QStringLiteral("N")), 1);
    EXPECT_TRUE(r->first());
    EXPECT_FALSE(r->next());

    EXPECT_FALSE(app.db().query(QStringLiteral("select * from NoSuchTable")).has_value());
    EXPECT_TRUE(app.db().lastError().contains(QStringLiteral("NoSuchTable")));
}

TEST(Database, BoundTextIsStoredLiterally)
{
    TestApp app;
    const QString name = QStringLiteral("O'Neil \"x\" [a] 50% _; drop table Employee; --");
    app.exec(QStringLiteral("insert into Employee (EmpID, EmpName) values (?, ?)"), {QStringLiteral("0001"), name});
    EXPECT_EQ(app.scalar(QStringLiteral("select EmpName from Employee where EmpID = ?"), {QStringLiteral("0001")}).toString(),
              name);
    EXPECT_TRUE(app.db().tableExists(QStringLiteral("Employee")));
}

TEST(Database, TransactionRollsBackUnlessCommittedAndNests)
{
    TestApp app;
    {
        Transaction tx(app.db());
        app.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('a')"));
    }
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Dict_TaxType")).toInt(), 5);
    {
        Transaction outer(app.db());
        app.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('b')"));
        {
            Transaction inner(app.db());
            app.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('c')"));
        }
        {
            Transaction inner(app.db());
            app.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values ('d')"));
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_TRUE(outer.commit());
    }
    auto r = app.db().query(QStringLiteral("select TaxType from Dict_TaxType where length(TaxType) = 1 order by 1"));
    ASSERT_TRUE(r);
    ASSERT_EQ(r->rowCount(), 2);
    EXPECT_EQ(r->text(0, 0), QStringLiteral("b"));
    EXPECT_EQ(r->text(1, 0), QStringLiteral("d"));
}

TEST(Database, AddAndDropColumnKeepOrderKeysDefaultsAndSequence)
{
    TestApp app;
    Database &db = app.db();
    ASSERT_TRUE(db.addColumn(QStringLiteral("Wage"), QStringLiteral("奖金\"A"), QStringLiteral("MONEY")));
    app.exec(QStringLiteral("insert into Wage (WageYear, WageMonth, EmpId, 基本工资) values (2005, 1, 'a', 10000)"));
    app.exec(QStringLiteral("insert into Wage (WageYear, WageMonth, EmpId) values (2005, 1, 'b')"));
    app.exec(QStringLiteral("delete from Wage where EmpId = 'b'"));

    QStringList before = db.columns(QStringLiteral("Wage"));
    ASSERT_TRUE(db.dropColumn(QStringLiteral("Wage"), QStringLiteral("基本工资"))) << db.lastError().toStdString();
    before.removeAll(QStringLiteral("基本工资"));
    EXPECT_EQ(db.columns(QStringLiteral("Wage")), before);
    EXPECT_EQ(before.first(), QStringLiteral("WageID"));
    EXPECT_EQ(before.at(1), QStringLiteral("WageYear"));

    // Defaults and indexes stay; the autonumber goes on after the deleted row's number.
    app.exec(QStringLiteral("insert into Wage (WageYear, WageMonth, EmpId) values (2005, 2, 'c')"));
    EXPECT_EQ(app.scalar(QStringLiteral("select WageID from Wage where EmpId = 'c'")).toInt(), 3);
    EXPECT_EQ(app.scalar(QStringLiteral("select 应发工资 from Wage where EmpId = 'c'")).toInt(), 0);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'index' and tbl_name = 'Wage'")).toInt(), 4);

    EXPECT_FALSE(db.dropColumn(QStringLiteral("Wage"), QStringLiteral("NoSuchColumn")));
    EXPECT_EQ(db.columns(QStringLiteral("Wage")), before);
    ASSERT_TRUE(db.dropColumn(QStringLiteral("Wage"), QStringLiteral("奖金\"A")));
    EXPECT_FALSE(db.hasColumn(QStringLiteral("wage"), QStringLiteral("奖金\"A")));
}

TEST(Database, ColumnWithQuotesAndBracketsKeepsTheOthersIntact)
{
    TestApp app;
    Database &db = app.db();
    const QString odd = QStringLiteral("a\"b'[c] %d");
    const QStringList before = db.columns(QStringLiteral("Wage"));
    ASSERT_TRUE(db.addColumn(QStringLiteral("Wage"), odd, QStringLiteral("MONEY")));
    app.exec(QStringLiteral("insert into Wage (EmpId, 基本工资, %1) values (?, ?, ?)").arg(QuoteIdent(odd)),
             {QStringLiteral("e1"), QVariant::fromValue(Money::fromYuan(3000)), QVariant::fromValue(Money::fromYuan(7))});
    EXPECT_EQ(app.scalar(QStringLiteral("select %1 from Wage").arg(QuoteIdent(odd))).value<Money>(), Money::fromYuan(7));
    ASSERT_TRUE(db.dropColumn(QStringLiteral("Wage"), odd)) << db.lastError().toStdString();
    EXPECT_EQ(db.columns(QStringLiteral("Wage")), before);
    EXPECT_EQ(app.scalar(QStringLiteral("select 基本工资 from Wage where EmpId = 'e1'")).value<Money>(), Money::fromYuan(3000));
}

TEST(Database, FailedStatementInATransactionLeavesNothingBehind)
{
    TestApp app;
    {
        Transaction tx(app.db());
        app.exec(QStringLiteral("insert into Department (DeptID, DeptName) values ('0001', 'a')"));
        EXPECT_FALSE(app.db().exec(QStringLiteral("insert into Department (DeptID, DeptName) values ('00002', 'b')")));
        // the service gives up without committing
    }
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Department")).toInt(), 1);
}

TEST(Database, FileIsEncrypted)
{
    TestApp app;
    QFile f(app.dbPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));
}

TEST(Database, QuoteIdentDoublesInnerQuotes)
{
    EXPECT_EQ(QuoteIdent(QStringLiteral("基本工资")), QStringLiteral("\"基本工资\""));
    EXPECT_EQ(QuoteIdent(QStringLiteral("a\"b")), QStringLiteral("\"a\"\"b\""));
}

} // namespace
