#include "org/EmpRules.h"

#include "base/MessageService.h"
#include "base/SafeText.h"
#include "db/Database.h"
#include "org/EmployeeStore.h"

namespace {

EmpCheckResult info(MessageService &messages, const QString &text, EmpCheck check, EmpField focus)
{
    messages.showInfo(text);
    return {check, focus};
}

} // namespace

QString NationalityDefault(const QString &empType)
{
    return empType == kDomestic ? kChina : QString();
}

EmpCheckResult CheckEmpInput(EmployeeStore &store, MessageService &messages, const EmpInput &input,
                             const EmpEditState &state)
{
    return CheckEmpInput([&](const QString &code) { return store.idExists(code); }, messages, input,
                         state);
}

EmpCheckResult CheckEmpInput(const EmpCodeTaken &codeTaken, MessageService &messages,
                             const EmpInput &input, const EmpEditState &state)
{
    const QString code = input.fields.empId.trimmed();
    const QString name = input.fields.empName.trimmed();

    if (code.isEmpty()) {
        return info(messages, EmpText::CodeEmpty, EmpCheck::CodeEmpty, EmpField::Code);
    }
    // A line break or a direction override in a code or name would break the listings and
    // reach the terminal of whoever prints them. The code is only typed when adding.
    if (state.adding && FindForbiddenChar(code) >= 0) {
        return info(messages, EmpText::CodeBadChar, EmpCheck::CodeBadChar, EmpField::Code);
    }
    if (state.adding) {
        if (code.size() > kMaxEmpIdLength) {
            return info(messages, EmpText::CodeTooLong, EmpCheck::CodeTooLong, EmpField::Code);
        }
        const auto exists = codeTaken(code);
        if (!exists) {
            messages.showError(EmpText::QueryFailed);
            return {EmpCheck::QueryFailed, EmpField::Code};
        }
        if (*exists) {
            return info(messages, EmpText::CodeExists, EmpCheck::CodeExists, EmpField::Code);
        }
    }
    if (name.isEmpty()) {
        return info(messages, EmpText::NameEmpty, EmpCheck::NameEmpty, EmpField::Name);
    }
    if (FindForbiddenChar(name) >= 0) {
        return info(messages, EmpText::NameBadChar, EmpCheck::NameBadChar, EmpField::Name);
    }
    if (name.size() > kMaxEmpNameLength) {
        return info(messages, EmpText::NameTooLong, EmpCheck::NameTooLong, EmpField::Name);
    }
    if (!state.adding && name != state.loadedName && !messages.askYesNo(EmpText::RenameAsk)) {
        return {EmpCheck::RenameDeclined, EmpField::Name};
    }
    if (input.fields.idCardNo.trimmed().isEmpty()) {
        return info(messages, EmpText::IdCardEmpty, EmpCheck::IdCardEmpty, EmpField::IdCard);
    }
    if (input.entryDate > input.departureDate) {
        return info(messages, EmpText::DatesReversed, EmpCheck::DatesReversed, EmpField::EndDate);
    }
    return {};
}

EmployeeRecord EmpRecordToSave(const EmpInput &input, const EmpEditState &state)
{
    const EmployeeRecord &f = input.fields;
    EmployeeRecord e;
    e.empId = f.empId.trimmed();
    e.empName = f.empName.trimmed();
    e.deptId = state.deptId.trimmed();
    e.idCardNo = f.idCardNo.trimmed();
    e.sex = f.sex.trimmed();
    e.empType = f.empType.trimmed();
    e.nationality = f.nationality.trimmed();
    e.tel = f.tel.trimmed();
    e.address = f.address.trimmed();
    e.remark = f.remark.trimmed();
    e.bankName = f.bankName.trimmed();
    e.cardNo = f.cardNo.trimmed();
    e.empState = input.inService ? 1 : 0;
    e.startDate = input.entryDate;
    e.endDate = input.inService ? state.storedEndDate : input.departureDate;
    e.deleted = f.deleted;
    return e;
}

EmpCheckResult SaveEmp(EmployeeStore &store, MessageService &messages, const EmpInput &input,
                       const EmpEditState &state)
{
    const EmpCheckResult checked = CheckEmpInput(store, messages, input, state);
    if (!checked.ok()) {
        return checked;
    }
    const EmployeeRecord row = EmpRecordToSave(input, state);
    // The checks above may have asked a question; meanwhile another program may have added
    // the same code. Asked again inside the write transaction, nobody else can.
    Transaction tx(store.database());
    bool saved = tx.isActive();
    if (saved && state.adding) {
        const auto exists = store.idExists(row.empId);
        if (exists && *exists) {
            return info(messages, EmpText::CodeExists, EmpCheck::CodeExists, EmpField::Code);
        }
        saved = exists.has_value();
    }
    if (!saved || !(state.adding ? store.insert(row) : store.update(row)) || !tx.commit()) {
        messages.showError(store.database().failureText(EmpText::SaveFailed));
        return {EmpCheck::SaveFailed, EmpField::None};
    }
    return {};
}

bool IsEmpUnused(EmployeeStore &store, MessageService &messages, const QString &empId)
{
    const auto used = store.isUsed(empId);
    if (!used) {
        messages.showError(EmpText::QueryFailed);
        return false;
    }
    return !*used;
}

EmpDeleteResult DeleteEmp(EmployeeStore &store, MessageService &messages, const QString &empId)
{
    if (!IsEmpUnused(store, messages, empId)) {
        messages.showWarning(EmpText::InUse);
        return EmpDeleteResult::InUse;
    }
    if (!store.remove(empId)) {
        messages.showError(EmpText::DeleteFailed);
        return EmpDeleteResult::Failed;
    }
    return EmpDeleteResult::Deleted;
}

EmpMoveResult TransferEmp(EmployeeStore &store, MessageService &messages, const QString &empId,
                          const QString &targetDeptId)
{
    if (targetDeptId.isEmpty()) {
        messages.showInfo(EmpText::NoTarget);
        return EmpMoveResult::NoTarget;
    }
    if (!store.move(empId, targetDeptId)) {
        messages.showError(EmpText::MoveFailed);
        return EmpMoveResult::Failed;
    }
    return EmpMoveResult::Moved;
}
