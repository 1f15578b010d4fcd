#pragma once

#include "payroll/WageItem.h"

#include <QString>

class Database;
class MessageService;
class WageItemStore;

// The catalogue's rules and operations, shared by the catalogue window, the item dialog and
// the command line, so that both refuse the same input with the same words.

// Item names are at most 30 characters, descriptions 100.
constexpr int kMaxItemNameLength = 30;
constexpr int kMaxItemRemarkLength = 100;

enum class ItemField { None, Name, Type, Remark };

enum class ItemCheck {
    Ok,
    NameEmpty,
    NameInvalid,
    NameTooLong,
    TypeMissing,
    NameExists,
    RemarkTooLong,
    SaveFailed,
};

struct ItemCheckResult
{
    ItemCheck check = ItemCheck::Ok;
    ItemField focus = ItemField::None;
    bool ok() const { return check == ItemCheck::Ok; }
};

// The draft guard that add, edit and delete run first: false (after telling why) while some
// sheet is a draft, and also when that cannot be found out.
bool GuardNoDraft(WageItemStore &store, MessageService &messages);

// "添加": the guard.
bool BeginAddWageItem(WageItemStore &store, MessageService &messages);
// "编辑" on the current row (nullptr when the list is empty): the guard, then a basic item is
// refused.
bool BeginEditWageItem(WageItemStore &store, MessageService &messages, const RdWageItem *current);

// The item dialog's checks on "确定", in their order: name given, name valid as typed (the
// message comes from ValidateName), name length, type chosen, and, when the trimmed name is not
// the one the dialog opened with, no other item (nor a fixed column of Wage) of that name;
// then the description's length. `rememberedName` is empty when adding.
ItemCheckResult CheckWageItemInput(WageItemStore &store, MessageService &messages,
                                   const RdWageItem &typed, const QString &rememberedName);

// The record as the dialog hands it back: trimmed name and description.
RdWageItem WageItemToSave(const RdWageItem &typed);

// Checks, then appends a new catalogue row (not a basic item). No Wage column is made here:
// the wage window adds it when it next opens.
ItemCheckResult AddWageItem(WageItemStore &store, MessageService &messages,
                            const RdWageItem &typed);
// Checks, then rewrites the catalogue row `edited`. A new name changes only the catalogue row:
// the old column keeps its data, the new one is added empty when the wage window next opens.
ItemCheckResult ChangeWageItem(WageItemStore &store, MessageService &messages,
                               const RdWageItem &edited, const RdWageItem &typed);

enum class ItemDeleteResult { Deleted, Refused, Declined, Failed };

// "删除" on the current row (nullptr when the list is empty): the guard, basic items refused,
// an item holding a non-zero amount in any month refused, the question, then the column, the
// item's snapshot rows and the catalogue row go together in one transaction.
ItemDeleteResult DeleteWageItem(WageItemStore &store, MessageService &messages,
                                const RdWageItem *current);

// Gives every catalogue item, in use or not, its money column in Wage. False when the
// catalogue or the table cannot be read, or a column cannot be added (the caller shows
// "更新工资表错误！").
bool AddMissingItemColumns(Database &db);

// Records the month's items in WageItem (the items in use, and the bonus row when the month
// paid one-off bonuses). Posting calls it inside its own transaction.
bool SnapshotWageItems(Database &db, int year, int month);
