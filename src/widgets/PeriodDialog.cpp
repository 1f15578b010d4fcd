#include "widgets/PeriodDialog.h"

#include "base/AppEnv.h"
#include "widgets/EditHelpers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {
const QString kDefaultTitle = QStringLiteral("报表时期");
}

PeriodDialog::PeriodDialog(const QString &title, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, title.isEmpty() ? kDefaultTitle : title,
                     QStringLiteral("report"), parent)
{
    setObjectName(QStringLiteral("PeriodDialog"));
    setWindowTitle(title.isEmpty() ? kDefaultTitle : title);
    const QDate today = Today();

    m_year = new QSpinBox(body());
    m_year->setObjectName(QStringLiteral("yearBox"));
    m_year->setRange(1900, 2500);
    m_year->setValue(today.year());
    // The year is chosen with the arrows (or the arrow keys), never typed: it cannot be left
    // empty or half-typed.
    if (auto *edit = m_year->findChild<QLineEdit *>()) {
        edit->setReadOnly(true);
    }
    m_year->setMinimumWidth(90);

    m_month = new QComboBox(body());
    m_month->setObjectName(QStringLiteral("monthBox"));
    for (int m = 1; m <= 12; ++m) {
        m_month->addItem(QString::number(m), m);
    }
    m_month->setCurrentIndex(today.month() - 1);
    m_month->setMinimumWidth(90);

    auto *form = new QFormLayout(body());
    form->setContentsMargins(24, 8, 24, 8);
    AddLabelledRow(form, QStringLiteral("年份(&Y)："), m_year);
    AddLabelledRow(form, QStringLiteral("月份(&M)："), m_month);

    EnterToNextControl(this);
    m_year->setFocus();
}

YearMonth PeriodDialog::period() const
{
    return {m_year->value(), m_month->currentData().toInt()};
}

std::optional<YearMonth> SelectPeriod(const QString &title, QWidget *parent)
{
    PeriodDialog dialog(title, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.period();
}
