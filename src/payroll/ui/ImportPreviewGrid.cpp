#include "payroll/ui/ImportPreviewGrid.h"

#include <QHeaderView>
#include <QTableView>

void SetUpImportPreviewGrid(QTableView *grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setDefaultSectionSize(70);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}
