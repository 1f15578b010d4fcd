#pragma once

#include "org/EmployeeListRow.h"
#include "org/OrgTypes.h"

#include <QList>

#include <optional>
#include <vector>

class Database;

// The SQL of table Employee, and the lists the browser and the pickers show. Every query
// returns nothing (std::nullopt) when the engine failed; callers report it.
class EmployeeStore
{
public:
    explicit EmployeeStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    // The row with this code, or an empty list.
    std::optional<QList<EmployeeRecord>> byId(const QString &empId);
    // Any row (flagged ones too) has this code.
    std::optional<bool> idExists(const QString &empId);
    // A wage sheet row or a ledger row refers to the employee.
    std::optional<bool> isUsed(const QString &empId);

    bool insert(const EmployeeRecord &emp);
    // Many rows with one prepared statement; the caller holds the transaction.
    bool insertAll(const QList<EmployeeRecord> &employees);
    // Every employee code (flagged and departed staff too).
    std::optional<QStringList> allCodes();
    // Writes every column but the code of the row with emp.empId.
    bool update(const EmployeeRecord &emp);
    bool remove(const QString &empId);
    bool move(const QString &empId, const QString &deptId);

    // The employees of every department whose hierarchical code begins with levelIdPrefix
    // (the subtree of a node), in service first, then by department and code. Departed staff
    // only when includeDeparted; flagged rows never.
    std::optional<std::vector<EmployeeListRow>> listSubtree(const QString &levelIdPrefix,
                                                            bool includeDeparted);
    // Employees in service whose code is exactly `text` or whose name contains it (literally:
    // quotes, % and _ are ordinary characters).
    std::optional<std::vector<EmployeeListRow>> search(const QString &text);
    // Every employee (departed and flagged too) whose name contains the fragment literally.
    std::optional<QList<EmpPickRow>> byNamePart(const QString &fragment);

private:
    std::optional<std::vector<EmployeeListRow>> readList(const QString &where,
                                                         const QVariantList &params);

    Database &m_db;
};
