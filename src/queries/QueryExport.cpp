#include "queries/QueryExport.h"

#include "db/ExportToExcel.h"

QString ExportQuery(Database &db, const QueryStatement &statement, const QString &name,
                    FileOpener &opener, MessageService &messages)
{
    return ExportToExcel(db, statement.sql, statement.params, name, opener, messages,
                         statement.moneyColumns);
}
