#pragma once

#include "org/OrgTypes.h"

#include "widgets/BaseWindows.h"

class Database;
class MessageService;
class QTableWidget;
class QPushButton;

// The small picker of the personal queries: the employees whose name contains a fragment.
// However it is closed, the employee under the cursor is the answer, so its one button is
// "选择" (the default: Enter on the list picks) and it has no "取消".
class EmployeePickerDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    EmployeePickerDialog(const QString &fragment, const QList<EmpPickRow> &rows,
                     QWidget *parent = nullptr);

    // The code on the row under the cursor (the first row when the user did not move).
    QString currentEmpId() const;
    QTableWidget *table() const { return m_table; }
    QPushButton *chooseButton() const { return okButton(); }

private:
    QTableWidget *m_table = nullptr;
};

// Lists every employee (departed and flagged ones too) whose name contains the trimmed
// fragment and returns the chosen code; empty when the lookup failed or nobody matched. The
// callers look the name up first (EmployeeStore::byNamePart) and open this only when more
// than one employee matches.
QString PickEmpByName(Database &db, MessageService &messages, const QString &fragment,
                      QWidget *parent = nullptr);
