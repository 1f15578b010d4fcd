#include "returns/ReturnForm.h"

#include "returns/FormCanvas.h"

#include <QPageSize>
#include <QPainter>

namespace {
// A4 landscape.
constexpr double kPaperHeight = 210.0;
} // namespace

QPageLayout ReturnForm::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, margins(),
                       QPageLayout::Millimeter);
}

double ReturnForm::pageHeight() const
{
    const QMarginsF m = margins();
    return kPaperHeight - m.top() - m.bottom();
}

PageBands ReturnForm::bands() const
{
    return {pageHeight(), headerHeight(true), headerHeight(false),
            rowHeight(),  closingHeight(),    footerHeight()};
}

void ReturnForm::layOut()
{
    m_pages = LayOutPages(rowCount(), bands(), rowLimits());
}

void ReturnForm::render(QPainter &painter, int index) const
{
    if (index < 0 || index >= pageCount()) {
        return;
    }
    const PagePlan &page = m_pages.pages[size_t(index)];
    FormCanvas canvas(painter);
    const int pageNo = index + 1;
    drawHeader(canvas, pageNo);
    double y = headerHeight(index == 0);
    for (int r = page.firstRow; r < page.firstRow + page.rowCount; ++r) {
        drawRow(canvas, r, y);
        y += rowHeight();
    }
    if (page.closing) {
        drawClosing(canvas, y);
    }
    drawFooter(canvas, pageNo, pageHeight());
}

void ReturnForm::drawFooter(FormCanvas &, int, double) const
{
}
