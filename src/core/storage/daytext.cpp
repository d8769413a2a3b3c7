#include "storage/daytext.h"

#include <utility>
#include <QStringView>

#include <array>
#include <cmath>
#include <cstdlib>

namespace tolvane {

namespace {

// Julian day of day number 0, 1899-12-30.
const qint64 kDayZero = QDate(1899, 12, 30).toJulianDay();

// A short date pattern taken apart: three numeric fields and the literal text
// before, between and after them.
struct DatePattern {
    bool valid = false;
    std::array<QChar, 3> field{};     // 'd', 'M' or 'y', in the order shown
    std::array<int, 3> width{};        // 1 or 2 for d and M; 2 or 4 for y
    std::array<QString, 4> literal{};  // literal[i] comes before field[i]; literal[3] after the last
};

DatePattern analysePattern(QStringView format)
{
    DatePattern p;
    int fields = 0;
    QString literal;
    bool seen[3] = {false, false, false};  // d, M, y

    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // Quoted literal text; '' inside or outside quotes is one quote.
            ++i;
            if (i < n && format[i] == QLatin1Char('\'')) {
                literal += QLatin1Char('\'');
                ++i;
                continue;
            }
            while (i < n) {
                if (format[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && format[i + 1] == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += format[i];
                ++i;
            }
            continue;
        }
        if (!c.isLetter()) {
            literal += c;
            ++i;
            continue;
        }
        qsizetype runEnd = i;
        while (runEnd < n && format[runEnd] == c)
            ++runEnd;
        const int run = static_cast<int>(runEnd - i);
        int kind = -1;
        if (c == QLatin1Char('d') && run <= 2)
            kind = 0;
        else if (c == QLatin1Char('M') && run <= 2)
            kind = 1;
        else if (c == QLatin1Char('y') && (run == 2 || run == 4))
            kind = 2;
        // Names of days or months, eras, times and the like: not a numeric date.
        if (kind < 0 || seen[kind] || fields == 3)
            return {};
        // Two fields need something between them to be read back.
        if (fields > 0 && literal.isEmpty())
            return {};
        seen[kind] = true;
        p.literal[fields] = literal;
        literal.clear();
        p.field[fields] = c;
        p.width[fields] = run;
        ++fields;
        i = runEnd;
    }
    if (fields != 3)
        return {};
    p.literal[3] = literal;
    // Digits in the literal text would be taken for a field when reading.
    for (const QString& text : p.literal) {
        for (QChar c : text) {
            if (c.isDigit())
                return {};
        }
    }
    p.valid = true;
    return p;
}

const QString& fallbackPattern()
{
    static const QString pattern = QStringLiteral("M/d/yy");
    return pattern;
}

DatePattern patternFor(const QLocale& locale)
{
    // A weight log shows thousands of dates in one locale: take its pattern
    // apart once, not for every date.
    static thread_local std::optional<std::pair<QLocale, DatePattern>> last;
    if (last && last->first == locale)
        return last->second;
    DatePattern p = analysePattern(locale.dateFormat(QLocale::ShortFormat));
    if (!p.valid)
        p = analysePattern(fallbackPattern());
    last.emplace(locale, p);
    return p;
}

// Separators compared without blanks and invisible direction marks, so that
// "3.5.24" matches "d. M. yy" and a typed "/" matches a right-to-left "/".
QString normalizedSeparator(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Format)
            continue;
        out += c;
    }
    return out;
}

QString zeroPadded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

long double dayNumberFromDate(const QDate& date)
{
    if (!date.isValid())
        return 0.0L;
    return static_cast<long double>(date.toJulianDay() - kDayZero);
}

QDate dateFromDayNumber(long double dayNumber)
{
    // Far beyond any calendar QDate can hold; also keeps the cast defined.
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 1.0e12L)
        return {};
    const auto days = static_cast<qint64>(std::trunc(dayNumber));
    return QDate::fromJulianDay(kDayZero + days);
}

QString shortDatePattern(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (analysePattern(format).valid)
        return format;
    return fallbackPattern();
}

QString formatShortDate(const QDate& date, const QLocale& locale)
{
    if (!date.isValid())
        return {};
    const DatePattern p = patternFor(locale);
    QString out;
    for (int k = 0; k < 3; ++k) {
        out += p.literal[k];
        const QChar f = p.field[k];
        if (f == QLatin1Char('d')) {
            out += zeroPadded(date.day(), p.width[k]);
        } else if (f == QLatin1Char('M')) {
            out += zeroPadded(date.month(), p.width[k]);
        } else {
            const int year = date.year();
            if (year < 0)
                out += QLatin1Char('-');
            const int shown = p.width[k] == 2 ? std::abs(year) % 100 : std::abs(year);
            out += zeroPadded(shown, p.width[k]);
        }
    }
    out += p.literal[3];
    return out;
}

int shortDateYearField(const QLocale& locale)
{
    const DatePattern p = patternFor(locale);
    for (int k = 0; k < 3; ++k) {
        if (p.field[k] == QLatin1Char('y'))
            return k;
    }
    return 2;
}

std::optional<QDate> parseShortDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const DatePattern p = patternFor(locale);
    const QString trimmed = text.trimmed();
    QStringView view(trimmed);

    // Split into separators and digit runs: sep0 digits sep1 digits sep2 digits sep3.
    std::array<QStringView, 4> separators;
    std::array<QStringView, 3> numbers;
    int found = 0;
    qsizetype pos = 0;
    const qsizetype n = view.size();
    while (true) {
        const qsizetype sepStart = pos;
        while (pos < n && !view[pos].isDigit())
            ++pos;
        if (found == 3) {
            separators[3] = view.mid(sepStart, pos - sepStart);
            break;
        }
        separators[found] = view.mid(sepStart, pos - sepStart);
        if (pos == n)
            return std::nullopt;  // fewer than three numbers
        const qsizetype numStart = pos;
        while (pos < n && view[pos].isDigit())
            ++pos;
        numbers[found] = view.mid(numStart, pos - numStart);
        ++found;
    }
    if (pos != n)
        return std::nullopt;  // a fourth number

    for (int k = 0; k < 4; ++k) {
        const QString typed = normalizedSeparator(separators[k]);
        const QString expected = normalizedSeparator(p.literal[k]);
        // The text before the first and after the last number may be left out.
        if ((k == 0 || k == 3) && typed.isEmpty())
            continue;
        if (typed != expected)
            return std::nullopt;
    }

    int day = 0;
    int month = 0;
    int year = 0;
    for (int k = 0; k < 3; ++k) {
        const QStringView digits = numbers[k];
        const qsizetype len = digits.size();
        if (len > 4)
            return std::nullopt;
        int value = 0;
        for (QChar c : digits) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;  // digits of other scripts are not read
            value = value * 10 + (c.unicode() - u'0');
        }
        const QChar f = p.field[k];
        if (f == QLatin1Char('d') || f == QLatin1Char('M')) {
            if (len > 2)
                return std::nullopt;
            (f == QLatin1Char('d') ? day : month) = value;
        } else {
            if (len == 3)
                return std::nullopt;
            if (len <= 2) {
                const QDate reference = today.isValid() ? today : QDate::currentDate();
                // Years before 1 do not occur here; plain division is the century.
                const int century = reference.year() / 100 * 100;
                value += century;
            }
            year = value;
        }
    }
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

} // namespace tolvane
