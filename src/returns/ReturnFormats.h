#pragma once

#include "base/Money.h"

#include <QString>

#include <optional>

// The text forms in which the withholding returns print their values. They follow the
// database formats the tax office's forms were first filled with, so that a return printed
// today reads exactly like the ones before it:
//
// - amounts "#.00": two decimals, no thousands separator, no digit before the point below 1
//   (0.5 is ".50", 1234.5 is "1234.50"), half away from zero;
// - numbers as str() gives them: one leading blank for a number that is not negative.

// "#.00" of the amount.
QString HashAmountText(Money value);
// "#.00", or "-" for exactly 0; an absent value (no row to sum) is empty text.
QString AmountOrDash(std::optional<Money> value);
// The same for the whole-yuan format "#." (no decimals, the point kept: 1234.5 is "1235.").
QString WholeAmountOrDash(std::optional<Money> value);
// str() of a number: " 20", " 2.5", "-3".
QString StrNumber(Money value);
QString StrNumber(int value);
// The income period of a ledger row: the year as str() gives it, "-", the month without blank
// (September 2005 is " 2005-9").
QString IncomePeriodText(int year, int month);
// A rate held as a fraction, as a percentage: 0.2 is " 20%". An absent rate is "%".
QString RateText(std::optional<Money> rate);
