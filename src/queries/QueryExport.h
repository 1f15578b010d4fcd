#pragma once

#include "queries/QueryStatement.h"

class Database;
class FileOpener;
class MessageService;

// Writes the rows of a window's stored statement into a new workbook under the window's
// export name and opens it; the path written, or empty text (the user has been told).
QString ExportQuery(Database &db, const QueryStatement &statement, const QString &name,
                    FileOpener &opener, MessageService &messages);
