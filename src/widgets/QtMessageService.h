#pragma once

#include "base/MessageService.h"

class QWidget;

// The four message boxes as real modal boxes, owned by the active window.
class QtMessageService final : public MessageService
{
public:
    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInfo(const QString &text) override;
    bool askYesNo(const QString &text) override;
};
