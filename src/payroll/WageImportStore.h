#pragma once

#include "base/Money.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class Database;
class Progress;

// An employee as the imported rows take him: code, name, type and the name of his department.
struct ImportEmployee
{
    QString empId;
    QString empName;
    QString empType;
    QString deptName;
};

// One wage row the import writes: the employee and the amounts of the paired columns.
struct ImportedWageRow
{
    int line = 0; // where it stood in the file
    ImportEmployee employee;
    std::vector<Money> amounts;
};

// The SQL the import runs on Wage, Employee and Department.
class WageImportStore
{
public:
    explicit WageImportStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    // The latest month that has wage rows: the highest year, and the highest month of that
    // year. None when Wage holds no sheet; nothing when the query failed.
    std::optional<std::optional<std::pair<int, int>>> lastMonth();
    // Some row of the month is no longer a draft.
    std::optional<bool> isMonthPosted(int year, int month);
    // The columns of Wage in table order.
    QStringList wageColumns();
    // Every employee whose department exists, whatever his state, by his code trimmed and
    // folded (FoldCode: codes differing only in case or width are one employee).
    std::optional<QHash<QString, ImportEmployee>> employees();

    // One unit: the month's draft rows go and the rows come, with the amounts in `columns`
    // (columns of Wage), every other amount 0, as drafts of run 1. False when anything
    // failed; nothing has then changed. One progress step per row.
    bool replaceDraft(int year, int month, const QStringList &columns,
                      const std::vector<ImportedWageRow> &rows, Progress *progress = nullptr);

private:
    Database &m_db;
};
