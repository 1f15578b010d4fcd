#pragma once

#include "base/FileDialogs.h"

// The file dialogs as real modal dialogs over the active window.
class QtFileDialogs final : public FileDialogs
{
public:
    QString openFile(const QString &title, const QString &filter, const QString &dir) override;
    QString saveFile(const QString &title, const QString &filter, const QString &dir) override;
};
