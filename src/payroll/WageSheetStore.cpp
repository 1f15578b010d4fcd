#include "payroll/WageSheetStore.h"

#include "db/Database.h"
#include "db/Sql.h"
#include "org/OrgTypes.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageSheetLayout.h"

namespace {

Money moneyAt(const Statement &st, int column)
{
    return Money::fromRaw(st.int64(column)); // NULL reads as 0
}

} // namespace

QString WageSheetStore::selectColumn(const QStringList &wageColumns, const QString &name) const
{
    return ContainsColumn(wageColumns, name) ? QuoteIdent(name)
                                             : QStringLiteral("NULL as ") + QuoteIdent(name);
}

std::optional<bool> WageSheetStore::isMonthPosted(int year, int month)
{
    const auto n = m_db.scalar(QStringLiteral("select count(*) from Wage where WageYear = ? and "
                                              "WageMonth = ? and WageState = ?"),
                               {year, month, WageText::Posted});
    if (!n) {
        return std::nullopt;
    }
    return n->toLongLong() > 0;
}

std::optional<std::vector<std::pair<int, int>>>
WageSheetStore::postedMonths(int upToYear, int upToMonth, std::optional<int> year)
{
    QVariantList params{WageText::Posted, upToYear, upToYear, upToMonth};
    QString sql =
        QStringLiteral("select distinct WageYear, WageMonth from Wage where WageState = ? "
                       "and (WageYear < ? or (WageYear = ? and WageMonth <= ?))");
    if (year) {
        sql += QStringLiteral(" and WageYear = ?");
        params << *year;
    }
    const auto rows = m_db.query(sql + QStringLiteral(" order by WageYear, WageMonth"), params);
    if (!rows) {
        return std::nullopt;
    }
    std::vector<std::pair<int, int>> months;
    for (int r = 0; r < rows->rowCount(); ++r) {
        months.emplace_back(int(rows->value(r, 0).toLongLong()),
                            int(rows->value(r, 1).toLongLong()));
    }
    return months;
}

std::optional<std::optional<WageRowPeriod>> WageSheetStore::period(const QString &sql,
                                                                   const QVariantList &params)
{
    const auto r = m_db.query(sql, params);
    if (!r) {
        return std::nullopt;
    }
    if (r->isEmpty()) {
        return std::optional<WageRowPeriod>();
    }
    return WageRowPeriod{int(r->integer(0, QStringLiteral("WageYear"))),
                         int(r->integer(0, QStringLiteral("WageMonth"))),
                         int(r->integer(0, QStringLiteral("WageTimes"))),
                         r->text(0, QStringLiteral("WageState"))};
}

std::optional<std::optional<WageRowPeriod>> WageSheetStore::latestRow()
{
    return period(QStringLiteral("select WageYear, WageMonth, WageTimes, WageState from Wage "
                                 "where DeptName is null or DeptName <> ? order by WageID desc "
                                 "limit 1"),
                  {WageText::TotalRow});
}

std::optional<std::optional<WageRowPeriod>> WageSheetStore::latestDraft()
{
    return period(QStringLiteral("select WageYear, WageMonth, WageTimes, WageState from Wage "
                                 "where WageState = ? order by WageID desc limit 1"),
                  {WageText::Draft});
}

std::optional<std::optional<WageRowPeriod>> WageSheetStore::anyRowOf(int year, int month)
{
    return period(QStringLiteral("select WageYear, WageMonth, WageTimes, WageState from Wage "
                                 "where WageYear = ? and WageMonth = ? limit 1"),
                  {year, month});
}

std::optional<bool> WageSheetStore::hasEmployees()
{
    const auto r = m_db.query(QStringLiteral("select 1 from Employee limit 1"));
    if (!r) {
        return std::nullopt;
    }
    return !r->isEmpty();
}

std::optional<bool> WageSheetStore::bonusPaid(int year, int month)
{
    const auto n = m_db.scalar(QStringLiteral("select count(*) from Wage where WageYear = ? and "
                                              "WageMonth = ? and 一次性奖金 is not null and "
                                              "一次性奖金 <> 0"),
                               {year, month});
    if (!n) {
        return std::nullopt;
    }
    return n->toLongLong() > 0;
}

std::optional<std::vector<WageRow>> WageSheetStore::readRows(const WageSheetLayout &layout,
                                                             int year, int month, int run)
{
    const QStringList have = m_db.columns(QStringLiteral("Wage"));
    QString sql = QStringLiteral("select DeptName, EmpName, WageType, WageState, EmpId, EmpType, "
                                 "WageYear, WageMonth, WageTimes, WageID");
    for (const QString &name : layout.names()) {
        sql += QStringLiteral(", ") + selectColumn(have, name);
    }
    sql += QStringLiteral(" from Wage where WageYear = ? and WageMonth = ?");
    QVariantList params{year, month};
    if (run > 0) {
        sql += QStringLiteral(" and WageTimes = ?");
        params << run;
    }
    sql += QStringLiteral(" order by DeptName collate PINYIN, EmpId");

    Statement st = m_db.prepare(sql);
    if (!st.isValid() || !st.bindAll(params)) {
        return std::nullopt;
    }
    constexpr int kFirstAmount = 10;
    const int columns = layout.columnCount();
    std::vector<WageRow> rows;
    while (st.next()) {
        WageRow row;
        row.setTexts({st.rawText(0), st.rawText(1), st.rawText(2), st.rawText(3), st.rawText(4),
                      st.rawText(5)});
        row.wageYear = int(st.int64(6));
        row.wageMonth = int(st.int64(7));
        row.wageTimes = int(st.int64(8));
        row.wageId = st.int64(9);
        row.resetAmounts(columns);
        for (int c = 0; c < columns; ++c) {
            row.setAmount(c, moneyAt(st, kFirstAmount + c));
        }
        rows.push_back(std::move(row));
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<SheetEmployee>> WageSheetStore::sheetEmployees(bool withTempStaff)
{
    QString sql = QStringLiteral("select a.EmpName, a.EmpID, a.EmpType, b.DeptName, b.DeptID "
                                 "from Employee a, Department b where a.DeptID = b.DeptID and "
                                 "a.Deleted = 0 and a.EmpState = 1");
    QVariantList params;
    if (!withTempStaff) {
        sql += QStringLiteral(" and a.DeptID <> ?");
        params << kTempDeptId;
    }
    sql += QStringLiteral(" order by b.DeptName collate PINYIN, a.EmpName collate PINYIN");
    Statement st = m_db.prepare(sql);
    if (!st.isValid() || !st.bindAll(params)) {
        return std::nullopt;
    }
    std::vector<SheetEmployee> list;
    while (st.next()) {
        list.push_back({st.text(0), st.text(1), st.text(2), st.text(3), st.text(4)});
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return list;
}

std::optional<std::vector<std::pair<QString, std::vector<Money>>>>
WageSheetStore::amountsByEmployee(const QStringList &columns, int year, int month, int run)
{
    const QStringList have = m_db.columns(QStringLiteral("Wage"));
    QString sql = QStringLiteral("select EmpId");
    for (const QString &name : columns) {
        sql += QStringLiteral(", ") + selectColumn(have, name);
    }
    sql += QStringLiteral(" from Wage where WageYear = ? and WageMonth = ? and WageTimes = ? "
                          "order by WageID");
    Statement st = m_db.prepare(sql);
    if (!st.isValid() || !st.bindAll({year, month, run})) {
        return std::nullopt;
    }
    std::vector<std::pair<QString, std::vector<Money>>> rows;
    while (st.next()) {
        std::vector<Money> amounts(std::size_t(columns.size()));
        for (int c = 0; c < columns.size(); ++c) {
            amounts[std::size_t(c)] = moneyAt(st, 1 + c);
        }
        rows.emplace_back(st.text(0), std::move(amounts));
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<PostingRow>> WageSheetStore::postingRows(int year, int month, int run)
{
    const QStringList have = m_db.columns(QStringLiteral("Wage"));
    const auto fund = [&](const QString &name) {
        return ContainsColumn(have, name) ? QStringLiteral("w.") + QuoteIdent(name)
                                          : QStringLiteral("NULL");
    };
    const QString sql =
        QStringLiteral(
            "select w.EmpId, w.EmpType, w.应税工资, w.应发工资, %1, %2, %3, w.一次性奖金, "
            "e.EmpID, e.EmpName, e.IDCardNo, e.EmpType, e.DeptID, e.Address "
            "from Wage w left join Employee e on e.EmpID = w.EmpId "
            "where w.WageYear = ? and w.WageMonth = ? and w.WageTimes = ? and "
            "(w.DeptName is null or w.DeptName <> ?) order by w.WageID")
            .arg(fund(WageText::Pension), fund(WageText::Medical), fund(WageText::Housing));
    Statement st = m_db.prepare(sql);
    if (!st.isValid() || !st.bindAll({year, month, run, WageText::TotalRow})) {
        return std::nullopt;
    }
    std::vector<PostingRow> rows;
    while (st.next()) {
        PostingRow row{st.text(0),     st.text(1),     moneyAt(st, 2),
                       moneyAt(st, 3), moneyAt(st, 4), moneyAt(st, 5),
                       moneyAt(st, 6), moneyAt(st, 7), std::nullopt};
        if (!st.rawText(8).isNull()) {
            row.employee =
                LedgerEmployee{st.text(9), st.text(10), st.text(11), st.text(12), st.text(13)};
        }
        rows.push_back(std::move(row));
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return rows;
}

bool WageSheetStore::deleteRow(qint64 wageId)
{
    return m_db.exec(QStringLiteral("delete from Wage where WageID = ?"), {wageId});
}

bool WageSheetStore::deleteSheet(int year, int month, int run)
{
    return m_db.exec(QStringLiteral("delete from Wage where WageYear = ? and WageMonth = ? and "
                                    "WageTimes = ?"),
                     {year, month, run});
}

bool WageSheetStore::clearDrafts()
{
    return m_db.exec(QStringLiteral("delete from Wage where WageState = ? or DeptName = ?"),
                     {WageText::Draft, WageText::TotalRow});
}

bool WageSheetStore::markPosted(int year, int month)
{
    return m_db.exec(QStringLiteral("update Wage set WageState = ? where WageYear = ? and "
                                    "WageMonth = ?"),
                     {WageText::Posted, year, month});
}
