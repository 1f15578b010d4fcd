#pragma once

#include "payroll/ImportSource.h"
#include "payroll/WageImport.h"

#include <QAbstractTableModel>

#include <memory>

// The wizard's two read-only grids: a worksheet as read ("浏览表数据"), and the rows an import
// will write ("显示结果": 年, 月 and the paired columns).
class ImportPreviewModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ImportPreviewModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void showSheet(std::shared_ptr<const ImportSourceTable> sheet);
    void showResult(int year, int month, std::shared_ptr<const ImportRows> rows);
    void clear();

private:
    QStringList m_headers;
    std::shared_ptr<const ImportSourceTable> m_sheet;
    std::shared_ptr<const ImportRows> m_result;
    int m_year = 0;
    int m_month = 0;
};
