#include "core/base/decimal.h"

#include "core/base/format_settings.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace morvane::base {

namespace {

using Units = __int128;

constexpr Units pow10(int n)
{
    Units p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

constexpr Units kOne = pow10(Decimal::kScale);
// Keeps every intermediate product inside 128 bits: |value| < 10^20.
constexpr Units kLimit = pow10(20 + Decimal::kScale);

Units divRoundHalfAway(Units num, Units den)
{
    const bool negative = (num < 0) != (den < 0);
    Units n = num < 0 ? -num : num;
    Units d = den < 0 ? -den : den;
    Units q = n / d;
    if ((n % d) * 2 >= d)
        ++q;
    return negative ? -q : q;
}

Units divRoundHalfEven(Units num, Units den)
{
    const bool negative = (num < 0) != (den < 0);
    Units n = num < 0 ? -num : num;
    Units d = den < 0 ? -den : den;
    Units q = n / d;
    const Units twice = (n % d) * 2;
    if (twice > d || (twice == d && (q % 2) == 1))
        ++q;
    return negative ? -q : q;
}

QString digitsOf(Units value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString s;
    while (value > 0) {
        s.prepend(QChar(u'0' + int(value % 10)));
        value /= 10;
    }
    return s;
}

}  // namespace

Decimal Decimal::fromInt(std::int64_t value)
{
    return fromUnits(Units(value) * kOne);
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Decimal();
    // Go through the shortest round-trip text so that 0.1 stays 0.1.
    const QString text = QString::number(value, 'g', 17);
    const QString shortest = QString::number(value, 'g', QLocale::FloatingPointShortest);
    auto parsed = parse(shortest, u'.');
    if (!parsed)
        parsed = parse(text, u'.');
    return parsed.value_or(Decimal());
}

std::optional<Decimal> Decimal::parse(QStringView text, const FormatSettings &format)
{
    return parse(text, format.decimalSeparator);
}

std::optional<Decimal> Decimal::parse(QStringView text, QChar decimalSeparator)
{
    text = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    Units mantissa = 0;
    int fractionDigits = 0;
    int digits = 0;
    int droppedExponent = 0;  // digits beyond what we can hold
    for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i, ++digits) {
        if (mantissa < kLimit)
            mantissa = mantissa * 10 + (text[i].unicode() - u'0');
        else
            ++droppedExponent;
    }
    if (i < n && text[i] == decimalSeparator) {
        ++i;
        for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i, ++digits) {
            if (mantissa < kLimit && fractionDigits < 30) {
                mantissa = mantissa * 10 + (text[i].unicode() - u'0');
                ++fractionDigits;
            }
        }
    }
    if (digits == 0)
        return std::nullopt;
    int exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            expNegative = text[i] == u'-';
            ++i;
        }
        int expDigits = 0;
        for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i, ++expDigits) {
            if (exponent < 1000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (expDigits == 0)
            return std::nullopt;
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    // value = mantissa * 10^(droppedExponent + exponent - fractionDigits)
    int shift = droppedExponent + exponent - fractionDigits + kScale;
    Units units = mantissa;
    if (shift >= 0) {
        for (int k = 0; k < shift; ++k) {
            if (units >= kLimit)
                return std::nullopt;
            units *= 10;
        }
    } else if (shift < -38) {
        units = 0;
    } else {
        units = divRoundHalfAway(units, pow10(-shift));
    }
    if (units >= kLimit)
        return std::nullopt;
    return fromUnits(negative ? -units : units);
}

double Decimal::toDouble() const
{
    // Exact text through the C locale parser gives the nearest double.
    return toString(u'.').toDouble();
}

std::int64_t Decimal::toInt64() const
{
    return static_cast<std::int64_t>(units_ / kOne);
}

bool Decimal::isWhole() const
{
    return units_ % kOne == 0;
}

Decimal Decimal::roundedHalfEven(int places) const
{
    if (places >= kScale)
        return *this;
    const Units step = pow10(kScale - places);
    return fromUnits(divRoundHalfEven(units_, step) * step);
}

Decimal Decimal::rounded(int places) const
{
    if (places >= kScale)
        return *this;
    const Units step = pow10(kScale - places);
    return fromUnits(divRoundHalfAway(units_, step) * step);
}

Decimal Decimal::truncated(int places) const
{
    if (places >= kScale)
        return *this;
    const Units step = pow10(kScale - places);
    return fromUnits(units_ / step * step);
}

Decimal Decimal::operator*(Decimal other) const
{
    // a * b / kOne, computed as a * (b div kOne) + a * (b mod kOne) / kOne so
    // that ordinary values never leave 128 bits; absurd ones saturate.
    const Units a = units_;
    const Units bHigh = other.units_ / kOne;
    const Units bLow = other.units_ % kOne;
    Units high = 0;
    Units low = 0;
    Units sum = 0;
    if (__builtin_mul_overflow(a, bHigh, &high) || __builtin_mul_overflow(a, bLow, &low)
        || __builtin_add_overflow(high, divRoundHalfAway(low, kOne), &sum)) {
        const bool negative = (a < 0) != (other.units_ < 0);
        return fromUnits(negative ? -kLimit * kOne : kLimit * kOne);
    }
    return fromUnits(sum);
}

std::optional<Decimal> Decimal::dividedBy(Decimal other) const
{
    if (other.units_ == 0)
        return std::nullopt;
    const Units absNum = units_ < 0 ? -units_ : units_;
    if (absNum <= kLimit)
        return fromUnits(divRoundHalfAway(units_ * kOne, other.units_));
    return fromUnits(divRoundHalfAway(units_, other.units_) * kOne);
}

QString Decimal::toFixed(int places, QChar decimalSeparator) const
{
    places = std::clamp(places, 0, kScale);
    const Decimal r = rounded(places);
    Units abs = r.units_ < 0 ? -r.units_ : r.units_;
    const Units whole = abs / kOne;
    const Units frac = (abs % kOne) / pow10(kScale - places);
    QString s;
    if (r.units_ < 0)
        s += u'-';
    s += digitsOf(whole);
    if (places > 0) {
        s += decimalSeparator;
        s += digitsOf(frac).rightJustified(places, u'0');
    }
    return s;
}

QString Decimal::toString(QChar decimalSeparator) const
{
    QString s = toFixed(kScale, decimalSeparator);
    if (s.contains(decimalSeparator)) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(decimalSeparator))
            s.chop(1);
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    return s;
}

}  // namespace morvane::base
