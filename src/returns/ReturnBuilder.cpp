#include "returns/ReturnBuilder.h"

#include "returns/PaymentDetailData.h"
#include "returns/PaymentDetailForm.h"
#include "returns/ReturnTexts.h"
#include "returns/WithholdingReportData.h"
#include "returns/WithholdingReportForm.h"

QString ReturnFormTitle(ReturnKind kind)
{
    return kind == ReturnKind::Withholding ? ReturnText::withholdingTitle()
                                           : ReturnText::paymentDetailTitle();
}

std::optional<FormTable> LoadReturnRows(Database &db, ReturnKind kind, ReturnPeriod period,
                                        bool foreignStaff)
{
    return kind == ReturnKind::Withholding ? WithholdingReport::load(db, period, foreignStaff)
                                           : PaymentDetail::load(db, period, foreignStaff);
}

std::unique_ptr<ReturnForm> MakeReturnForm(ReturnKind kind, ReturnHeading heading,
                                           std::optional<FormTable> rows)
{
    if (kind == ReturnKind::Withholding) {
        return std::make_unique<WithholdingReportForm>(std::move(heading), std::move(rows));
    }
    return std::make_unique<PaymentDetailForm>(std::move(heading), std::move(rows));
}
