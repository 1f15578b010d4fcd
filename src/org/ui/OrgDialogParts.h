#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// Pieces every dialog of the organisation windows shares: the white title band at the top
// and "确定"/"取消" at the bottom right. Neither button is a default button, so Enter never
// saves by accident.
QLabel *MakeTitleBand(const QString &title, QWidget *parent);

struct OkCancelButtons
{
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};
// Adds a line and the two buttons to the layout; "取消" rejects the dialog.
OkCancelButtons AddOkCancel(QDialog *dialog, QBoxLayout *layout);
