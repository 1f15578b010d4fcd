#include "tax/TaxLedger.h"

#include "db/Database.h"

bool InsertTaxIncome(Database &db, const RdTaxIncome &row)
{
    const auto emp = db.query(QStringLiteral("select EmpName, DeptID, IDCardNo, EmpType, Address "
                                             "from Employee where EmpID = ?"),
                              {row.EmpId});
    if (!emp) {
        return false;
    }
    const bool found = !emp->isEmpty();
    const auto field = [&](const char *column) {
        // A NULL column of an existing employee is stored as empty text, like a missing one.
        return found ? emp->text(0, QString::fromLatin1(column)) : QString();
    };
    const QString taxDate = row.TaxDate.trimmed();
    return db.exec(
        QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                       "EmpCardNo, EmpType, DeptID, Address, FactIncome, Income, MinusFare, "
                       "TaxIncome, TaxRate, TakeOutMoney, TaxMoney, TaxDate) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {row.TaxYear, row.TaxMonth, row.TaxType, row.EmpId, field("EmpName"), field("IDCardNo"),
         field("EmpType"), field("DeptID"), field("Address"), QVariant::fromValue(row.FactIncome),
         QVariant::fromValue(row.Income), QVariant::fromValue(row.MinusFare),
         QVariant::fromValue(row.TaxIncome), QVariant::fromValue(row.TaxRate),
         QVariant::fromValue(row.TakeOutMoney), QVariant::fromValue(row.TaxMoney),
         taxDate.isEmpty() ? QVariant() : QVariant(taxDate)});
}
