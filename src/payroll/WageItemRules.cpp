#include "payroll/WageItemRules.h"

#include "base/MessageService.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageItemStore.h"
#include "payroll/WageSheetLayout.h"

namespace {

ItemCheckResult info(MessageService &messages, const QString &text, ItemCheck check,
                     ItemField focus)
{
    messages.showInfo(text);
    return {check, focus};
}

} // namespace

bool GuardNoDraft(WageItemStore &store, MessageService &messages)
{
    const auto draft = store.draftExists();
    if (!draft) {
        // Not knowing whether a draft exists is no permission to change its columns.
        messages.showError(WageText::QueryFailed);
        return false;
    }
    if (*draft) {
        messages.showWarning(WageText::DraftExists);
        return false;
    }
    return true;
}

bool BeginAddWageItem(WageItemStore &store, MessageService &messages)
{
    return GuardNoDraft(store, messages);
}

bool BeginEditWageItem(WageItemStore &store, MessageService &messages, const RdWageItem *current)
{
    if (!GuardNoDraft(store, messages)) {
        return false;
    }
    if (!current) {
        messages.showInfo(WageText::NothingToEdit);
        return false;
    }
    if (current->ReadOnly) {
        messages.showInfo(WageText::BasicNoEdit);
        return false;
    }
    return true;
}

ItemCheckResult CheckWageItemInput(WageItemStore &store, MessageService &messages,
                                   const RdWageItem &typed, const QString &rememberedName)
{
    const QString name = typed.ItemName.trimmed();
    if (name.isEmpty()) {
        return info(messages, WageText::EnterItemName, ItemCheck::NameEmpty, ItemField::Name);
    }
    if (!ValidateName(typed.ItemName, WageText::ItemNameLabel, messages)) {
        return {ItemCheck::NameInvalid, ItemField::Name};
    }
    if (name.size() > kMaxItemNameLength) {
        return info(messages, WageText::ItemNameTooLong, ItemCheck::NameTooLong, ItemField::Name);
    }
    if (typed.ItemType.isEmpty()) {
        return info(messages, WageText::ChooseItemType, ItemCheck::TypeMissing, ItemField::Type);
    }
    if (name != rememberedName) {
        // A name that a fixed column of Wage already has would make the item that column.
        // A failed lookup counts as no such item; the insert itself cannot alias anything.
        const bool taken = IsReservedWageColumn(name) || store.nameExists(name).value_or(false);
        if (taken) {
            return info(messages, WageText::ItemExists, ItemCheck::NameExists, ItemField::Name);
        }
    }
    if (typed.Remark.trimmed().size() > kMaxItemRemarkLength) {
        return info(messages, WageText::RemarkTooLong, ItemCheck::RemarkTooLong, ItemField::Remark);
    }
    return {};
}

RdWageItem WageItemToSave(const RdWageItem &typed)
{
    RdWageItem item = typed;
    item.ItemName = typed.ItemName.trimmed();
    item.Remark = typed.Remark.trimmed();
    return item;
}

ItemCheckResult AddWageItem(WageItemStore &store, MessageService &messages, const RdWageItem &typed)
{
    const ItemCheckResult checked = CheckWageItemInput(store, messages, typed, QString());
    if (!checked.ok()) {
        return checked;
    }
    RdWageItem item = WageItemToSave(typed);
    item.ReadOnly = false;
    if (!store.insert(item)) {
        messages.showError(WageText::SaveItemFailed);
        return {ItemCheck::SaveFailed, ItemField::None};
    }
    return {};
}

ItemCheckResult ChangeWageItem(WageItemStore &store, MessageService &messages,
                               const RdWageItem &edited, const RdWageItem &typed)
{
    const ItemCheckResult checked = CheckWageItemInput(store, messages, typed, edited.ItemName);
    if (!checked.ok()) {
        return checked;
    }
    if (!store.update(edited.ItemName, WageItemToSave(typed))) {
        messages.showError(WageText::SaveItemFailed);
        return {ItemCheck::SaveFailed, ItemField::None};
    }
    return {};
}

ItemDeleteResult DeleteWageItem(WageItemStore &store, MessageService &messages,
                                const RdWageItem *current)
{
    if (!GuardNoDraft(store, messages)) {
        return ItemDeleteResult::Refused;
    }
    if (!current) {
        messages.showInfo(WageText::NothingToDelete);
        return ItemDeleteResult::Refused;
    }
    if (current->ReadOnly) {
        messages.showInfo(WageText::BasicNoDelete);
        return ItemDeleteResult::Refused;
    }
    const QString name = current->ItemName;
    const auto hasData = store.itemHasData(name);
    if (!hasData) {
        // Whether some month holds an amount in it is unknown: the column stays.
        messages.showError(WageText::QueryFailed);
        return ItemDeleteResult::Failed;
    }
    if (*hasData) {
        messages.showWarning(WageText::ItemHasData);
        return ItemDeleteResult::Refused;
    }
    if (!messages.askYesNo(WageText::ConfirmDeleteItem)) {
        return ItemDeleteResult::Declined;
    }
    Database &db = store.database();
    Transaction tx(db);
    const bool hasColumn = ContainsColumn(store.wageColumns(), name);
    const bool done = tx.isActive() && (!hasColumn || store.dropItemColumn(name)) &&
                      store.deleteSnapshotRows(name) && store.remove(name) && tx.commit();
    if (!done) {
        messages.showError(WageText::DeleteItemFailed + u'\n' + db.lastError());
        return ItemDeleteResult::Failed;
    }
    return ItemDeleteResult::Deleted;
}

bool AddMissingItemColumns(Database &db)
{
    WageItemStore store(db);
    const auto items = store.items();
    const QStringList columns = store.wageColumns();
    if (!items || columns.isEmpty()) {
        return false;
    }
    bool ok = true;
    QStringList have = columns;
    for (const RdWageItem &item : *items) {
        if (item.ItemName.isEmpty() || ContainsColumn(have, item.ItemName)) {
            continue;
        }
        if (store.addItemColumn(item.ItemName)) {
            have << item.ItemName;
        } else {
            ok = false;
        }
    }
    return ok;
}

bool SnapshotWageItems(Database &db, int year, int month)
{
    return WageItemStore(db).writeSnapshot(year, month);
}
