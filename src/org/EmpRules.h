#pragma once

#include "org/OrgTypes.h"

#include <QString>

#include <functional>
#include <optional>

class EmployeeStore;
class MessageService;

// The rules an employee must satisfy and the operations that change employees, shared by the
// employee dialogs and the command line.

namespace EmpText {
inline const QString QueryFailed = QStringLiteral("查询数据库失败！");
inline const QString NotFound = QStringLiteral("未找到该员工！");
inline const QString CodeEmpty = QStringLiteral("员工编号不能为空！");
inline const QString CodeTooLong = QStringLiteral("员工编号不能超过10个字符！");
inline const QString CodeExists = QStringLiteral("员工编号已存在！");
inline const QString CodeBadChar = QStringLiteral("员工编号不能包含换行、制表符等控制字符！");
inline const QString NameBadChar = QStringLiteral("姓名不能包含换行、制表符等控制字符！");
inline const QString NameEmpty = QStringLiteral("姓名不能为空！");
inline const QString NameTooLong = QStringLiteral("姓名不能超过30个字符！");
inline const QString RenameAsk =
    QStringLiteral("修改员工姓名可能会影响工资和计税的准确性，确认要修改吗？");
inline const QString IdCardEmpty = QStringLiteral("身份证号不能为空！");
inline const QString DatesReversed = QStringLiteral("离职日期不能小于入职日期！");
inline const QString SaveFailed = QStringLiteral("保存失败！");
inline const QString InUse = QStringLiteral("该员工信息已应用，不能被删除！");
inline const QString DeleteFailed = QStringLiteral("删除失败！");
inline const QString ConfirmDelete = QStringLiteral("确定要删除该员工吗？");
inline const QString NoTarget = QStringLiteral("请选择调入部门！");
inline const QString MoveFailed = QStringLiteral("调动失败！");
} // namespace EmpText

// The back-pay working table keeps the employee code in 10 characters and the name in 30;
// longer ones would break back pay later, so they are refused when typed.
constexpr int kMaxEmpIdLength = 10;
constexpr int kMaxEmpNameLength = 30;

enum class EmpField { None, Code, Name, IdCard, EndDate };

enum class EmpCheck {
    Ok,
    QueryFailed,
    CodeEmpty,
    CodeBadChar,
    CodeTooLong,
    CodeExists,
    NameEmpty,
    NameBadChar,
    NameTooLong,
    RenameDeclined,
    IdCardEmpty,
    DatesReversed,
    SaveFailed,
};

struct EmpCheckResult
{
    EmpCheck check = EmpCheck::Ok;
    EmpField focus = EmpField::None;
    bool ok() const { return check == EmpCheck::Ok; }
};

// What the dialog shows when "确定" is pressed: the texts untrimmed, the two lists' texts, the
// state buttons and both date fields (the departure field holds today for staff in service).
struct EmpInput
{
    EmployeeRecord fields; // texts; deptId, empState and the dates are ignored
    bool inService = true;
    QDate entryDate;
    QDate departureDate;
};

struct EmpEditState
{
    bool adding = true;
    QString deptId;      // add: the department given; modify: the one loaded
    QString loadedName;  // trimmed, as loaded
    QDate storedEndDate; // kept for staff in service
};

// "中国" for domestic staff, empty otherwise.
QString NationalityDefault(const QString &empType);

EmpCheckResult CheckEmpInput(EmployeeStore &store, MessageService &messages, const EmpInput &input,
                             const EmpEditState &state);
// The same checks with another answer to "is this code taken?" (an import checks many rows
// against the codes it has read once and those of its earlier rows).
using EmpCodeTaken = std::function<std::optional<bool>(const QString &code)>;
EmpCheckResult CheckEmpInput(const EmpCodeTaken &codeTaken, MessageService &messages,
                             const EmpInput &input, const EmpEditState &state);

// The row that saving writes: trimmed texts, the department of the state, state and dates.
EmployeeRecord EmpRecordToSave(const EmpInput &input, const EmpEditState &state);

// Checks, then inserts or updates the row.
EmpCheckResult SaveEmp(EmployeeStore &store, MessageService &messages, const EmpInput &input,
                       const EmpEditState &state);

// False when a wage sheet row or a ledger row refers to the employee; a failing query is
// reported and counts as in use.
bool IsEmpUnused(EmployeeStore &store, MessageService &messages, const QString &empId);

enum class EmpDeleteResult { Deleted, InUse, Failed };
// Deletes the row when nothing refers to it. The caller has already asked for confirmation.
EmpDeleteResult DeleteEmp(EmployeeStore &store, MessageService &messages, const QString &empId);

enum class EmpMoveResult { Moved, NoTarget, Failed };
// Writes the employee's new department (an empty target means none was chosen).
EmpMoveResult TransferEmp(EmployeeStore &store, MessageService &messages, const QString &empId,
                          const QString &targetDeptId);
