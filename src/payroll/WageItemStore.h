#pragma once

#include "payroll/WageItem.h"

#include <QList>
#include <QStringList>

#include <optional>

class Database;

// The SQL of the catalogue (Dict_Item, Dict_ItemType), of the monthly snapshots (WageItem) and
// of the item columns of Wage. Lists come in table order. Every query returns nothing
// (std::nullopt) when the engine failed; callers report it.
class WageItemStore
{
public:
    explicit WageItemStore(Database &db) : m_db(db) {}

    Database &database() { return m_db; }

    std::optional<QList<RdWageItem>> items();
    std::optional<QList<RdWageItem>> itemsInUse();
    // The items recorded for a posted month (the bonus row of type "基本项" included).
    std::optional<QList<RdWageItem>> snapshot(int year, int month);
    // The types the item dialog offers (IsResult false), empty texts left out.
    std::optional<QStringList> itemTypes();

    // Another catalogue row has this name, ignoring case (the engine would give both the same
    // column).
    std::optional<bool> nameExists(const QString &name);
    // Some wage row of any month holds a non-zero amount in the item's column. An item that
    // has no column yet holds nothing.
    std::optional<bool> itemHasData(const QString &name);
    // Some wage sheet row is a draft.
    std::optional<bool> draftExists();

    bool insert(const RdWageItem &item);
    // Rewrites the row named `oldName` (name, type, flag in use, description).
    bool update(const QString &oldName, const RdWageItem &item);
    bool remove(const QString &name);

    // The columns of Wage, in table order.
    QStringList wageColumns();
    bool addItemColumn(const QString &name);
    bool dropItemColumn(const QString &name);
    bool deleteSnapshotRows(const QString &name);
    // Records the catalogue's items in use for a month, and the "基本项" row of the one-off
    // bonus when some row of the month pays one (`bonusPaid`, when the caller knows; else the
    // month's rows are asked).
    bool writeSnapshot(int year, int month, std::optional<bool> bonusPaid = std::nullopt);

private:
    std::optional<QList<RdWageItem>> read(const QString &sql, const QVariantList &params = {});

    Database &m_db;
};
