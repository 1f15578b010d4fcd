#pragma once

#include "queries/ui/GridQueryWindow.h"

// "个人支出明细": the month's ledger rows of one employee, or of everybody.
class PersonalPayoutWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    PersonalPayoutWindow(Database &db, MessageService &messages, FileOpener &opener,
                         QWidget *parent = nullptr);

protected:
    QueryRun fetch() override;
};
