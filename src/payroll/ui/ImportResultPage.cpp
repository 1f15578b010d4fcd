#include "payroll/ui/ImportResultPage.h"

#include "payroll/ImportConfig.h"
#include "payroll/ImportPreviewModel.h"
#include "payroll/ui/ImportPreviewGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ImportResultPage::ImportResultPage(QWidget *parent) : QWidget(parent)
{
    m_preview = new ImportPreviewModel(this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_preview);
    SetUpImportPreviewGrid(m_grid);

    auto *group = new QGroupBox(QStringLiteral("配置文件保存"), this);
    m_slot = new QComboBox(group);
    m_slot->addItem(QString(), 0);
    for (int n = 1; n <= ImportConfigs::Slots; ++n) {
        m_slot->addItem(QStringLiteral("配置文件%1").arg(n), n);
    }
    m_save = new QPushButton(QStringLiteral("保存"), group);
    m_save->setAutoDefault(false);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(8, 2, 8, 4);
    row->addWidget(m_slot);
    row->addWidget(m_save);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 1);
    layout->addWidget(group);

    connect(m_save, &QPushButton::clicked, this, &ImportResultPage::saveRequested);
}

int ImportResultPage::slot() const
{
    return m_slot->currentData().toInt();
}

void ImportResultPage::setSlot(int slot)
{
    m_slot->setCurrentIndex(std::max(0, m_slot->findData(slot)));
}
