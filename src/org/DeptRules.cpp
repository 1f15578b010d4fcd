#include "org/DeptRules.h"

#include "base/MessageService.h"
#include "base/SafeText.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/OrgTypes.h"

namespace {

DeptCheckResult fail(DeptCheck check, DeptField focus)
{
    return {check, focus};
}

DeptCheckResult info(MessageService &messages, const QString &text, DeptCheck check,
                     DeptField focus)
{
    messages.showInfo(text);
    return fail(check, focus);
}

DeptCheckResult queryFailed(MessageService &messages, DeptField focus)
{
    messages.showError(DeptText::QueryFailed);
    return fail(DeptCheck::QueryFailed, focus);
}

} // namespace

bool DeptCodeLengthOk(const QString &trimmedCode)
{
    return GbkLength(trimmedCode) == kDeptCodeBytes;
}

DeptCheckResult CheckDeptInput(DepartmentStore &store, MessageService &messages,
                               const DeptInput &input, const DeptEditState &state)
{
    const QString code = input.code.trimmed();
    const QString name = input.name.trimmed();

    if (code.isEmpty()) {
        return info(messages, DeptText::CodeEmpty, DeptCheck::CodeEmpty, DeptField::Code);
    }
    // A line break or a direction override in a code or name would break the listings and
    // reach the terminal of whoever prints them. The code is only typed when adding.
    if (code != state.editedCode && FindForbiddenChar(code) >= 0) {
        return info(messages, DeptText::CodeBadChar, DeptCheck::CodeBadChar, DeptField::Code);
    }
    if (!DeptCodeLengthOk(code)) {
        return info(messages, DeptText::CodeLength, DeptCheck::CodeLength, DeptField::Code);
    }
    if (code != state.editedCode) {
        const auto exists = store.codeExists(code, state.editedCode);
        if (!exists) {
            return queryFailed(messages, DeptField::Code);
        }
        if (*exists) {
            return info(messages, DeptText::CodeExists, DeptCheck::CodeExists, DeptField::Code);
        }
    }
    if (name.isEmpty()) {
        return info(messages, DeptText::NameEmpty, DeptCheck::NameEmpty, DeptField::Name);
    }
    if (FindForbiddenChar(name) >= 0) {
        return info(messages, DeptText::NameBadChar, DeptCheck::NameBadChar, DeptField::Name);
    }
    if (name == kTotalRowName) {
        return info(messages, DeptText::NameTotal, DeptCheck::NameTotal, DeptField::Name);
    }
    if (name.size() > kMaxDeptNameLength) {
        return info(messages, DeptText::NameTooLong, DeptCheck::NameTooLong, DeptField::Name);
    }
    if (!state.adding && name != state.loadedName
        && !IsDeptUnused(store, messages, state.editedCode)
        && !messages.askYesNo(DeptText::RenameInUse)) {
        return fail(DeptCheck::RenameDeclined, DeptField::None);
    }
    const auto taken = store.nameExists(name, state.editedCode);
    if (!taken) {
        return queryFailed(messages, DeptField::Name);
    }
    if (*taken) {
        return info(messages, DeptText::NameExists, DeptCheck::NameExists, DeptField::Name);
    }
    return {};
}

DeptCheckResult SaveDept(DepartmentStore &store, MessageService &messages, const DeptInput &input,
                         const DeptEditState &state)
{
    const DeptCheckResult checked = CheckDeptInput(store, messages, input, state);
    if (!checked.ok()) {
        return checked;
    }
    // The checks above may have asked a question; meanwhile another program may have taken
    // the code or the name. Asked again inside the write transaction, nobody else can.
    Transaction tx(store.database());
    if (!tx.isActive()) {
        messages.showError(store.database().failureText(DeptText::SaveFailed));
        return fail(DeptCheck::SaveFailed, DeptField::None);
    }
    const QString code = input.code.trimmed();
    const QString name = input.name.trimmed();
    const auto codeTaken = code != state.editedCode ? store.codeExists(code, state.editedCode)
                                                    : std::optional<bool>(false);
    const auto nameTaken = store.nameExists(name, state.editedCode);
    if (!codeTaken || !nameTaken) {
        return queryFailed(messages, DeptField::None);
    }
    if (*codeTaken) {
        return info(messages, DeptText::CodeExists, DeptCheck::CodeExists, DeptField::Code);
    }
    if (*nameTaken) {
        return info(messages, DeptText::NameExists, DeptCheck::NameExists, DeptField::Name);
    }
    bool saved = false;
    if (state.adding) {
        DeptRecord d;
        d.deptId = input.code.trimmed();
        d.deptName = input.name.trimmed();
        d.remark = input.remark.trimmed();
        d.deptLevel = state.parentLevel + 1;
        d.fatherId = state.parentCode;
        // Every department made here hangs below the company, whatever parent was given.
        d.deptLevelId = kRootDeptId + d.deptId;
        saved = store.insert(d);
    } else {
        saved = store.update(state.editedCode, input.name.trimmed(), input.remark.trimmed());
    }
    saved = saved && tx.commit();
    if (!saved) {
        messages.showError(store.database().failureText(DeptText::SaveFailed));
        return fail(DeptCheck::SaveFailed, DeptField::None);
    }
    return {};
}

bool IsDeptUnused(DepartmentStore &store, MessageService &messages, const QString &code)
{
    const auto used = store.isUsed(code);
    if (!used) {
        messages.showError(DeptText::QueryFailed);
        return false;
    }
    return !*used;
}

bool HasNoDeptEmployees(DepartmentStore &store, MessageService &messages, const QString &code)
{
    const auto has = store.hasEmployees(code);
    if (!has) {
        messages.showError(DeptText::QueryFailed);
        return false;
    }
    return !*has;
}

DeptDeleteResult DeleteDept(DepartmentStore &store, MessageService &messages, const QString &code)
{
    if (!HasNoDeptEmployees(store, messages, code)) {
        messages.showWarning(DeptText::HasEmployees);
        return DeptDeleteResult::HasEmployees;
    }
    if (!IsDeptUnused(store, messages, code)) {
        messages.showWarning(DeptText::InUse);
        return DeptDeleteResult::InUse;
    }
    if (!store.remove(code)) {
        messages.showError(DeptText::DeleteFailed);
        return DeptDeleteResult::Failed;
    }
    return DeptDeleteResult::Deleted;
}
