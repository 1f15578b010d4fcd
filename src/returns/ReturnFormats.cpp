#include "returns/ReturnFormats.h"

namespace {

// "0.50" becomes ".50" and "-0.50" "-.50": the format has no digit before the point.
QString withoutLeadingZero(QString text)
{
    if (text.startsWith(QLatin1String("0."))) {
        text.remove(0, 1);
    } else if (text.startsWith(QLatin1String("-0."))) {
        text.remove(1, 1);
    }
    return text;
}

} // namespace

QString HashAmountText(Money value)
{
    return withoutLeadingZero(value.toString(2));
}

QString AmountOrDash(std::optional<Money> value)
{
    if (!value) {
        return QString();
    }
    return value->isZero() ? QStringLiteral("-") : HashAmountText(*value);
}

QString WholeAmountOrDash(std::optional<Money> value)
{
    if (!value) {
        return QString();
    }
    if (value->isZero()) {
        return QStringLiteral("-");
    }
    const QString whole = value->toString(0);
    if (whole == QLatin1String("0")) {
        return QStringLiteral(".");
    }
    return whole + u'.';
}

QString StrNumber(Money value)
{
    const QString plain = value.toPlainString();
    return value.raw() < 0 ? plain : u' ' + plain;
}

QString StrNumber(int value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString IncomePeriodText(int year, int month)
{
    return StrNumber(year) + u'-' + QString::number(month);
}

QString RateText(std::optional<Money> rate)
{
    if (!rate) {
        return QStringLiteral("%");
    }
    return StrNumber(Money::fromRaw(rate->raw() * 100)) + u'%';
}
