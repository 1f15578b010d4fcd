#include "payroll/ui/ImportStartLinePage.h"

#include "payroll/ImportConfig.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

ImportStartLinePage::ImportStartLinePage(QWidget *parent) : QWidget(parent)
{
    m_layouts = new QListWidget(this);
    m_layouts->addItem(QStringLiteral("分隔符号(D)-用分列字符，如逗号或Tab键分隔每个字段"));
    m_layouts->setCurrentRow(0);
    m_layouts->setMaximumHeight(60);

    m_startLine = new QSpinBox(this);
    m_startLine->setRange(1, ImportConfigs::MaxStartLine);
    m_startLine->setValue(1);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("导入行起点："), this));
    row->addWidget(m_startLine);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("文件类型选择"), this));
    layout->addWidget(m_layouts);
    layout->addSpacing(10);
    layout->addLayout(row);
    layout->addStretch();
}

int ImportStartLinePage::startLine() const
{
    return m_startLine->value();
}

void ImportStartLinePage::setStartLine(int line)
{
    m_startLine->setValue(line);
}
