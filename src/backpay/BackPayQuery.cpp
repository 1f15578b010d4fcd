#include "backpay/BackPayQuery.h"

#include "backpay/BackPaySheetStore.h"
#include "backpay/BackPayTexts.h"
#include "db/Database.h"
#include "db/Sql.h"

std::optional<BackPayQueryStatement> BackPayQuerySql(Database &db, const BackPayMonth &payPeriod)
{
    const auto paid = db.query(QStringLiteral("select distinct ReissueYear, ReissueMonth from "
                                              "ReissueMonth where CurrYear = ? and CurrMonth = ? "
                                              "order by ReissueYear, ReissueMonth"),
                               {payPeriod.year, payPeriod.month});
    if (!paid || paid->isEmpty()) {
        return std::nullopt;
    }

    using namespace BackPayText;
    using Kind = BackPayGridColumn::Kind;
    BackPayQueryStatement st;
    st.columns = {{deptColumn(), Kind::Text, true, {}},
                  {nameColumn(), Kind::Text, true, {}},
                  {empIdColumn(), Kind::Text, true, {}}};
    QStringList pivot;
    QStringList monthColumns;
    for (int r = 0; r < paid->rowCount(); ++r) {
        const BackPayMonth m{int(paid->value(r, 0).toLongLong()),
                             int(paid->value(r, 1).toLongLong())};
        pivot << QStringLiteral("sum(case when ReissueYear = ? and ReissueMonth = ? then "
                                "ReissueMoney else 0 end) as %1")
                     .arg(QuoteIdent(m.key()));
        st.params << m.year << m.month;
        monthColumns << QStringLiteral("p.") + QuoteIdent(m.key());
        st.columns.append({m.key(), Kind::Money, true, {}});
        st.moneyColumns << m.key();
    }
    for (const QString &total : {totalColumn(), taxColumn(), netColumn()}) {
        st.columns.append({total, Kind::Money, true, {}});
        st.moneyColumns << total;
    }
    st.params << payPeriod.year << payPeriod.month << payPeriod.year << payPeriod.month
              << taxType();
    st.sql = QStringLiteral(
                 "select d.DeptName as %1, e.EmpName as %2, p.EmpId as %3, %4, p.%5, l.%6, l.%7 "
                 "from (select EmpId, %8, sum(ReissueMoney) as %5 from ReissueMonth "
                 "where CurrYear = ? and CurrMonth = ? group by EmpId) p "
                 "join (select EmpId, sum(TaxMoney) as %6, sum(Income) - sum(TaxMoney) as %7 "
                 "from TaxIncome where TaxYear = ? and TaxMonth = ? and TaxType = ? "
                 "group by EmpId) l on l.EmpId = p.EmpId "
                 "join Employee e on e.EmpID = p.EmpId "
                 "join Department d on d.DeptID = e.DeptID "
                 "order by d.DeptName collate PINYIN, p.EmpId")
                 .arg(QuoteIdent(deptColumn()), QuoteIdent(nameColumn()), QuoteIdent(empIdColumn()),
                      monthColumns.join(QStringLiteral(", ")), QuoteIdent(totalColumn()),
                      QuoteIdent(taxColumn()), QuoteIdent(netColumn()),
                      pivot.join(QStringLiteral(", ")));
    return st;
}

std::optional<BackPayGrid> ReadBackPayQuery(Database &db, const BackPayQueryStatement &statement)
{
    return BackPayGrid::read(db, statement.sql, statement.params, statement.columns);
}

BackPayQueryAnswer FindBackPay(Database &db, const BackPayMonth &payPeriod)
{
    BackPayQueryAnswer answer;
    answer.posted = BackPayQuerySql(db, payPeriod);
    if (!answer.posted) {
        BackPaySheetStore sheet(db);
        const auto rows = sheet.exists() ? sheet.rowCount() : std::optional<int>(0);
        const auto period = sheet.payPeriod();
        answer.pending = rows && *rows > 0 && period && *period == payPeriod;
    }
    return answer;
}
