#include "backpay/ui/BackPayAmountDelegate.h"

#include "widgets/EditHelpers.h"

#include <QLineEdit>

QWidget *BackPayAmountDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                             const QModelIndex &) const
{
    auto *edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFrame(false);
    MoneyKeyPress(edit);
    return edit;
}
