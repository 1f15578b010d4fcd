#include "db/DeliveredData.h"

#include "base/Money.h"
#include "base/Password.h"
#include "db/Database.h"

namespace Delivered {

namespace {

struct Bracket
{
    qint64 low, high, noLow, noHigh;
    const char *rate;
    const char *quickDeduct; // text, because one royalty row holds a fraction here
};

// The wage brackets apply to Chinese and foreign staff alike; only the deduction differs.
const Bracket kWageBrackets[] = {
    {0, 500, 0, 475, "0.05", "0"},
    {500, 2000, 475, 1825, "0.10", "25"},
    {2000, 5000, 1825, 4375, "0.15", "125"},
    {5000, 20000, 4375, 16375, "0.20", "375"},
    {20000, 40000, 16375, 31375, "0.25", "1375"},
    {40000, 60000, 31375, 45375, "0.30", "3375"},
    {60000, 80000, 45375, 58375, "0.35", "6375"},
    {80000, 100000, 58375, 70375, "0.40", "10375"},
    {100000, 99999999, 70375, 99999999, "0.45", "15375"},
};
const Bracket kContractBrackets[] = {
    {0, 5000, 0, 4750, "0.05", "0"},
    {5000, 10000, 4750, 9250, "0.10", "250"},
    {10000, 30000, 9250, 25250, "0.20", "1250"},
    {30000, 50000, 25250, 39250, "0.30", "4250"},
    {50000, 99999999, 39250, 99999999, "0.35", "6750"},
};
const Bracket kLabourBrackets[] = {
    {0, 20000, 0, 16000, "0.20", "0"},
    {20000, 50000, 16000, 37000, "0.30", "2000"},
    {50000, 99999999, 37000, 99999999, "0.40", "7000"},
};
const Bracket kLabourAfterTaxBrackets[] = {
    {0, 4000, 0, 3360, "0.20", "0"},
    {4000, 25000, 3360, 21000, "0.20", "0"},
    {25000, 62500, 21000, 49500, "0.30", "2000"},
    {62500, 99999999, 49500, 99999999, "0.40", "7000"},
};
// The mixed set. Royalties: up to 4000.00 the lower row's QuickDeduct is the fixed deduction,
// above it the upper row's QuickDeduct is the percentage deduction (as a fraction); the 稿酬减免
// rate is the 30% reduction of the tax on royalties. Franchise fees and property lease: a flat
// 20% with the 800.00 fixed deduction in both BaseMoney and QuickDeduct. Interest, dividends and
// incidental income: a flat 20% without deduction.
struct TypedBracket
{
    const char *taxType;
    Bracket bracket;
    qint64 baseMoney;
};
const TypedBracket kOtherBrackets[] = {
    {"稿酬", {0, 4000, 0, 3552, "0.20", "800"}, 800},
    {"稿酬", {4000, 99999999, 3552, 99999999, "0.20", "0.20"}, 800},
    {"稿酬减免", {0, 99999999, 0, 99999999, "0.30", "0"}, 0},
    {"特许权财产租赁", {0, 99999999, 0, 99999999, "0.20", "800"}, 800},
    {"利息股息偶然所得", {0, 99999999, 0, 99999999, "0.20", "0"}, 0},
};

template <std::size_t N>
bool insertBrackets(Database &db, const QString &taxType, const QString &empType,
                    const Bracket (&rows)[N], qint64 baseMoney)
{
    const QString sql = QStringLiteral(
        "insert into TaxRate (TaxType, EmpType, levelLow, LevelHigh, NoLevelLow, NoLevelHigh, "
        "LevelRate, QuickDeduct, BaseMoney) values (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Bracket &b : rows) {
        if (!db.exec(sql, {taxType, empType, QVariant::fromValue(Money::fromYuan(b.low)),
                           QVariant::fromValue(Money::fromYuan(b.high)),
                           QVariant::fromValue(Money::fromYuan(b.noLow)),
                           QVariant::fromValue(Money::fromYuan(b.noHigh)),
                           QVariant::fromValue(*Money::parse(QString::fromLatin1(b.rate))),
                           QVariant::fromValue(*Money::parse(QString::fromLatin1(b.quickDeduct))),
                           QVariant::fromValue(Money::fromYuan(baseMoney))})) {
            return false;
        }
    }
    return true;
}

bool insertOtherBrackets(Database &db)
{
    for (const TypedBracket &t : kOtherBrackets) {
        const QString type = QString::fromUtf8(t.taxType);
        const Bracket rows[1] = {t.bracket};
        if (!insertBrackets(db, type, type, rows, t.baseMoney)) {
            return false;
        }
    }
    return true;
}

bool insertTexts(Database &db, const QString &sql, const QStringList &values)
{
    for (const QString &v : values) {
        if (!db.exec(sql, {v})) {
            return false;
        }
    }
    return true;
}

} // namespace

bool insertRows(Database &db)
{
    const QString wageTax = QStringLiteral("工资所得税");
    bool ok = insertTexts(db, QStringLiteral("insert into Dict_TaxType (TaxType) values (?)"),
                          {wageTax, QStringLiteral("承包经营收入"), QStringLiteral("劳务报酬收入"),
                           QStringLiteral("利息股息偶然所得"), QStringLiteral("其他所得")})
              && insertTexts(db,
                             QStringLiteral("insert into Dict_ItemType (ItemType, IsResult) "
                                            "values (?, 0)"),
                             {QStringLiteral("工资薪金所得纳税项"), QStringLiteral("工资薪金所得免税项"),
                              QStringLiteral("税前列支项"), QStringLiteral("税后列支项"),
                              QStringLiteral("免税扣除项")});
    if (!ok) {
        return false;
    }

    const QString itemSql = QStringLiteral(
        "insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, Remark) values (?, ?, 1, 1, ?)");
    const struct
    {
        const char *name, *type, *remark;
    } items[] = {
        {"基本工资", "工资薪金所得纳税项", "每月的基本工资"},
        {"养老保险金", "免税扣除项", "个人缴纳的养老保险金"},
        {"医疗保险金", "免税扣除项", "个人缴纳的医疗保险金"},
        {"住房公积金", "免税扣除项", "个人缴纳的住房公积金"},
    };
    for (const auto &item : items) {
        if (!db.exec(itemSql, {QString::fromUtf8(item.name), QString::fromUtf8(item.type),
                               QString::fromUtf8(item.remark)})) {
            return false;
        }
    }

    ok = db.exec(QStringLiteral("insert into Department (DeptID, DeptName, DeptLevel, FatherID, "
                                "DeptLevelID, Remark, Deleted) values (?, ?, 1, ?, ?, ?, 0)"),
                 {QStringLiteral("9999"), QStringLiteral("临时员工"), QStringLiteral("0000"),
                  QStringLiteral("00009999"), QStringLiteral("临时员工及劳务人员")})
         && db.exec(QStringLiteral("insert into SysUser (UserName, UserPwd, Remark) values (?, ?, ?)"),
                    {QStringLiteral("admin"), EncodePassword(QString::fromLatin1(kAdminPassword)),
                     QStringLiteral("系统管理员")})
         && db.exec(QStringLiteral("insert into TaxBase (TaxType, EmpType, BaseMoney) values (?, ?, ?)"),
                    {wageTax, QStringLiteral("中方"), QVariant::fromValue(Money::fromYuan(800))})
         && db.exec(QStringLiteral("insert into TaxBase (TaxType, EmpType, BaseMoney) values (?, ?, ?)"),
                    {wageTax, QStringLiteral("外方"), QVariant::fromValue(Money::fromYuan(4000))});
    if (!ok) {
        return false;
    }

    return insertBrackets(db, wageTax, QStringLiteral("中方"), kWageBrackets, 800)
           && insertBrackets(db, wageTax, QStringLiteral("外方"), kWageBrackets, 4000)
           && insertBrackets(db, QStringLiteral("承包经营收入"), QStringLiteral("承包经营收入"),
                             kContractBrackets, 0)
           && insertBrackets(db, QStringLiteral("劳务报酬收入"), QStringLiteral("劳务报酬收入"),
                             kLabourBrackets, 800)
           && insertBrackets(db, QStringLiteral("税后劳务报酬收入"), QStringLiteral("税后劳务报酬收入"),
                             kLabourAfterTaxBrackets, 800)
           && insertOtherBrackets(db);
}

} // namespace Delivered
