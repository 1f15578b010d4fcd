#include "queries/ui/BankPaymentWindow.h"

#include "queries/QueryTexts.h"
#include "queries/WageReports.h"

BankPaymentWindow::BankPaymentWindow(Database &db, MessageService &messages, FileOpener &opener,
                                     QWidget *parent)
    : GridQueryWindow(db, messages, opener,
                      {QStringLiteral("银行发放"), QStringLiteral("银行发放工资一览表"), QString(),
                       true, true, QStringLiteral("bank")},
                      QueryText::ExportBankList, {}, parent)
{
    setObjectName(QStringLiteral("BankPaymentWindow"));
}

QueryRun BankPaymentWindow::fetch()
{
    return RunWageReport(m_db, WageReport::BankList, {yearText(), monthText(), QString()});
}
