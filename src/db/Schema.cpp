#include "db/Schema.h"

#include "db/Database.h"
#include "db/DeliveredData.h"
#include "db/Sql.h"

#include <sqlite3.h>

namespace Schema {

namespace {

Column money(const QString &name)
{
    return {name, QStringLiteral("MONEY DEFAULT 0")};
}
Column integer(const QString &name)
{
    return {name, QStringLiteral("INTEGER")};
}
Column textColumn(const QString &name)
{
    return {name, QStringLiteral("TEXT")};
}
// A text column of at most n characters.
Column textN(const QString &name, int n)
{
    return {name, QStringLiteral("TEXT CHECK (length(%1) <= %2)").arg(QuoteIdent(name)).arg(n)};
}
Column boolean(const QString &name)
{
    return {name, QStringLiteral("BOOLEAN NOT NULL DEFAULT 0")};
}
Column date(const QString &name)
{
    return {name, QStringLiteral("TEXT")};
}

QList<Table> buildTables()
{
    const auto S = [](const char *s) { return QString::fromUtf8(s); };
    QList<Table> t;

    t.append({S("TaxIncome"),
              {{S("ID"), S("INTEGER PRIMARY KEY AUTOINCREMENT")},
               integer(S("TaxYear")),
               integer(S("TaxMonth")),
               textColumn(S("TaxType")),
               textColumn(S("EmpId")),
               textColumn(S("EmpName")),
               textColumn(S("EmpCardNo")),
               textColumn(S("EmpType")),
               textN(S("DeptID"), 4),
               textColumn(S("Address")),
               money(S("ChinaIncome")),
               money(S("ForeignIncome")),
               textColumn(S("MoneyType")),
               money(S("ForeignExchange")),
               money(S("ForeignToChinaIncome")),
               money(S("FactIncome")),
               money(S("Income")),
               money(S("MinusFare")),
               money(S("TaxIncome")),
               money(S("TaxRate")),
               money(S("TakeOutMoney")),
               money(S("TaxMoney")),
               money(S("ReceiveTaxMoney")),
               money(S("OughtTaxMoney")),
               textN(S("TaxNumber"), 30),
               date(S("TaxDate"))},
              {},
              {S("CREATE INDEX TaxIncome_Period ON TaxIncome (TaxYear, TaxMonth)"),
               S("CREATE INDEX TaxIncome_Emp ON TaxIncome (EmpId)"),
               S("CREATE INDEX TaxIncome_Code ON TaxIncome (EmpId COLLATE FOLD)"),
               S("CREATE INDEX TaxIncome_Dept ON TaxIncome (DeptID)")}});

    t.append({S("Wage"),
              {{S("WageID"), S("INTEGER PRIMARY KEY AUTOINCREMENT")},
               integer(S("WageYear")),
               integer(S("WageMonth")),
               textColumn(S("WageType")),
               integer(S("WageTimes")),
               textColumn(S("WageState")),
               textColumn(S("EmpId")),
               textColumn(S("EmpName")),
               textColumn(S("EmpType")),
               textColumn(S("DeptName")),
               money(S("应发工资")),
               money(S("应税工资")),
               money(S("实发工资")),
               money(S("减除费用")),
               money(S("应纳税所得额")),
               money(S("适用税率")),
               money(S("速算扣除数")),
               money(S("纳税额")),
               money(S("一次性奖金")),
               money(S("补发工资")),
               // The delivered items; further items are added as columns at run time.
               {S("基本工资"), S("MONEY")},
               {S("养老保险金"), S("MONEY")},
               {S("医疗保险金"), S("MONEY")},
               {S("住房公积金"), S("MONEY")}},
              {},
              {S("CREATE INDEX Wage_Period ON Wage (WageYear, WageMonth)"),
               S("CREATE INDEX Wage_Emp ON Wage (EmpId)"),
               S("CREATE INDEX Wage_Code ON Wage (EmpId COLLATE FOLD)"),
               S("CREATE INDEX Wage_Dept ON Wage (DeptName)")}});

    t.append({S("Employee"),
              {{S("EmpID"), S("TEXT NOT NULL")},
               textColumn(S("EmpName")),
               textN(S("DeptID"), 4),
               textColumn(S("IDCardNo")),
               textColumn(S("Sex")),
               textColumn(S("EmpType")),
               textColumn(S("nationality")),
               {S("EmpState"), S("INTEGER NOT NULL DEFAULT 1")},
               date(S("StartDate")),
               date(S("EndDate")),
               textColumn(S("Address")),
               textColumn(S("Tel")),
               textColumn(S("BankName")),
               textColumn(S("CardNo")),
               textColumn(S("Remark")),
               boolean(S("Deleted"))},
              {},
              {S("CREATE UNIQUE INDEX Employee_ID ON Employee (EmpID)"),
               S("CREATE UNIQUE INDEX Employee_Code ON Employee (EmpID COLLATE FOLD)"),
               S("CREATE INDEX Employee_Dept ON Employee (DeptID, EmpState)"),
               S("CREATE INDEX Employee_Name ON Employee (EmpName)"),
               // The browser's list order: staff in service first, then department and code.
               S("CREATE INDEX Employee_List ON Employee (EmpState DESC, DeptID, EmpID)")}});

    t.append({S("Department"),
              {{S("DeptID"), S("TEXT NOT NULL CHECK (length(\"DeptID\") <= 4)")},
               textColumn(S("DeptName")),
               integer(S("DeptLevel")),
               textN(S("FatherID"), 4),
               textColumn(S("DeptLevelID")),
               textColumn(S("Remark")),
               boolean(S("Deleted"))},
              {},
              {S("CREATE UNIQUE INDEX Department_ID ON Department (DeptID)"),
               S("CREATE UNIQUE INDEX Department_Code ON Department (DeptID COLLATE FOLD)"),
               S("CREATE INDEX Department_LevelID ON Department (DeptLevelID)")}});

    t.append({S("SysUser"),
              {{S("UserName"), S("TEXT NOT NULL CHECK (length(\"UserName\") <= 10)")},
               textN(S("UserPwd"), 10),
               textN(S("Remark"), 100)},
              {},
              {S("CREATE UNIQUE INDEX SysUser_Name ON SysUser (UserName COLLATE NOCASE)")}});

    t.append({S("CorpInfo"),
              {textN(S("CorpName"), 50), textN(S("abName"), 30), textN(S("TaxNo"), 30),
               textN(S("ObligorNo"), 30), textN(S("Address"), 100), textN(S("Tel"), 50),
               textN(S("Fax"), 30), textN(S("PostalCode"), 10)},
              {},
              {}});

    t.append({S("TaxRate"),
              {textColumn(S("TaxType")), textColumn(S("EmpType")), money(S("levelLow")),
               money(S("LevelHigh")), money(S("NoLevelLow")), money(S("NoLevelHigh")),
               money(S("LevelRate")), money(S("QuickDeduct")), money(S("BaseMoney"))},
              {},
              {S("CREATE INDEX TaxRate_Type ON TaxRate (TaxType, EmpType)")}});

    t.append({S("TaxBase"),
              {textColumn(S("TaxType")), textColumn(S("EmpType")), money(S("BaseMoney"))},
              {},
              {}});

    t.append({S("Dict_Item"),
              {{S("ItemName"), S("TEXT NOT NULL CHECK (length(\"ItemName\") <= 30)")},
               textColumn(S("ItemType")),
               boolean(S("IsInUse")),
               boolean(S("ReadOnly")),
               textN(S("Remark"), 100)},
              {},
              {}});

    t.append({S("Dict_ItemType"), {textColumn(S("ItemType")), boolean(S("IsResult"))}, {}, {}});

    t.append({S("WageItem"),
              {integer(S("ItemYear")), integer(S("ItemMonth")), textColumn(S("ItemName")),
               textColumn(S("ItemType")), boolean(S("ReadOnly"))},
              {},
              {S("CREATE INDEX WageItem_Period ON WageItem (ItemYear, ItemMonth)")}});

    t.append({S("Dict_TaxType"), {textColumn(S("TaxType"))}, {}, {}});

    t.append({S("ReissueMonth"),
              {integer(S("CurrYear")), integer(S("CurrMonth")), integer(S("ReissueYear")),
               integer(S("ReissueMonth")), textColumn(S("EmpId")), money(S("ReissueMoney"))},
              {},
              {S("CREATE INDEX ReissueMonth_Period ON ReissueMonth (CurrYear, CurrMonth)")}});
    return t;
}

} // namespace

const QList<Table> &tables()
{
    static const QList<Table> all = buildTables();
    return all;
}

QString createStatement(const Table &table)
{
    QStringList parts;
    for (const Column &c : table.columns) {
        parts << QuoteIdent(c.name) + u' ' + c.declaration;
    }
    parts += table.constraints;
    return QStringLiteral("CREATE TABLE ") + QuoteIdent(table.name) + QStringLiteral(" (")
           + parts.join(QStringLiteral(", ")) + u')';
}

bool createDatabase(Database &db)
{
    Transaction tx(db);
    if (!tx.isActive()) {
        return false;
    }
    for (const Table &table : tables()) {
        if (!db.exec(createStatement(table))) {
            return false;
        }
        for (const QString &index : table.indexes) {
            if (!db.exec(index)) {
                return false;
            }
        }
    }
    if (!Delivered::insertRows(db) || !db.setUserVersion(kCurrentVersion)) {
        return false;
    }
    return tx.commit();
}

bool ensureFactIncome(Database &db)
{
    Transaction tx(db);
    if (!tx.isActive()) {
        return false;
    }
    if (!db.hasColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome"))) {
        if (!db.tableExists(QStringLiteral("TaxIncome"))
            || !db.addColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome"),
                             QStringLiteral("MONEY DEFAULT 0"))) {
            return false;
        }
    }
    if (db.userVersion() < 2 && !db.setUserVersion(2)) {
        return false;
    }
    return tx.commit();
}

bool ensureCodeIndexes(Database &db)
{
    struct CodeIndex
    {
        const char *name;
        const char *table;
        const char *column;
        bool unique;
    };
    // The ledger and the sheets are searched by an employee's code as the fold compares it.
    static const CodeIndex indexes[] = {{"Employee_Code", "Employee", "EmpID", true},
                                        {"Department_Code", "Department", "DeptID", true},
                                        {"TaxIncome_Code", "TaxIncome", "EmpId", false},
                                        {"Wage_Code", "Wage", "EmpId", false}};
    Transaction tx(db);
    if (!tx.isActive()) {
        return false;
    }
    for (const CodeIndex &index : indexes) {
        const auto exists = db.scalar(
            QStringLiteral("select count(*) from sqlite_master where type = 'index' and name = ?"),
            {QString::fromLatin1(index.name)});
        if (!exists) {
            return false;
        }
        if (exists->toInt() > 0) {
            continue;
        }
        const QString body =
            QStringLiteral("INDEX %1 ON %2 (%3 COLLATE FOLD)")
                .arg(QString::fromLatin1(index.name), QString::fromLatin1(index.table),
                     QString::fromLatin1(index.column));
        if (!index.unique) {
            if (!db.exec(QStringLiteral("CREATE ") + body)) {
                return false;
            }
            continue;
        }
        Transaction unique(db);
        if (unique.isActive() && db.exec(QStringLiteral("CREATE UNIQUE ") + body) &&
            unique.commit()) {
            continue;
        }
        // Codes that only differ in a way the fold ignores (made before codes were folded)
        // keep the index from being unique; it still serves the lookups, and the rules keep
        // new ones from arising. The clerk can rename one of them at any time.
        unique.rollback();
        if ((db.lastErrorCode() & 0xff) != SQLITE_CONSTRAINT ||
            !db.exec(QStringLiteral("CREATE ") + body)) {
            return false;
        }
    }
    if (db.userVersion() < 3 && !db.setUserVersion(3)) {
        return false;
    }
    return tx.commit();
}

bool upgrade(Database &db)
{
    // Each step moves the file one version up and is safe to repeat.
    return ensureFactIncome(db) && ensureCodeIndexes(db);
}

} // namespace Schema
