#pragma once

#include "tax/TaxTexts.h"

#include <QString>

// The fixed texts of the two withholding returns.
namespace ReturnText {

inline QString withholdingTitle()
{
    return QStringLiteral("代扣代缴个人所得税报告表");
}
inline QString paymentDetailTitle()
{
    return QStringLiteral("支付个人收入及代扣税金明细表");
}

inline QString noData()
{
    return QStringLiteral("没有任何数据存在！");
}
inline QString largeData()
{
    return QStringLiteral("数据量大，请等待显示；");
}
// Above this many rows the user is told that the layout will take a while.
constexpr int kLargeRowCount = 2000;

inline QString empType(bool foreignStaff)
{
    return foreignStaff ? TaxText::foreign() : TaxText::chinese();
}

// Ledger income types that the payment detail groups (besides those of the rate sets).
inline QString bonus()
{
    return QStringLiteral("一次性奖金");
}
inline QString backPay()
{
    return QStringLiteral("补发工资");
}
inline QString otherIncome()
{
    return QStringLiteral("其他所得");
}

} // namespace ReturnText
