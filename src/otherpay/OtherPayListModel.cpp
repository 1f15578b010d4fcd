#include "otherpay/OtherPayListModel.h"

#include "base/TextHelpers.h"

int OtherPayListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OtherPayListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool OtherPayListModel::isAmountColumn(int column)
{
    switch (column) {
    case Income:
    case TaxIncome:
    case ReceiveTaxMoney:
    case MinusFare:
    case TaxMoney:
    case OughtTaxMoney:
        return true;
    default:
        return false;
    }
}

QString OtherPayListModel::cellText(const OtherPayment &p, int column)
{
    switch (column) {
    case Id:
        return QString::number(p.id);
    case EmpName:
        return p.empName;
    case EmpId:
        return p.empId;
    case EmpCardNo:
        return p.empCardNo;
    case EmpType:
        return p.empType;
    case TaxType:
        return p.taxType;
    case DeptID:
        return p.deptId;
    case DeptName:
        return p.deptName;
    case Address:
        return p.address;
    case TaxRate:
        return p.taxRate.toPlainString();
    case TakeOutMoney:
        return p.takeOutMoney.toPlainString();
    case TaxNumber:
        return p.taxNumber;
    case TaxDate:
        return p.taxDate;
    case Income:
        return FormatMoney(p.income);
    case TaxIncome:
        return FormatMoney(p.taxIncome);
    case ReceiveTaxMoney:
        return FormatMoney(p.receiveTaxMoney);
    case MinusFare:
        return FormatMoney(p.minusFare);
    case TaxMoney:
        return FormatMoney(p.taxMoney);
    case OughtTaxMoney:
        return FormatMoney(p.oughtTaxMoney);
    default:
        return {};
    }
}

QString OtherPayListModel::columnName(int column)
{
    static const char *const names[ColumnCount] = {
        "Id",           "EmpName",  "EmpId",     "EmpCardNo",       "EmpType",      "TaxType",
        "DeptID",       "DeptName", "Address",   "TaxRate",         "TakeOutMoney", "TaxNumber",
        "TaxDate",      "Income",   "TaxIncome", "ReceiveTaxMoney", "MinusFare",    "TaxMoney",
        "OughtTaxMoney"};
    return (column >= 0 && column < ColumnCount) ? QString::fromLatin1(names[column]) : QString();
}

QVariant OtherPayListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || index.column() >= ColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return cellText(m_rows.at(index.row()), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = isAmountColumn(index.column()) || index.column() == TaxRate ||
                            index.column() == TakeOutMoney;
        return int(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant OtherPayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role == Qt::DisplayRole) {
        return columnName(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

void OtherPayListModel::setRows(QList<OtherPayment> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int OtherPayListModel::findId(qint64 id) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).id == id) {
            return i;
        }
    }
    return -1;
}
