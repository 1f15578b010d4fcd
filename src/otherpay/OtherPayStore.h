#pragma once

#include "otherpay/OtherPayTypes.h"

#include <QList>
#include <QStringList>

#include <optional>

class Database;
struct RdTaxIncome;

// The SQL of the other payments: their rows of the tax ledger (TaxIncome), the income types
// offered, and the person a payment is for. Every query returns nothing when the engine
// failed; callers report it.
class OtherPayStore
{
public:
    explicit OtherPayStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    // The month's payments, by department code, employee code and entry. Rows of wages,
    // bonuses and back pay are never among them, nor rows whose department does not exist.
    std::optional<QList<OtherPayment>> list(int year, int month);
    // The payment with this ID; an empty list when there is none (or the row is not an other
    // payment).
    std::optional<QList<OtherPayment>> byId(qint64 id);
    // The income types a payment may have: the dictionary's, wages excepted, in its order.
    std::optional<QStringList> incomeTypes();
    // The employee with this code, with his department's name; an empty list when none.
    std::optional<QList<PaymentPerson>> person(const QString &empId);

    // Writes a new payment (the row's texts as given, TaxNumber beside it); its ID, or nothing.
    std::optional<qint64> insert(const RdTaxIncome &row, const QString &taxNumber);
    // Changes the type, amounts, receipt number and date of a payment; person, department and
    // period stay. False when the statement failed or no such payment exists.
    bool update(qint64 id, const RdTaxIncome &row, const QString &taxNumber);
    // False when the statement failed.
    bool remove(qint64 id);

private:
    std::optional<QList<OtherPayment>> read(const QString &where, const QVariantList &params);

    Database &m_db;
};
