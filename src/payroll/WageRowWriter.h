#pragma once

#include "db/Database.h"

class WageRow;
class WageSheetLayout;

// Writes wage rows with statements prepared once, for generation and the computation of whole
// sheets (100,000 rows) as much as for one edited row. The layout's money columns are written;
// other columns of Wage keep their defaults (insert) or their values (update).
class WageRowWriter
{
public:
    WageRowWriter(Database &db, const WageSheetLayout &layout);

    // A new row: period, state, employee, department and the layout's amounts. The row gets
    // its WageID.
    bool insert(WageRow &row);
    // The layout's amounts of the row with the row's WageID. False also when no such row is
    // left.
    bool update(const WageRow &row);

private:
    bool bindAmounts(Statement &st, int first, const WageRow &row);

    Database &m_db;
    int m_columns = 0;
    Statement m_insert;
    Statement m_update;
};
