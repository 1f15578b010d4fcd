#pragma once

#include "db/Database.h"

#include <QString>

struct RdTaxIncome;

// The employee's fields a ledger row copies from Employee.
struct LedgerEmployee
{
    QString EmpName;
    QString EmpCardNo; // Employee.IDCardNo
    QString EmpType;
    QString DeptID;
    QString Address;
};

// Writes many ledger rows with statements prepared once (posting a month of 100,000 staff).
// Like InsertTaxIncome, a row carries the employee's name, card number, type, department and
// address as Employee holds them now, empty when he no longer exists. A caller that has read
// them already (joined to its own rows) passes them; otherwise the employee is looked up by
// his code, ignoring case.
class TaxLedgerWriter
{
public:
    explicit TaxLedgerWriter(Database &db);

    // False when the lookup or the insert fails (the engine's text is in lastError()).
    bool insert(const RdTaxIncome &row, const LedgerEmployee *employee = nullptr);

private:
    bool lookUp(const QString &empId, LedgerEmployee &employee);

    Database &m_db;
    Statement m_insert;
    Statement m_exact;
    Statement m_folded;
};
