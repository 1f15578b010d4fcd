#include "queries/ui/PersonalPayoutWindow.h"

#include "queries/QueryTexts.h"
#include "queries/TaxQueries.h"

#include <QLineEdit>

PersonalPayoutWindow::PersonalPayoutWindow(Database &db, MessageService &messages,
                                           FileOpener &opener, QWidget *parent)
    : GridQueryWindow(db, messages, opener,
                      {QStringLiteral("个人支出明细"), QStringLiteral("支出明细"),
                       QStringLiteral("不输入人员时默认为 全部人员查询"), true, true},
                      QueryText::ExportPayout, {70, 3}, parent)
{
    setObjectName(QStringLiteral("PersonalPayoutWindow"));
    addEmployeeInputs(QStringLiteral("姓 名"));
}

QueryRun PersonalPayoutWindow::fetch()
{
    return RunPayout(m_db, {yearText(), monthText(), codeEdit()->text(), nameEdit()->text()},
                     namePicker());
}
