#include "tax/TaxLedgerWriter.h"

#include "tax/TaxLedger.h"

TaxLedgerWriter::TaxLedgerWriter(Database &db) : m_db(db)
{
    m_insert = db.prepare(QStringLiteral(
        "insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, EmpCardNo, EmpType, "
        "DeptID, Address, FactIncome, Income, MinusFare, TaxIncome, TaxRate, TakeOutMoney, "
        "TaxMoney, TaxDate) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
}

bool TaxLedgerWriter::loadEmployees()
{
    Statement st = m_db.prepare(
        QStringLiteral("select EmpID, EmpName, IDCardNo, EmpType, DeptID, Address from Employee"));
    if (!st.isValid()) {
        return false;
    }
    m_exact.clear();
    m_folded.clear();
    while (st.next()) {
        const QString id = st.text(0);
        const EmpFields fields{st.text(1), st.text(2), st.text(3), st.text(4), st.text(5)};
        m_exact.insert(id, fields);
        m_folded.insert(id.toCaseFolded(), fields);
    }
    return st.ok();
}

const TaxLedgerWriter::EmpFields *TaxLedgerWriter::find(const QString &empId) const
{
    auto it = m_exact.constFind(empId);
    if (it != m_exact.constEnd()) {
        return &*it;
    }
    it = m_folded.constFind(empId.toCaseFolded());
    return it != m_folded.constEnd() ? &*it : nullptr;
}

bool TaxLedgerWriter::insert(const RdTaxIncome &row)
{
    if (!m_insert.isValid()) {
        return false;
    }
    static const EmpFields kNobody;
    const EmpFields *emp = find(row.EmpId);
    if (!emp) {
        emp = &kNobody;
    }
    const QString taxDate = row.TaxDate.trimmed();
    m_insert.reset();
    return m_insert.bindAll(
               {row.TaxYear, row.TaxMonth, row.TaxType, row.EmpId, emp->name, emp->cardNo,
                emp->type, emp->deptId, emp->address, QVariant::fromValue(row.FactIncome),
                QVariant::fromValue(row.Income), QVariant::fromValue(row.MinusFare),
                QVariant::fromValue(row.TaxIncome), QVariant::fromValue(row.TaxRate),
                QVariant::fromValue(row.TakeOutMoney), QVariant::fromValue(row.TaxMoney),
                taxDate.isEmpty() ? QVariant() : QVariant(taxDate)}) &&
           m_insert.exec();
}
