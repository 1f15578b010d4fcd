#include "backpay/BackPayTax.h"

#include "backpay/BackPayTexts.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "tax/TaxRates.h"
#include "tax/TaxRoutines.h"
#include "tax/TaxTexts.h"

#include <sqlite3.h>

namespace {

// What the registered function keeps: its own copy of the rates, so a reload of the run's
// sets never changes a statement half-way.
struct FunctionRates
{
    TaxRates rates;
};

Money argumentMoney(sqlite3_value *value)
{
    return Money::fromRaw(sqlite3_value_type(value) == SQLITE_NULL ? 0
                                                                   : sqlite3_value_int64(value));
}

void backPayTaxFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    const auto *data = static_cast<const FunctionRates *>(sqlite3_user_data(context));
    const auto *typeText = reinterpret_cast<const char *>(sqlite3_value_text(argv[3]));
    const QString empType =
        typeText ? QString::fromUtf8(typeText, sqlite3_value_bytes(argv[3])) : QString();
    const auto tax = BackPayMonthTax(data->rates, empType, argumentMoney(argv[0]),
                                     argumentMoney(argv[1]), argumentMoney(argv[2]));
    if (!tax) {
        const auto kind =
            empType == TaxText::chinese() ? TaxRates::Kind::Wage : TaxRates::Kind::Foreign;
        const QByteArray message = TaxRates::failureMessage(kind).toUtf8();
        sqlite3_result_error(context, message.constData(), int(message.size()));
        return;
    }
    sqlite3_result_int64(context, tax->raw());
}

void destroyRates(void *data)
{
    delete static_cast<FunctionRates *>(data);
}

} // namespace

std::optional<Money> BackPayMonthTax(const TaxRates &rates, const QString &empType, Money backPay,
                                     Money taxable, Money deduction)
{
    const RateSet &set = rates.wageFor(empType);
    const auto with = CalcWageTax(set, taxable + backPay, deduction);
    const auto without = CalcWageTax(set, taxable, deduction);
    if (!with || !without) {
        return std::nullopt;
    }
    return *with - *without;
}

bool RegisterBackPayTax(Database &db, const TaxRates &rates)
{
    auto *data = new FunctionRates;
    data->rates.setRates(TaxRates::Kind::Wage, rates.wage());
    data->rates.setRates(TaxRates::Kind::Foreign, rates.foreign());
    // The engine owns `data` from here on, also when it refuses the function.
    const int rc =
        sqlite3_create_function_v2(db.handle(), "BackPayTax", 4, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   data, backPayTaxFunction, nullptr, nullptr, destroyRates);
    if (rc != SQLITE_OK) {
        db.setError(QString::fromUtf8(sqlite3_errmsg(db.handle())));
        return false;
    }
    return true;
}

QString BackPayTaxSql(const BackPayMonth &month)
{
    return QStringLiteral("BackPayTax(%1, %2, %3, %4)")
        .arg(QuoteIdent(month.backPayColumn()), QuoteIdent(month.taxableColumn()),
             QuoteIdent(month.deductionColumn()), QuoteIdent(BackPayText::typeColumn()));
}
