#include "payroll/ImportPreviewModel.h"

#include "base/TextHelpers.h"
#include "payroll/ImportTexts.h"

namespace {

// What will be written: cents as the sheet shows them, more decimals only when the amount has
// them.
QString amountText(Money m)
{
    return m.raw() % 100 == 0 ? FormatMoney(m) : m.toString(4);
}

} // namespace

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    if (m_sheet) {
        return int(m_sheet->rows.size());
    }
    return m_result ? int(m_result->rows.size()) : 0;
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const std::size_t row = std::size_t(index.row());
    const int column = index.column();
    if (m_sheet) {
        return role == Qt::DisplayRole ? QVariant(m_sheet->rows[row].cells.value(column))
                                       : QVariant();
    }
    if (!m_result) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return column >= 3 ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const ImportedWageRow &r = m_result->rows[row];
    switch (column) {
    case 0:
        return m_year;
    case 1:
        return m_month;
    case 2:
        return r.employee.empId;
    default:
        return amountText(r.amounts.at(std::size_t(column - 3)));
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return m_headers.value(section);
}

void ImportPreviewModel::showSheet(std::shared_ptr<const ImportSourceTable> sheet)
{
    beginResetModel();
    m_result.reset();
    m_sheet = std::move(sheet);
    m_headers = m_sheet ? m_sheet->columns : QStringList();
    endResetModel();
}

void ImportPreviewModel::showResult(int year, int month, std::shared_ptr<const ImportRows> rows)
{
    beginResetModel();
    m_sheet.reset();
    m_result = std::move(rows);
    m_year = year;
    m_month = month;
    m_headers = QStringList{QStringLiteral("年"), QStringLiteral("月"), ImportText::EmpIdTarget};
    if (m_result) {
        m_headers += m_result->columns;
    }
    endResetModel();
}

void ImportPreviewModel::clear()
{
    beginResetModel();
    m_sheet.reset();
    m_result.reset();
    m_headers.clear();
    endResetModel();
}
