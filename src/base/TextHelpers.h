#pragma once

#include "base/Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

class MessageService;

// Money as text. Every amount the user types or sees goes through these.

// Empty text gives 0; text that is not a number gives nothing (the caller tells the user).
std::optional<Money> TextToMoney(const QString &text);
// "0.00": exactly two decimals, half away from zero.
QString FormatMoney(Money value);
// FormatMoney(TextToMoney(text)); empty text gives "0.00", text that is not a number nothing.
std::optional<QString> FormatMoneyText(const QString &text);
// The value rounded to two decimals, half away from zero on the exact 4-decimal amount.
Money RoundMoney(Money value);
// True when the part of the trimmed text before the first "." has fewer than 10 characters.
bool MoneyTextFits(const QString &text);

// Dates and SQL text.
QString DateLiteral(const QString &text); // "#2005-03-31#", or "null" for blank text
QString FormatDateISO(const QDate &date); // "yyyy-mm-dd"
QString EscapeSqlText(const QString &text); // single quotes doubled
// The text as a LIKE pattern that matches it literally (with ESCAPE '\'): %, _ and \ lose
// their special meaning. Use with "like ? escape '\'".
QString EscapeLikeText(const QString &text);

// Text in the GBK code page, the byte form in which the program's length rules count
// (a Chinese character counts two).
QByteArray ToGbk(const QString &text);
int GbkLength(const QString &text);

// Checks a name that will become a column name: it may not begin with a digit, and unless
// it begins with a Chinese character it may hold only the letters A-Z and a-z. A refusal is
// shown as an information box that starts with `label`.
bool ValidateName(const QString &name, const QString &label, MessageService &messages);
