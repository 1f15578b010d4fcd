#pragma once

#include "queries/ResultGrid.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

class Database;

// A query as a window keeps it between running and exporting: the statement, its bound
// values and which of its result columns hold amounts.
struct QueryStatement
{
    QString sql;
    QVariantList params;
    QStringList moneyColumns;

    bool isEmpty() const { return sql.isEmpty(); }
};

// What running a query gives a window: either a refusal to show (ShowInfo) or a grid, the
// statement its export runs and, for the personal queries, the heading.
struct QueryRun
{
    QString refusal;
    std::optional<ResultGrid> grid;
    QueryStatement exportStatement;
    QString heading;

    bool ok() const { return refusal.isEmpty() && grid.has_value(); }
    static QueryRun refused(const QString &message)
    {
        QueryRun run;
        run.refusal = message;
        return run;
    }
};

// How a query orders by a department or employee name: in pinyin order, as the clerk reads
// the names.
inline const QString kByName = QStringLiteral(" collate PINYIN");

// A statement whose rows come in the order `orderBy` names, followed by one total row, as
// one statement (the workbook gets both). `rows` and `total` are the two arms without their
// "select"; the first names its result columns c0, c1, ... in order, and `names` gives them
// the names the grid and the workbook show. `orderBy` refers to c0, c1, ...
QString WithTotalRow(const QStringList &names, const QString &rows, const QString &total,
                     const QString &orderBy);

// Runs the statement into a grid; nothing when the engine refused it.
std::optional<ResultGrid> RunGrid(Database &db, const QueryStatement &statement);

// The statement on one line with its values written in as SQL literals (numbers as they
// are, texts quoted with inner quotes doubled). Only for keeping a record of what ran (the
// annual summary leaves its export statement in sql.ini); never executed.
QString ReadableSql(const QueryStatement &statement);
