#pragma once

#include "payroll/WageItem.h"
#include "payroll/WageItemRules.h"

#include "widgets/BaseWindows.h"

class MessageService;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class WageItemStore;

// "工资项目": one wage item's name, type, whether it is in use, and its description. The
// catalogue window opens it to add an item (a fresh record) or to change one; "确定" runs the
// checks in their order, focuses the field of the first that fails, and saves. The dialog
// closes only once the item is saved, so nothing typed is lost to a refusal.
class WageItemDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    // `item` is what the dialog opens with; `adding` says whether it is appended or the
    // catalogue row of that name rewritten.
    WageItemDialog(WageItemStore &store, MessageService &messages, const RdWageItem &item,
                   bool adding, QWidget *parent = nullptr);

    // The item as typed (untrimmed), and as it was saved once the dialog was accepted.
    RdWageItem typed() const;
    RdWageItem saved() const { return m_saved; }

    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *typeBox() const { return m_type; }
    QCheckBox *inUseBox() const { return m_inUse; }
    QPlainTextEdit *remarkEdit() const { return m_remark; }

protected:
    bool onOk() override;

private:
    void keepRemarkShort();

    WageItemStore &m_store;
    MessageService &m_messages;
    RdWageItem m_opened;
    bool m_adding;
    RdWageItem m_saved;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QCheckBox *m_inUse = nullptr;
    QPlainTextEdit *m_remark = nullptr;
};

// EditWageItem: runs the dialog on `item`; true when the user confirmed and the item was saved
// (added, or the row named item.ItemName rewritten). `item` then holds the saved values.
bool EditWageItem(WageItemStore &store, MessageService &messages, RdWageItem &item, bool adding,
                  QWidget *parent = nullptr);
