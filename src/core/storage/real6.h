#pragma once
// The 6-byte real that every stored number of the program uses.
//
// byte 0      exponent, biased by 129 (0 means the value 0)
// bytes 1..5  39-bit fraction, little-endian, bits 0..38
// byte 5 b7   sign
// value = (-1)^s * 2^(e-129) * (1 + f/2^39)
//
// Reading is exact in long double. Storing rounds the magnitude to the nearest
// 39-bit fraction (a dropped half rounds up), stores 0 when the exponent would
// fall below 1 and reports an overflow when it would exceed 255.

#include <array>
#include <cstdint>
#include <optional>

namespace tolvane {

using Real6 = std::array<std::uint8_t, 6>;

// The value of six stored bytes.
long double real6ToLongDouble(const std::uint8_t* bytes);
inline long double real6ToLongDouble(const Real6& r) { return real6ToLongDouble(r.data()); }

// The stored form of a value; empty on overflow (also for infinities and NaN).
std::optional<Real6> longDoubleToReal6(long double value);

// The value as it reads back after storing: what a stored field holds.
// Overflowing values come back unchanged (callers that store check overflow themselves).
long double roundToReal6(long double value);

// Writes the stored form at `out`; false (and `out` untouched) on overflow.
bool storeReal6(long double value, std::uint8_t* out);

} // namespace tolvane
