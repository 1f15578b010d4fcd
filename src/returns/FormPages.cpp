#include "returns/FormPages.h"

namespace {
// Heights are sums of decimals; a band that fits exactly must not fail by a rounding error.
constexpr double kSlack = 1e-6;
} // namespace

std::vector<PagePlan> PlanPages(int rows, const PageBands &bands, RowLimits limits,
                                int countedPages)
{
    std::vector<PagePlan> pages;
    const double bottom = bands.pageHeight - bands.footerHeight + kSlack;
    double y = 0;
    int counter = 0;
    const auto startPage = [&](int firstRow) {
        y = pages.empty() ? bands.firstHeaderHeight : bands.headerHeight;
        pages.push_back({firstRow, 0, false});
        counter = 1;
    };
    startPage(0);
    for (int row = 0; row < rows; ++row) {
        if (row > 0) {
            ++counter;
        }
        const int pageNo = int(pages.size());
        const int limit = pageNo == countedPages ? limits.onLastPage : limits.perPage;
        const bool fits = y + bands.rowHeight <= bottom;
        // A page that holds no row yet takes the row whatever it says, or nothing would end.
        if ((counter > limit || !fits) && pages.back().rowCount > 0) {
            startPage(row);
        }
        ++pages.back().rowCount;
        y += bands.rowHeight;
    }
    if (y + bands.closingHeight > bottom && pages.back().rowCount > 0) {
        startPage(rows);
    }
    pages.back().closing = true;
    return pages;
}

FormPages LayOutPages(int rows, const PageBands &bands, RowLimits limits)
{
    const int counted = int(PlanPages(rows, bands, limits, 0).size());
    return {PlanPages(rows, bands, limits, counted), counted};
}
