#pragma once

#include "backpay/BackPayMonth.h"
#include "base/Money.h"

#include <QString>
#include <QVariantList>

#include <optional>

class Database;

// Whom an addition to the sheet, or a filling of month bases, concerns.
struct BackPayStaff
{
    enum class Kind { Department, Company, Employee, Sheet };
    Kind kind = Kind::Sheet;
    QString code; // the department or employee code

    static BackPayStaff department(const QString &deptId) { return {Kind::Department, deptId}; }
    // Everyone but the temporary staff (department "9999").
    static BackPayStaff company() { return {Kind::Company, {}}; }
    static BackPayStaff employee(const QString &empId) { return {Kind::Employee, empId}; }
    // The employees already on the sheet.
    static BackPayStaff sheet() { return {Kind::Sheet, {}}; }
};

// How "修改整列工资" changes a column.
enum class ColumnChange { Add, Subtract, Set };

// The SQL of the pending back-pay sheet, table ReissueTemp: one row per employee, six fixed
// columns (部门, 姓名, 员工类别, 年, 月, 员工编号) and then three money columns per back-paid
// month (its back pay, taxable wage and deduction), always together and in that order, so the
// months are found by position: column 6 + 3i is the back pay of the i-th month.
//
// The table outlives the run until the back pay is posted or discarded. Its 年 and 月 default
// to the pay period, so the period of a sheet without rows yet can still be read.
//
// Every call returns false or nothing when the engine failed (Database::lastError() says why).
class BackPaySheetStore
{
public:
    explicit BackPaySheetStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    bool exists();
    // The months of the sheet in column order; nothing when the table is missing or its
    // columns do not follow the rule above.
    std::optional<BackPayMonths> months();
    std::optional<int> rowCount();
    // The pay period: that of the first row, or the table's default when it has no rows.
    // None when the table does not exist.
    std::optional<std::optional<BackPayMonth>> payPeriod();
    // The code as the sheet holds it of the employee with this code (letter case aside); empty
    // when he is not on the sheet.
    std::optional<QString> storedCode(const QString &empId);

    // A new, empty sheet for the pay period and months, replacing any old one.
    bool create(const BackPayMonth &payPeriod, const BackPayMonths &months);
    // Gives the sheet exactly the wanted months, keeping its rows: the months kept stay where
    // they are with their amounts, new ones are appended (in the order wanted) with zeros, the
    // others go with their amounts. Returns the months in their new column order.
    std::optional<BackPayMonths> reshape(const BackPayMonths &wanted);

    // Puts employees on the sheet who are not on it yet: a department's or the company's staff
    // in service (and not flagged deleted), or one employee whatever his state. Returns how
    // many rows were added.
    std::optional<int> insertStaff(const BackPayStaff &staff, const BackPayMonth &payPeriod);
    // The bases of the months for the staff's rows on the sheet: a month's taxable wage is its
    // wage sheet's 应税工资 plus everything already back-paid for it, its deduction the wage
    // sheet's 减除费用; 0 where the employee has neither a wage row nor earlier back pay.
    bool fillBases(const BackPayMonths &months, const BackPayStaff &staff);

    bool setBackPay(const QString &empId, const BackPayMonth &month, Money amount);
    // Changes the month's back pay on every row; a column never falls below 0.
    bool changeColumn(const BackPayMonth &month, ColumnChange change, Money amount);
    bool remove(const QString &empId);
    // Empties the sheet (its columns stay until the next back pay replaces the table).
    bool clear();

private:
    // The condition on ReissueTemp rows that selects the staff, and its values.
    static QString staffCondition(const BackPayStaff &staff, QVariantList &params);
    bool fillMonth(const BackPayMonth &month, const BackPayStaff &staff);

    Database &m_db;
};
