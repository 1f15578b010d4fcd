#pragma once

#include <vector>

// How the rows of a printed form fall on pages. A page holds its header (page and column
// header), rows, and on the last page the closing block; the footer keeps its place at the
// bottom of every page. Heights are in millimetres.
struct PageBands
{
    double pageHeight = 0;        // inside the margins
    double firstHeaderHeight = 0; // page and column header of the first page
    double headerHeight = 0;      // of every later page
    double rowHeight = 0;
    double closingHeight = 0;
    double footerHeight = 0;
};

// Rows a page may hold; on the page whose number is the counted page count, one fewer may be
// asked for.
struct RowLimits
{
    int perPage = 0;
    int onLastPage = 0;
};

struct PagePlan
{
    int firstRow = 0;
    int rowCount = 0;
    bool closing = false; // the closing block follows the rows on this page
};

// One layout run. The page number goes up at each page start, where the rows-on-page counter
// starts at 1; before each row but the first of the form the counter goes up, and when it
// exceeds the page's limit (or the row does not fit) the row starts a new page. The limit is
// `onLastPage` on the page whose number equals `countedPages`, else `perPage`; a dry run passes
// 0. The closing block goes to a page of its own when it does not fit under the last row.
std::vector<PagePlan> PlanPages(int rows, const PageBands &bands, RowLimits limits,
                                int countedPages);

// The two runs: a dry run counts the pages, the second lays the form out knowing that count.
struct FormPages
{
    std::vector<PagePlan> pages;
    int countedPages = 0; // what the footer prints as the page count
};
FormPages LayOutPages(int rows, const PageBands &bands, RowLimits limits);
