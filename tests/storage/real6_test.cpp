#include "storage/real6.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

using tolvane::Real6;
using tolvane::longDoubleToReal6;
using tolvane::real6ToLongDouble;
using tolvane::roundToReal6;
using tolvane::storeReal6;

namespace {

Real6 bytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4, std::uint8_t b5)
{
    return Real6{b0, b1, b2, b3, b4, b5};
}

Real6 stored(long double v)
{
    const auto r = longDoubleToReal6(v);
    EXPECT_TRUE(r.has_value()) << "overflow storing " << static_cast<double>(v);
    return r.value_or(Real6{0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
}

// Largest stored value: exponent byte 255, every fraction bit set.
const long double kLargest = std::ldexp((1ULL << 40) - 1, 255 - 129 - 39);
// Smallest nonzero stored value: exponent byte 1, fraction 0.
const long double kSmallest = std::ldexp(1.0L, 1 - 129);

} // namespace

TEST(Real6, KnownBitPatterns)
{
    EXPECT_EQ(stored(1.0L), bytes(0x81, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(0.0L), bytes(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(-1.0L), bytes(0x81, 0, 0, 0, 0, 0x80));
    EXPECT_EQ(stored(0.5L), bytes(0x80, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(2.0L), bytes(0x82, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(3.0L), bytes(0x82, 0, 0, 0, 0, 0x40));
    // 100 = 1.5625 * 2^6: exponent 6 + 129 = 0x87, fraction 0.5625 * 2^39 =
    // 9 * 2^35, i.e. bits 35 and 38, which are bits 3 and 6 of byte 5 -> 0x48.
    EXPECT_EQ(stored(100.0L), bytes(0x87, 0, 0, 0, 0, 0x48));
    // 0.1 = 1.6 * 2^-4: exponent -4 + 129 = 0x7D. 0.6 is 0x0.9999... in hex, so
    // 0.6 * 2^39 = 0x4CCCCCCCCC.CCC...; the dropped .CCC (0.8) rounds up to
    // 0x4CCCCCCCCD, stored little-endian as CD CC CC CC 4C.
    EXPECT_EQ(stored(0.1L), bytes(0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C));
    EXPECT_EQ(stored(-0.1L), bytes(0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0xCC));
}

TEST(Real6, ReadsKnownBitPatterns)
{
    EXPECT_EQ(real6ToLongDouble(bytes(0x81, 0, 0, 0, 0, 0)), 1.0L);
    EXPECT_EQ(real6ToLongDouble(bytes(0x81, 0, 0, 0, 0, 0x80)), -1.0L);
    EXPECT_EQ(real6ToLongDouble(bytes(0x87, 0, 0, 0, 0, 0x48)), 100.0L);
    EXPECT_EQ(real6ToLongDouble(bytes(0x82, 0, 0, 0, 0, 0x40)), 3.0L);
    // The lowest fraction bit is worth 2^-39 at exponent 0.
    EXPECT_EQ(real6ToLongDouble(bytes(0x81, 1, 0, 0, 0, 0)), 1.0L + std::ldexp(1.0L, -39));
    // The stored 0.1 is (2^39 + 0x4CCCCCCCCD) * 2^(0x7D - 129 - 39), read without loss.
    EXPECT_EQ(real6ToLongDouble(bytes(0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C)),
              std::ldexp(static_cast<long double>(0xCCCCCCCCCDULL), -43));
}

TEST(Real6, ExponentByteZeroIsZeroWhateverFollows)
{
    EXPECT_EQ(real6ToLongDouble(bytes(0, 0xFF, 0x12, 0x34, 0x56, 0xFF)), 0.0L);
    EXPECT_EQ(real6ToLongDouble(bytes(0, 0, 0, 0, 0, 0x80)), 0.0L);
    // Negative zero has no stored sign.
    EXPECT_EQ(stored(-0.0L), bytes(0, 0, 0, 0, 0, 0));
}

TEST(Real6, LimitsReadAndStoreExactly)
{
    const Real6 largest = bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F);
    EXPECT_EQ(real6ToLongDouble(largest), kLargest);
    EXPECT_EQ(stored(kLargest), largest);
    EXPECT_EQ(stored(-kLargest), bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF));

    const Real6 smallest = bytes(0x01, 0, 0, 0, 0, 0);
    EXPECT_EQ(real6ToLongDouble(smallest), kSmallest);
    EXPECT_EQ(stored(kSmallest), smallest);
    EXPECT_EQ(stored(-kSmallest), bytes(0x01, 0, 0, 0, 0, 0x80));
}

TEST(Real6, RoundsToNearestWithHalfUp)
{
    const long double half = std::ldexp(1.0L, -40);  // half of the last fraction bit at 1.0
    const long double tiny = std::ldexp(1.0L, -63);  // last bit of long double at 1.0

    EXPECT_EQ(stored(1.0L + half), bytes(0x81, 1, 0, 0, 0, 0));
    EXPECT_EQ(stored(1.0L + half - tiny), bytes(0x81, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(1.0L + half + tiny), bytes(0x81, 1, 0, 0, 0, 0));
    // The half rounds up in magnitude for negative values too.
    EXPECT_EQ(stored(-(1.0L + half)), bytes(0x81, 1, 0, 0, 0, 0x80));
    EXPECT_EQ(stored(-(1.0L + half - tiny)), bytes(0x81, 0, 0, 0, 0, 0x80));
    // Ties go up, not to the even neighbour: fraction 2.5 steps -> 3.
    EXPECT_EQ(stored(1.0L + 5 * half), bytes(0x81, 3, 0, 0, 0, 0));

    // All-ones fraction plus a half carries into the exponent: 2 - 2^-40 -> 2.
    EXPECT_EQ(stored(2.0L - half), bytes(0x82, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(2.0L - half - tiny), bytes(0x81, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F));
}

TEST(Real6, UnderflowStoresZero)
{
    EXPECT_EQ(stored(kSmallest / 2), bytes(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(-kSmallest / 2), bytes(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(LDBL_TRUE_MIN), bytes(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(stored(1e-300L), bytes(0, 0, 0, 0, 0, 0));
    // Just below the smallest value by less than half a step: rounds up into it.
    EXPECT_EQ(stored(kSmallest - std::ldexp(kSmallest, -41)), bytes(0x01, 0, 0, 0, 0, 0));
    EXPECT_EQ(roundToReal6(kSmallest / 4), 0.0L);
}

TEST(Real6, OverflowIsReported)
{
    const long double halfStep = std::ldexp(1.0L, 126 - 40);  // half of the last bit at exponent 255
    EXPECT_FALSE(longDoubleToReal6(std::ldexp(1.0L, 127)).has_value());
    EXPECT_FALSE(longDoubleToReal6(-std::ldexp(1.0L, 127)).has_value());
    EXPECT_FALSE(longDoubleToReal6(kLargest + halfStep).has_value());  // rounds up past the top
    EXPECT_EQ(stored(kLargest + halfStep / 2), bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F));
    EXPECT_FALSE(longDoubleToReal6(1e300L).has_value());
    EXPECT_FALSE(longDoubleToReal6(HUGE_VALL).has_value());
    EXPECT_FALSE(longDoubleToReal6(-HUGE_VALL).has_value());
    EXPECT_FALSE(longDoubleToReal6(NAN).has_value());

    // Overflowing values are handed back unchanged by roundToReal6.
    EXPECT_EQ(roundToReal6(1e300L), 1e300L);
    EXPECT_TRUE(std::isinf(roundToReal6(HUGE_VALL)));
}

TEST(Real6, StoreWritesOnlyOnSuccess)
{
    std::uint8_t field[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_FALSE(storeReal6(1e300L, field + 1));
    for (std::uint8_t b : field)
        EXPECT_EQ(b, 9);

    EXPECT_TRUE(storeReal6(-1.0L, field + 1));
    const std::uint8_t expected[8] = {9, 0x81, 0, 0, 0, 0, 0x80, 9};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(field[i], expected[i]) << "byte " << i;
}

TEST(Real6, EveryStoredPatternRoundTrips)
{
    std::mt19937_64 rng(20240305);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = rng();
        Real6 r;
        for (int k = 0; k < 6; ++k)
            r[k] = static_cast<std::uint8_t>(bits >> (8 * k));
        if (r[0] == 0)
            r[0] = 1;
        const long double v = real6ToLongDouble(r);
        ASSERT_EQ(stored(v), r) << "pattern " << bits;
        ASSERT_EQ(roundToReal6(v), v);
    }
}

TEST(Real6, RoundingErrorIsAtMostHalfAStep)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-120, 120);
    for (int i = 0; i < 20000; ++i) {
        // A full 64-bit mantissa: the double plus bits below its precision.
        const long double m = static_cast<long double>(mantissa(rng)) +
                              std::ldexp(static_cast<long double>(rng() >> 11), -53 - 53);
        const int e = exponent(rng);
        const long double v = std::ldexp(m, e);
        const long double r = roundToReal6(v);
        const long double step = std::ldexp(1.0L, e - 39);
        ASSERT_LE(std::fabs(r - v), step / 2) << static_cast<double>(v);
        // Rounding again changes nothing.
        ASSERT_EQ(roundToReal6(r), r);
        ASSERT_EQ(roundToReal6(-v), -r);
    }
}
