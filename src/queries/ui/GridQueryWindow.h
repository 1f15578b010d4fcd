#pragma once

#include "queries/EmployeeLookup.h"
#include "queries/QueryStatement.h"
#include "queries/ui/QueryWindow.h"
#include "queries/ui/ResultView.h"

// A query window with one grid: it shows what query() gives, keeps the statement for the
// export, and writes that statement's rows to a workbook under the window's export name.
class QLineEdit;

class GridQueryWindow : public QueryWindow
{
    Q_OBJECT
public:
    GridQueryWindow(Database &db, MessageService &messages, FileOpener &opener, const Frame &frame,
                    const QString &exportName, ResultView::Widths widths,
                    QWidget *parent = nullptr);

    ResultView *view() const { return m_view; }
    const QueryStatement &exportStatement() const { return m_export; }
    QString exportName() const { return m_exportName; }

    void exportResult() override;

    // The personal queries' "员工编号" and name fields (null in the other windows).
    QLineEdit *codeEdit() const { return m_code; }
    QLineEdit *nameEdit() const { return m_name; }

protected:
    void addEmployeeInputs(const QString &nameLabel);
    // Several employees match the name: the name picker chooses.
    EmpPicker namePicker();
    // Builds and runs the window's query from its inputs.
    virtual QueryRun fetch() = 0;
    void query() override;

private:
    ResultView *m_view = nullptr;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QueryStatement m_export;
    QString m_exportName;
    ResultView::Widths m_widths;
};
