#pragma once

#include "queries/ui/GridQueryWindow.h"

// "个人工资明细": one employee's wages month by month over a year.
class PersonalWageWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    PersonalWageWindow(Database &db, MessageService &messages, FileOpener &opener,
                       QWidget *parent = nullptr);

protected:
    QueryRun fetch() override;
};
