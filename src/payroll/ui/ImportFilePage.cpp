#include "payroll/ui/ImportFilePage.h"

#include "widgets/EditHelpers.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ImportFilePage::ImportFilePage(const QDate &today, const QList<int> &configSlots, QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout;
    auto *fileLabel = new QLabel(QStringLiteral("打开文件"), this);
    HighlightLabel(fileLabel);
    m_path = new QLineEdit(this);
    m_path->setReadOnly(true);
    GreyEdit(m_path);
    m_browse = new QPushButton(QStringLiteral("浏览"), this);
    m_browse->setAutoDefault(false);
    grid->addWidget(fileLabel, 0, 0);
    grid->addWidget(m_path, 0, 1, 1, 5);
    grid->addWidget(m_browse, 0, 6);

    m_year = new QSpinBox(this);
    m_year->setRange(1900, 2500);
    m_year->setValue(today.year());
    m_month = new QComboBox(this);
    for (int m = 1; m <= 12; ++m) {
        m_month->addItem(QString::number(m), m);
    }
    m_month->setCurrentIndex(today.month() - 1);
    auto *yearLabel = new QLabel(QStringLiteral("年"), this);
    auto *monthLabel = new QLabel(QStringLiteral("月"), this);
    HighlightLabel(yearLabel);
    HighlightLabel(monthLabel);
    grid->addWidget(m_year, 1, 1);
    grid->addWidget(yearLabel, 1, 2);
    grid->addWidget(m_month, 1, 3);
    grid->addWidget(monthLabel, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("(导入数据月份)"), this), 1, 5);

    m_config = new QComboBox(this);
    m_config->addItem(QString(), 0);
    for (int slot : configSlots) {
        m_config->addItem(QStringLiteral("配置文件%1").arg(slot), slot);
    }
    grid->addWidget(new QLabel(QStringLiteral("配置文件"), this), 2, 0);
    grid->addWidget(m_config, 2, 1, 1, 3);
    grid->setColumnStretch(5, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addSpacing(8);
    for (const char *hint : {"1.只能导入文本格式和Excel的数据；",
                             "2.文本文件必须是标准的数据文本，第一行为字段名；",
                             "3.Excel文件的第一行为栏目说明，第二行开始为数据值；"}) {
        layout->addWidget(new QLabel(QString::fromUtf8(hint), this));
    }
    layout->addStretch();

    connect(m_browse, &QPushButton::clicked, this, &ImportFilePage::browseRequested);
    connect(m_config, &QComboBox::activated, this, [this] {
        if (configSlot() > 0) {
            emit configChosen(configSlot());
        }
    });
}

QString ImportFilePage::path() const
{
    return m_path->text();
}

void ImportFilePage::setPath(const QString &path)
{
    m_path->setText(path);
    m_path->setCursorPosition(0);
}

int ImportFilePage::year() const
{
    return m_year->value();
}

int ImportFilePage::month() const
{
    return m_month->currentIndex() < 0 ? 0 : m_month->currentData().toInt();
}

int ImportFilePage::configSlot() const
{
    return m_config->currentData().toInt();
}

void ImportFilePage::clearConfigSlot()
{
    m_config->setCurrentIndex(0);
}
