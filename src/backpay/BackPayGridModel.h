#pragma once

#include "backpay/BackPayGrid.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>

// A back-pay grid for a table view: amounts right-aligned with two decimals, titles centred.
// On a pending sheet the months' back-pay columns can be typed into; each typed value goes to
// the writer, which stores it and returns the row as it now reads (its taxes and totals
// follow), or nothing when it was refused.
class BackPayGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Writer =
        std::function<std::optional<BackPayGridRow>(int row, int column, const QString &text)>;

    explicit BackPayGridModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // A new grid; `editable` lets the months' back pay be typed.
    void setGrid(BackPayGrid grid, bool editable);
    void clear();
    void setWriter(Writer writer) { m_writer = std::move(writer); }
    // Replaces one row after a change made elsewhere.
    void replaceRow(int row, BackPayGridRow values);

    const BackPayGrid &grid() const { return m_grid; }
    bool isEditable() const { return m_editable; }

private:
    BackPayGrid m_grid;
    bool m_editable = false;
    Writer m_writer;
};
