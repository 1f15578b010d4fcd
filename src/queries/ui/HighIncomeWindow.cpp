#include "queries/ui/HighIncomeWindow.h"

#include "org/OrgTypes.h"
#include "queries/QueryTexts.h"
#include "queries/TaxQueries.h"
#include "widgets/EditHelpers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

HighIncomeWindow::HighIncomeWindow(Database &db, MessageService &messages, FileOpener &opener,
                                   QWidget *parent)
    : GridQueryWindow(
          db, messages, opener,
          {QStringLiteral("高收入"), QStringLiteral("高收入人群 收入情况"), QString(), true, true},
          QueryText::ExportHighIncome, {70, 3}, parent)
{
    setObjectName(QStringLiteral("HighIncomeWindow"));
    m_limit = new QLineEdit(this);
    m_limit->setObjectName(QStringLiteral("edtLimit"));
    m_limit->setAlignment(Qt::AlignRight);
    m_limit->setMaximumWidth(100);
    DigitsOnlyKeyPress(m_limit);
    addInput(QStringLiteral("收入"), m_limit, true);
    inputs()->addWidget(new QLabel(QStringLiteral("元"), this));

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("cbxEmpType"));
    m_type->addItems({kDomestic, kForeign});
    addInput(QStringLiteral("人员类型"), m_type);
}

QueryRun HighIncomeWindow::fetch()
{
    return RunHighIncome(m_db, {yearText(), monthText(), m_limit->text(), m_type->currentText()});
}
