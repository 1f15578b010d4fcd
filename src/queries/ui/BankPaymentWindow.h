#pragma once

#include "queries/ui/GridQueryWindow.h"

// "银行发放": the month's net pay per wage row with the identity and bank card numbers.
class BankPaymentWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    BankPaymentWindow(Database &db, MessageService &messages, FileOpener &opener,
                      QWidget *parent = nullptr);

protected:
    QueryRun fetch() override;
};
