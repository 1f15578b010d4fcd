#pragma once

#include "org/EmployeeListRow.h"
#include "org/OrgTypes.h"

#include <QAbstractTableModel>

#include <vector>

// The browser's employee list: read-only, one row per employee. Department code, state and
// the Deleted flag travel with each row but are not columns.
class EmployeeListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        EmpId,
        EmpName,
        DeptName,
        IdCardNo,
        Sex,
        EmpType,
        Nationality,
        Tel,
        StartDate,
        EndDate,
        Address,
        Remark,
        ColumnCount
    };

    explicit EmployeeListModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setRows(std::vector<EmployeeListRow> rows);
    void clear() { setRows({}); }
    const EmployeeListRow &rowAt(int row) const { return m_rows.at(size_t(row)); }
    bool isEmpty() const { return m_rows.empty(); }
    // The row of an employee code, or -1.
    int findEmp(const QString &empId) const;
    RdEmployee employeeAt(int row) const;

private:
    std::vector<EmployeeListRow> m_rows;
};
