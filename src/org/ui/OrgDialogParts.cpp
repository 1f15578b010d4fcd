#include "org/ui/OrgDialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

QLabel *MakeTitleBand(const QString &title, QWidget *parent)
{
    auto *band = new QLabel(title, parent);
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, Qt::white);
    band->setPalette(p);
    QFont f = band->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    band->setFont(f);
    band->setContentsMargins(12, 10, 12, 10);
    band->setFrameShape(QFrame::StyledPanel);
    return band;
}

OkCancelButtons AddOkCancel(QDialog *dialog, QBoxLayout *layout)
{
    auto *line = new QFrame(dialog);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(10, 0, 10, 0);
    row->addStretch();
    OkCancelButtons b;
    b.ok = new QPushButton(QStringLiteral("确定"), dialog);
    b.cancel = new QPushButton(QStringLiteral("取消"), dialog);
    for (QPushButton *button : {b.ok, b.cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        row->addWidget(button);
    }
    layout->addLayout(row);
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}
