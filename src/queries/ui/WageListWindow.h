#pragma once

#include "queries/ui/GridQueryWindow.h"

class QComboBox;

// "工资单": the month's wages per employee, of one department (and those whose name
// begins with it) or of the whole company.
class WageListWindow final : public GridQueryWindow
{
    Q_OBJECT
public:
    WageListWindow(Database &db, MessageService &messages, FileOpener &opener,
                   QWidget *parent = nullptr);

    QComboBox *deptBox() const { return m_dept; }

protected:
    QueryRun fetch() override;

private:
    QComboBox *m_dept = nullptr;
};
