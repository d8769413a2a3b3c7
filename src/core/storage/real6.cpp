#include "storage/real6.h"

#include <cfloat>
#include <cmath>

namespace tolvane {

static_assert(LDBL_MANT_DIG == 64, "the conversions assume the x87 80-bit long double");

namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;   // the leading 1 of the mantissa
constexpr std::uint64_t kFractionMask = kHiddenBit - 1;

// The 40-bit mantissa (hidden bit included) and biased exponent of a finite
// nonzero magnitude, rounded to the nearest stored fraction with a dropped half
// rounding up. The exponent is not range-checked here.
struct Rounded {
    std::uint64_t mantissa;
    int exponent;
};

Rounded roundMagnitude(long double magnitude)
{
    int binaryExponent = 0;
    // magnitude = fr * 2^binaryExponent with fr in [0.5, 1); fr * 2^64 is the
    // full 64-bit mantissa of the long double, an exact integer.
    const long double fr = std::frexp(magnitude, &binaryExponent);
    const auto full = static_cast<std::uint64_t>(std::ldexp(fr, 64));

    constexpr int dropped = 64 - (kFractionBits + 1);
    constexpr std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    std::uint64_t mantissa = full >> dropped;
    if ((full & ((std::uint64_t{1} << dropped) - 1)) >= half)
        ++mantissa;

    // magnitude = (fr * 2) * 2^(binaryExponent - 1), and fr * 2 is 1.f
    int exponent = binaryExponent - 1 + kBias;
    if (mantissa == (kHiddenBit << 1)) {  // 1.111...1 rounded up to 10.000...0
        mantissa >>= 1;
        ++exponent;
    }
    return {mantissa, exponent};
}

// Six bytes for a value, or false on overflow. Underflow gives all zeros.
bool encode(long double value, std::uint8_t* out)
{
    if (!std::isfinite(value))
        return false;
    if (value == 0.0L) {
        for (int i = 0; i < 6; ++i)
            out[i] = 0;
        return true;
    }
    const Rounded r = roundMagnitude(std::fabs(value));
    if (r.exponent > 255)
        return false;
    if (r.exponent < 1) {
        for (int i = 0; i < 6; ++i)
            out[i] = 0;
        return true;
    }
    const std::uint64_t fraction = r.mantissa & kFractionMask;
    out[0] = static_cast<std::uint8_t>(r.exponent);
    for (int i = 0; i < 5; ++i)
        out[1 + i] = static_cast<std::uint8_t>((fraction >> (8 * i)) & 0xFF);
    if (std::signbit(value))
        out[5] = static_cast<std::uint8_t>(out[5] | 0x80);
    return true;
}

} // namespace

long double real6ToLongDouble(const std::uint8_t* bytes)
{
    const int exponent = bytes[0];
    if (exponent == 0)
        return 0.0L;
    std::uint64_t fraction = 0;
    for (int i = 4; i >= 0; --i)
        fraction = (fraction << 8) | bytes[1 + i];
    fraction &= kFractionMask;  // the top bit of byte 5 is the sign
    // 40 significant bits fit the 64-bit mantissa: the scaling is exact.
    const long double magnitude =
        std::ldexp(static_cast<long double>(kHiddenBit | fraction), exponent - kBias - kFractionBits);
    return (bytes[5] & 0x80) != 0 ? -magnitude : magnitude;
}

std::optional<Real6> longDoubleToReal6(long double value)
{
    Real6 r{};
    if (!encode(value, r.data()))
        return std::nullopt;
    return r;
}

long double roundToReal6(long double value)
{
    Real6 r{};
    if (!encode(value, r.data()))
        return value;
    return real6ToLongDouble(r);
}

bool storeReal6(long double value, std::uint8_t* out)
{
    Real6 r{};
    if (!encode(value, r.data()))
        return false;
    for (std::size_t i = 0; i < r.size(); ++i)
        out[i] = r[i];
    return true;
}

} // namespace tolvane
