#pragma once

#include "OrgFixture.h"
#include "QueryFixture.h"

#include "db/Database.h"

// The company the query windows are shown on: three departments, five employees, January
// and February wage sheets and a month of ledger rows.
inline void AddQuerySample(Database &db)
{
    using QueryFixture::yuan;
    OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("销售部"));
    OrgFixture::addDept(db, QStringLiteral("0002"), QStringLiteral("销售部北区"));
    OrgFixture::addDept(db, QStringLiteral("0003"), QStringLiteral("财务部"));
    OrgFixture::addEmp(db, QStringLiteral("E1"), QStringLiteral("张三"), QStringLiteral("0001"));
    OrgFixture::addEmp(db, QStringLiteral("E2"), QStringLiteral("李四"), QStringLiteral("0001"));
    OrgFixture::addEmp(db, QStringLiteral("E3"), QStringLiteral("王五"), QStringLiteral("0002"));
    OrgFixture::addEmp(db, QStringLiteral("E4"), QStringLiteral("赵六"), QStringLiteral("0003"));
    OrgFixture::addEmp(db, QStringLiteral("E5"), QStringLiteral("张丽"), QStringLiteral("0003"));
    db.exec(QStringLiteral("update Employee set CardNo = '62220200000' || EmpID"));
    const struct
    {
        const char *id, *name, *dept, *basic, *pension, *medical, *housing, *tax;
    } staff[] = {{"E1", "张三", "销售部", "3000", "240", "60", "150", "85"},
                 {"E2", "李四", "销售部", "2000", "160", "40", "100", "20"},
                 {"E3", "王五", "销售部北区", "1500", "120", "30", "75", "0"},
                 {"E4", "赵六", "财务部", "4000", "320", "80", "200", "205"}};
    for (int month = 1; month <= 2; ++month) {
        for (const auto &s : staff) {
            const Money basic = yuan(s.basic);
            const Money net =
                basic - yuan(s.pension) - yuan(s.medical) - yuan(s.housing) - yuan(s.tax);
            QueryFixture::addWage(
                db, {2005,
                     month,
                     s.id,
                     s.name,
                     s.dept,
                     {{"基本工资", basic},
                      {"养老保险金", yuan(s.pension)},
                      {"医疗保险金", yuan(s.medical)},
                      {"住房公积金", yuan(s.housing)},
                      {"应发工资", basic},
                      {"纳税额", yuan(s.tax)},
                      {"实发工资", net}},
                     month == 1 ? QStringLiteral("已完成") : QStringLiteral("草稿中")});
        }
    }
    for (int month = 1; month <= 3; ++month) {
        for (const auto &s : staff) {
            const QString date = QStringLiteral("2005-%1-28").arg(month, 2, 10, QLatin1Char('0'));
            QueryFixture::addLedger(db, {2005, month, "工资所得税", s.id, s.name, yuan(s.basic),
                                         yuan(s.tax), yuan(s.basic) - yuan(s.tax), date});
        }
    }
    QueryFixture::addLedger(db, {2005, 3, "劳务报酬收入", "E1", "张三", yuan("5000"), yuan("800"),
                                 yuan("4200"), "2005-03-10"});
    QueryFixture::addLedger(db, {2005, 2, "稿酬所得", "E1", "张三", yuan("2000"), yuan("168"),
                                 yuan("1832"), "2005-02-15"});
}
