#pragma once

#include "base/AppEnv.h"

// Opens a file with the program the desktop associates with it (a workbook with the
// spreadsheet program).
class QtFileOpener final : public FileOpener
{
public:
    bool open(const QString &path) override;
};
