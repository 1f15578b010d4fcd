#include "org/EmployeeStore.h"

#include "base/TextHelpers.h"
#include "db/Database.h"

namespace {

const QString kRecordColumns = QStringLiteral(
    "select EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, nationality, Tel, Address, Remark, "
    "BankName, CardNo, EmpState, StartDate, EndDate, Deleted from Employee ");

// In the order of EmployeeListRow::Field, then state and flag.
const QString kListColumns = QStringLiteral(
    "select e.EmpID, e.EmpName, e.DeptID, d.DeptName, e.IDCardNo, e.Sex, e.EmpType, "
    "e.nationality, e.Tel, e.StartDate, e.EndDate, e.Address, e.Remark, e.EmpState, e.Deleted "
    "from Employee e cross join Department d on d.DeptID = e.DeptID ");

// "cross join" keeps Employee the outer table, so the engine walks Employee_List in the
// list's order instead of collecting the rows department by department and sorting them.
const QString kListOrder = QStringLiteral(" order by e.EmpState desc, e.DeptID, e.EmpID");

QVariant dateValue(const QDate &date)
{
    return date.isValid() ? QVariant(date) : QVariant();
}

QVariantList recordValues(const EmployeeRecord &e)
{
    return {e.empName,
            e.deptId,
            e.idCardNo,
            e.sex,
            e.empType,
            e.nationality,
            e.tel,
            e.address,
            e.remark,
            e.bankName,
            e.cardNo,
            e.empState,
            dateValue(e.startDate),
            dateValue(e.endDate),
            e.deleted ? 1 : 0};
}

} // namespace

std::optional<QList<EmployeeRecord>> EmployeeStore::byId(const QString &empId)
{
    // A typed code finds its employee whatever its case; should codes that only differ in
    // case exist from earlier days, the exact one comes first.
    const auto rows = m_db.query(kRecordColumns + QStringLiteral("where EmpID = ? collate FOLD "
                                                                 "order by EmpID = ? desc, rowid"),
                                 {empId, empId});
    if (!rows) {
        return std::nullopt;
    }
    QList<EmployeeRecord> result;
    for (int r = 0; r < rows->rowCount(); ++r) {
        EmployeeRecord e;
        e.empId = rows->text(r, 0);
        e.empName = rows->text(r, 1);
        e.deptId = rows->text(r, 2);
        e.idCardNo = rows->text(r, 3);
        e.sex = rows->text(r, 4);
        e.empType = rows->text(r, 5);
        e.nationality = rows->text(r, 6);
        e.tel = rows->text(r, 7);
        e.address = rows->text(r, 8);
        e.remark = rows->text(r, 9);
        e.bankName = rows->text(r, 10);
        e.cardNo = rows->text(r, 11);
        e.empState = int(rows->value(r, 12).toLongLong());
        e.startDate = QDate::fromString(rows->text(r, 13), Qt::ISODate);
        e.endDate = QDate::fromString(rows->text(r, 14), Qt::ISODate);
        e.deleted = rows->value(r, 15).toLongLong() != 0;
        result.append(e);
    }
    return result;
}

std::optional<bool> EmployeeStore::idExists(const QString &empId)
{
    // Codes differing only in letter case name the same employee for everything that compares
    // them later (the wage sheet matches codes regardless of case), so they may not coexist.
    const auto rows = m_db.query(
        QStringLiteral("select 1 from Employee where EmpID = ? collate FOLD limit 1"), {empId});
    if (!rows) {
        return std::nullopt;
    }
    return !rows->isEmpty();
}

std::optional<bool> EmployeeStore::isUsed(const QString &empId)
{
    const auto rows = m_db.query(
        QStringLiteral("select 1 where exists (select 1 from Wage where EmpId = ? collate FOLD) "
                       "or exists (select 1 from TaxIncome where EmpId = ? collate FOLD)"),
        {empId, empId});
    if (!rows) {
        return std::nullopt;
    }
    return !rows->isEmpty();
}

bool EmployeeStore::insert(const EmployeeRecord &e)
{
    return insertAll({e});
}

bool EmployeeStore::insertAll(const QList<EmployeeRecord> &employees)
{
    Statement st = m_db.prepare(QStringLiteral(
        "insert into Employee (EmpID, EmpName, DeptID, IDCardNo, Sex, EmpType, nationality, Tel, "
        "Address, Remark, BankName, CardNo, EmpState, StartDate, EndDate, Deleted) values "
        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    if (!st.isValid()) {
        return false;
    }
    for (const EmployeeRecord &e : employees) {
        QVariantList values{e.empId};
        values += recordValues(e);
        st.reset();
        if (!st.bindAll(values) || !st.exec()) {
            return false;
        }
    }
    return true;
}

std::optional<QStringList> EmployeeStore::allCodes()
{
    const auto rows = m_db.query(QStringLiteral("select EmpID from Employee"));
    if (!rows) {
        return std::nullopt;
    }
    QStringList codes;
    codes.reserve(rows->rowCount());
    for (int r = 0; r < rows->rowCount(); ++r) {
        codes << rows->text(r, 0);
    }
    return codes;
}

bool EmployeeStore::update(const EmployeeRecord &e)
{
    QVariantList values = recordValues(e);
    values << e.empId;
    return m_db.exec(QStringLiteral("update Employee set EmpName = ?, DeptID = ?, IDCardNo = ?, "
                                    "Sex = ?, EmpType = ?, nationality = ?, Tel = ?, Address = ?, "
                                    "Remark = ?, BankName = ?, CardNo = ?, EmpState = ?, "
                                    "StartDate = ?, EndDate = ?, Deleted = ? where EmpID = ?"),
                     values);
}

bool EmployeeStore::remove(const QString &empId)
{
    return m_db.exec(QStringLiteral("delete from Employee where EmpID = ?"), {empId});
}

bool EmployeeStore::move(const QString &empId, const QString &deptId)
{
    return m_db.exec(QStringLiteral("update Employee set DeptID = ? where EmpID = ?"),
                     {deptId, empId});
}

std::optional<std::vector<EmployeeListRow>> EmployeeStore::readList(const QString &where,
                                                                    const QVariantList &params)
{
    Statement st = m_db.prepare(kListColumns + where + kListOrder);
    if (!st.isValid() || !st.bindAll(params)) {
        return std::nullopt;
    }
    std::vector<EmployeeListRow> rows;
    std::array<QByteArrayView, EmployeeListRow::FieldCount> texts;
    while (st.next()) {
        for (int c = 0; c < EmployeeListRow::FieldCount; ++c) {
            texts[c] = st.rawText(c);
        }
        EmployeeListRow &r = rows.emplace_back();
        r.setFields(texts);
        r.empState = int(st.int64(EmployeeListRow::FieldCount));
        r.deleted = st.int64(EmployeeListRow::FieldCount + 1) != 0;
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<EmployeeListRow>> EmployeeStore::listSubtree(const QString &levelIdPrefix,
                                                                       bool includeDeparted)
{
    QString where = QStringLiteral(
        "where e.DeptID in (select DeptID from Department where DeptLevelID like ? escape '\\') "
        "and e.Deleted = 0");
    if (!includeDeparted) {
        where += QStringLiteral(" and e.EmpState = 1");
    }
    return readList(where, {EscapeLikeText(levelIdPrefix) + u'%'});
}

std::optional<std::vector<EmployeeListRow>> EmployeeStore::search(const QString &text)
{
    // The name part is matched without regard to case (like), and so is the code.
    return readList(QStringLiteral("where (e.EmpID = ? collate FOLD or e.EmpName like ? "
                                   "escape '\\') "
                                   "and e.EmpState = 1 and e.Deleted = 0"),
                    {text, u'%' + EscapeLikeText(text) + u'%'});
}

std::optional<QList<EmpPickRow>> EmployeeStore::byNamePart(const QString &fragment)
{
    const auto rows = m_db.query(
        QStringLiteral("select EmpID, EmpName, IDCardNo, Sex, EmpType, EmpState from Employee "
                       "where EmpName like ? escape '\\' order by rowid"),
        {u'%' + EscapeLikeText(fragment) + u'%'});
    if (!rows) {
        return std::nullopt;
    }
    QList<EmpPickRow> result;
    for (int r = 0; r < rows->rowCount(); ++r) {
        result.append({rows->text(r, 0), rows->text(r, 1), rows->text(r, 2), rows->text(r, 3),
                       rows->text(r, 4), int(rows->value(r, 5).toLongLong())});
    }
    return result;
}
