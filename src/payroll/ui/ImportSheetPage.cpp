#include "payroll/ui/ImportSheetPage.h"

#include "payroll/ImportPreviewModel.h"
#include "payroll/ui/ImportPreviewGrid.h"
#include "widgets/EditHelpers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ImportSheetPage::ImportSheetPage(QWidget *parent) : QWidget(parent)
{
    auto *label = new QLabel(QStringLiteral("显示工作表"), this);
    HighlightLabel(label);
    m_sheets = new QComboBox(this);
    m_sheets->setMinimumWidth(160);
    m_show = new QPushButton(QStringLiteral("浏览表数据"), this);
    m_show->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_sheets);
    row->addWidget(m_show);
    row->addStretch();

    m_preview = new ImportPreviewModel(this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_preview);
    SetUpImportPreviewGrid(m_grid);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(
        new QLabel(QStringLiteral("工作表第一行必须为包括每列的说明，第二行开始为数据行；"), this));
    layout->addWidget(m_grid, 1);

    connect(m_show, &QPushButton::clicked, this, &ImportSheetPage::showRequested);
}

void ImportSheetPage::setSheets(const QStringList &names)
{
    m_sheets->clear();
    m_sheets->addItems(names);
    m_sheets->setCurrentIndex(-1);
    m_preview->clear();
}

QString ImportSheetPage::sheet() const
{
    return m_sheets->currentIndex() < 0 ? QString() : m_sheets->currentText();
}

void ImportSheetPage::setSheet(const QString &name)
{
    m_sheets->setCurrentIndex(m_sheets->findText(name, Qt::MatchExactly));
}
