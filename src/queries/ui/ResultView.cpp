#include "queries/ui/ResultView.h"

#include "queries/ResultGridModel.h"

#include <QHeaderView>

ResultView::ResultView(QWidget *parent) : QTableView(parent), m_model(new ResultGridModel(this))
{
    setObjectName(QStringLiteral("grdResult"));
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // A column's contents are measured on the first rows only, so 100,000 rows show at once.
    horizontalHeader()->setResizeContentsPrecision(200);
}

void ResultView::showGrid(ResultGrid grid, Widths widths)
{
    m_model->setGrid(std::move(grid));
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (widths.width > 0 && c >= widths.from) {
            setColumnWidth(c, widths.width);
        } else {
            resizeColumnToContents(c);
        }
    }
}

void ResultView::clearGrid()
{
    m_model->clear();
}

bool ResultView::hasRows() const
{
    return m_model->hasRows();
}
