#include "base/MessageService.h"

#include <cstdio>

namespace {
void printLine(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}
} // namespace

void StderrMessageService::showError(const QString &text) { printLine(text); }
void StderrMessageService::showWarning(const QString &text) { printLine(text); }
void StderrMessageService::showInfo(const QString &text) { printLine(text); }
bool StderrMessageService::askYesNo(const QString &) { return true; }
