#pragma once

#include "payroll/ImportSource.h"

#include <QString>
#include <QStringList>

#include <optional>

class Database;
class Progress;

// The working table importE: the sheet copied from the source file, one text column per
// source column, each row kept under its line in the file (the rowid). Every copy makes it
// afresh; it stays until the next one.
class ImportTableStore
{
public:
    static inline const QString Table = QStringLiteral("importE");

    explicit ImportTableStore(Database &db) : m_db(db) {}

    // Replaces importE by the sheet, all or nothing: when anything fails the table is left as
    // it was. One progress step per row (the caller begins and finishes the run).
    bool fill(const ImportSourceTable &sheet, Progress *progress = nullptr);
    // The columns in their order; nothing when the table is not there.
    std::optional<QStringList> columns();
    // Some columns of every row, with the row's line, in the order of the file.
    std::optional<ImportSourceTable> read(const QStringList &columns);

private:
    Database &m_db;
};
