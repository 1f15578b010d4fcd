#include "queries/ui/PersonalWageWindow.h"

#include "queries/QueryTexts.h"
#include "queries/WageReports.h"

#include <QLineEdit>

PersonalWageWindow::PersonalWageWindow(Database &db, MessageService &messages, FileOpener &opener,
                                       QWidget *parent)
    : GridQueryWindow(
          db, messages, opener,
          {QStringLiteral("个人工资明细"), QStringLiteral("工资明细"), QString(), false, true},
          QueryText::ExportPersonalWage, {65, 0}, parent)
{
    setObjectName(QStringLiteral("PersonalWageWindow"));
    addEmployeeInputs(QStringLiteral("姓  名"));
}

QueryRun PersonalWageWindow::fetch()
{
    return RunPersonalWage(m_db, {yearText(), codeEdit()->text(), nameEdit()->text()},
                           namePicker());
}
