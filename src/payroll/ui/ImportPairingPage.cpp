#include "payroll/ui/ImportPairingPage.h"

#include "payroll/WageImport.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ImportPairingPage::ImportPairingPage(QWidget *parent) : QWidget(parent)
{
    m_sourceList = new QListWidget(this);
    m_targetList = new QListWidget(this);
    m_pairList = new QTreeWidget(this);
    m_pairList->setColumnCount(3);
    m_pairList->setHeaderLabels({QStringLiteral("源字段"), QString(), QStringLiteral("目的字段")});
    m_pairList->setRootIsDecorated(false);
    m_pairList->header()->setStretchLastSection(true);
    m_pairList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pairList->setColumnWidth(0, 72);
    m_pairList->setColumnWidth(1, 14);
    m_pairButton = new QToolButton(this);
    m_pairButton->setText(QStringLiteral("->"));
    m_unpairButton = new QToolButton(this);
    m_unpairButton->setText(QStringLiteral("<-"));
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pairButton);
    buttons->addWidget(m_unpairButton);
    buttons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("需导入的数据字段"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("需匹配的数据字段"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("匹配结果"), this), 0, 3);
    grid->addWidget(m_sourceList, 1, 0);
    grid->addWidget(m_targetList, 1, 1);
    grid->addLayout(buttons, 1, 2);
    grid->addWidget(m_pairList, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 5);

    connect(m_pairButton, &QToolButton::clicked, this, &ImportPairingPage::pairSelected);
    connect(m_unpairButton, &QToolButton::clicked, this, &ImportPairingPage::unpairSelected);
}

void ImportPairingPage::setNames(const QStringList &sources, const QStringList &targets)
{
    m_sources = SortedImportNames(sources);
    m_targets = SortedImportNames(targets);
    m_pairs.clear();
    refresh();
}

bool ImportPairingPage::pair(const QString &source, const QString &target)
{
    const qsizetype s = m_sources.indexOf(source);
    const qsizetype t = m_targets.indexOf(target.trimmed());
    if (s < 0 || t < 0) {
        return false;
    }
    m_pairs.append({m_sources.takeAt(s), m_targets.takeAt(t)});
    refresh();
    return true;
}

bool ImportPairingPage::pairSelected()
{
    const QListWidgetItem *s = m_sourceList->currentItem();
    const QListWidgetItem *t = m_targetList->currentItem();
    if (!s || !t) {
        return false;
    }
    return pair(s->text(), t->text());
}

bool ImportPairingPage::unpairSelected()
{
    const int row = m_pairList->indexOfTopLevelItem(m_pairList->currentItem());
    if (row < 0 || row >= m_pairs.size()) {
        return false;
    }
    const ImportPair p = m_pairs.takeAt(row);
    m_sources = SortedImportNames(m_sources << p.source);
    m_targets = SortedImportNames(m_targets << p.target);
    refresh();
    return true;
}

void ImportPairingPage::refresh()
{
    m_sourceList->clear();
    m_sourceList->addItems(m_sources);
    m_targetList->clear();
    m_targetList->addItems(m_targets);
    m_pairList->clear();
    for (const ImportPair &p : m_pairs) {
        m_pairList->addTopLevelItem(
            new QTreeWidgetItem(QStringList{p.source, QStringLiteral("="), p.target}));
    }
}
