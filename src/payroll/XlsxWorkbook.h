#pragma once

#include "payroll/SourceWorkbook.h"

#include <QList>

// An Excel 2007+ workbook read straight from its zip archive: the sheet list from
// xl/workbook.xml and its relationships, the shared strings, and each worksheet's cells
// (shared strings, inline strings, numbers, the cached results of formulas).
class XlsxWorkbook final : public SourceWorkbook
{
public:
    // Nothing when the archive or its workbook part cannot be read.
    static std::unique_ptr<XlsxWorkbook> open(const QString &path);

    QStringList sheetNames() const override;
    std::optional<ImportSourceTable> readSheet(const QString &name) override;

private:
    struct Sheet
    {
        QString name;
        QString part; // the sheet's file inside the archive
    };
    XlsxWorkbook() = default;
    bool readSharedStrings();

    QString m_path;
    QList<Sheet> m_sheets;
    QStringList m_sharedStrings;
    bool m_sharedStringsRead = false;
};
