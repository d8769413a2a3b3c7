#include "storage/numbertext.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <limits>

using namespace tolvane;
using namespace Qt::StringLiterals;

namespace {

// Shows a QString in failure messages.
std::string s(const QString& q) { return q.toStdString(); }

} // namespace

TEST(FormatFixed, PadsToWidthWithLeadingBlanks)
{
    EXPECT_EQ(s(formatFixed(12.34L, 8, 1)), "    12.3");
    EXPECT_EQ(s(formatFixed(-12.34L, 8, 1)), "   -12.3");
    EXPECT_EQ(s(formatFixed(3.14159L, 5, 1)), "  3.1");
    EXPECT_EQ(s(formatFixed(1.0L, 4, 1)), " 1.0");
    EXPECT_EQ(s(formatFixed(7.0L, 0, 2)), "7.00");
    EXPECT_EQ(s(formatFixed(42.0L, 3, 0)), " 42");
    // A text wider than the field is not cut.
    EXPECT_EQ(s(formatFixed(12345.6L, 3, 1)), "12345.6");
    EXPECT_EQ(s(formatFixed(-12345.6L, 0, 1)), "-12345.6");
}

TEST(FormatFixed, HalvesRoundAwayFromZero)
{
    EXPECT_EQ(s(formatFixed(0.25L, 0, 1)), "0.3");
    EXPECT_EQ(s(formatFixed(-0.25L, 0, 1)), "-0.3");
    EXPECT_EQ(s(formatFixed(2.25L, 0, 1)), "2.3");
    EXPECT_EQ(s(formatFixed(-2.25L, 0, 1)), "-2.3");
    EXPECT_EQ(s(formatFixed(2.5L, 0, 0)), "3");
    EXPECT_EQ(s(formatFixed(-2.5L, 0, 0)), "-3");
    EXPECT_EQ(s(formatFixed(0.5L, 0, 0)), "1");
    EXPECT_EQ(s(formatFixed(1.5L, 0, 0)), "2");
    EXPECT_EQ(s(formatFixed(0.05L, 0, 0)), "0");
    EXPECT_EQ(s(formatFixed(0.125L, 0, 2)), "0.13");
}

TEST(FormatFixed, RoundsTheEighteenDigitValue)
{
    // 1.05L lies within 1e-19 of 1.05: eighteen digits make it an exact half.
    EXPECT_EQ(s(formatFixed(1.05L, 0, 1)), "1.1");
    EXPECT_EQ(s(formatFixed(-1.05L, 0, 1)), "-1.1");
    // The double 0.15 is 0.1499999999999999944..., below the half even at
    // eighteen digits (0.149999999999999994); the long double 0.15 is above.
    EXPECT_EQ(s(formatFixed(static_cast<long double>(0.15), 0, 1)), "0.1");
    EXPECT_EQ(s(formatFixed(0.15L, 0, 1)), "0.2");
    // 0.25 - 2^-64 = 0.2499999999999999999457...: its eighteen digits are
    // 0.250000000000000000, so it shows as a half rounded up, although the
    // exact value is below the half.
    EXPECT_EQ(s(formatFixed(0.25L - std::ldexp(1.0L, -64), 0, 1)), "0.3");
    // 0.25 - 2^-58 = 0.24999999999999999653...: still below at eighteen digits.
    EXPECT_EQ(s(formatFixed(0.25L - std::ldexp(1.0L, -58), 0, 1)), "0.2");
}

TEST(FormatFixed, CarriesThroughNines)
{
    EXPECT_EQ(s(formatFixed(9.96L, 5, 1)), " 10.0");
    EXPECT_EQ(s(formatFixed(999.96L, 0, 1)), "1000.0");
    EXPECT_EQ(s(formatFixed(-99.5L, 0, 0)), "-100");
    EXPECT_EQ(s(formatFixed(0.999L, 0, 2)), "1.00");
}

TEST(FormatFixed, SmallValues)
{
    EXPECT_EQ(s(formatFixed(0.000123L, 0, 5)), "0.00012");
    EXPECT_EQ(s(formatFixed(0.0001234L, 0, 7)), "0.0001234");
    // First significant digit right after the last shown place.
    EXPECT_EQ(s(formatFixed(0.005L, 0, 2)), "0.01");
    EXPECT_EQ(s(formatFixed(0.004L, 0, 2)), "0.00");
    EXPECT_EQ(s(formatFixed(5e-7L, 0, 2)), "0.00");
    EXPECT_EQ(s(formatFixed(1e-30L, 0, 1)), "0.0");
}

TEST(FormatFixed, ZeroAndNegativeValuesRoundingToZeroHaveNoSign)
{
    EXPECT_EQ(s(formatFixed(0.0L, 8, 1)), "     0.0");
    EXPECT_EQ(s(formatFixed(-0.0L, 0, 1)), "0.0");
    EXPECT_EQ(s(formatFixed(-0.04L, 0, 1)), "0.0");
    EXPECT_EQ(s(formatFixed(-0.4L, 0, 0)), "0");
    EXPECT_EQ(s(formatFixed(-1e-30L, 0, 2)), "0.00");
    EXPECT_EQ(s(formatFixed(-0.05L, 0, 1)), "-0.1");
}

TEST(FormatFixed, LargeValues)
{
    EXPECT_EQ(s(formatFixed(1e20L, 0, 1)), "100000000000000000000.0");
    EXPECT_EQ(s(formatFixed(1234567.891L, 12, 2)), "  1234567.89");
    // Beyond eighteen significant digits the rest shows as zeros.
    EXPECT_EQ(s(formatFixed(123456789012345678901234.0L, 0, 0)), "123456789012345679000000");
    EXPECT_EQ(s(formatFixed(-1e25L, 0, 1)), "-10000000000000000000000000.0");
}

TEST(FormatFixed, NonFiniteValues)
{
    EXPECT_EQ(s(formatFixed(std::numeric_limits<long double>::quiet_NaN(), 5, 1)), "  NAN");
    EXPECT_EQ(s(formatFixed(HUGE_VALL, 0, 1)), "INF");
    EXPECT_EQ(s(formatFixed(-HUGE_VALL, 0, 1)), "-INF");
}

TEST(FormatFixed, WritesTheLocaleDecimalSeparatorThatTheStrictReadingReadsBack)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    EXPECT_EQ(s(formatFixed(150.0L, 6, 1, german)), " 150,0");
    EXPECT_EQ(s(formatFixed(-2.25L, 6, 1, french)), "  -2,3");
    EXPECT_EQ(s(formatFixed(1234.5L, 0, 2, swedish)), "1234,50");
    EXPECT_EQ(s(formatFixed(150.04L, 6, 1, japanese)), " 150.0");
    EXPECT_EQ(s(formatFixed(7.0L, 3, 0, german)), "  7");
    EXPECT_EQ(s(formatFixed(std::numeric_limits<long double>::quiet_NaN(), 5, 1, german)), "  NAN");
    // Every text written this way reads back to the value it shows, padded or
    // negative (the sign stays "-", which every locale's reading takes).
    for (const QLocale& locale : {german, french, swedish, japanese, QLocale::c(),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        for (long double v : {150.0L, 72.35L, -0.05L, 0.0L, 1e6L + 0.25L}) {
            const QString text = formatFixed(v, 6, 1, locale);
            EXPECT_EQ(parseStrict(text, locale), parseStrict(formatFixed(v, 0, 1), QLocale::c()))
                << s(text) << " in " << s(locale.name());
        }
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5L), 0);
    EXPECT_EQ(roundHalfEven(1.5L), 2);
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(1234.5L), 1234);
    EXPECT_EQ(roundHalfEven(1235.5L), 1236);
    EXPECT_EQ(roundHalfEven(-0.5L), 0);
    EXPECT_EQ(roundHalfEven(-1.5L), -2);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
    EXPECT_EQ(roundHalfEven(1e18L + 0.5L), 1000000000000000000LL);
}

TEST(RoundHalfEven, NonHalvesGoToTheNearest)
{
    EXPECT_EQ(roundHalfEven(2.4999L), 2);
    EXPECT_EQ(roundHalfEven(2.5001L), 3);
    EXPECT_EQ(roundHalfEven(-2.5001L), -3);
    EXPECT_EQ(roundHalfEven(-2.4999L), -2);
    EXPECT_EQ(roundHalfEven(0.5L - std::ldexp(1.0L, -64)), 0);
    EXPECT_EQ(roundHalfEven(7.0L), 7);
    EXPECT_EQ(roundHalfEven(-7.0L), -7);
}

TEST(RoundHalfEven, ClampsToTheIntegerRange)
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(roundHalfEven(1e30L), max);
    EXPECT_EQ(roundHalfEven(-1e30L), min);
    EXPECT_EQ(roundHalfEven(HUGE_VALL), max);
    EXPECT_EQ(roundHalfEven(-HUGE_VALL), min);
    EXPECT_EQ(roundHalfEven(9223372036854775808.0L), max);  // 2^63
    EXPECT_EQ(roundHalfEven(-9223372036854775808.0L), min);
    EXPECT_EQ(roundHalfEven(9223372036854775806.0L), 9223372036854775806LL);
}

TEST(RoundHalfEven, IgnoresTheFloatingPointRoundingMode)
{
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const auto up = roundHalfEven(2.5L);
    std::fesetround(FE_DOWNWARD);
    const auto down = roundHalfEven(3.5L);
    std::fesetround(saved);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, 4);
}

TEST(ParseLenient, AcceptsTheDocumentedForms)
{
    EXPECT_EQ(parseLenient(u" 12"_s), 12.0L);
    EXPECT_EQ(parseLenient(u"+1.5"_s), 1.5L);
    EXPECT_EQ(parseLenient(u"-.5"_s), -0.5L);
    EXPECT_EQ(parseLenient(u"1e3"_s), 1000.0L);
    EXPECT_EQ(parseLenient(u"1E+3"_s), 1000.0L);
    EXPECT_EQ(parseLenient(u"2.5e-1"_s), 0.25L);
    EXPECT_EQ(parseLenient(u"1."_s), 1.0L);
    EXPECT_EQ(parseLenient(u"007"_s), 7.0L);
    EXPECT_EQ(parseLenient(u"   -0"_s), 0.0L);
    // Read with long double precision, correctly rounded.
    EXPECT_EQ(parseLenient(u"0.1"_s), 0.1L);
    EXPECT_EQ(parseLenient(u"1e400"_s), 1e400L);
}

TEST(ParseLenient, RejectsMalformedText)
{
    for (const QString& text : {u""_s, u"   "_s, u"."_s, u"-"_s, u"+."_s, u"1,5"_s, u"1.5 "_s, u"abc"_s,
                                u"1e"_s, u"1e+"_s, u"e5"_s, u"--1"_s, u"- 1"_s, u"1.2.3"_s, u"0x10"_s,
                                u"inf"_s, u"nan"_s, u"12a"_s, u"\uFF11\uFF12"_s, u"1 000"_s}) {
        EXPECT_FALSE(parseLenient(text).has_value()) << s(text);
        EXPECT_FALSE(readLenient(text).outOfRange) << s(text);
    }
}

TEST(ParseLenient, RejectsOverflow)
{
    EXPECT_FALSE(parseLenient(u"1e5000"_s).has_value());
    EXPECT_FALSE(parseLenient(u"-1e5000"_s).has_value());
    // ... and says so, where a malformed text is no number at all.
    EXPECT_TRUE(readLenient(u"1e5000"_s).outOfRange);
    EXPECT_TRUE(readLenient(u" -1e5000"_s).outOfRange);
    EXPECT_FALSE(readLenient(u"1e5000x"_s).outOfRange);
    // Underflow is no error: the value is simply tiny.
    const auto tiny = parseLenient(u"1e-5000"_s);
    ASSERT_TRUE(tiny.has_value());
    EXPECT_LT(*tiny, 1e-4900L);
}

TEST(ParseStrict, UsesTheLocaleDecimalSeparator)
{
    const QLocale german(QLocale::German);
    EXPECT_EQ(parseStrict(u" 1,5 "_s, german), 1.5L);
    EXPECT_EQ(parseStrict(u"-1,5e2"_s, german), -150.0L);
    EXPECT_EQ(parseStrict(u",5"_s, german), 0.5L);
    EXPECT_EQ(parseStrict(u"70"_s, german), 70.0L);
    EXPECT_FALSE(parseStrict(u"1.5"_s, german).has_value());
    EXPECT_FALSE(parseStrict(u"1.000"_s, german).has_value());  // no group separators
    EXPECT_FALSE(parseStrict(u"1,5,"_s, german).has_value());

    const QLocale c = QLocale::c();
    EXPECT_EQ(parseStrict(u" 1.5 "_s, c), 1.5L);
    EXPECT_EQ(parseStrict(u"\t+2.25E1\t"_s, c), 22.5L);
    EXPECT_FALSE(parseStrict(u"1,5"_s, c).has_value());
}

TEST(ParseStrict, AcceptsTheLocaleMinusSign)
{
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    ASSERT_EQ(swedish.negativeSign(), QStringLiteral("\u2212"));
    EXPECT_EQ(parseStrict(u"\u22122,5"_s, swedish), -2.5L);
    EXPECT_EQ(parseStrict(u"-2,5"_s, swedish), -2.5L);
}

TEST(ParseStrict, RejectsEmptyMalformedAndOverflowingText)
{
    const QLocale c = QLocale::c();
    for (const QString& text : {u""_s, u"  "_s, u"."_s, u"1 2"_s, u"1.5x"_s, u"x1.5"_s, u"1e"_s, u"1e5000"_s,
                                u"- 1"_s, u"++1"_s, u"1e1.5"_s})
        EXPECT_FALSE(parseStrict(text, c).has_value()) << s(text);
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    // Applications set the process locale from the environment; a decimal comma
    // there must not change how numbers are read or shown.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            german = name;
            break;
        }
    }
    // tools/install-deps.sh generates these locales; without one this test
    // cannot do its work, and that is a failure, not a pass.
    ASSERT_NE(german, nullptr) << "no locale with a decimal comma is installed";
    const auto lenient = parseLenient(u"1.5"_s);
    const auto strict = parseStrict(u"2.25"_s, QLocale::c());
    const QString shown = formatFixed(1.25L, 6, 1);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(lenient, 1.5L);
    EXPECT_EQ(strict, 2.25L);
    EXPECT_EQ(s(shown), "   1.3");
}
