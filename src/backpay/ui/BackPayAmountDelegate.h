#pragma once

#include <QStyledItemDelegate>

// The editor of an amount cell: digits and one decimal point only, right-aligned.
class BackPayAmountDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};
