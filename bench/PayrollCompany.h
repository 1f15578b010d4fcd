#pragma once

// A company for the payroll benchmarks: a fresh database with 100 departments, `employees`
// staff (one in fifty foreign), the delivered items and six more (10 items in all), the rate
// sets loaded; and amounts for every item of a month.

#include "BenchDatabase.h"

#include "base/MessageService.h"
#include "db/Database.h"
#include "tax/TaxRates.h"

#include <QTemporaryDir>

namespace bench {

constexpr int kDepartments = 100;

// The four delivered items and six more: 10 items.
const char *const kExtraItems[][2] = {
    {"岗位工资", "工资薪金所得纳税项"}, {"绩效工资", "工资薪金所得纳税项"},
    {"交通补贴", "工资薪金所得免税项"}, {"餐费补贴", "工资薪金所得免税项"},
    {"病假扣款", "税前列支项"},         {"工会会费", "税后列支项"},
};

struct Company
{
    QTemporaryDir dir;
    Database db;
    TaxRates rates;

    explicit Company(int employees, const char *file = "Halvek.mdb")
    {
        const QString path = dir.path() + u'/' + QString::fromLatin1(file);
        bench::createDatabase(db, path);
        ScriptedMessageService messages;
        LoadAllTaxRates(db, rates, messages);
        Transaction t(db);
        for (const auto &item : kExtraItems) {
            db.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                                   "Remark) values (?, ?, 1, 0, '')"),
                    {QString::fromUtf8(item[0]), QString::fromUtf8(item[1])});
        }
        bench::addDepartments(db, kDepartments);
        Statement emp = db.prepare(QStringLiteral(
            "insert into Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, nationality, "
            "EmpState, StartDate, Deleted) values (?, ?, ?, ?, '男', ?, '', 1, '2003-05-01', 0)"));
        const QString surnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗");
        for (int e = 0; e < employees; ++e) {
            emp.bindAll({QStringLiteral("E%1").arg(e, 6, 10, QLatin1Char('0')),
                         QString(surnames[e % surnames.size()]) + QStringLiteral("某"),
                         QStringLiteral("%1").arg(e % kDepartments + 1, 4, 10, QLatin1Char('0')),
                         QStringLiteral("1101011980%1").arg(e, 8, 10, QLatin1Char('0')),
                         e % 50 == 0 ? QStringLiteral("外方") : QStringLiteral("中方")});
            emp.exec();
        }
        t.commit();
    }

    // Amounts in every item of the month's rows, and a bonus for one in ten.
    void fillAmounts(int year, int month)
    {
        db.exec(
            QStringLiteral(
                "update Wage set 基本工资 = 20000000 + (WageID % 50) * 1000000, 岗位工资 = "
                "5000000, 绩效工资 = (WageID % 7) * 3000000, 交通补贴 = 2000000, 餐费补贴 = "
                "1500000, 病假扣款 = (WageID % 13) * 100000, 工会会费 = 100000, 养老保险金 = "
                "1600000, 医疗保险金 = 400000, 住房公积金 = 2000000, 一次性奖金 = case when "
                "WageID % 10 = 0 then 30000000 else 0 end where WageYear = ? and WageMonth = ?"),
            {year, month});
    }
};

} // namespace bench
