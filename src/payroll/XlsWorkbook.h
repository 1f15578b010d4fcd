#pragma once

#include "payroll/SourceWorkbook.h"
#include "payroll/XlsFormulaResults.h"

// An Excel 97-2003 workbook, read through FreeXL; the results of formula cells, which FreeXL
// leaves empty, come from XlsFormulaResults.
class XlsWorkbook final : public SourceWorkbook
{
public:
    // Nothing when FreeXL cannot open the file.
    static std::unique_ptr<XlsWorkbook> open(const QString &path);
    ~XlsWorkbook() override;
    XlsWorkbook(const XlsWorkbook &) = delete;
    XlsWorkbook &operator=(const XlsWorkbook &) = delete;

    QStringList sheetNames() const override;
    std::optional<ImportSourceTable> readSheet(const QString &name) override;

private:
    XlsWorkbook() = default;

    const std::vector<XlsFormulaCell> *formulas(int sheet);

    QString m_path;
    const void *m_handle = nullptr;
    QStringList m_sheets;
    std::optional<std::optional<std::vector<XlsFormulaSheet>>> m_formulas; // read once
};
