#pragma once

#include <QString>

// Fixed texts of the tax engine: income types as stored in TaxRate and the messages shown.
namespace TaxText {

inline QString wageTax() { return QStringLiteral("工资所得税"); }
inline QString chinese() { return QStringLiteral("中方"); }
inline QString foreign() { return QStringLiteral("外方"); }
inline QString contract() { return QStringLiteral("承包经营收入"); }
inline QString service() { return QStringLiteral("劳务报酬收入"); }
inline QString netService() { return QStringLiteral("税后劳务报酬收入"); }
inline QString royalty() { return QStringLiteral("稿酬"); }
inline QString royaltyReduction() { return QStringLiteral("稿酬减免"); }
inline QString franchiseLease() { return QStringLiteral("特许权财产租赁"); }
inline QString interest() { return QStringLiteral("利息股息偶然所得"); }

inline QString saveFailed() { return QStringLiteral("保存失败！"); }
inline QString amountTooLarge() { return QStringLiteral("输入金额太大！"); }
inline QString enterAmount() { return QStringLiteral("请输入金额！"); }
// The refusal of a typed amount that is not a number (a lone decimal point is the only such
// text the amount boxes let through).
inline QString notAnAmount(const QString &text)
{
    return QStringLiteral("“%1”不是有效的金额！").arg(text.trimmed());
}

} // namespace TaxText
