#include "base/Money.h"

#include <algorithm>
#include <limits>

namespace {

using i128 = __int128;

// n / d rounded to the nearest integer, ties to even.
std::int64_t divideHalfEven(i128 n, i128 d)
{
    if (d < 0) {
        n = -n;
        d = -d;
    }
    i128 q = n / d;
    i128 r = n % d;
    if (r < 0) {
        r = -r;
    }
    const i128 twice = 2 * r;
    if (twice > d || (twice == d && (q % 2 != 0))) {
        q += (n < 0) ? -1 : 1;
    }
    return static_cast<std::int64_t>(q);
}

// n / d rounded to the nearest integer, ties away from zero.
std::int64_t divideHalfAway(std::int64_t n, std::int64_t d)
{
    const std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {
        r = -r;
    }
    if (2 * r >= d) {
        return q + (n < 0 ? -1 : 1);
    }
    return q;
}

std::int64_t pow10(int e)
{
    std::int64_t p = 1;
    while (e-- > 0) {
        p *= 10;
    }
    return p;
}

} // namespace

std::optional<Money> Money::parse(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    qsizetype i = 0;
    bool negative = false;
    if (t[i] == u'-' || t[i] == u'+') {
        negative = t[i] == u'-';
        ++i;
    }
    i128 whole = 0;
    int wholeDigits = 0;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
        whole = whole * 10 + (t[i].unicode() - u'0');
        if (whole > i128(std::numeric_limits<std::int64_t>::max() / kScale)) {
            return std::nullopt;
        }
        ++wholeDigits;
        ++i;
    }
    i128 frac = 0; // ten-thousandths, with one guard digit kept aside
    int fracDigits = 0;
    bool beyondNonZero = false;
    int fifthDigit = -1;
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
            const int d = t[i].unicode() - u'0';
            if (fracDigits < 4) {
                frac = frac * 10 + d;
            } else if (fracDigits == 4) {
                fifthDigit = d;
            } else if (d != 0) {
                beyondNonZero = true;
            }
            ++fracDigits;
            ++i;
        }
    }
    if (i != t.size() || (wholeDigits == 0 && fracDigits == 0)) {
        return std::nullopt;
    }
    if (fracDigits < 4) {
        frac *= pow10(4 - std::min(fracDigits, 4));
    }
    i128 raw = whole * kScale + frac;
    if (fifthDigit > 5 || (fifthDigit == 5 && (beyondNonZero || raw % 2 != 0))) {
        raw += 1;
    }
    if (raw > i128(std::numeric_limits<std::int64_t>::max())) {
        return std::nullopt;
    }
    return Money::fromRaw(static_cast<std::int64_t>(negative ? -raw : raw));
}

Money Money::operator*(Money other) const
{
    return Money(divideHalfEven(i128(m_raw) * other.m_raw, kScale));
}

Money Money::operator/(Money other) const
{
    if (other.m_raw == 0) {
        return Money();
    }
    return Money(divideHalfEven(i128(m_raw) * kScale, other.m_raw));
}

Money Money::roundedToCents() const
{
    return Money(divideHalfAway(m_raw, 100) * 100);
}

QString Money::toString(int decimals) const
{
    decimals = std::clamp(decimals, 0, 4);
    const std::int64_t unit = pow10(4 - decimals);
    const std::int64_t scaled = divideHalfAway(m_raw, unit); // count of 10^-decimals
    const std::int64_t div = pow10(decimals);
    const bool negative = scaled < 0;
    const std::uint64_t mag = negative ? std::uint64_t(-(scaled + 1)) + 1 : std::uint64_t(scaled);
    QString s = QString::number(mag / std::uint64_t(div));
    if (decimals > 0) {
        s += u'.' + QString::number(mag % std::uint64_t(div)).rightJustified(decimals, u'0');
    }
    return negative ? u'-' + s : s;
}

QString Money::toPlainString() const
{
    QString s = toString(4);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0')) {
            s.chop(1);
        }
        if (s.endsWith(u'.')) {
            s.chop(1);
        }
    }
    return s == u"-0" ? QStringLiteral("0") : s;
}
