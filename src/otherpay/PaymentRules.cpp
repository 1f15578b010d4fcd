#include "otherpay/PaymentRules.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "otherpay/OtherPayStore.h"
#include "otherpay/OtherPayTexts.h"
#include "otherpay/OtherTax.h"
#include "tax/TaxLedger.h"
#include "tax/TaxTexts.h"

namespace {

enum class AmountCheck { Ok, TooLarge, NotANumber };

AmountCheck checkAmount(MessageService &messages, const QString &text, QString &formatted)
{
    if (!MoneyTextFits(text)) {
        messages.showError(TaxText::amountTooLarge());
        return AmountCheck::TooLarge;
    }
    const auto f = FormatMoneyText(text.trimmed());
    if (!f) {
        messages.showError(TaxText::notAnAmount(text));
        return AmountCheck::NotANumber;
    }
    formatted = *f;
    return AmountCheck::Ok;
}

PaymentCheckResult failed(PaymentCheckResult r, PaymentCheck check, PaymentField focus)
{
    r.check = check;
    r.focus = focus;
    return r;
}

} // namespace

std::optional<QString> CheckAmountText(MessageService &messages, const QString &text)
{
    QString formatted;
    if (checkAmount(messages, text, formatted) != AmountCheck::Ok) {
        return std::nullopt;
    }
    return formatted;
}

PaymentCheckResult CheckPaymentInput(MessageService &messages, int year, int month,
                                     const PaymentInput &input)
{
    PaymentCheckResult r;
    r.incomeText = input.incomeText;
    r.deductionText = input.deductionText;

    if (!input.taxDate.isValid() || input.taxDate < QDate(year, month, 1)) {
        messages.showError(OtherPayText::DateBeforePeriod);
        return failed(r, PaymentCheck::DateBeforePeriod, PaymentField::TaxDate);
    }
    if (input.taxDate > Today()) {
        messages.showError(OtherPayText::DateAfterToday);
        return failed(r, PaymentCheck::DateAfterToday, PaymentField::TaxDate);
    }
    switch (checkAmount(messages, input.incomeText, r.incomeText)) {
    case AmountCheck::TooLarge:
        return failed(r, PaymentCheck::IncomeTooLarge, PaymentField::Income);
    case AmountCheck::NotANumber:
        return failed(r, PaymentCheck::IncomeNotANumber, PaymentField::Income);
    case AmountCheck::Ok:
        break;
    }
    // Negative amounts pass: only an empty or zero income is no payment.
    if (TextToMoney(r.incomeText).value_or(Money()).isZero()) {
        messages.showInfo(TaxText::enterAmount());
        return failed(r, PaymentCheck::IncomeMissing, PaymentField::Income);
    }
    switch (checkAmount(messages, input.deductionText, r.deductionText)) {
    case AmountCheck::TooLarge:
        return failed(r, PaymentCheck::DeductionTooLarge, PaymentField::Deduction);
    case AmountCheck::NotANumber:
        return failed(r, PaymentCheck::DeductionNotANumber, PaymentField::Deduction);
    case AmountCheck::Ok:
        break;
    }
    if (input.taxNumber.trimmed().size() > OtherPayText::kMaxTaxNumberLength) {
        messages.showInfo(OtherPayText::ReceiptTooLong);
        return failed(r, PaymentCheck::TaxNumberTooLong, PaymentField::TaxNumber);
    }
    return r;
}

PaymentSaveResult SavePayment(OtherPayStore &store, const TaxRates &rates, MessageService &messages,
                              const PaymentTarget &target, const PaymentInput &input)
{
    PaymentSaveResult result;
    result.check = CheckPaymentInput(messages, target.year, target.month, input);
    if (!result.check.ok()) {
        return result;
    }
    const QString taxType = input.taxType.trimmed();
    const Money income = *TextToMoney(result.check.incomeText);
    const auto figures =
        ComputeOtherTax(rates, taxType, income, TextToMoney(result.check.deductionText));
    if (!figures) {
        // No payment is stored without its tax.
        messages.showError(TaxRates::failureMessage(*OtherTaxRateKind(taxType)));
        result.check.check = PaymentCheck::RatesMissing;
        return result;
    }
    result.figures = *figures;

    RdTaxIncome row;
    row.TaxYear = target.year;
    row.TaxMonth = target.month;
    row.TaxType = taxType;
    row.EmpId = target.person.empId.trimmed();
    row.EmpName = target.person.empName.trimmed();
    row.EmpCardNo = target.person.idCardNo.trimmed();
    row.EmpType = target.person.empType.trimmed();
    row.DeptID = target.person.deptId.trimmed();
    row.Address = target.person.address.trimmed();
    row.FactIncome = income;
    row.Income = income;
    row.MinusFare = figures->deduction;
    row.TaxIncome = figures->taxable;
    row.TaxRate = figures->rate;
    row.TakeOutMoney = figures->quickDeduct;
    row.TaxMoney = figures->tax;
    row.TaxDate = FormatDateISO(input.taxDate);
    const QString taxNumber = input.taxNumber.trimmed();

    bool written = false;
    if (target.adding()) {
        const auto id = store.insert(row, taxNumber);
        written = id.has_value();
        result.id = id.value_or(0);
    } else {
        written = store.update(target.id, row, taxNumber);
        result.id = target.id;
    }
    if (!written) {
        messages.showError(store.database().failureText(OtherPayText::SaveFailed));
        result.check.check = PaymentCheck::SaveFailed;
    }
    return result;
}

bool DeletePayment(OtherPayStore &store, MessageService &messages, qint64 id)
{
    if (!store.remove(id)) {
        messages.showError(OtherPayText::DeleteFailed);
        return false;
    }
    return true;
}
