#include "payroll/ui/PostingDateDialog.h"

#include "base/AppEnv.h"
#include "payroll/ui/MonthNames.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

PostingDateDialog::PostingDateDialog(const QString &title, int year, int month, QWidget *parent)
    : OkCancelDialog(Buttons::Vertical, title, QStringLiteral("post"), parent,
                     QStringLiteral("工资过帐"))
{
    setObjectName(QStringLiteral("PostingDateDialog"));
    setWindowTitle(title);
    helpButton()->hide();
    auto *form = new QFormLayout(body());
    form->setContentsMargins(2, 4, 2, 4);
    m_year = new QSpinBox(body());
    m_year->setObjectName(QStringLiteral("spnPostYear"));
    m_year->setRange(1900, 2500);
    m_year->setValue(year);
    m_year->setReadOnly(true);
    m_year->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_year->setFocusPolicy(Qt::NoFocus);
    m_month = new QComboBox(body());
    m_month->setObjectName(QStringLiteral("cbPostMonth"));
    m_month->addItems(PayrollMonthNames());
    m_month->setCurrentIndex(month - 1);
    m_month->setEnabled(false);
    m_date = new QDateEdit(Today(), body());
    m_date->setObjectName(QStringLiteral("dtpPostDate"));
    m_date->setLocale(QLocale(QLocale::Chinese, QLocale::China)); // 星期二, not Tuesday
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QLocale(QLocale::Chinese, QLocale::China).dateFormat(QLocale::LongFormat));
    m_date->setMinimumWidth(190);
    AddLabelledRow(form, QStringLiteral("过账年度:"), m_year);
    AddLabelledRow(form, QStringLiteral("过账月份:"), m_month);
    AddLabelledRow(form, QStringLiteral("过账日期:"), m_date);
    m_date->setFocus();
}

QString PostingDateDialog::postingDate() const
{
    return m_date->date().toString(QStringLiteral("yyyy-MM-dd"));
}

std::optional<QString> ChoosePostingDate(const QString &title, int year, int month,
                                         QWidget *parent)
{
    PostingDateDialog dialog(title, year, month, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.postingDate();
}
