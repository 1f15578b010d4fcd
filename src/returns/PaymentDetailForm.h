#pragma once

#include "returns/FormTable.h"
#include "returns/ReturnForm.h"
#include "returns/ReturnHeading.h"

#include <optional>

// The income payment and withholding detail (支付个人收入及代扣税金明细表) on paper: the title
// and the line with the unit, the agent's number, the month and the currency on every page,
// the 15 columns under their two-level heading with the number row, lines 8.1 mm high (15 a
// page, 14 on the last page), the signature line with the date and the five notes after the
// last line, "2页/总页数3" at the foot.
//
// Without rows it is the blank form: one page, the labels without values, ten empty lines,
// no footer.
class PaymentDetailForm final : public ReturnForm
{
public:
    explicit PaymentDetailForm(ReturnHeading heading, std::optional<FormTable> rows = std::nullopt);

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
    void drawHeaderLine(FormCanvas &canvas, double y) const;
    void drawColumnHeadings(FormCanvas &canvas, double y) const;

    ReturnHeading m_heading;
    std::optional<FormTable> m_rows;
};
