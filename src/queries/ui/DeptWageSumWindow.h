#pragma once

#include "queries/ui/GridQueryWindow.h"

// "部门工资汇总": the month's wages summed per department.
class DeptWageSumWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    DeptWageSumWindow(Database &db, MessageService &messages, FileOpener &opener,
                      QWidget *parent = nullptr);

protected:
    QueryRun fetch() override;
};
