#include "backpay/ui/BackPayMonthsDialog.h"

#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"
#include "base/AppEnv.h"
#include "base/MessageService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QVariant monthData(const BackPayMonth &m)
{
    return m.year * 100 + m.month;
}

} // namespace

BackPayMonthsDialog::BackPayMonthsDialog(Candidates candidates, const BackPayMonths &chosen,
                                         MessageService &messages, QWidget *parent)
    : OkCancelDialog(Buttons::Vertical, BackPayText::title(), QStringLiteral("wage"), parent,
                     BackPayText::helpKeyword()),
      m_candidates(std::move(candidates)), m_messages(messages)
{
    setWindowTitle(BackPayText::title());
    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(4, 4, 4, 4);

    auto *yearLabel = new QLabel(QStringLiteral("选择年度:"), body());
    m_year = new QSpinBox(body());
    m_year->setRange(1900, 2500);
    m_year->setValue(Today().year());
    yearLabel->setBuddy(m_year);
    m_allYears = new QCheckBox(QStringLiteral("全部年度"), body());
    auto *yearRow = new QHBoxLayout;
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(m_year);
    yearRow->addWidget(m_allYears);
    yearRow->addStretch();
    grid->addLayout(yearRow, 0, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("已发放工资月:"), body()), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("补发工资月:"), body()), 1, 2);
    m_offered = new QListWidget(body());
    m_chosen = new QListWidget(body());
    for (QListWidget *list : {m_offered, m_chosen}) {
        list->setMinimumSize(130, 220);
    }
    grid->addWidget(m_offered, 2, 0);
    grid->addWidget(m_chosen, 2, 2);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    const std::pair<const char *, void (BackPayMonthsDialog::*)()> moves[] = {
        {">", &BackPayMonthsDialog::moveRight},
        {">>", &BackPayMonthsDialog::moveAllRight},
        {"<", &BackPayMonthsDialog::moveLeft},
        {"<<", &BackPayMonthsDialog::moveAllLeft}};
    for (const auto &[caption, slot] : moves) {
        auto *button = new QPushButton(QString::fromLatin1(caption), body());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 2, 1);

    connect(m_offered, &QListWidget::itemDoubleClicked, this, &BackPayMonthsDialog::moveRight);
    connect(m_chosen, &QListWidget::itemDoubleClicked, this, &BackPayMonthsDialog::moveLeft);
    connect(m_year, &QSpinBox::valueChanged, this, &BackPayMonthsDialog::reload);
    connect(m_allYears, &QCheckBox::toggled, this, &BackPayMonthsDialog::reload);

    for (const BackPayMonth &m : chosen) {
        addItem(m_chosen, m);
    }
    reload();
}

BackPayMonth BackPayMonthsDialog::monthOf(const QListWidgetItem *item)
{
    const int v = item->data(Qt::UserRole).toInt();
    return {v / 100, v % 100};
}

void BackPayMonthsDialog::addItem(QListWidget *list, const BackPayMonth &month)
{
    auto *item = new QListWidgetItem(month.key(), list);
    item->setData(Qt::UserRole, monthData(month));
}

BackPayMonths BackPayMonthsDialog::chosen() const
{
    BackPayMonths months;
    for (int i = 0; i < m_chosen->count(); ++i) {
        months << monthOf(m_chosen->item(i));
    }
    return months;
}

void BackPayMonthsDialog::reload()
{
    m_offered->clear();
    const auto months =
        m_candidates(m_allYears->isChecked() ? std::nullopt : std::optional<int>(m_year->value()));
    if (!months) {
        return;
    }
    const BackPayMonths taken = chosen();
    for (const BackPayMonth &m : *months) {
        if (!taken.contains(m)) {
            addItem(m_offered, m);
        }
    }
}

bool BackPayMonthsDialog::belongsLeft(const BackPayMonth &month) const
{
    if (!m_allYears->isChecked() && month.year != m_year->value()) {
        return false;
    }
    for (int i = 0; i < m_offered->count(); ++i) {
        if (monthOf(m_offered->item(i)) == month) {
            return false;
        }
    }
    return true;
}

void BackPayMonthsDialog::moveRight()
{
    QListWidgetItem *item = m_offered->currentItem();
    if (item) {
        addItem(m_chosen, monthOf(item));
        delete item;
    }
}

void BackPayMonthsDialog::moveAllRight()
{
    while (m_offered->count() > 0) {
        m_offered->setCurrentRow(0);
        moveRight();
    }
}

void BackPayMonthsDialog::moveLeft()
{
    QListWidgetItem *item = m_chosen->currentItem();
    if (!item) {
        return;
    }
    const BackPayMonth month = monthOf(item);
    delete item;
    if (belongsLeft(month)) {
        addItem(m_offered, month);
    }
}

void BackPayMonthsDialog::moveAllLeft()
{
    while (m_chosen->count() > 0) {
        m_chosen->setCurrentRow(0);
        moveLeft();
    }
}

bool BackPayMonthsDialog::onOk()
{
    const QString refusal = CheckMonthChoice(m_chosen->count());
    if (!refusal.isEmpty()) {
        m_messages.showInfo(refusal);
        return false;
    }
    return true;
}
