#pragma once

#include "queries/ui/GridQueryWindow.h"

// "所得税个人查询": one employee's income and tax of a year by income group.
class AnnualTaxWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    AnnualTaxWindow(Database &db, MessageService &messages, FileOpener &opener,
                    QWidget *parent = nullptr);

protected:
    QueryRun fetch() override;
};
