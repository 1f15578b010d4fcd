#pragma once

#include "widgets/BaseWindows.h"

// "关于": the program, its version and to whom it is licensed.
class AboutDialog final : public BaseDialog
{
    Q_OBJECT
public:
    AboutDialog(const QString &corpName, QWidget *parent = nullptr);
    // The login name of the person running the program.
    static QString LoginName();
};
