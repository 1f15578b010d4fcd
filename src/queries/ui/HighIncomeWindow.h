#pragma once

#include "queries/ui/GridQueryWindow.h"

class QComboBox;
class QLineEdit;

// "高收入": the month's ledger rows whose actual income reaches a limit.
class HighIncomeWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    HighIncomeWindow(Database &db, MessageService &messages, FileOpener &opener,
                     QWidget *parent = nullptr);

    QLineEdit *limitEdit() const { return m_limit; }
    QComboBox *typeBox() const { return m_type; }

protected:
    QueryRun fetch() override;

private:
    QLineEdit *m_limit = nullptr;
    QComboBox *m_type = nullptr;
};
