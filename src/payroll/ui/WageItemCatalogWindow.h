#pragma once

#include "payroll/WageItem.h"
#include "payroll/WageItemStore.h"

#include "widgets/BaseWindows.h"

#include <QList>

#include <functional>

class MessageService;
class QCheckBox;
class QPushButton;
class QTableWidget;

// "工资项目设定": the catalogue of wage items, read-only as a list (项目名称, 项目类型, 项目描述,
// 是否启用; 是否只读 hidden), with "添加", "编辑", "删除" and "关闭". Items are changed only
// while no sheet is a draft, so a draft is always computed with the items it was made with.
// A modal dialog of the main window.
class WageItemCatalogWindow final : public BaseDialog
{
    Q_OBJECT
public:
    enum Column { Name, Type, Remark, InUse, ReadOnly, ColumnCount };

    WageItemCatalogWindow(Database &db, MessageService &messages, QWidget *parent = nullptr);

    // "添加(&N)", "编辑(&E)", "删除(&D)" on the current row.
    void addItem();
    void editItem();
    void deleteItem();

    QTableWidget *list() const { return m_list; }
    QCheckBox *showUnusedBox() const { return m_showUnused; }
    QPushButton *button(const QString &caption) const;
    // The item of the current row, or nothing when the list is empty.
    const RdWageItem *currentItem() const;
    // Makes the row of an item current; false when it is not in the list.
    bool selectItem(const QString &name);

    // What the dialog that adds or changes an item does (the item dialog; replaced in tests).
    std::function<bool(RdWageItem &item, bool adding)> editDialog;

private:
    void reload();
    void showRows(const QString &keepName);

    WageItemStore m_store;
    MessageService &m_messages;
    QList<RdWageItem> m_items;
    QList<int> m_rows; // the index in m_items of every row shown
    QTableWidget *m_list = nullptr;
    QCheckBox *m_showUnused = nullptr;
    QList<QPushButton *> m_buttons;
};

// Runs the catalogue modally.
void ShowWageItems(Database &db, MessageService &messages, QWidget *parent = nullptr);
