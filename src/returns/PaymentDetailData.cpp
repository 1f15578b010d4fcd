#include "returns/PaymentDetailData.h"

#include "db/Database.h"
#include "returns/ReturnFormats.h"
#include "returns/ReturnTexts.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>

namespace PaymentDetail {

namespace {

// The twelve sums of a total or an employee line, in column order from SumIncome. A group
// without rows sums to NULL, which prints as "-" like a sum of 0.
const QString kSums = QStringLiteral(
    "sum(Income), sum(TaxMoney), "
    "sum(case when TaxType in (?1, ?2, ?3) then Income end), "
    "sum(case when TaxType in (?1, ?2, ?3) then TaxMoney end), "
    "sum(case when TaxType = ?4 then Income end), sum(case when TaxType = ?4 then TaxMoney end), "
    "sum(case when TaxType = ?5 then Income end), sum(case when TaxType = ?5 then TaxMoney end), "
    "sum(case when TaxType = ?6 then Income end), sum(case when TaxType = ?6 then TaxMoney end), "
    "sum(case when TaxType = ?7 then Income end), sum(case when TaxType = ?7 then TaxMoney end) "
    "from TaxIncome where TaxYear = ?8 and TaxMonth = ?9 and EmpType = ?10");

QVariantList parameters(ReturnPeriod period, bool foreignStaff)
{
    return {TaxText::wageTax(),
            ReturnText::bonus(),
            ReturnText::backPay(),
            TaxText::contract(),
            TaxText::service(),
            TaxText::interest(),
            ReturnText::otherIncome(),
            period.year,
            period.month,
            ReturnText::empType(foreignStaff)};
}

// One line: the three texts, then the sums from statement column `first` on.
QStringList lineCells(const QString &empId, const QString &name, const QString &cardNo,
                      const Statement &s, int first)
{
    QStringList cells{empId, name, cardNo};
    for (int c = 0; c < ColumnCount - SumIncome; ++c) {
        const QVariant v = s.value(first + c);
        cells << (v.isValid() ? AmountOrDash(SqlResult::toMoney(v)) : QStringLiteral("-"));
    }
    return cells;
}

struct Line
{
    QCollatorSortKey name;
    QCollatorSortKey cardNo;
    QString empId;
    QStringList cells;
};

} // namespace

QStringList columnNames()
{
    return {QStringLiteral("EmpId"),
            QStringLiteral("EmpName"),
            QStringLiteral("EmpCardNo"),
            QStringLiteral("SumIncome"),
            QStringLiteral("Sumtax"),
            QStringLiteral("wageIncome"),
            QStringLiteral("wageTaxMoney"),
            QStringLiteral("ManageIncome"),
            QStringLiteral("ManageTaxMoney"),
            QStringLiteral("ServeIncome"),
            QStringLiteral("ServeTaxMoney"),
            QStringLiteral("ContingencyIncome"),
            QStringLiteral("ContingencyTaxMoney"),
            QStringLiteral("OtherIncome"),
            QStringLiteral("OtherTaxMoney")};
}

int fillerCount(int rows)
{
    const int r = rows <= 15 ? rows : rows % 15;
    return r <= 11 ? 12 - r : 17 - r;
}

std::optional<FormTable> load(Database &db, ReturnPeriod period, bool foreignStaff)
{
    const QVariantList params = parameters(period, foreignStaff);
    FormTable table(columnNames());

    Statement total = db.prepare(QStringLiteral("select ") + kSums);
    if (!total.isValid() || !total.bindAll(params) || !total.next()) {
        return std::nullopt;
    }
    table.appendRow(
        lineCells(QStringLiteral("AA"), QStringLiteral(" 合 计 "), QStringLiteral(" "), total, 0));

    // Every name and card number under which an employee's rows of the month stand, each with
    // the employee's sums.
    Statement lines =
        db.prepare(QStringLiteral("select g0.EmpId, g0.EmpName, g0.EmpCardNo, g1.* from "
                                  "(select distinct EmpId, EmpName, EmpCardNo from TaxIncome "
                                  " where TaxYear = ?8 and TaxMonth = ?9 and EmpType = ?10) g0 "
                                  "join (select EmpId as SumsOf, ") +
                   kSums + QStringLiteral(" group by EmpId) g1 on g0.EmpId = g1.SumsOf "));
    if (!lines.isValid() || !lines.bindAll(params)) {
        return std::nullopt;
    }
    const QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
    std::vector<Line> sorted;
    while (lines.next()) {
        const QVariant sumIncome = lines.value(4);
        if (!sumIncome.isValid() || SqlResult::toMoney(sumIncome).isZero()) {
            continue;
        }
        const QString empId = lines.text(0);
        const QString name = lines.text(1);
        const QString cardNo = lines.text(2);
        sorted.push_back({collator.sortKey(name), collator.sortKey(cardNo), empId,
                          lineCells(empId, name, cardNo, lines, 4)});
    }
    if (!lines.ok()) {
        return std::nullopt;
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Line &a, const Line &b) {
        if (const int c = a.name.compare(b.name)) {
            return c < 0;
        }
        if (const int c = a.cardNo.compare(b.cardNo)) {
            return c < 0;
        }
        return a.empId < b.empId;
    });
    table.reserve(int(sorted.size()) + 1);
    for (const Line &l : sorted) {
        table.appendRow(l.cells);
    }
    table.setFillerCount(fillerCount(table.dataRowCount()));
    return table;
}

} // namespace PaymentDetail
