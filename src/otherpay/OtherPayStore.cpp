#include "otherpay/OtherPayStore.h"

#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/EmployeeStore.h"
#include "otherpay/OtherPayTexts.h"
#include "tax/TaxLedger.h"

namespace {

// Wage, bonus and back-pay rows are out of reach of everything here.
const QString kOtherPaymentsOnly = QStringLiteral("coalesce(TaxType, '') not in (?, ?, ?) ");

// The list's columns, in the order the window shows them.
const QString kSelect =
    QStringLiteral(
        "select a.ID, a.EmpName, a.EmpId, a.EmpCardNo, a.EmpType, a.TaxType, a.DeptID, b.DeptName, "
        "a.Address, a.TaxRate, a.TakeOutMoney, a.TaxNumber, a.TaxDate, a.Income, a.TaxIncome, "
        "a.ReceiveTaxMoney, a.MinusFare, a.TaxMoney, a.OughtTaxMoney, a.TaxYear, a.TaxMonth "
        "from TaxIncome a join Department b on a.DeptID = b.DeptID where ") +
    kOtherPaymentsOnly;

enum Where { Prepend, Append };
// The parameters of a statement with kOtherPaymentsOnly before or after the others.
QVariantList withWageTypes(const QVariantList &params, Where where = Prepend)
{
    const QVariantList types{OtherPayText::WageTax, OtherPayText::Bonus, OtherPayText::BackPay};
    return where == Prepend ? types + params : params + types;
}

QVariant money(Money m)
{
    return QVariant::fromValue(m);
}

} // namespace

std::optional<QList<OtherPayment>> OtherPayStore::read(const QString &where,
                                                       const QVariantList &params)
{
    const auto rows = m_db.query(kSelect + where, withWageTypes(params));
    if (!rows) {
        return std::nullopt;
    }
    QList<OtherPayment> result;
    result.reserve(rows->rowCount());
    for (int r = 0; r < rows->rowCount(); ++r) {
        OtherPayment p;
        p.id = rows->value(r, 0).toLongLong();
        p.empName = rows->text(r, 1);
        p.empId = rows->text(r, 2);
        p.empCardNo = rows->text(r, 3);
        p.empType = rows->text(r, 4);
        p.taxType = rows->text(r, 5);
        p.deptId = rows->text(r, 6);
        p.deptName = rows->text(r, 7);
        p.address = rows->text(r, 8);
        p.taxRate = rows->money(r, 9);
        p.takeOutMoney = rows->money(r, 10);
        p.taxNumber = rows->text(r, 11);
        p.taxDate = rows->text(r, 12);
        p.income = rows->money(r, 13);
        p.taxIncome = rows->money(r, 14);
        p.receiveTaxMoney = rows->money(r, 15);
        p.minusFare = rows->money(r, 16);
        p.taxMoney = rows->money(r, 17);
        p.oughtTaxMoney = rows->money(r, 18);
        p.taxYear = int(rows->value(r, 19).toLongLong());
        p.taxMonth = int(rows->value(r, 20).toLongLong());
        result.append(p);
    }
    return result;
}

std::optional<QList<OtherPayment>> OtherPayStore::list(int year, int month)
{
    return read(QStringLiteral("and a.TaxYear = ? and a.TaxMonth = ? "
                               "order by a.DeptID, a.EmpId, a.ID"),
                {year, month});
}

std::optional<QList<OtherPayment>> OtherPayStore::byId(qint64 id)
{
    return read(QStringLiteral("and a.ID = ?"), {id});
}

std::optional<QStringList> OtherPayStore::incomeTypes()
{
    const auto rows = m_db.query(
        QStringLiteral("select TaxType from Dict_TaxType where TaxType <> ? order by rowid"),
        {OtherPayText::WageTax});
    if (!rows) {
        return std::nullopt;
    }
    QStringList types;
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QString t = rows->text(r, 0);
        if (!t.isEmpty()) {
            types << t;
        }
    }
    return types;
}

std::optional<QList<PaymentPerson>> OtherPayStore::person(const QString &empId)
{
    EmployeeStore employees(m_db);
    const auto found = employees.byId(empId);
    if (!found) {
        return std::nullopt;
    }
    QList<PaymentPerson> result;
    for (const EmployeeRecord &e : *found) {
        const auto dept = DepartmentStore(m_db).byCode(e.deptId);
        if (!dept) {
            return std::nullopt;
        }
        result.append({e.empId, e.empName, e.deptId,
                       dept->isEmpty() ? QString() : dept->first().deptName, e.idCardNo, e.address,
                       e.empType});
    }
    return result;
}

std::optional<qint64> OtherPayStore::insert(const RdTaxIncome &row, const QString &taxNumber)
{
    const bool ok = m_db.exec(
        QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                       "EmpCardNo, EmpType, DeptID, Address, ChinaIncome, ForeignIncome, "
                       "MoneyType, ForeignExchange, ForeignToChinaIncome, FactIncome, Income, "
                       "MinusFare, TaxIncome, TaxRate, TakeOutMoney, TaxMoney, ReceiveTaxMoney, "
                       "OughtTaxMoney, TaxNumber, TaxDate) values (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "0, 0, '0', 0, 0, ?, ?, ?, ?, ?, ?, ?, 0, 0, ?, ?)"),
        {row.TaxYear, row.TaxMonth, row.TaxType, row.EmpId, row.EmpName, row.EmpCardNo, row.EmpType,
         row.DeptID, row.Address, money(row.FactIncome), money(row.Income), money(row.MinusFare),
         money(row.TaxIncome), money(row.TaxRate), money(row.TakeOutMoney), money(row.TaxMoney),
         taxNumber, row.TaxDate.isEmpty() ? QVariant() : QVariant(row.TaxDate)});
    if (!ok) {
        return std::nullopt;
    }
    return m_db.lastInsertId();
}

bool OtherPayStore::update(qint64 id, const RdTaxIncome &row, const QString &taxNumber)
{
    const bool ok =
        m_db.exec(QStringLiteral("update TaxIncome set TaxType = ?, FactIncome = ?, Income = ?, "
                                 "MinusFare = ?, TaxIncome = ?, TaxRate = ?, TakeOutMoney = ?, "
                                 "TaxMoney = ?, TaxNumber = ?, TaxDate = ? where ID = ? and ") +
                      kOtherPaymentsOnly,
                  withWageTypes({row.TaxType, money(row.FactIncome), money(row.Income),
                                 money(row.MinusFare), money(row.TaxIncome), money(row.TaxRate),
                                 money(row.TakeOutMoney), money(row.TaxMoney), taxNumber,
                                 row.TaxDate.isEmpty() ? QVariant() : QVariant(row.TaxDate), id},
                                Append));
    return ok && m_db.changes() == 1;
}

bool OtherPayStore::remove(qint64 id)
{
    return m_db.exec(QStringLiteral("delete from TaxIncome where ID = ? and ") + kOtherPaymentsOnly,
                     withWageTypes({id}, Append));
}
