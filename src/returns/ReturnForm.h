#pragma once

#include "returns/FormPages.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QString>

class FormCanvas;
class QPainter;

// A printed return: one class per form draws it, and the same drawing serves the preview, the
// printer and PDF files. A form is laid out when it is made (the dry run counting the pages,
// then the real run) and then drawn page by page; nothing of a page is kept once it is drawn.
//
// Subclasses give the bands of their form (heights in millimetres, A4 landscape) and draw
// them; this class places them on the pages.
class ReturnForm
{
public:
    virtual ~ReturnForm() = default;

    // The print job's name.
    virtual QString jobTitle() const = 0;
    QPageLayout pageLayout() const;

    int pageCount() const { return int(m_pages.pages.size()); }
    // The page count the footer prints (that of the dry run).
    int countedPages() const { return m_pages.countedPages; }
    const std::vector<PagePlan> &pages() const { return m_pages.pages; }

    // Draws page `index` (0-based) with the painter's origin at the top left of the printable
    // area.
    void render(QPainter &painter, int index) const;

protected:
    // The two layout runs; each form calls it once its rows are in place.
    void layOut();

    virtual QMarginsF margins() const = 0; // millimetres
    virtual int rowCount() const = 0;
    virtual RowLimits rowLimits() const = 0;
    virtual double headerHeight(bool firstPage) const = 0;
    virtual double rowHeight() const = 0;
    virtual double closingHeight() const = 0;
    virtual double footerHeight() const { return 0; }

    // The page and column headers of page `pageNo` (1-based).
    virtual void drawHeader(FormCanvas &canvas, int pageNo) const = 0;
    virtual void drawRow(FormCanvas &canvas, int row, double y) const = 0;
    virtual void drawClosing(FormCanvas &canvas, double y) const = 0;
    // At the bottom of the page, `bottom` being the page's lower edge inside the margins.
    virtual void drawFooter(FormCanvas &canvas, int pageNo, double bottom) const;

    double pageHeight() const;

private:
    PageBands bands() const;

    FormPages m_pages;
};
