#include "org/EmployeeListModel.h"

int EmployeeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EmployeeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EmployeeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || role != Qt::DisplayRole) {
        return {};
    }
    // The columns are the row's fields less the department code.
    static constexpr EmployeeListRow::Field fields[ColumnCount] = {
        EmployeeListRow::EmpId,     EmployeeListRow::EmpName,     EmployeeListRow::DeptName,
        EmployeeListRow::IdCardNo,  EmployeeListRow::Sex,         EmployeeListRow::EmpType,
        EmployeeListRow::Nationality, EmployeeListRow::Tel,       EmployeeListRow::StartDate,
        EmployeeListRow::EndDate,   EmployeeListRow::Address,     EmployeeListRow::Remark};
    if (index.column() < 0 || index.column() >= ColumnCount) {
        return {};
    }
    return m_rows[size_t(index.row())].field(fields[index.column()]);
}

QVariant EmployeeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    static const char *const titles[ColumnCount] = {
        "员工编号", "姓名",     "部门名称", "身份证号", "性别", "员工类别",
        "国籍",     "电话",     "入职日期", "离职日期", "地址", "说明"};
    return (section >= 0 && section < ColumnCount) ? QString::fromUtf8(titles[section])
                                                   : QVariant();
}

void EmployeeListModel::setRows(std::vector<EmployeeListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int EmployeeListModel::findEmp(const QString &empId) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].view(EmployeeListRow::EmpId) == empId) {
            return int(i);
        }
    }
    return -1;
}

RdEmployee EmployeeListModel::employeeAt(int row) const
{
    const EmployeeListRow &r = rowAt(row);
    return {r.empId(), r.empName(), r.deptId(), r.deptName(), r.empType()};
}
