#include "queries/ResultGridModel.h"

ResultGridModel::ResultGridModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void ResultGridModel::setGrid(ResultGrid grid)
{
    beginResetModel();
    m_grid = std::move(grid);
    endResetModel();
}

void ResultGridModel::clear()
{
    setGrid(ResultGrid());
}

int ResultGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int ResultGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.columnCount();
}

QVariant ResultGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_grid.rowCount() ||
        index.column() >= m_grid.columnCount()) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        return m_grid.displayText(index.row(), column);
    }
    if (role == Qt::TextAlignmentRole && m_grid.isMoney(column)) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_grid.columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return m_grid.columnName(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}
