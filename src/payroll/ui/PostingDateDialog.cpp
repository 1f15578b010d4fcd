#include "payroll/ui/PostingDateDialog.h"

#include "base/AppEnv.h"

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
    setWindowTitle(title);
    // The help button belongs to the dialog family; posting has nothing to add to the date.
    if (helpButton()) {
        helpButton()->hide();
    }
    auto *form = new QFormLayout(body());
    form->setContentsMargins(4, 8, 4, 8);

    m_year = new QSpinBox(body());
    m_year->setRange(1900, 2500);
    m_year->setValue(year);
    m_year->setReadOnly(true);
    m_year->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_year->setFocusPolicy(Qt::NoFocus);

    m_month = new QComboBox(body());
    const char *names[] = {"一月份", "二月份", "三月份", "四月份", "五月份",   "六月份",
                           "七月份", "八月份", "九月份", "十月份", "十一月份", "十二月"};
    for (const char *n : names) {
        m_month->addItem(QString::fromUtf8(n));
    }
    m_month->setCurrentIndex(month - 1);
    m_month->setEnabled(false);

    m_date = new QDateEdit(Today(), body());
    m_date->setCalendarPopup(true);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    m_date->setLocale(chinese);
    m_date->setDisplayFormat(chinese.dateFormat(QLocale::LongFormat));
    m_date->setMinimumWidth(160);

    AddLabelledRow(form, QStringLiteral("过账年度:"), m_year);
    AddLabelledRow(form, QStringLiteral("过账月份:"), m_month);
    AddLabelledRow(form, QStringLiteral("过账日期:"), m_date);
    m_date->setFocus();
}

QDate PostingDateDialog::postingDate() const
{
    return m_date->date();
}

std::optional<QDate> ChoosePostingDate(const QString &title, int year, int month, QWidget *parent)
{
    PostingDateDialog dialog(title, year, month, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.postingDate();
}
