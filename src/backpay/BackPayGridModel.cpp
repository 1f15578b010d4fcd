#include "backpay/BackPayGridModel.h"

int BackPayGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int BackPayGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.columnCount();
}

QVariant BackPayGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_grid.rowCount() ||
        index.column() >= m_grid.columnCount()) {
        return {};
    }
    const BackPayGridColumn &column = m_grid.columns().at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_grid.displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return column.kind == BackPayGridColumn::Kind::Money
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant BackPayGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_grid.columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return m_grid.columns().at(section).name;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags BackPayGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_editable && m_grid.columns().at(index.column()).backPayOf) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool BackPayGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !m_writer) {
        return false;
    }
    const auto row = m_writer(index.row(), index.column(), value.toString());
    if (!row) {
        return false;
    }
    replaceRow(index.row(), *row);
    return true;
}

void BackPayGridModel::setGrid(BackPayGrid grid, bool editable)
{
    beginResetModel();
    m_grid = std::move(grid);
    m_editable = editable;
    endResetModel();
}

void BackPayGridModel::clear()
{
    setGrid(BackPayGrid(), false);
}

void BackPayGridModel::replaceRow(int row, BackPayGridRow values)
{
    m_grid.replaceRow(row, std::move(values));
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}
