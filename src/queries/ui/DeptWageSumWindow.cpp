#include "queries/ui/DeptWageSumWindow.h"

#include "queries/QueryTexts.h"
#include "queries/WageReports.h"

#include <QComboBox>

DeptWageSumWindow::DeptWageSumWindow(Database &db, MessageService &messages, FileOpener &opener,
                                     QWidget *parent)
    : GridQueryWindow(db, messages, opener,
                      {QStringLiteral("部门工资汇总"), QStringLiteral("月部门工资汇总"), QString(),
                       true, false},
                      QueryText::ExportDeptSums, {65, 0}, parent)
{
    setObjectName(QStringLiteral("DeptWageSumWindow"));
    // The one window whose month may be typed (and so left empty).
    monthBox()->setEditable(true);
}

QueryRun DeptWageSumWindow::fetch()
{
    return RunWageReport(m_db, WageReport::DeptSums, {yearText(), monthText(), QString()});
}
