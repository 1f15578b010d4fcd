#include "tax/TaxLedger.h"

#include "db/Database.h"
#include "tax/TaxLedgerWriter.h"

bool InsertTaxIncome(Database &db, const RdTaxIncome &row)
{
    return TaxLedgerWriter(db).insert(row);
}
