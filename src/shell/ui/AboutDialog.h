#pragma once

#include "app/ui/BaseWindows.h"

// "关于": the program, its version and to whom it is licensed.
class TfrmAbout final : public T_QXDialog
{
    Q_OBJECT
public:
    TfrmAbout(const QString &corpName, QWidget *parent = nullptr);
    // The login name of the person running the program.
    static QString LoginName();
};
