#include "BackPayFixture.h"

#include "PayrollFixture.h"
#include "db/Database.h"
#include "db/Sql.h"

#include <gtest/gtest.h>

namespace BackPayFixture {

RateSet bands(std::initializer_list<Band> rows)
{
    QList<RateRow> list;
    for (const Band &b : rows) {
        RateRow r;
        r.levelLow = M(b.low);
        r.LevelHigh = M(b.high);
        r.LevelRate = M(b.rate);
        r.QuickDeduct = M(b.quick);
        list.append(r);
    }
    return RateSet::loadedWith(list);
}

TaxRates ratesWith(const RateSet &chinese, const RateSet &foreign)
{
    TaxRates rates;
    rates.setRates(TaxRates::Kind::Wage, chinese);
    rates.setRates(TaxRates::Kind::Foreign, foreign);
    return rates;
}

TaxRates exampleRates()
{
    const RateSet set = bands({{"0", "500", "0.05", "0"}, {"500", "2000", "0.10", "25"}});
    return ratesWith(set, set);
}

void addPostedWage(Database &db, int year, int month, const QString &empId, const QString &deptName,
                   Money taxable, Money deduction, const QString &empType)
{
    PayrollFixture::addWageRow(
        db, year, month, empId, deptName, true,
        {{QStringLiteral("应税工资"), taxable}, {QStringLiteral("减除费用"), deduction}}, empType);
}

void addPostedBackPay(Database &db, const BackPayMonth &payPeriod, const BackPayMonth &month,
                      const QString &empId, Money amount)
{
    const bool ok = db.exec(
        QStringLiteral("insert into ReissueMonth (CurrYear, CurrMonth, ReissueYear, ReissueMonth, "
                       "EmpId, ReissueMoney) values (?, ?, ?, ?, ?, ?)"),
        {payPeriod.year, payPeriod.month, month.year, month.month, empId,
         QVariant::fromValue(amount)});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

Money sheetAmount(Database &db, const QString &empId, const QString &column)
{
    const auto v = db.scalar(
        QStringLiteral("select %1 from ReissueTemp where 员工编号 = ?").arg(QuoteIdent(column)),
        {empId});
    EXPECT_TRUE(v.has_value()) << db.lastError().toStdString();
    return v ? SqlResult::toMoney(*v) : Money();
}

int count(Database &db, const QString &sql, const QVariantList &params)
{
    const auto v = db.scalar(sql, params);
    EXPECT_TRUE(v.has_value()) << db.lastError().toStdString();
    return v ? v->toInt() : -1;
}

} // namespace BackPayFixture
