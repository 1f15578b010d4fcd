#include "backpay/BackPayView.h"

#include "backpay/BackPayTax.h"
#include "backpay/BackPayTexts.h"
#include "db/Database.h"
#include "db/Sql.h"

namespace {

using Kind = BackPayGridColumn::Kind;

QString sumOf(const QStringList &terms)
{
    return terms.isEmpty() ? QStringLiteral("0") : u'(' + terms.join(QStringLiteral(" + ")) + u')';
}

} // namespace

QString BackPayViewSql(const BackPayMonths &months, bool oneEmployee)
{
    using namespace BackPayText;
    QStringList select{QStringLiteral("ReissueTemp.*")};
    QStringList backPay;
    QStringList taxes;
    for (const BackPayMonth &m : months) {
        select << BackPayTaxSql(m) + QStringLiteral(" as ") + QuoteIdent(m.taxColumn());
        backPay << QuoteIdent(m.backPayColumn());
        taxes << BackPayTaxSql(m);
    }
    select << sumOf(backPay) + QStringLiteral(" as ") + QuoteIdent(totalColumn());
    select << sumOf(taxes) + QStringLiteral(" as ") + QuoteIdent(taxColumn());
    select << sumOf(backPay) + QStringLiteral(" - ") + sumOf(taxes) + QStringLiteral(" as ") +
                  QuoteIdent(netColumn());
    return QStringLiteral("select %1 from ReissueTemp%2 order by %3 collate PINYIN, %4")
        .arg(select.join(QStringLiteral(", ")),
             oneEmployee ? QStringLiteral(" where %1 = ?").arg(QuoteIdent(empIdColumn()))
                         : QString(),
             QuoteIdent(deptColumn()), QuoteIdent(empIdColumn()));
}

QList<BackPayGridColumn> BackPayViewColumns(const BackPayMonths &months)
{
    using namespace BackPayText;
    QList<BackPayGridColumn> columns{
        {deptColumn(), Kind::Text, true, {}},     {nameColumn(), Kind::Text, true, {}},
        {typeColumn(), Kind::Text, false, {}},    {yearColumn(), Kind::Number, false, {}},
        {monthColumn(), Kind::Number, false, {}}, {empIdColumn(), Kind::Text, true, {}}};
    for (const BackPayMonth &m : months) {
        columns.append({m.backPayColumn(), Kind::Money, true, m});
        columns.append({m.taxableColumn(), Kind::Money, false, {}});
        columns.append({m.deductionColumn(), Kind::Money, false, {}});
    }
    for (const BackPayMonth &m : months) {
        columns.append({m.taxColumn(), Kind::Money, false, {}});
    }
    for (const QString &total : {totalColumn(), taxColumn(), netColumn()}) {
        columns.append({total, Kind::Money, true, {}});
    }
    return columns;
}

std::optional<BackPayGrid> ReadBackPayView(Database &db, const TaxRates &rates,
                                           const BackPayMonths &months)
{
    if (!RegisterBackPayTax(db, rates)) {
        return std::nullopt;
    }
    return BackPayGrid::read(db, BackPayViewSql(months), {}, BackPayViewColumns(months));
}

std::optional<BackPayGrid> ReadBackPayViewRow(Database &db, const TaxRates &rates,
                                              const BackPayMonths &months, const QString &empId)
{
    if (!RegisterBackPayTax(db, rates)) {
        return std::nullopt;
    }
    return BackPayGrid::read(db, BackPayViewSql(months, true), {empId}, BackPayViewColumns(months));
}

QStringList BackPayViewComputedColumns(const BackPayMonths &months)
{
    QStringList names;
    for (const BackPayMonth &m : months) {
        names << m.taxColumn();
    }
    return names << BackPayText::totalColumn() << BackPayText::taxColumn()
                 << BackPayText::netColumn();
}
