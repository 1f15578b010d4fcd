#pragma once

#include "returns/FormTable.h"
#include "returns/ReturnForm.h"
#include "returns/ReturnHeading.h"

#include <optional>

// The withholding tax report (代扣代缴个人所得税报告表) on paper: the title on every page, the
// agent's name and number on the first, the date and the unit line over the 13 ruled columns
// on every page, rows 7.9 mm high (18 a page, 17 on the last page), the declaration, signature
// and tax-office boxes with the filling notes after the last row, "2页/总页数3" at the foot.
//
// Without rows it is the blank form: one page, the labels without values, three empty rows,
// no footer.
class WithholdingReportForm final : public ReturnForm
{
public:
    explicit WithholdingReportForm(ReturnHeading heading,
                                   std::optional<FormTable> rows = std::nullopt);

    QString jobTitle() const override;
    bool isBlank() const { return !m_rows.has_value(); }
    const ReturnHeading &heading() const { return m_heading; }

protected:
    QMarginsF margins() const override;
    int rowCount() const override;
    RowLimits rowLimits() const override;
    double headerHeight(bool firstPage) const override;
    double rowHeight() const override;
    double closingHeight() const override;
    double footerHeight() const override;
    void drawHeader(FormCanvas &canvas, int pageNo) const override;
    void drawRow(FormCanvas &canvas, int row, double y) const override;
    void drawClosing(FormCanvas &canvas, double y) const override;
    void drawFooter(FormCanvas &canvas, int pageNo, double bottom) const override;

private:
    void drawColumnHeadings(FormCanvas &canvas, double y) const;
    double drawTaxOfficeBox(FormCanvas &canvas, double y) const;

    ReturnHeading m_heading;
    std::optional<FormTable> m_rows;
};
