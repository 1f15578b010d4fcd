#pragma once

#include "otherpay/OtherPayTypes.h"
#include "tax/TaxRates.h"

#include <optional>

// The tax of one other payment, by its income type:
//   承包经营收入           contract rates, on the income less the typed deduction;
//   劳务报酬收入           labour remuneration rates, the routine's own deduction;
//   利息股息偶然所得, 其他所得  the flat rate of 利息股息偶然所得, no deduction;
//   any other type         no tax; the taxable amount is the income less the deduction
//                          the panel already shows (none for a new payment).

// The rate set a type's tax comes from; nothing for a type no routine taxes.
std::optional<TaxRates::Kind> OtherTaxRateKind(const QString &taxType);

// The figures for an income. `shownDeduction` is what the deduction field holds (nothing when
// it is empty): the typed deduction of a contract, else the deduction of an earlier
// computation, which only a type without a routine keeps. Every figure is in cents. Nothing
// when the type's rate set failed to load.
std::optional<OtherTaxFigures> ComputeOtherTax(const TaxRates &rates, const QString &taxType,
                                               Money income, std::optional<Money> shownDeduction);
