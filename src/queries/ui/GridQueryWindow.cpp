#include "queries/ui/GridQueryWindow.h"

#include "base/MessageService.h"
#include "org/ui/EmployeePickerDialog.h"
#include "queries/QueryExport.h"
#include "widgets/BaseWindows.h"

#include <QLineEdit>

#include <QVBoxLayout>

GridQueryWindow::GridQueryWindow(Database &db, MessageService &messages, FileOpener &opener,
                                 const Frame &frame, const QString &exportName,
                                 ResultView::Widths widths, QWidget *parent)
    : QueryWindow(db, messages, opener, frame, parent), m_exportName(exportName), m_widths(widths)
{
    m_view = new ResultView(this);
    results()->addWidget(m_view);
}

void GridQueryWindow::query()
{
    m_view->clearGrid();
    m_export = {};
    QueryRun run = fetch();
    if (!run.heading.isEmpty()) {
        banner()->setText(run.heading);
    }
    if (!run.ok()) {
        m_messages.showInfo(run.refusal);
        return;
    }
    m_export = run.exportStatement;
    m_view->showGrid(std::move(*run.grid), m_widths);
}

void GridQueryWindow::exportResult()
{
    if (m_view->hasRows() && !m_export.isEmpty()) {
        ExportQuery(m_db, m_export, m_exportName, m_opener, m_messages);
    }
}

void GridQueryWindow::addEmployeeInputs(const QString &nameLabel)
{
    m_code = new QLineEdit(this);
    m_name = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("edtEmpId"));
    m_name->setObjectName(QStringLiteral("edtEmpName"));
    m_code->setMaximumWidth(110);
    m_name->setMaximumWidth(110);
    addInput(QStringLiteral("员工编号"), m_code);
    addInput(nameLabel, m_name);
}

EmpPicker GridQueryWindow::namePicker()
{
    return [this](const QString &name) { return PickEmpByName(m_db, m_messages, name, this); };
}
