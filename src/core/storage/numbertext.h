#pragma once
// Numbers as texts, in both directions. Every number the program shows or reads
// goes through these few functions, so their rounding and reading rules live in
// one place.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace tolvane {

// Fixed-point text: `decimals` digits after the point, right-aligned with
// leading blanks to at least `width` characters. The value is first taken to
// the 18 significant digits that long double carries; a remaining half is
// rounded away from zero (2.25 -> "2.3", -2.25 -> "-2.3", 0.05 with 0 decimals
// -> "0"). Negative zero is shown without its sign. "." is the decimal point.
QString formatFixed(long double value, int width, int decimals);

// The same text with the locale's decimal separator in place of ".", for the
// fields whose numbers the strict reading reads back (weights, BMI). The sign
// stays "-", which the strict reading takes in every locale.
QString formatFixed(long double value, int width, int decimals, const QLocale& locale);

// Whole-number rounding as the program does it before showing an integer:
// halves go to the even neighbour (1234.5 -> 1234, 1235.5 -> 1236).
// Values beyond the 64-bit range are clamped.
std::int64_t roundHalfEven(long double value);

// Lenient reading, used by servings fields and the food item dialog:
// leading blanks, optional sign, digits, optional "." with digits, optional
// exponent (e/E, optional sign, digits), nothing after. "." is always the
// decimal point. At least one digit before or after the point is needed.
std::optional<long double> parseLenient(const QString& text);

// The same reading, telling a text that is no number from a number too large
// for long double ("1e5000"), which has no value either.
struct NumberReading {
    std::optional<long double> value;
    bool outOfRange = false;
};
NumberReading readLenient(const QString& text);

// Strict reading, used by the calculators, weight grid and activity planner:
// blanks allowed on both sides, optional sign, the locale's decimal separator,
// optional exponent. Empty or malformed text fails.
std::optional<long double> parseStrict(const QString& text, const QLocale& locale = QLocale::system());

} // namespace tolvane
