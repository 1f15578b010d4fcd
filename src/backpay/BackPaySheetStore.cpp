#include "backpay/BackPaySheetStore.h"

#include "backpay/BackPayTexts.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "org/OrgTypes.h"
#include "payroll/PayrollTexts.h"

namespace {

const QString kTable = QStringLiteral("ReissueTemp");
constexpr int kFixedColumns = 6;

QString q(const QString &name)
{
    return QuoteIdent(name);
}

QStringList fixedColumns()
{
    using namespace BackPayText;
    return {deptColumn(), nameColumn(), typeColumn(), yearColumn(), monthColumn(), empIdColumn()};
}

QString textColumn(const QString &name, int width, const QString &extra = {})
{
    return QStringLiteral("%1 TEXT NOT NULL%2 CHECK (length(%1) <= %3)")
        .arg(q(name), extra)
        .arg(width);
}

// The period becomes the default of 年 and 月, so that a sheet without rows keeps it. A table
// definition cannot take bound values; these are numbers of our own, never typed text.
QString createStatement(const QString &table, const BackPayMonth &period,
                        const BackPayMonths &months)
{
    using namespace BackPayText;
    QStringList parts{
        textColumn(deptColumn(), 30),
        textColumn(nameColumn(), 30),
        textColumn(typeColumn(), 10),
        QStringLiteral("%1 INTEGER NOT NULL DEFAULT %2").arg(q(yearColumn())).arg(period.year),
        QStringLiteral("%1 INTEGER NOT NULL DEFAULT %2").arg(q(monthColumn())).arg(period.month),
        textColumn(empIdColumn(), 10, QStringLiteral(" PRIMARY KEY"))};
    for (const BackPayMonth &m : months) {
        for (const QString &c : {m.backPayColumn(), m.taxableColumn(), m.deductionColumn()}) {
            parts << q(c) + QStringLiteral(" MONEY NOT NULL DEFAULT 0");
        }
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(q(table), parts.join(QStringLiteral(", ")));
}

QStringList monthColumns(const BackPayMonths &months)
{
    QStringList columns;
    for (const BackPayMonth &m : months) {
        columns << m.backPayColumn() << m.taxableColumn() << m.deductionColumn();
    }
    return columns;
}

} // namespace

bool BackPaySheetStore::exists()
{
    return m_db.tableExists(kTable);
}

std::optional<BackPayMonths> BackPaySheetStore::months()
{
    const QStringList columns = m_db.columns(kTable);
    if (columns.size() < kFixedColumns || (columns.size() - kFixedColumns) % 3 != 0) {
        m_db.setError(QStringLiteral("ReissueTemp: ") + columns.join(u','));
        return std::nullopt;
    }
    BackPayMonths months;
    for (int i = kFixedColumns; i < columns.size(); i += 3) {
        const auto month = BackPayMonth::fromColumn(columns.at(i));
        if (!month || columns.at(i) != month->backPayColumn() ||
            columns.at(i + 1) != month->taxableColumn() ||
            columns.at(i + 2) != month->deductionColumn()) {
            m_db.setError(QStringLiteral("ReissueTemp: ") + columns.at(i));
            return std::nullopt;
        }
        months << *month;
    }
    return months;
}

std::optional<int> BackPaySheetStore::rowCount()
{
    const auto n = m_db.scalar(QStringLiteral("select count(*) from ") + q(kTable));
    return n ? std::optional<int>(n->toInt()) : std::nullopt;
}

std::optional<std::optional<BackPayMonth>> BackPaySheetStore::payPeriod()
{
    if (!exists()) {
        return std::optional<BackPayMonth>();
    }
    const auto first = m_db.query(
        QStringLiteral("select %1, %2 from %3 limit 1")
            .arg(q(BackPayText::yearColumn()), q(BackPayText::monthColumn()), q(kTable)));
    if (!first) {
        return std::nullopt;
    }
    if (!first->isEmpty()) {
        return BackPayMonth{int(first->value(0, 0).toLongLong()),
                            int(first->value(0, 1).toLongLong())};
    }
    const auto info = m_db.query(QStringLiteral("PRAGMA table_info(%1)").arg(q(kTable)));
    if (!info) {
        return std::nullopt;
    }
    BackPayMonth period;
    for (int r = 0; r < info->rowCount(); ++r) {
        const QString name = info->text(r, QStringLiteral("name"));
        const int value = info->text(r, QStringLiteral("dflt_value")).toInt();
        if (name == BackPayText::yearColumn()) {
            period.year = value;
        } else if (name == BackPayText::monthColumn()) {
            period.month = value;
        }
    }
    if (period.year <= 0 || period.month < 1 || period.month > 12) {
        return std::optional<BackPayMonth>();
    }
    return period;
}

std::optional<QString> BackPaySheetStore::storedCode(const QString &empId)
{
    const QString id = q(BackPayText::empIdColumn());
    const auto rows = m_db.query(
        QStringLiteral("select %1 from %2 where %1 = ? collate FOLD").arg(id, q(kTable)),
        {empId});
    if (!rows) {
        return std::nullopt;
    }
    return rows->isEmpty() ? QString() : rows->text(0, 0);
}

bool BackPaySheetStore::create(const BackPayMonth &payPeriod, const BackPayMonths &months)
{
    Transaction tx(m_db);
    return tx.isActive() && m_db.exec(QStringLiteral("drop table if exists ") + q(kTable)) &&
           m_db.exec(createStatement(kTable, payPeriod, months)) && tx.commit();
}

std::optional<BackPayMonths> BackPaySheetStore::reshape(const BackPayMonths &wanted)
{
    const auto current = months();
    const auto period = payPeriod();
    if (!current || !period || !*period) {
        return std::nullopt;
    }
    BackPayMonths result;
    for (const BackPayMonth &m : *current) {
        if (wanted.contains(m)) {
            result << m;
        }
    }
    const BackPayMonths kept = result;
    for (const BackPayMonth &m : wanted) {
        if (!result.contains(m)) {
            result << m;
        }
    }
    if (result == *current) {
        return result;
    }
    // SQLite cannot drop a column: the sheet is made again with the columns wanted.
    const QString rebuilt = kTable + QStringLiteral("__rebuild");
    const QString copied = QuoteIdents(fixedColumns() + monthColumns(kept));
    Transaction tx(m_db);
    const bool ok =
        tx.isActive() && m_db.exec(QStringLiteral("drop table if exists ") + q(rebuilt)) &&
        m_db.exec(createStatement(rebuilt, **period, result)) &&
        m_db.exec(QStringLiteral("insert into %1 (%2) select %2 from %3")
                      .arg(q(rebuilt), copied, q(kTable))) &&
        m_db.exec(QStringLiteral("drop table ") + q(kTable)) &&
        m_db.exec(QStringLiteral("alter table %1 rename to %2").arg(q(rebuilt), q(kTable))) &&
        tx.commit();
    return ok ? std::optional<BackPayMonths>(result) : std::nullopt;
}

std::optional<int> BackPaySheetStore::insertStaff(const BackPayStaff &staff,
                                                  const BackPayMonth &payPeriod)
{
    QVariantList params{payPeriod.year, payPeriod.month};
    QString which;
    switch (staff.kind) {
    case BackPayStaff::Kind::Department:
        which = QStringLiteral("e.Deleted = 0 and e.EmpState = 1 and e.DeptID = ?");
        params << staff.code;
        break;
    case BackPayStaff::Kind::Company:
        which = QStringLiteral("e.Deleted = 0 and e.EmpState = 1 and e.DeptID <> ?");
        params << kTempDeptId;
        break;
    case BackPayStaff::Kind::Employee:
        // Whatever his state: a departed employee can still be back-paid one by one.
        which = QStringLiteral("e.EmpID = ? collate FOLD");
        params << staff.code;
        break;
    case BackPayStaff::Kind::Sheet:
        return 0;
    }
    using namespace BackPayText;
    const QString sql =
        QStringLiteral("insert into %1 (%2) select d.DeptName, e.EmpName, coalesce(e.EmpType, ''), "
                       "?, ?, e.EmpID from Employee e join Department d on d.DeptID = e.DeptID "
                       "where %3 and e.EmpID not in (select %4 from %1)")
            .arg(q(kTable), QuoteIdents(fixedColumns()), which, q(empIdColumn()));
    if (!m_db.exec(sql, params)) {
        return std::nullopt;
    }
    return m_db.changes();
}

QString BackPaySheetStore::staffCondition(const BackPayStaff &staff, QVariantList &params)
{
    const QString empId = q(BackPayText::empIdColumn());
    switch (staff.kind) {
    case BackPayStaff::Kind::Department:
        params << staff.code;
        return empId + QStringLiteral(" in (select EmpID from Employee where DeptID = ?)");
    case BackPayStaff::Kind::Company:
        params << kTempDeptId;
        return empId + QStringLiteral(" in (select EmpID from Employee where DeptID <> ?)");
    case BackPayStaff::Kind::Employee:
        params << staff.code;
        return empId + QStringLiteral(" = ? collate FOLD");
    case BackPayStaff::Kind::Sheet:
        break;
    }
    return QStringLiteral("1");
}

bool BackPaySheetStore::fillBases(const BackPayMonths &months, const BackPayStaff &staff)
{
    Transaction tx(m_db);
    if (!tx.isActive() ||
        !m_db.exec(QStringLiteral("create temp table if not exists tempReissue (EmpID TEXT "
                                  "PRIMARY KEY, 减除费用 INTEGER, 应税工资 INTEGER)"))) {
        return false;
    }
    for (const BackPayMonth &m : months) {
        if (!fillMonth(m, staff)) {
            return false;
        }
    }
    return m_db.exec(QStringLiteral("delete from temp.tempReissue")) && tx.commit();
}

bool BackPaySheetStore::fillMonth(const BackPayMonth &month, const BackPayStaff &staff)
{
    // The month's wage row (one per employee; should a month hold several runs, their taxable
    // wages add up) and the back pay already posted for the month, per employee on the sheet.
    QVariantList params{month.year, month.month, WageText::Posted};
    const QString onSheet =
        QStringLiteral(" and EmpId in (select %1 from %2 where %3)")
            .arg(q(BackPayText::empIdColumn()), q(kTable), staffCondition(staff, params));
    params << month.year << month.month;
    staffCondition(staff, params);
    const QString collect =
        QStringLiteral("insert into temp.tempReissue (EmpID, 减除费用, 应税工资) "
                       "select EmpId, max(d), sum(t) from ("
                       "select EmpId, 减除费用 as d, 应税工资 as t from Wage "
                       "where WageYear = ? and WageMonth = ? and WageState = ?%1 "
                       "union all "
                       "select EmpId, null, ReissueMoney from ReissueMonth "
                       "where ReissueYear = ? and ReissueMonth = ?%1) group by EmpId")
            .arg(onSheet);
    QVariantList updateParams;
    const QString where = staffCondition(staff, updateParams);
    const QString pick = QStringLiteral("coalesce((select %1 from temp.tempReissue t where "
                                        "t.EmpID = %2.%3), 0)");
    const QString update =
        QStringLiteral("update %1 set %2 = %3, %4 = %5 where %6")
            .arg(q(kTable), q(month.taxableColumn()),
                 pick.arg(QStringLiteral("应税工资"), q(kTable), q(BackPayText::empIdColumn())),
                 q(month.deductionColumn()),
                 pick.arg(QStringLiteral("减除费用"), q(kTable), q(BackPayText::empIdColumn())),
                 where);
    return m_db.exec(QStringLiteral("delete from temp.tempReissue")) &&
           m_db.exec(collect, params) && m_db.exec(update, updateParams);
}

bool BackPaySheetStore::setBackPay(const QString &empId, const BackPayMonth &month, Money amount)
{
    return m_db.exec(QStringLiteral("update %1 set %2 = ? where %3 = ?")
                         .arg(q(kTable), q(month.backPayColumn()), q(BackPayText::empIdColumn())),
                     {QVariant::fromValue(amount), empId});
}

bool BackPaySheetStore::changeColumn(const BackPayMonth &month, ColumnChange change, Money amount)
{
    const QString c = q(month.backPayColumn());
    QString value;
    switch (change) {
    case ColumnChange::Add:
        value = c + QStringLiteral(" + ?");
        break;
    case ColumnChange::Subtract:
        value = c + QStringLiteral(" - ?");
        break;
    case ColumnChange::Set:
        value = QStringLiteral("?");
        break;
    }
    return m_db.exec(QStringLiteral("update %1 set %2 = max(0, %3)").arg(q(kTable), c, value),
                     {QVariant::fromValue(amount)});
}

bool BackPaySheetStore::remove(const QString &empId)
{
    return m_db.exec(
        QStringLiteral("delete from %1 where %2 = ?").arg(q(kTable), q(BackPayText::empIdColumn())),
        {empId});
}

bool BackPaySheetStore::clear()
{
    return m_db.exec(QStringLiteral("delete from ") + q(kTable));
}
