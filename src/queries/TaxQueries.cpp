#include "queries/TaxQueries.h"

#include "queries/QueryTexts.h"

namespace {

const QStringList kLedgerMoney{
    QStringLiteral("FactIncome"),      QStringLiteral("Income"),    QStringLiteral("TaxIncome"),
    QStringLiteral("ReceiveTaxMoney"), QStringLiteral("MinusFare"), QStringLiteral("TaxMoney"),
    QStringLiteral("OughtTaxMoney"),   QStringLiteral("TaxRate"),   QStringLiteral("TakeOutMoney")};

// The amounts the total rows add up.
const QStringList kHighIncomeSums{QStringLiteral("FactIncome"),   QStringLiteral("Income"),
                                  QStringLiteral("TaxIncome"),    QStringLiteral("ReceiveTaxMoney"),
                                  QStringLiteral("MinusFare"),    QStringLiteral("TaxMoney"),
                                  QStringLiteral("OughtTaxMoney")};
const QStringList kPayoutSums{QStringLiteral("Income"),          QStringLiteral("TaxIncome"),
                              QStringLiteral("ReceiveTaxMoney"), QStringLiteral("MinusFare"),
                              QStringLiteral("TaxMoney"),        QStringLiteral("OughtTaxMoney")};

const QString kLedgerTail =
    QStringLiteral("DeptID, Address, TaxRate, TakeOutMoney, TaxNumber, TaxDate, ");
const QString kPayoutExport = QStringLiteral(
    "select EmpName as 姓名, EmpId as 人员编号, EmpCardNo as 身份证号, EmpType as 人员类型, "
    "TaxType as 收入类型, Income as 纳税收入, MinusFare as 费用减除, TaxIncome as 应纳税所得, "
    "TakeOutMoney as 速算扣除数, TaxRate as 税率, TaxMoney as 税额, TaxNumber as 完税证号, "
    "TaxDate as 纳税日期 from TaxIncome");

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QueryRun runLedger(Database &db, const LedgerStatements &statements, const QStringList &summed)
{
    auto grid = RunGrid(db, statements.grid);
    if (!grid || grid->isEmpty()) {
        return QueryRun::refused(QueryText::NoData);
    }
    AppendLedgerTotal(*grid, summed);
    QueryRun run;
    run.grid = std::move(grid);
    run.exportStatement = statements.exported;
    return run;
}

} // namespace

void AppendLedgerTotal(ResultGrid &grid, const QStringList &summed)
{
    QVariantList cells;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (c == 0) {
            cells << QueryText::TotalLabel;
        } else if (summed.contains(grid.columnName(c))) {
            cells << QVariant::fromValue(grid.sum(c).value_or(Money()));
        } else {
            cells << QVariant();
        }
    }
    grid.appendRow(cells);
}

LedgerStatements HighIncomeStatements(int year, int month, Money limit, const QString &empType)
{
    const QString where = QStringLiteral(
        " from TaxIncome where TaxYear = ? and TaxMonth = ? and FactIncome >= ? and EmpType = ?"
        " order by EmpId, TaxDate, ID");
    const QVariantList params{year, month, QVariant::fromValue(limit), empType};
    return {{QStringLiteral("select EmpName, EmpId, EmpCardNo, EmpType, TaxType, ") + kLedgerTail +
                 QStringLiteral("FactIncome, Income, TaxIncome, ReceiveTaxMoney, MinusFare, "
                                "TaxMoney, OughtTaxMoney") +
                 where,
             params, kLedgerMoney},
            {QStringLiteral("select EmpId as 人员编号, EmpName as 姓名, EmpCardNo as 身份证号, "
                            "EmpType as 人员类型, TaxType as 收入类型, FactIncome as 实际收入, "
                            "Income as 纳税收入, MinusFare as 减除费用, TaxIncome as 应纳税所得, "
                            "TakeOutMoney as 速算扣除数, TaxRate as 税率, TaxMoney as 税额, "
                            "TaxNumber as 纳税证号, TaxDate as 纳税日期") +
                 where,
             params,
             {}}};
}

QueryRun RunHighIncome(Database &db, const HighIncomeInput &input)
{
    if (input.month.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::ChooseMonth);
    }
    if (input.limit.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::EnterIncomeLimit);
    }
    if (input.empType.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::ChooseEmpType);
    }
    const auto year = number(input.year);
    const auto month = number(input.month);
    const auto limit = Money::parse(input.limit.trimmed());
    if (!year || !month || !limit) {
        return QueryRun::refused(QueryText::NoData);
    }
    return runLedger(db, HighIncomeStatements(*year, *month, *limit, input.empType.trimmed()),
                     kHighIncomeSums);
}

LedgerStatements PayoutStatements(int year, int month, const QString &empId)
{
    const QString amounts =
        QStringLiteral("Income, TaxIncome, ReceiveTaxMoney, MinusFare, TaxMoney, OughtTaxMoney");
    if (!empId.isEmpty()) {
        const QString where = QStringLiteral(" where TaxYear = ? and TaxMonth = ? and EmpId = ? "
                                             "collate FOLD order by TaxDate, ID");
        const QVariantList params{year, month, empId};
        return {{QStringLiteral("select EmpName, EmpId, EmpCardNo, EmpType, TaxType, ") +
                     kLedgerTail + amounts + QStringLiteral(" from TaxIncome") + where,
                 params, kLedgerMoney},
                {kPayoutExport + where, params, {}}};
    }
    const QString where = QStringLiteral(" where TaxYear = ? and TaxMonth = ? order by EmpName") +
                          kByName + QStringLiteral(", EmpCardNo, TaxDate, ID");
    const QVariantList params{year, month};
    return {{QStringLiteral("select EmpId, EmpName, EmpCardNo, EmpType, TaxType, ") + kLedgerTail +
                 amounts + QStringLiteral(" from TaxIncome") + where,
             params, kLedgerMoney},
            {kPayoutExport + where, params, {}}};
}

QueryRun RunPayout(Database &db, const PayoutInput &input, const EmpPicker &pick)
{
    if (input.month.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::ChooseMonth);
    }
    QString empId;
    if (!input.code.trimmed().isEmpty() || !input.name.trimmed().isEmpty()) {
        empId = ResolveEmployee(db, input.code, input.name, pick);
        if (empId.isEmpty()) {
            // Nobody by that name: the list stays empty rather than showing everybody.
            return QueryRun::refused(QueryText::NoData);
        }
    }
    const auto year = number(input.year);
    const auto month = number(input.month);
    if (!year || !month) {
        return QueryRun::refused(QueryText::NoData);
    }
    return runLedger(db, PayoutStatements(*year, *month, empId), kPayoutSums);
}
