#include "returns/FormPages.h"
#include "returns/PaymentDetailData.h"
#include "returns/PaymentDetailForm.h"
#include "returns/WithholdingReportData.h"
#include "returns/WithholdingReportForm.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> rowsPerPage(const std::vector<PagePlan> &pages)
{
    std::vector<int> counts;
    for (const PagePlan &p : pages) {
        counts.push_back(p.rowCount);
    }
    return counts;
}

// Bands with room for any number of rows: only the limits break pages.
PageBands roomy()
{
    return {1000, 10, 10, 1, 10, 5};
}

TEST(PlanPages, APageHoldsItsLimitAndTheCountedLastPageOneFewer)
{
    EXPECT_EQ(rowsPerPage(PlanPages(36, roomy(), {18, 17}, 0)), (std::vector<int>{18, 18}));
    // Knowing that there are two pages, the second may hold only 17 rows: the last row
    // goes on to a third page.
    EXPECT_EQ(rowsPerPage(PlanPages(36, roomy(), {18, 17}, 2)), (std::vector<int>{18, 17, 1}));
    const auto pages = PlanPages(37, roomy(), {18, 17}, 3);
    EXPECT_EQ(rowsPerPage(pages), (std::vector<int>{18, 18, 1}));
    EXPECT_EQ(pages[2].firstRow, 36);
    EXPECT_TRUE(pages[2].closing);
    EXPECT_FALSE(pages[0].closing);
}

TEST(PlanPages, RowsThatDoNotFitBreakThePageAndTheClosingBlockMayTakeAPageOfItsOwn)
{
    // 100 mm high, 5 mm of footer; the first page's header 30 mm, the others 20 mm; rows of
    // 10 mm and a closing block of 25 mm.
    const PageBands bands{100, 30, 20, 10, 25, 5};
    // Page 1: 6 rows (30 + 60 = 90 of 95); page 2: 4 rows (20 + 40) and the block (85).
    auto pages = PlanPages(10, bands, {18, 17}, 0);
    EXPECT_EQ(rowsPerPage(pages), (std::vector<int>{6, 4}));
    EXPECT_TRUE(pages[1].closing);
    // Page 2 full with 7 rows (90): the block goes to page 3.
    pages = PlanPages(13, bands, {18, 17}, 0);
    EXPECT_EQ(rowsPerPage(pages), (std::vector<int>{6, 7, 0}));
    EXPECT_EQ(pages[2].firstRow, 13);
    EXPECT_TRUE(pages[2].closing);
    EXPECT_FALSE(pages[1].closing);
}

FormTable rows(const QStringList &columns, int n, int fillers)
{
    FormTable t(columns);
    for (int i = 0; i < n; ++i) {
        t.appendRow({});
    }
    t.setFillerCount(fillers);
    return t;
}

TEST(ReturnPages, TheWithholdingReportEndsWithOneRowAndItsClosingBlock)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {1, {18, 1}},      {17, {18, 1}},         {18, {18, 18, 1}},
        {34, {18, 18, 1}}, {35, {18, 18, 18, 1}}, {53, {18, 18, 18, 18, 1}},
    };
    for (const auto &[n, expected] : cases) {
        const WithholdingReportForm form(
            {}, rows(WithholdingReport::columnNames(), n, WithholdingReport::fillerCount(n)));
        EXPECT_EQ(rowsPerPage(form.pages()), expected) << n;
        EXPECT_EQ(form.countedPages(), form.pageCount()) << n;
        EXPECT_TRUE(form.pages().back().closing) << n;
    }
}

TEST(ReturnPages, ThePaymentDetailEndsWithItsLastLinesAndItsNotes)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {1, {12}},      {11, {12}},        {12, {15, 2}},      {15, {15, 2}},
        {16, {15, 12}}, {27, {15, 15, 2}}, {30, {15, 15, 12}},
    };
    for (const auto &[n, expected] : cases) {
        const PaymentDetailForm form(
            {}, rows(PaymentDetail::columnNames(), n, PaymentDetail::fillerCount(n)));
        EXPECT_EQ(rowsPerPage(form.pages()), expected) << n;
        EXPECT_EQ(form.countedPages(), form.pageCount()) << n;
        EXPECT_TRUE(form.pages().back().closing) << n;
    }
}

TEST(ReturnPages, BlankFormsAreOnePage)
{
    const WithholdingReportForm report({});
    EXPECT_TRUE(report.isBlank());
    EXPECT_EQ(rowsPerPage(report.pages()), (std::vector<int>{3}));
    EXPECT_TRUE(report.pages().front().closing);
    const PaymentDetailForm detail({});
    EXPECT_EQ(rowsPerPage(detail.pages()), (std::vector<int>{10}));
    EXPECT_TRUE(detail.pages().front().closing);
}

} // namespace
