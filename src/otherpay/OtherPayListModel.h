#pragma once

#include "otherpay/OtherPayTypes.h"

#include <QAbstractTableModel>
#include <QList>

// The month's payments as the other-payments window lists them: read-only, the columns of the
// ledger under their own names. The six amount columns read "0.00"; rate and quick deduction
// show their plain value.
class OtherPayListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Id,
        EmpName,
        EmpId,
        EmpCardNo,
        EmpType,
        TaxType,
        DeptID,
        DeptName,
        Address,
        TaxRate,
        TakeOutMoney,
        TaxNumber,
        TaxDate,
        Income,
        TaxIncome,
        ReceiveTaxMoney,
        MinusFare,
        TaxMoney,
        OughtTaxMoney,
        ColumnCount
    };

    explicit OtherPayListModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setRows(QList<OtherPayment> rows);
    void clear() { setRows({}); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const OtherPayment &rowAt(int row) const { return m_rows.at(row); }
    // The row of a payment ID, or -1.
    int findId(qint64 id) const;

    // The text of one cell as the list shows it (also what the command line prints).
    static QString cellText(const OtherPayment &p, int column);
    static QString columnName(int column);
    static bool isAmountColumn(int column);

private:
    QList<OtherPayment> m_rows;
};
