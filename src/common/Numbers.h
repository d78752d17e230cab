#pragma once

#include <QString>
#include <QtGlobal>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

// Number conversions the player relies on: whole numbers are rounded to the
// nearest value with halves to the even one, and a value that does not fit
// the target width is a failure the caller can catch, never a wrapped value.

class NumberOverflow : public std::overflow_error {
public:
    explicit NumberOverflow(double value);
};

// Nearest whole number, halves to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
double roundHalfEven(double value);

// Rounds and checks the range; std::nullopt when out of range or not a number.
template <typename Int>
std::optional<Int> tryRoundTo(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r)) return std::nullopt;
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(r);
}

// Rounds and checks the range; throws NumberOverflow when it does not fit.
template <typename Int>
Int roundTo(double value) {
    if (const auto r = tryRoundTo<Int>(value)) return *r;
    throw NumberOverflow(value);
}

inline quint8 toByte(double value) { return roundTo<quint8>(value); }
inline qint16 toInt16(double value) { return roundTo<qint16>(value); }
inline qint32 toInt32(double value) { return roundTo<qint32>(value); }

// The leading decimal number of a text: leading blanks skipped, an optional
// sign, digits and an optional decimal part ("12abc" -> 12, "abc" -> 0,
// " -3.5" -> -3.5). Reading stops at the first character that does not fit.
double leadingNumber(const QString& text);

// Fixed-point text with `decimals` digits after the point ("0.00", "0.0").
QString formatFixed(double value, int decimals);
// Whole number with at least `width` digits, zero-padded ("05").
QString zeroPadded(qint64 value, int width);
// Shortest decimal text of a number: 12 stays "12", 2.5 stays "2.5".
QString shortestNumberText(double value);
