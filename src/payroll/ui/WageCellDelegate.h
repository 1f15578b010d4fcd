#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

// The editor of an amount in the wage sheet: right-aligned like the figures around it. It
// knows its open editor, so that a toolbar command (which does not take the focus from the
// grid) can first take in what is being typed.
class WageCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    // Hands the typed text to the model and closes the editor; nothing when none is open.
    void finishEditing();

private:
    mutable QPointer<QWidget> m_editor;
};
