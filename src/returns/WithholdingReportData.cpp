#include "returns/WithholdingReportData.h"

#include "db/Database.h"
#include "returns/ReturnFormats.h"
#include "returns/ReturnTexts.h"

#include <array>

namespace WithholdingReport {

namespace {

// A sum as the database gives it: nothing until a value that is not NULL has been added.
struct Sum
{
    std::optional<Money> value;
    void add(const std::optional<Money> &v)
    {
        if (v) {
            value = value.value_or(Money()) + *v;
        }
    }
};

std::optional<Money> moneyAt(const Statement &s, int column)
{
    const QVariant v = s.value(column);
    if (!v.isValid() || v.isNull()) {
        return std::nullopt;
    }
    return SqlResult::toMoney(v);
}

// The columns that the total row sums.
constexpr std::array kSummed{ForeignToChinaIncome, Income,    TaxIncome, TakeOutMoney,
                             ReceiveTaxMoney,      MinusFare, TaxMoney,  OughtTaxMoney};

// The ledger columns read, one per form column (the period from its two columns).
const QString kSelect = QStringLiteral(
    "select TaxYear, TaxMonth, TaxType, EmpName, EmpCardNo, EmpType, DeptID, Address, "
    "ChinaIncome, ForeignIncome, MoneyType, ForeignExchange, ForeignToChinaIncome, Income, "
    "TaxIncome, TaxRate, TakeOutMoney, ReceiveTaxMoney, MinusFare, TaxMoney, OughtTaxMoney, "
    "TaxNumber, TaxDate from TaxIncome "
    "where TaxYear = ? and TaxMonth = ? and EmpType = ? and TaxMoney > 0 "
    "order by EmpCardNo collate nocase, ID");
// Position of form column c in the statement (c >= TaxType): the period takes two.
int source(Column c)
{
    return int(c) + 1;
}

// The amount columns printed "#.00" (the rate and the foreign figures have forms of their own).
bool isAmount(Column c)
{
    return c == ChinaIncome || c == ForeignToChinaIncome ||
           (c >= Income && c <= OughtTaxMoney && c != TaxRate);
}

QString cellText(const Statement &s, Column c)
{
    switch (c) {
    case IncomePeriod:
        return IncomePeriodText(int(s.int64(0)), int(s.int64(1)));
    case ForeignIncome:
        return WholeAmountOrDash(moneyAt(s, source(c)));
    case ForeignExchange: {
        const auto v = moneyAt(s, source(c));
        return v ? v->toPlainString() : QString();
    }
    case TaxRate:
        return RateText(moneyAt(s, source(c)));
    default:
        return isAmount(c) ? AmountOrDash(moneyAt(s, source(c))) : s.text(source(c));
    }
}

} // namespace

QStringList columnNames()
{
    return {QStringLiteral("IncomePeriod"),    QStringLiteral("TaxType"),
            QStringLiteral("EmpName"),         QStringLiteral("EmpCardNo"),
            QStringLiteral("EmpType"),         QStringLiteral("DeptID"),
            QStringLiteral("Address"),         QStringLiteral("ChinaIncome"),
            QStringLiteral("ForeignIncome"),   QStringLiteral("MoneyType"),
            QStringLiteral("ForeignExchange"), QStringLiteral("ForeignToChinaIncome"),
            QStringLiteral("Income"),          QStringLiteral("TaxIncome"),
            QStringLiteral("TaxRate"),         QStringLiteral("TakeOutMoney"),
            QStringLiteral("ReceiveTaxMoney"), QStringLiteral("MinusFare"),
            QStringLiteral("TaxMoney"),        QStringLiteral("OughtTaxMoney"),
            QStringLiteral("TaxNumber"),       QStringLiteral("TaxDate")};
}

int fillerCount(int rows)
{
    if (rows <= 17) {
        return 19 - rows;
    }
    return 20 - ((rows - 17) % 18);
}

std::optional<FormTable> load(Database &db, ReturnPeriod period, bool foreignStaff)
{
    Statement s = db.prepare(kSelect);
    if (!s.isValid() ||
        !s.bindAll({period.year, period.month, ReturnText::empType(foreignStaff)})) {
        return std::nullopt;
    }
    FormTable table(columnNames());
    table.appendRow({}); // the total row, filled in once everything is summed
    std::array<Sum, ColumnCount> sums;
    QStringList cells;
    cells.reserve(ColumnCount);
    while (s.next()) {
        cells.clear();
        for (int c = 0; c < ColumnCount; ++c) {
            cells << cellText(s, Column(c));
        }
        for (Column c : kSummed) {
            sums[c].add(moneyAt(s, source(c)));
        }
        table.appendRow(cells);
    }
    if (!s.ok()) {
        return std::nullopt;
    }
    QStringList total;
    for (int c = 0; c < ColumnCount; ++c) {
        total << QStringLiteral(" ");
    }
    total[EmpName] = QStringLiteral("合  计");
    for (Column c : kSummed) {
        total[c] = AmountOrDash(sums[c].value);
    }
    table.setRow(0, total);
    table.setFillerCount(fillerCount(table.dataRowCount()));
    return table;
}

} // namespace WithholdingReport
