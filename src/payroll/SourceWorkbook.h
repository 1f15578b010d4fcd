#pragma once

#include "payroll/ImportSource.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// A workbook opened for the import: its worksheets by name, and each sheet's cells as the
// import's table (see SheetGrid for how a sheet becomes rows and columns). Numbers come as
// the clerk typed them, dates as "yyyy-mm-dd" text where the format knows them.
class SourceWorkbook
{
public:
    virtual ~SourceWorkbook() = default;
    // In the workbook's order.
    virtual QStringList sheetNames() const = 0;
    // Nothing when the sheet is not there or cannot be read.
    virtual std::optional<ImportSourceTable> readSheet(const QString &name) = 0;
};

// Opens an Excel 2007+ workbook (.xlsx, a zip archive) or an Excel 97-2003 one (.xls, a
// compound document), told apart by their first bytes, not by the file's name. Nothing when
// the file is neither or cannot be read.
std::unique_ptr<SourceWorkbook> OpenSourceWorkbook(const QString &path);

// Whether the file starts like a workbook (either format): such a file is imported as Excel,
// any other as text.
bool IsWorkbookFile(const QString &path);

// The sheet a saved configuration names: the same name, or, for a name in the form the old
// spreadsheet driver listed sheets ("Sheet1$", "'My Sheet$'"), the sheet it meant. Empty when
// none matches.
QString FindSheet(const QStringList &sheets, const QString &tableName);
