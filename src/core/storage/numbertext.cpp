#include "storage/numbertext.h"

#include <QStringView>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace tolvane {

namespace {

// Significant digits of long double that survive a round trip through text.
constexpr int kSignificantDigits = 18;

QString padLeft(const QString& text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), QLatin1Char(' ')) + text;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Digits and decimal exponent of |value| taken to 18 significant digits:
// |value| ~ 0.d1d2...d18 * 10^pointPos.
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPos = 0;
};

Decimal toDecimal(long double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kSignificantDigits - 1, value);
    // The radix character of "%e" follows the process locale, so only the
    // digits and the exponent are taken from the text.
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    }
    const int exponent = *p == 'e' ? static_cast<int>(std::strtol(p + 1, nullptr, 10)) : 0;
    d.pointPos = exponent + 1;
    return d;
}

// The ASCII form built by the readers is converted under the C locale, whatever
// the process locale says about the decimal point.
NumberReading convertAscii(const std::string& ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    char* end = nullptr;
    const long double v = strtold_l(ascii.c_str(), &end, cLocale);
    if (end != ascii.c_str() + ascii.size())
        return {};
    if (!std::isfinite(v))
        return {std::nullopt, true};
    return {v, false};
}

bool consume(QStringView text, qsizetype& pos, QStringView token)
{
    if (token.isEmpty() || !text.mid(pos).startsWith(token))
        return false;
    pos += token.size();
    return true;
}

// Reads sign, digits, decimal point, digits and exponent; the whole of `text`
// must be used. `minus` and `plus` are extra sign texts besides "-" and "+".
NumberReading readNumber(QStringView text, QStringView point, QStringView minus, QStringView plus)
{
    std::string ascii;
    qsizetype pos = 0;
    const qsizetype n = text.size();

    if (consume(text, pos, u"-") || consume(text, pos, minus))
        ascii.push_back('-');
    else if (!consume(text, pos, u"+"))
        consume(text, pos, plus);

    int mantissaDigits = 0;
    while (pos < n && isAsciiDigit(text[pos])) {
        ascii.push_back(static_cast<char>(text[pos].unicode()));
        ++pos;
        ++mantissaDigits;
    }
    if (consume(text, pos, point)) {
        ascii.push_back('.');
        while (pos < n && isAsciiDigit(text[pos])) {
            ascii.push_back(static_cast<char>(text[pos].unicode()));
            ++pos;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};

    if (pos < n && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        ascii.push_back('e');
        ++pos;
        if (pos < n && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
            ascii.push_back(static_cast<char>(text[pos].unicode()));
            ++pos;
        }
        int exponentDigits = 0;
        while (pos < n && isAsciiDigit(text[pos])) {
            ascii.push_back(static_cast<char>(text[pos].unicode()));
            ++pos;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return {};
    }
    if (pos != n)
        return {};
    return convertAscii(ascii);
}

} // namespace

QString formatFixed(long double value, int width, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (std::isnan(value))
        return padLeft(QStringLiteral("NAN"), width);
    if (std::isinf(value))
        return padLeft(value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"), width);

    Decimal d = toDecimal(value);
    const int digitCount = static_cast<int>(d.digits.size());

    // Keep the digits up to the last decimal place and round the rest half away
    // from zero. `kept` then stands for 0.kept * 10^pointPos.
    const int keep = d.pointPos + decimals;
    std::string kept;
    if (keep >= digitCount) {
        kept = d.digits + std::string(static_cast<std::size_t>(keep - digitCount), '0');
    } else if (keep >= 0) {
        kept = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++kept[static_cast<std::size_t>(i)];
            } else {
                kept.insert(kept.begin(), '1');
                ++d.pointPos;
            }
        }
    }
    // keep < 0: the value is below half of the last place and shows as zero.

    std::string intPart;
    std::string fracPart;
    if (kept.empty()) {
        intPart = "0";
        fracPart.assign(static_cast<std::size_t>(decimals), '0');
    } else if (d.pointPos <= 0) {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-d.pointPos), '0') + kept;
    } else {
        intPart = kept.substr(0, static_cast<std::size_t>(d.pointPos));
        fracPart = kept.substr(static_cast<std::size_t>(d.pointPos));
    }
    // Values that round to zero lose their sign: "-0.0" is never shown.
    const bool allZero = kept.find_first_not_of('0') == std::string::npos;

    std::string text;
    if (d.negative && !allZero)
        text.push_back('-');
    text += intPart;
    if (decimals > 0) {
        text.push_back('.');
        text += fracPart;
    }
    return padLeft(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), width);
}

QString formatFixed(long double value, int width, int decimals, const QLocale& locale)
{
    QString text = formatFixed(value, 0, decimals);
    if (decimals > 0 && std::isfinite(value))
        text.replace(QLatin1Char('.'), locale.decimalPoint());
    return padLeft(text, width);
}

std::int64_t roundHalfEven(long double value)
{
    if (std::isnan(value))
        return 0;
    // floor and the fractional part are exact, so the tie test needs no
    // particular floating-point rounding mode.
    long double r = std::floor(value);
    const long double frac = value - r;
    if (frac > 0.5L || (frac == 0.5L && std::fmod(r, 2.0L) != 0.0L))
        r += 1.0L;

    constexpr long double limit = 9223372036854775808.0L;  // 2^63
    if (r >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (r < -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

NumberReading readLenient(const QString& text)
{
    QStringView view(text);
    qsizetype start = 0;
    while (start < view.size() && isBlank(view[start]))
        ++start;
    return readNumber(view.mid(start), u".", {}, {});
}

std::optional<long double> parseLenient(const QString& text) { return readLenient(text).value; }

std::optional<long double> parseStrict(const QString& text, const QLocale& locale)
{
    QStringView view(text);
    qsizetype start = 0;
    qsizetype end = view.size();
    while (start < end && isBlank(view[start]))
        ++start;
    while (end > start && isBlank(view[end - 1]))
        --end;
    const QString point = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    return readNumber(view.mid(start, end - start), point, minus, plus).value;
}

} // namespace tolvane
