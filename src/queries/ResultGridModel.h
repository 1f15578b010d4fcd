#pragma once

#include "queries/ResultGrid.h"

#include <QAbstractTableModel>

// A query's grid for a read-only view: texts as they are, amounts with two decimals and
// right-aligned, titles centred. Cells are formatted only when a view asks for them, so a
// result of 100,000 rows shows at once.
class ResultGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ResultGridModel(QObject *parent = nullptr);

    void setGrid(ResultGrid grid);
    void clear();
    bool hasRows() const { return m_grid.rowCount() > 0; }
    const ResultGrid &grid() const { return m_grid; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ResultGrid m_grid;
};
