#include "payroll/ui/WageCellDelegate.h"

#include <QLineEdit>

QWidget *WageCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_editor = editor;
    return editor;
}

void WageCellDelegate::finishEditing()
{
    QWidget *editor = m_editor.data();
    m_editor.clear();
    // An editor the view closed already is hidden while it waits to be deleted.
    if (editor && editor->isVisible()) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
