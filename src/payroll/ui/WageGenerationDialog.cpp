#include "payroll/ui/WageGenerationDialog.h"

#include "base/AppEnv.h"
#include "payroll/WageSheetStore.h"
#include "payroll/ui/MonthNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {

const QString kTitle = QStringLiteral("工资生成");

} // namespace

WageGenerationDialog::WageGenerationDialog(Database &db, MessageService &messages,
                                           QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, kTitle, QStringLiteral("wage"), parent), m_db(db),
      m_messages(messages)
{
    setObjectName(QStringLiteral("WageGenerationDialog"));
    setWindowTitle(kTitle);
    auto *form = new QFormLayout(body());
    form->setContentsMargins(2, 4, 2, 4);
    m_year = new QSpinBox(body());
    m_year->setObjectName(QStringLiteral("spnYear"));
    m_year->setRange(1900, 2500);
    m_year->findChild<QLineEdit *>()->setReadOnly(true); // the arrows only
    m_year->setMinimumWidth(120);
    m_month = new QComboBox(body());
    m_month->setObjectName(QStringLiteral("cbMonth"));
    m_month->addItems(PayrollMonthNames());
    m_copy = new QCheckBox(QStringLiteral("复制上月工资"), body());
    m_copy->setObjectName(QStringLiteral("chkCopy"));
    AddLabelledRow(form, QStringLiteral("年度:"), m_year);
    AddLabelledRow(form, QStringLiteral("月份:"), m_month);
    form->addRow(QString(), m_copy);

    const QDate today = Today();
    m_year->setValue(today.year());
    m_month->setCurrentIndex(today.month() - 1);
}

bool WageGenerationDialog::onOk()
{
    const int year = m_year->value();
    const int month = m_month->currentIndex() + 1;
    WageSheetStore store(m_db);
    // The window makes one run a month: a posted month is always refused.
    const SheetPeriodChoice choice = CheckSheetPeriod(store, m_messages, year, month, 1);
    if (choice.refused()) {
        return false;
    }
    m_request = {year, month, choice, m_copy->isChecked()};
    return true;
}

std::optional<SheetRequest> ChooseSheetPeriod(Database &db, MessageService &messages,
                                              QWidget *parent)
{
    WageGenerationDialog dialog(db, messages, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.request();
}
