#include "queries/ui/WageListWindow.h"

#include "queries/DepartmentChoices.h"
#include "queries/QueryTexts.h"
#include "queries/WageReports.h"

#include <QComboBox>

WageListWindow::WageListWindow(Database &db, MessageService &messages, FileOpener &opener,
                               QWidget *parent)
    : GridQueryWindow(db, messages, opener,
                      {QStringLiteral("工资单"), QStringLiteral("职工工资单"),
                       QStringLiteral("默认为 公司全部人员记录"), true, true,
                       QStringLiteral("slip")},
                      QueryText::ExportWageList, {65, 0}, parent)
{
    setObjectName(QStringLiteral("WageListWindow"));
    m_dept = new QComboBox(this);
    m_dept->setObjectName(QStringLiteral("cbxDept"));
    m_dept->setEditable(true);
    m_dept->addItems(DepartmentChoices(db));
    m_dept->setCurrentIndex(-1);
    m_dept->setMinimumWidth(140);
    addInput(QStringLiteral("部门"), m_dept);
}

QueryRun WageListWindow::fetch()
{
    return RunWageReport(m_db, WageReport::WageList,
                         {yearText(), monthText(), m_dept->currentText()});
}
