#include "tax/TaxLedgerWriter.h"

#include "tax/TaxLedger.h"

TaxLedgerWriter::TaxLedgerWriter(Database &db) : m_db(db)
{
    m_insert = db.prepare(QStringLiteral(
        "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, EmpType, "
        "DeptID, Address, FactIncome, Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, "
        "TaxMoney, TaxDate) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QString select =
        QStringLiteral("select EmpName, IDCardNo, EmpType, DeptID, Address from Employee where ");
    m_exact = db.prepare(select + QStringLiteral("EmpID = ?"));
    m_folded = db.prepare(select + QStringLiteral("EmpID = ? collate FOLD limit 1"));
}

bool TaxLedgerWriter::lookUp(const QString &empId, LedgerEmployee &employee)
{
    // The exact code first (the index answers it); another spelling of the code only when that
    // finds nobody.
    for (Statement *st : {&m_exact, &m_folded}) {
        if (!st->isValid()) {
            return false;
        }
        st->reset();
        if (!st->bind(0, empId)) {
            return false;
        }
        if (st->next()) {
            employee = {st->text(0), st->text(1), st->text(2), st->text(3), st->text(4)};
            st->reset();
            return true;
        }
        if (!st->ok()) {
            return false;
        }
    }
    employee = {};
    return true;
}

bool TaxLedgerWriter::insert(const RdTaxIncome &row, const LedgerEmployee *employee)
{
    LedgerEmployee found;
    if (!employee) {
        if (!lookUp(row.EmpId, found)) {
            return false;
        }
        employee = &found;
    }
    if (!m_insert.isValid()) {
        return false;
    }
    const QString taxDate = row.TaxDate.trimmed();
    m_insert.reset();
    return m_insert.bindAll({row.TaxYear, row.TaxMonth, row.TaxType, row.EmpId, employee->EmpName,
                             employee->EmpCardNo, employee->EmpType, employee->DeptID,
                             employee->Address, QVariant::fromValue(row.FactIncome),
                             QVariant::fromValue(row.Income), QVariant::fromValue(row.MinusFare),
                             QVariant::fromValue(row.TaxIncome), QVariant::fromValue(row.TaxRate),
                             QVariant::fromValue(row.TakeOutMoney),
                             QVariant::fromValue(row.TaxMoney),
                             taxDate.isEmpty() ? QVariant() : QVariant(taxDate)}) &&
           m_insert.exec();
}
