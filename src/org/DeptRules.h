#pragma once

#include <QString>

class DepartmentStore;
class MessageService;

// The rules a department must satisfy and the operations that change departments. The
// department dialog and the command line both go through these, so they refuse the same
// input with the same messages.

namespace DeptText {
inline const QString QueryFailed = QStringLiteral("查询数据库失败！");
inline const QString CodeEmpty = QStringLiteral("部门编号不能为空！");
inline const QString CodeLength = QStringLiteral("部门编号长度只能为4位！");
inline const QString CodeExists = QStringLiteral("部门编号已存在！");
inline const QString CodeBadChar = QStringLiteral("部门编号不能包含换行、制表符等控制字符！");
inline const QString NameBadChar = QStringLiteral("部门名称不能包含换行、制表符等控制字符！");
inline const QString NameEmpty = QStringLiteral("部门名称不能为空！");
inline const QString NameTotal = QStringLiteral("部门名称不能为\"合计\"！");
inline const QString NameTooLong = QStringLiteral("部门名称不能超过30个字符！");
inline const QString RenameInUse =
    QStringLiteral("修改部门名称可能会影响工资和计税的准确性，确认要修改吗？");
inline const QString NameExists = QStringLiteral("部门名称已存在！");
inline const QString SaveFailed = QStringLiteral("保存失败！");
inline const QString HasEmployees = QStringLiteral("该部门下已有员工，不能删除！");
inline const QString InUse = QStringLiteral("该部门信息已应用，不能被删除！");
inline const QString DeleteFailed = QStringLiteral("删除失败！");
inline const QString ConfirmDelete = QStringLiteral("确定要删除部门吗？");
inline const QString NotFound = QStringLiteral("未找到该部门！");
} // namespace DeptText

// Department codes count in GBK bytes after trimming: 0001, A1B2 and two Chinese characters
// all have 4. Names longer than this do not fit the back-pay working table, which keeps the
// department name in a column of 30 characters.
constexpr int kDeptCodeBytes = 4;
constexpr int kMaxDeptNameLength = 30;

enum class DeptField { None, Code, Name };

enum class DeptCheck {
    Ok,
    QueryFailed,
    CodeEmpty,
    CodeBadChar,
    CodeLength,
    CodeExists,
    NameEmpty,
    NameBadChar,
    NameTotal,
    NameTooLong,
    RenameDeclined,
    NameExists,
    SaveFailed,
};

struct DeptCheckResult
{
    DeptCheck check = DeptCheck::Ok;
    DeptField focus = DeptField::None;
    bool ok() const { return check == DeptCheck::Ok; }
};

// What the user typed, untrimmed.
struct DeptInput
{
    QString code;
    QString name;
    QString remark;
};

// The dialog's mode: in add mode editedCode and loadedName are empty.
struct DeptEditState
{
    bool adding = true;
    QString editedCode;
    QString loadedName; // trimmed, as loaded
    QString parentCode = QStringLiteral("0000");
    int parentLevel = 0;
};

bool DeptCodeLengthOk(const QString &trimmedCode);

// Runs the checks in their order; the first failure is shown and returned with the field to
// focus. May ask the rename question.
DeptCheckResult CheckDeptInput(DepartmentStore &store, MessageService &messages,
                               const DeptInput &input, const DeptEditState &state);

// Checks, then writes the trimmed row (a new one in add mode, name and remark otherwise).
DeptCheckResult SaveDept(DepartmentStore &store, MessageService &messages, const DeptInput &input,
                         const DeptEditState &state);

// False when a wage sheet row carries the department's name or a ledger row its code; a
// failing query is reported and counts as in use.
bool IsDeptUnused(DepartmentStore &store, MessageService &messages, const QString &code);
// True when no employee row of any state belongs to the department; false on failure.
bool HasNoDeptEmployees(DepartmentStore &store, MessageService &messages, const QString &code);

enum class DeptDeleteResult { Deleted, HasEmployees, InUse, Failed };

// Deletes the row when nothing refers to it. The caller has already asked for confirmation.
DeptDeleteResult DeleteDept(DepartmentStore &store, MessageService &messages, const QString &code);
