#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Database;

// The wage reports add up every money column of Wage but the sheet's fixed ones; wage items
// come and go as columns, so the list is read from the table each time a report runs.
namespace WageColumns {

// The 16 columns that are never summed.
const QStringList &fixedColumns();

// The summed columns in reverse table order, so that the newest item comes first. Nothing
// when the table cannot be read.
std::optional<QStringList> summed(Database &db);

// ", sum(<table>."X") as cN" for each column, N counting on from firstAlias; with an empty
// alias prefix the result columns are left unnamed (for the later arms of a union).
QString sumList(const QStringList &columns, const QString &table, int firstAlias,
                bool withAliases = true);

} // namespace WageColumns
