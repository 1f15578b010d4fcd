#pragma once

#include "org/OrgTypes.h"

#include <QDialog>

class Database;
class MessageService;
class QTableWidget;
class QPushButton;

// The small picker of the personal queries: the employees whose name contains a fragment.
// However it is closed, the employee under the cursor is the answer.
class TFrmGetEmpleeeID final : public QDialog
{
    Q_OBJECT
public:
    TFrmGetEmpleeeID(const QString &fragment, const QList<EmpPickRow> &rows,
                     QWidget *parent = nullptr);

    // The code on the row under the cursor (the first row when the user did not move).
    QString currentEmpId() const;
    QTableWidget *table() const { return m_table; }
    QPushButton *chooseButton() const { return m_choose; }

private:
    QTableWidget *m_table = nullptr;
    QPushButton *m_choose = nullptr;
};

// Lists every employee (departed and flagged ones too) whose name contains the trimmed
// fragment and returns the chosen code; empty when the lookup failed or nobody matched. The
// callers look the name up first (EmployeeStore::byNamePart) and open this only when more
// than one employee matches.
QString PickEmpByName(Database &db, MessageService &messages, const QString &fragment,
                      QWidget *parent = nullptr);
