#include "payroll/WageItemStore.h"

#include "db/Database.h"
#include "db/Sql.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageSheetLayout.h"

std::optional<QList<RdWageItem>> WageItemStore::read(const QString &sql, const QVariantList &params)
{
    const auto r = m_db.query(sql, params);
    if (!r) {
        return std::nullopt;
    }
    QList<RdWageItem> items;
    items.reserve(r->rowCount());
    for (int i = 0; i < r->rowCount(); ++i) {
        RdWageItem item;
        item.ItemName = r->text(i, 0);
        item.ItemType = r->text(i, 1);
        item.IsInUse = r->value(i, 2).toLongLong() != 0;
        item.ReadOnly = r->value(i, 3).toLongLong() != 0;
        item.Remark = r->text(i, 4);
        items << item;
    }
    return items;
}

std::optional<QList<RdWageItem>> WageItemStore::items()
{
    return read(
        QStringLiteral("select ItemName, ItemType, IsInUse, ReadOnly, Remark from Dict_Item "
                       "order by rowid"));
}

std::optional<QList<RdWageItem>> WageItemStore::itemsInUse()
{
    return read(
        QStringLiteral("select ItemName, ItemType, IsInUse, ReadOnly, Remark from Dict_Item "
                       "where IsInUse = 1 order by rowid"));
}

std::optional<QList<RdWageItem>> WageItemStore::snapshot(int year, int month)
{
    return read(QStringLiteral("select ItemName, ItemType, 1, ReadOnly, '' from WageItem "
                               "where ItemYear = ? and ItemMonth = ? order by rowid"),
                {year, month});
}

std::optional<QStringList> WageItemStore::itemTypes()
{
    const auto r = m_db.query(
        QStringLiteral("select ItemType from Dict_ItemType where IsResult = 0 order by rowid"));
    if (!r) {
        return std::nullopt;
    }
    QStringList types;
    for (int i = 0; i < r->rowCount(); ++i) {
        if (!r->text(i, 0).isEmpty()) {
            types << r->text(i, 0);
        }
    }
    return types;
}

std::optional<bool> WageItemStore::nameExists(const QString &name)
{
    // The catalogue is a few dozen rows; comparing here folds every letter, not only ASCII.
    const auto r = m_db.query(QStringLiteral("select ItemName from Dict_Item"));
    if (!r) {
        return std::nullopt;
    }
    for (int i = 0; i < r->rowCount(); ++i) {
        if (r->text(i, 0).compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<bool> WageItemStore::itemHasData(const QString &name)
{
    if (!ContainsColumn(wageColumns(), name)) {
        return false;
    }
    const QString column = QuoteIdent(name);
    const auto r =
        m_db.query(QStringLiteral("select 1 from Wage where ") + column +
                   QStringLiteral(" is not null and ") + column + QStringLiteral(" <> 0 limit 1"));
    if (!r) {
        return std::nullopt;
    }
    return !r->isEmpty();
}

std::optional<bool> WageItemStore::draftExists()
{
    const auto r = m_db.query(QStringLiteral("select 1 from Wage where WageState = ? limit 1"),
                              {WageText::Draft});
    if (!r) {
        return std::nullopt;
    }
    return !r->isEmpty();
}

bool WageItemStore::insert(const RdWageItem &item)
{
    return m_db.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                                    "Remark) values (?, ?, ?, ?, ?)"),
                     {item.ItemName, item.ItemType, item.IsInUse, item.ReadOnly, item.Remark});
}

bool WageItemStore::update(const QString &oldName, const RdWageItem &item)
{
    return m_db.exec(QStringLiteral("update Dict_Item set ItemName = ?, ItemType = ?, IsInUse = ?, "
                                    "Remark = ? where ItemName = ?"),
                     {item.ItemName, item.ItemType, item.IsInUse, item.Remark, oldName}) &&
           m_db.changes() == 1;
}

bool WageItemStore::remove(const QString &name)
{
    return m_db.exec(QStringLiteral("delete from Dict_Item where ItemName = ?"), {name});
}

QStringList WageItemStore::wageColumns()
{
    return m_db.columns(QStringLiteral("Wage"));
}

bool WageItemStore::addItemColumn(const QString &name)
{
    return m_db.addColumn(QStringLiteral("Wage"), name, QStringLiteral("MONEY"));
}

bool WageItemStore::dropItemColumn(const QString &name)
{
    return m_db.dropColumn(QStringLiteral("Wage"), name);
}

bool WageItemStore::deleteSnapshotRows(const QString &name)
{
    return m_db.exec(QStringLiteral("delete from WageItem where ItemName = ?"), {name});
}

bool WageItemStore::writeSnapshot(int year, int month, std::optional<bool> bonusPaid)
{
    if (!m_db.exec(QStringLiteral("insert into WageItem (ItemYear, ItemMonth, ItemName, ItemType, "
                                  "ReadOnly) select ?, ?, ItemName, ItemType, ReadOnly from "
                                  "Dict_Item where IsInUse = 1 order by rowid"),
                   {year, month})) {
        return false;
    }
    if (!bonusPaid) {
        const auto bonuses = m_db.scalar(
            QStringLiteral("select count(*) from Wage where WageYear = ? and WageMonth = ? and "
                           "一次性奖金 is not null and 一次性奖金 <> 0"),
            {year, month});
        if (!bonuses) {
            return false;
        }
        bonusPaid = bonuses->toLongLong() > 0;
    }
    if (!*bonusPaid) {
        return true;
    }
    return m_db.exec(
        QStringLiteral("insert into WageItem (ItemYear, ItemMonth, ItemName, ItemType, "
                       "ReadOnly) values (?, ?, ?, ?, 1)"),
        {year, month, WageText::BonusTaxType, WageText::BasicItemType});
}
