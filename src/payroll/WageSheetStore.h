#pragma once

#include "base/Money.h"
#include "payroll/WageRow.h"
#include "tax/TaxLedgerWriter.h"

#include <QString>

#include <optional>
#include <vector>

class Database;
class WageSheetLayout;

// The period and state of one wage row: what the month rule and posting look at.
struct WageRowPeriod
{
    int year = 0;
    int month = 0;
    int times = 0;
    QString state;
};

// An employee a new sheet gets a row for.
struct SheetEmployee
{
    QString empName;
    QString empId;
    QString empType;
    QString deptName;
    QString deptId;
};

// What posting reads of one row: the employee, the stored amounts the ledger rows are computed
// from afresh (a fund column the table lacks reads as 0), and the employee's fields the ledger
// copies when Employee has his code exactly (otherwise the ledger looks him up itself).
struct PostingRow
{
    QString empId;
    QString empType;
    Money taxablePay; // 应税工资
    Money grossPay;   // 应发工资
    Money pension;    // 养老保险金
    Money medical;    // 医疗保险金
    Money housing;    // 住房公积金
    Money bonus;      // 一次性奖金
    std::optional<LedgerEmployee> employee;
};

// The SQL of the wage sheets' rows in Wage. Every query returns nothing (std::nullopt) when
// the engine failed; callers report it. Rows named "合计" are never written; readers of the
// latest row still pass over them, as every reader of Wage does.
class WageSheetStore
{
public:
    explicit WageSheetStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    // Some row of the month is posted.
    std::optional<bool> isMonthPosted(int year, int month);
    // The posted months up to and including the one given, of one year or of all years, in
    // time order (the months back pay can be paid for), as year and month.
    std::optional<std::vector<std::pair<int, int>>> postedMonths(int upToYear, int upToMonth,
                                                                 std::optional<int> year);
    // The row with the highest WageID (the latest sheet), or none when Wage is empty.
    std::optional<std::optional<WageRowPeriod>> latestRow();
    // The latest draft row, or none.
    std::optional<std::optional<WageRowPeriod>> latestDraft();
    // Any row of the month, or none.
    std::optional<std::optional<WageRowPeriod>> anyRowOf(int year, int month);
    // Some employee exists.
    std::optional<bool> hasEmployees();
    // Some row of the month pays a non-zero one-off bonus.
    std::optional<bool> bonusPaid(int year, int month);

    // The rows of one sheet (run 0: every run of the month), by department name and employee
    // code, with the amounts of the layout's columns (a column the table lacks reads as 0).
    std::optional<std::vector<WageRow>> readRows(const WageSheetLayout &layout, int year, int month,
                                                 int run);
    // The employees in service and not flagged deleted, with their department's name, by
    // department name and employee name; the temporary staff only when asked for.
    std::optional<std::vector<SheetEmployee>> sheetEmployees(bool withTempStaff);
    // The amounts of a sheet's rows by employee code, for the columns asked for (a column the
    // table lacks reads as 0): the copy's source.
    std::optional<std::vector<std::pair<QString, std::vector<Money>>>>
    amountsByEmployee(const QStringList &columns, int year, int month, int run);
    std::optional<std::vector<PostingRow>> postingRows(int year, int month, int run);

    bool deleteRow(qint64 wageId);
    bool deleteSheet(int year, int month, int run);
    // Every draft row of every month.
    bool clearDrafts();
    bool markPosted(int year, int month);

private:
    std::optional<std::optional<WageRowPeriod>> period(const QString &sql,
                                                       const QVariantList &params);
    // The column as a select expression: quoted, or NULL under that name when Wage lacks it.
    QString selectColumn(const QStringList &wageColumns, const QString &name) const;

    Database &m_db;
};
