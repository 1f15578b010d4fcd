#include "org/DepartmentStore.h"

#include "db/Database.h"

namespace {
const QString kColumns = QStringLiteral(
    "select DeptID, DeptName, Remark, DeptLevel, FatherID, DeptLevelID, Deleted from Department ");
}

std::optional<QList<DeptRecord>> DepartmentStore::select(const QString &tail,
                                                         const QVariantList &params)
{
    const auto rows = m_db.query(kColumns + tail, params);
    if (!rows) {
        return std::nullopt;
    }
    QList<DeptRecord> result;
    result.reserve(rows->rowCount());
    for (int r = 0; r < rows->rowCount(); ++r) {
        DeptRecord d;
        d.deptId = rows->text(r, 0);
        d.deptName = rows->text(r, 1);
        d.remark = rows->text(r, 2);
        d.deptLevel = int(rows->value(r, 3).toLongLong());
        d.fatherId = rows->text(r, 4);
        d.deptLevelId = rows->text(r, 5);
        d.deleted = rows->value(r, 6).toLongLong() != 0;
        result.append(d);
    }
    return result;
}

std::optional<bool> DepartmentStore::any(const QString &sql, const QVariantList &params)
{
    const auto rows = m_db.query(sql, params);
    if (!rows) {
        return std::nullopt;
    }
    return !rows->isEmpty();
}

std::optional<QList<DeptRecord>> DepartmentStore::treeRows()
{
    return select(QStringLiteral("where Deleted = 0 order by DeptLevel, FatherID, DeptID"), {});
}

std::optional<QList<DeptRecord>> DepartmentStore::allRows()
{
    return select(QStringLiteral("order by rowid"), {});
}

std::optional<QList<DeptRecord>> DepartmentStore::byCode(const QString &code)
{
    // As for employees: any case finds the department, an exact match first.
    return select(QStringLiteral("where DeptID = ? collate FOLD order by DeptID = ? desc, rowid"),
                  {code, code});
}

QString DepartmentStore::deptName(const QString &code)
{
    const auto name =
        m_db.scalar(QStringLiteral("select DeptName from Department where DeptID = ? collate FOLD "
                                   "order by DeptID = ? desc limit 1"),
                    {code, code});
    return name ? name->toString() : QString();
}

std::optional<bool> DepartmentStore::codeExists(const QString &code, const QString &exceptCode)
{
    // As with employee codes, two codes differing only in letter case would be one department
    // to every later comparison, so they may not coexist; nor may two such names.
    return any(QStringLiteral("select 1 from Department where DeptID = ? collate FOLD "
                              "and DeptID <> ? limit 1"),
               {code, exceptCode});
}

std::optional<bool> DepartmentStore::nameExists(const QString &name, const QString &exceptCode)
{
    return any(
        QStringLiteral("select 1 from Department where DeptName = ? collate FOLD and DeptID <> ? "
                       "limit 1"),
        {name, exceptCode});
}

std::optional<bool> DepartmentStore::isUsed(const QString &code)
{
    const auto onSheet =
        any(QStringLiteral("select 1 from Wage, Department where Wage.DeptName = "
                           "Department.DeptName and Department.DeptID = ? limit 1"),
            {code});
    if (!onSheet || *onSheet) {
        return onSheet;
    }
    return any(QStringLiteral("select 1 from TaxIncome where DeptID = ? collate FOLD limit 1"),
               {code});
}

std::optional<bool> DepartmentStore::hasEmployees(const QString &code)
{
    return any(QStringLiteral("select 1 from Employee where DeptID = ? collate FOLD limit 1"),
               {code});
}

bool DepartmentStore::insert(const DeptRecord &d)
{
    return m_db.exec(QStringLiteral("insert into Department (DeptID, DeptName, Remark, DeptLevel, "
                                    "FatherID, DeptLevelID, Deleted) values (?, ?, ?, ?, ?, ?, ?)"),
                     {d.deptId, d.deptName, d.remark, d.deptLevel, d.fatherId, d.deptLevelId,
                      d.deleted ? 1 : 0});
}

bool DepartmentStore::update(const QString &code, const QString &name, const QString &remark)
{
    return m_db.exec(
        QStringLiteral("update Department set DeptName = ?, Remark = ? where DeptID = ?"),
        {name, remark, code});
}

bool DepartmentStore::remove(const QString &code)
{
    return m_db.exec(QStringLiteral("delete from Department where DeptID = ?"), {code});
}
