#include "payroll/XlsWorkbook.h"

#include "payroll/SheetGrid.h"

#include <QFile>
#include <QHash>

#include <freexl.h>

std::unique_ptr<XlsWorkbook> XlsWorkbook::open(const QString &path)
{
    const void *handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK) {
        if (handle) {
            freexl_close(handle);
        }
        return nullptr;
    }
    std::unique_ptr<XlsWorkbook> book(new XlsWorkbook);
    book->m_handle = handle;
    book->m_path = path;
    unsigned int count = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
        return nullptr;
    }
    for (unsigned int i = 0; i < count; ++i) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(i), &name) != FREEXL_OK) {
            return nullptr;
        }
        book->m_sheets << QString::fromUtf8(name ? name : "");
    }
    return book;
}

XlsWorkbook::~XlsWorkbook()
{
    if (m_handle) {
        freexl_close(m_handle);
    }
}

QStringList XlsWorkbook::sheetNames() const
{
    return m_sheets;
}

const std::vector<XlsFormulaCell> *XlsWorkbook::formulas(int sheet)
{
    if (!m_formulas) {
        m_formulas = ReadXlsFormulaResults(m_path);
    }
    if (!*m_formulas) {
        return nullptr;
    }
    const std::vector<XlsFormulaSheet> &sheets = **m_formulas;
    const QString &name = m_sheets.at(sheet);
    for (const XlsFormulaSheet &s : sheets) {
        if (!s.name.isEmpty() && s.name == name) {
            return &s.cells;
        }
    }
    // Names in a code page that could not be decoded: the sheets' order is the same.
    return std::size_t(sheet) < sheets.size() ? &sheets[std::size_t(sheet)].cells : nullptr;
}

std::optional<ImportSourceTable> XlsWorkbook::readSheet(const QString &name)
{
    const qsizetype index = m_sheets.indexOf(name);
    if (index < 0
        || freexl_select_active_worksheet(m_handle, static_cast<unsigned short>(index))
               != FREEXL_OK) {
        return std::nullopt;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(m_handle, &rows, &columns) != FREEXL_OK) {
        return std::nullopt;
    }
    // Without the formulas' results a computed amount would read as an empty cell.
    const std::vector<XlsFormulaCell> *formulaCells = formulas(int(index));
    if (!formulaCells) {
        return std::nullopt;
    }
    QHash<quint64, QString> formulaResults;
    for (const XlsFormulaCell &f : *formulaCells) {
        formulaResults.insert(quint64(f.row) << 16 | quint64(f.column), f.text);
    }
    SheetGrid grid;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(m_handle, r, c, &cell) != FREEXL_OK) {
                return std::nullopt;
            }
            QString text;
            switch (cell.type) {
            case FREEXL_CELL_INT:
                text = QString::number(cell.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                text = SheetNumberText(cell.value.double_value);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                text = QString::fromUtf8(cell.value.text_value);
                break;
            default:
                text = formulaResults.value(quint64(r) << 16 | quint64(c));
                break;
            }
            grid.set(int(r), int(c), text);
        }
    }
    return grid.toTable();
}
