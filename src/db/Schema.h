#pragma once

#include <QString>
#include <QStringList>

class Database;

// The permanent tables of the database, written as data, and the numbered upgrade steps.
//
// Column types: MONEY is an INTEGER of ten-thousandths (declared MONEY so that results
// carry Money values), BOOLEAN is 0/1, dates are TEXT "yyyy-mm-dd". Text columns whose width
// the program shows carry a length check, so that an over-long value fails its statement
// instead of being stored.
namespace Schema {

// Version of the schema this build writes and expects (PRAGMA user_version).
// 1: the tables as first delivered; 2: TaxIncome.FactIncome; 3: the indexes of employee and
// department codes compared ignoring case (collate FOLD).
constexpr int kCurrentVersion = 3;

struct Column
{
    QString name;
    QString declaration;
};
struct Table
{
    QString name;
    QList<Column> columns;
    QStringList constraints; // table constraints after the columns
    QStringList indexes;     // CREATE INDEX statements
};

// The tables in the order they are created.
const QList<Table> &tables();
QString createStatement(const Table &table);

// Creates every table, writes the delivered rows and stamps the current version, in one
// transaction, into an empty database.
bool createDatabase(Database &db);

// Brings an older file up to the current version, one numbered step at a time, each in its
// own transaction. Safe to run on a file that is already current (nothing happens).
bool upgrade(Database &db);

// The step that gives TaxIncome its FactIncome column (0 in every existing row) when a
// file lacks it. Runs at every press of the login button; a file that has the column is
// only stamped with the version.
bool ensureFactIncome(Database &db);

// The step that adds the folded code indexes Employee_Code and Department_Code: unique, so
// that the engine itself keeps "E1" and "e1" from being two employees; plain where codes made
// earlier already collide that way.
bool ensureCodeIndexes(Database &db);

} // namespace Schema
