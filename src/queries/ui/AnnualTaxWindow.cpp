#include "queries/ui/AnnualTaxWindow.h"

#include "queries/AnnualTaxSummary.h"
#include "queries/QueryTexts.h"

#include <QLineEdit>

AnnualTaxWindow::AnnualTaxWindow(Database &db, MessageService &messages, FileOpener &opener,
                                 QWidget *parent)
    : GridQueryWindow(db, messages, opener,
                      {QStringLiteral("所得税个人查询"), QStringLiteral("个人所得税情况一览表"),
                       QStringLiteral("查询单个人员的全年收入及应纳税额"), false, true},
                      QueryText::ExportAnnualTax, {70, 0}, parent)
{
    setObjectName(QStringLiteral("AnnualTaxWindow"));
    addEmployeeInputs(QStringLiteral("姓 名"));
}

QueryRun AnnualTaxWindow::fetch()
{
    return RunAnnualTax(m_db, {yearText(), codeEdit()->text(), nameEdit()->text()}, namePicker());
}
