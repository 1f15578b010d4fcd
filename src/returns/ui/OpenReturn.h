#pragma once

#include "returns/ReturnBuilder.h"

#include <functional>
#include <optional>

class Database;
class FileDialogs;
class MessageService;
class QWidget;

// What showing a return takes from the program. The agent is read when the return is opened,
// so that a company record saved in the meantime is the one printed.
struct ReturnContext
{
    Database &db;
    MessageService &messages;
    FileDialogs &files;
    std::function<WithholdingAgent()> agent;
    // The period dialog ("报表时期"); nothing when it is cancelled.
    std::function<std::optional<ReturnPeriod>(QWidget *parent)> askPeriod;
};

// The withholding report or the payment detail of one month for domestic or foreign staff:
// asks for the month, reads the ledger, lays the form out and shows it in the modal preview.
// A ledger that cannot be read is "没有任何数据存在！" and no preview; above 2,000 rows the
// user is told to wait. False when the period dialog was cancelled.
bool OpenReturn(QWidget *parent, ReturnContext &context, ReturnKind kind, bool foreignStaff);

// The blank form in the preview.
void OpenBlankReturn(QWidget *parent, ReturnContext &context, ReturnKind kind);
