#pragma once

#include "otherpay/OtherPayTypes.h"

#include <optional>

class MessageService;
class OtherPayStore;
class TaxRates;

// The rules of an other payment and the operations that write one, shared by the window and
// the command line: the same checks, in the same order, with the same messages.

enum class PaymentField { None, TaxDate, Income, Deduction, TaxNumber };

enum class PaymentCheck {
    Ok,
    DateBeforePeriod,
    DateAfterToday,
    IncomeTooLarge,
    IncomeNotANumber,
    IncomeMissing,
    DeductionTooLarge,
    DeductionNotANumber,
    TaxNumberTooLong,
    RatesMissing, // the type's rate set failed to load: no tax figure to store
    SaveFailed,
};

struct PaymentCheckResult
{
    PaymentCheck check = PaymentCheck::Ok;
    PaymentField focus = PaymentField::None;
    // The amount texts after the check: given two decimals once their own check passed.
    QString incomeText;
    QString deductionText;
    bool ok() const { return check == PaymentCheck::Ok; }
};

// An amount field being left: too many digits before the point ("输入金额太大！") or not a
// number is shown as an error and gives nothing; otherwise the text with two decimals (empty
// text gives "0.00").
std::optional<QString> CheckAmountText(MessageService &messages, const QString &text);

// The checks before a save, in their order, for a payment of the month year/month: the tax
// date neither before the month nor after today, the income within nine digits before the
// point and not zero, the deduction within nine digits, the receipt number within 30
// characters. The first failure is shown and stops the check.
PaymentCheckResult CheckPaymentInput(MessageService &messages, int year, int month,
                                     const PaymentInput &input);

// Where a save writes: a new payment of `person` in the month year/month, or the payment `id`
// (of that month), whose person, department and period stay as they are.
struct PaymentTarget
{
    int year = 0;
    int month = 0;
    qint64 id = 0; // 0: a new payment
    PaymentPerson person;
    bool adding() const { return id == 0; }
};

struct PaymentSaveResult
{
    PaymentCheckResult check;
    qint64 id = 0;           // the row written
    OtherTaxFigures figures; // the figures computed for it (also when the write failed)
    bool ok() const { return check.ok(); }
};

// Checks the input, computes the tax once more and writes the payment: FactIncome and Income
// the income, MinusFare, TaxIncome, TaxRate, TakeOutMoney and TaxMoney the figures. A failed
// write is reported ("保存失败！") and nothing is changed.
PaymentSaveResult SavePayment(OtherPayStore &store, const TaxRates &rates, MessageService &messages,
                              const PaymentTarget &target, const PaymentInput &input);

// Deletes the payment `id`; a failure is reported ("无法删除！"). The caller has asked first.
bool DeletePayment(OtherPayStore &store, MessageService &messages, qint64 id);
