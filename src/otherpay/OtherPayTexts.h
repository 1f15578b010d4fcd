#pragma once

#include <QString>
#include <QStringList>

// Fixed texts of the other payments: captions, status line, questions and messages.
namespace OtherPayText {

inline const QString WindowTitle = QStringLiteral("其他支付");
inline const QString PeriodTitle = QStringLiteral("其它支付 - 选择月份");

// The status line.
inline const QString Browsing = QStringLiteral("浏览其他支付记录");
inline const QString Adding = QStringLiteral("增加其他支付记录");
inline const QString Editing = QStringLiteral("编辑其他支付记录");
inline const QString Deleting = QStringLiteral("删除其他支付记录");

inline const QString OpenFailed = QStringLiteral("数据打开错误！");
inline const QString ChoosePerson = QStringLiteral("请先选择人员！");
inline const QString ContinueEditing = QStringLiteral("当前记录正处于编辑状态，继续吗？");
inline const QString ContinuePicking = QStringLiteral("正在增加记录，是否继续?");
inline const QString SaveAdding = QStringLiteral("当前正在增加记录，是否保存?");
inline const QString SaveEditing = QStringLiteral("当前正在编辑记录，是否保存?");
inline const QString NothingToEdit = QStringLiteral("当前没有可供编辑的数据！");
inline const QString NothingToDelete = QStringLiteral("当前没有删除数据！");
inline const QString ConfirmDelete = QStringLiteral("你确认删除此数据吗?");
inline const QString DeleteFailed = QStringLiteral("无法删除！");
inline const QString DateBeforePeriod = QStringLiteral("纳税日期不能小于选择日期！");
inline const QString DateAfterToday = QStringLiteral("纳税日期不能大于系统日期！");
inline const QString SaveFailed = QStringLiteral("保存失败！");
inline const QString ReceiptTooLong = QStringLiteral("完税证字号不能超过30个字符！");

// The income type whose deduction is typed by the clerk; every other type's deduction is
// computed (or none).
inline const QString Contract = QStringLiteral("承包经营收入");
inline const QString Service = QStringLiteral("劳务报酬收入");
inline const QString Interest = QStringLiteral("利息股息偶然所得");
inline const QString OtherIncome = QStringLiteral("其他所得");

// Ledger rows of these types belong to wage posting and back pay: never listed, edited or
// deleted here, and never offered as the type of a payment.
inline const QString WageTax = QStringLiteral("工资所得税");
inline const QString Bonus = QStringLiteral("一次性奖金");
inline const QString BackPay = QStringLiteral("补发工资");
inline bool IsWageLedgerType(const QString &taxType)
{
    return taxType == WageTax || taxType == Bonus || taxType == BackPay;
}

// The longest receipt number the ledger keeps.
constexpr int kMaxTaxNumberLength = 30;

} // namespace OtherPayText
