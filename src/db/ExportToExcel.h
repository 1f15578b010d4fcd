#pragma once

#include "base/WorkbookWriter.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;
class FileOpener;
class MessageService;

// Writes the rows of `sql` under its column names (aliases included) into a new workbook
// model/<name><n>.xlsx in the application folder, n being the first number whose file is
// absent or can be deleted, and opens it with the default program. Numbers are written as
// numbers, texts as texts. A statement that fails writes no file; the user then hears
// "文件没有找到！", as when the workbook cannot be opened. Returns the path written, or
// empty text.
//
// Columns read straight from a money column are written as amounts by themselves; an
// expression over money (sum(应发工资) as 合计) has no declared type and comes back as an
// integer of ten-thousandths, so name such columns in `moneyColumns`.
QString ExportToExcel(Database &db, const QString &sql, const QString &name, FileOpener &opener,
                      MessageService &messages, const QStringList &moneyColumns = {});
// The same for a statement with bound values.
QString ExportToExcel(Database &db, const QString &sql, const QVariantList &params,
                      const QString &name, FileOpener &opener, MessageService &messages,
                      const QStringList &moneyColumns = {});
