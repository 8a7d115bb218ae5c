#pragma once

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace morvane::base {

struct FormatSettings;

// An exact decimal number for quantities, prices and money: a 128-bit count of
// units of 10^-kScale. Parsing takes the whole text (never a prefix), so
// "3abc" is not a number.
class Decimal {
public:
    static constexpr int kScale = 9;

    constexpr Decimal() = default;
    static Decimal fromInt(std::int64_t value);
    // Nearest decimal to a stored double, rounded to kScale places.
    static Decimal fromDouble(double value);

    // Parses with the given decimal separator. Surrounding blanks are allowed,
    // as are a sign and an exponent ("1,5E3"); thousands separators are not.
    static std::optional<Decimal> parse(QStringView text, QChar decimalSeparator);
    static std::optional<Decimal> parse(QStringView text, const FormatSettings &format);

    double toDouble() const;
    // Truncates towards zero.
    std::int64_t toInt64() const;
    bool isZero() const { return units_ == 0; }
    bool isNegative() const { return units_ < 0; }
    bool isWhole() const;

    // Rounds half to even at the given number of decimal places.
    Decimal roundedHalfEven(int places) const;
    // Rounds half away from zero, as the program's fixed-point formats do.
    Decimal rounded(int places) const;
    Decimal truncated(int places) const;

    // Fixed notation with exactly `places` decimals (rounded half away from
    // zero), no thousands separators.
    QString toFixed(int places, QChar decimalSeparator) const;
    // Shortest exact text: no trailing zeros, no separator for whole numbers.
    QString toString(QChar decimalSeparator) const;

    Decimal operator-() const { return fromUnits(-units_); }
    Decimal operator+(Decimal other) const { return fromUnits(units_ + other.units_); }
    Decimal operator-(Decimal other) const { return fromUnits(units_ - other.units_); }
    Decimal operator*(Decimal other) const;
    // Division rounds half away from zero at kScale places; nullopt for x/0.
    std::optional<Decimal> dividedBy(Decimal other) const;
    Decimal &operator+=(Decimal other) { units_ += other.units_; return *this; }
    Decimal &operator-=(Decimal other) { units_ -= other.units_; return *this; }

    friend bool operator==(Decimal a, Decimal b) { return a.units_ == b.units_; }
    friend std::strong_ordering operator<=>(Decimal a, Decimal b)
    {
        return a.units_ < b.units_ ? std::strong_ordering::less
             : a.units_ > b.units_ ? std::strong_ordering::greater
                                   : std::strong_ordering::equal;
    }

private:
    using Units = __int128;
    static Decimal fromUnits(Units units) { Decimal d; d.units_ = units; return d; }
    Units units_ = 0;
};

}  // namespace morvane::base
