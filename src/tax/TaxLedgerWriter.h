#pragma once

#include "db/Database.h"

#include <QHash>
#include <QString>

struct RdTaxIncome;

// Writes many ledger rows with statements prepared once (posting a month of 100,000 staff).
// Like InsertTaxIncome, each row takes the employee's name, card number, type, department and
// address from Employee as it is now, finding him by his code ignoring case (empty fields when
// he no longer exists); the employees are read once, up front.
class TaxLedgerWriter
{
public:
    explicit TaxLedgerWriter(Database &db);

    // Reads every employee's ledger fields. False when Employee cannot be read.
    bool loadEmployees();
    // False when the insert fails (the engine's text is in the database's lastError()).
    bool insert(const RdTaxIncome &row);

private:
    struct EmpFields
    {
        QString name, cardNo, type, deptId, address;
    };
    const EmpFields *find(const QString &empId) const;

    Database &m_db;
    Statement m_insert;
    QHash<QString, EmpFields> m_exact;
    QHash<QString, EmpFields> m_folded;
};
