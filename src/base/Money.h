#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// An amount of money (or a rate) held exactly as a count of ten-thousandths, the way the
// database stores it. 1 yuan is 10000, a rate of 20% is 2000.
//
// Products and quotients keep 4 decimals with ties going to the even neighbour; rounding to
// cents for anything shown or stored as a tax figure is RoundMoney (half away from zero).
class Money
{
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(std::int64_t raw) { return Money(raw); }
    static constexpr Money fromYuan(std::int64_t yuan) { return Money(yuan * kScale); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents * 100); }

    // Parses a plain decimal number ("-12.5", "800", ".5"); blanks around it are ignored.
    // More than four decimals are rounded to four, ties to even. Empty or malformed text,
    // or a value out of range, gives nothing.
    static std::optional<Money> parse(QStringView text);

    constexpr std::int64_t raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }

    constexpr Money operator-() const { return Money(-m_raw); }
    constexpr Money operator+(Money o) const { return Money(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return Money(m_raw - o.m_raw); }
    constexpr Money &operator+=(Money o)
    {
        m_raw += o.m_raw;
        return *this;
    }
    constexpr Money &operator-=(Money o)
    {
        m_raw -= o.m_raw;
        return *this;
    }
    constexpr auto operator<=>(const Money &) const = default;

    // this × other, kept to 4 decimals (ties to even).
    Money operator*(Money other) const;
    // this ÷ other, kept to 4 decimals (ties to even). Division by zero gives zero: callers
    // that can meet a zero divisor check for it first.
    Money operator/(Money other) const;

    // Rounded to 2 decimals, half away from zero.
    Money roundedToCents() const;

    // The value with exactly `decimals` (0..4) decimals, half away from zero; "-" only when
    // the rounded value is below zero.
    QString toString(int decimals = 2) const;
    // The shortest plain decimal form: "5200", "5200.5", "0.0125".
    QString toPlainString() const;
    // The value in yuan as a floating-point number: only for handing a figure to something
    // that stores doubles anyway (a spreadsheet cell), never for arithmetic.
    double toDoubleForDisplay() const { return double(m_raw) / double(kScale); }

private:
    constexpr explicit Money(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

Q_DECLARE_METATYPE(Money)
