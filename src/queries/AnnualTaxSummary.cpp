#include "queries/AnnualTaxSummary.h"

#include "base/Settings.h"
#include "db/Sql.h"
#include "queries/QueryTexts.h"

namespace {

struct IncomeGroup
{
    QString income;
    QString tax;
    QStringList types; // empty: every row
    QString incomeTitle;
    QString taxTitle;
};

// In the grid's column order; the export puts wages first.
const QList<IncomeGroup> &groups()
{
    static const QList<IncomeGroup> all{
        {QStringLiteral("OtherIncome"),
         QStringLiteral("OtherTaxMoney"),
         {QStringLiteral("其他所得")},
         QStringLiteral("其他收入所得"),
         QStringLiteral("其他收入税金")},
        {QStringLiteral("ContingencyIncome"),
         QStringLiteral("ContingencyTaxMoney"),
         {QStringLiteral("利息股息偶然所得")},
         QStringLiteral("股息利息红利所得"),
         QStringLiteral("股息利息红利税金")},
        {QStringLiteral("ServeIncome"),
         QStringLiteral("ServeTaxMoney"),
         {QStringLiteral("劳务报酬收入")},
         QStringLiteral("劳务报酬所得"),
         QStringLiteral("劳务报酬税金")},
        {QStringLiteral("ManageIncome"),
         QStringLiteral("ManageTaxMoney"),
         {QStringLiteral("承包经营收入")},
         QStringLiteral("承包经营所得"),
         QStringLiteral("承包经营税金")},
        {QStringLiteral("wageIncome"),
         QStringLiteral("wageTaxMoney"),
         {QStringLiteral("工资所得税"), QStringLiteral("一次性奖金"), QStringLiteral("补发工资")},
         QStringLiteral("工资薪金所得"),
         QStringLiteral("工资薪金税金")},
        {QStringLiteral("SumIncome"),
         QStringLiteral("Sumtax"),
         {},
         QStringLiteral("收入合计"),
         QStringLiteral("税金合计")}};
    return all;
}

// The export's order: wages, contract, labour, interest, other, totals.
const QList<int> kExportOrder{4, 3, 2, 1, 0, 5};

// The sums of every group, as c3, c4, … ; the types go in as bound values.
QString groupSums(QVariantList &params, bool withAliases)
{
    QString list;
    int alias = 3;
    for (const IncomeGroup &g : groups()) {
        QString when;
        if (!g.types.isEmpty()) {
            when = QStringLiteral("case when TaxType in (") +
                   QStringList(g.types.size(), QStringLiteral("?")).join(u',') +
                   QStringLiteral(") then ");
            params += QVariantList(g.types.cbegin(), g.types.cend());
            params += QVariantList(g.types.cbegin(), g.types.cend());
        }
        const QString end = when.isEmpty() ? QString() : QStringLiteral(" end");
        for (const QString &column : {QStringLiteral("Income"), QStringLiteral("TaxMoney")}) {
            list += QStringLiteral(", sum(") + when + column + end + u')';
            if (withAliases) {
                list += QStringLiteral(" as c") + QString::number(alias++);
            }
        }
    }
    return list;
}

} // namespace

AnnualTaxStatements AnnualTaxStatement(int year, const QString &empId)
{
    const QString where =
        QStringLiteral(" from TaxIncome where TaxYear = ? and EmpId = ? collate FOLD");
    // One row per month. Its code and name are those of the month's last ledger row (with
    // max(ID) in the select list the engine takes the bare columns from that row), so a name
    // changed within a month cannot list the month twice.
    QVariantList params;
    const QString monthSums = groupSums(params, true);
    const QString rows = QStringLiteral("' ' || TaxMonth as c0, EmpId as c1, EmpName as c2") +
                         monthSums + QStringLiteral(", TaxMonth as m, max(ID)") + where +
                         QStringLiteral(" group by TaxMonth");
    params << year << empId;
    const QString totalSums = groupSums(params, false);
    // Grouped by the one year, so that a year without ledger rows has no total row either
    // and the result is empty.
    const QString total = QStringLiteral("'") + QueryText::AnnualTotalLabel +
                          QStringLiteral("', ' ', ' '") + totalSums + QStringLiteral(", 13, null") +
                          where + QStringLiteral(" group by TaxYear");
    params << year << empId;

    QStringList names{QStringLiteral("Smonth"), QStringLiteral("EmpId"), QStringLiteral("EmpName")};
    QStringList money;
    for (const IncomeGroup &g : groups()) {
        money << g.income << g.tax;
    }
    names += money;
    const QString orderBy = QStringLiteral("m");

    AnnualTaxStatements result;
    result.grid = {WithTotalRow(names, rows, total, orderBy), params, money};

    QStringList exportNames{QStringLiteral("月份"), QStringLiteral("职工编号"),
                            QStringLiteral("职工姓名")};
    QStringList exportMoney;
    QString select = QStringLiteral("select c0 as 月份, c1 as 职工编号, c2 as 职工姓名");
    for (int g : kExportOrder) {
        const IncomeGroup &group = groups().at(g);
        select += QStringLiteral(", c%1 as ").arg(3 + 2 * g) + QuoteIdent(group.incomeTitle) +
                  QStringLiteral(", c%1 as ").arg(4 + 2 * g) + QuoteIdent(group.taxTitle);
        exportMoney << group.incomeTitle << group.taxTitle;
    }
    result.exported = {select + QStringLiteral(" from (select 0 as k, ") + rows +
                           QStringLiteral(" union all select 1, ") + total +
                           QStringLiteral(") order by k, ") + orderBy,
                       params, exportMoney};
    return result;
}

QueryRun RunAnnualTax(Database &db, const AnnualTaxInput &input, const EmpPicker &pick)
{
    if (input.year.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::ChooseYear);
    }
    if (input.code.trimmed().isEmpty() && input.name.trimmed().isEmpty()) {
        return QueryRun::refused(QueryText::EnterEmployee);
    }
    const QString empId = ResolveEmployee(db, input.code, input.name, pick);
    if (empId.isEmpty()) {
        return QueryRun::refused(QueryText::NoSuchEmployee);
    }
    bool ok = false;
    const int year = input.year.trimmed().toInt(&ok);
    if (!ok) {
        return QueryRun::refused(QueryText::NoData);
    }
    const AnnualTaxStatements statements = AnnualTaxStatement(year, empId);
    WriteIniString(QStringLiteral("sql.ini"), QStringLiteral("sql"), QStringLiteral("sql"),
                   ReadableSql(statements.exported));
    auto grid = RunGrid(db, statements.grid);
    if (!grid || grid->isEmpty()) {
        return QueryRun::refused(QueryText::NoData);
    }
    QueryRun run;
    run.heading = input.year.trimmed() + QStringLiteral("年 ") + grid->displayText(0, 2) +
                  QStringLiteral(" 个人所得税情况一览表");
    run.grid = std::move(grid);
    run.exportStatement = statements.exported;
    return run;
}
