#pragma once

#include "org/OrgTypes.h"

#include <QList>

#include <optional>

class Database;

// The SQL of table Department, and the questions other tables answer about a department.
// Every query returns nothing (std::nullopt) when the engine failed; callers report it.
class DepartmentStore
{
public:
    explicit DepartmentStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    // Departments not flagged Deleted, parents before children (level, parent, code).
    std::optional<QList<DeptRecord>> treeRows();
    // Every row in table order, flagged ones too.
    std::optional<QList<DeptRecord>> allRows();
    // The row with this code, or an empty list.
    std::optional<QList<DeptRecord>> byCode(const QString &code);
    // The name of a department; empty when there is none or the lookup failed.
    QString deptName(const QString &code);

    // Another row (flagged or not) has this code.
    std::optional<bool> codeExists(const QString &code, const QString &exceptCode);
    // A row other than exceptCode has this name.
    std::optional<bool> nameExists(const QString &name, const QString &exceptCode);
    // A wage sheet row carries the department's current name, or a ledger row its code.
    std::optional<bool> isUsed(const QString &code);
    // Any employee row (departed and flagged ones too) belongs to the department.
    std::optional<bool> hasEmployees(const QString &code);

    bool insert(const DeptRecord &dept);
    bool update(const QString &code, const QString &name, const QString &remark);
    bool remove(const QString &code);

private:
    std::optional<QList<DeptRecord>> select(const QString &tail, const QVariantList &params);
    std::optional<bool> any(const QString &sql, const QVariantList &params);

    Database &m_db;
};
