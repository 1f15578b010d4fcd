#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

// Writes one worksheet of a new .xlsx workbook: a header row, then rows of values. Amounts
// (`Money` values, or integers of ten-thousandths in a column marked as money) become numbers
// with the format "0.00", other numbers numbers, everything else text; null cells stay empty.
// Nothing is on disk in a usable state until `close()` returned true.
class WorkbookWriter
{
public:
    WorkbookWriter(const QString &path, const QString &sheetName);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter &) = delete;
    WorkbookWriter &operator=(const WorkbookWriter &) = delete;

    bool isOpen() const;
    // Column titles; `moneyColumns` names the columns whose integers are ten-thousandths.
    void writeHeader(const QStringList &titles, const QStringList &moneyColumns = {});
    void writeRow(const QVariantList &values);
    bool close();

    // Worksheet names are at most 31 characters and may not hold []:*?/\ .
    static QString sheetNameFor(const QString &name);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

// The file an export named `name` writes next: model/<name><n>.xlsx in the application folder,
// n the first number whose file is absent or can be deleted.
QString NextExportPath(const QString &name);
