#pragma once
// The 6-byte real of the file format: byte 0 the exponent biased by 129 (0 means the value 0),
// bytes 1..4 and the low 7 bits of byte 5 a 39-bit fraction (least significant first) below an
// implied leading 1, bit 7 of byte 5 the sign. 1.0 is 81 00 00 00 00 00.
#include <array>
#include <cstdint>

namespace vortel {

using Real48 = std::array<uint8_t, 6>;

// Rounds to the nearest representable value; NaN and values too small become 0, values too large
// the largest representable value of their sign.
Real48 toReal48(double value);
double fromReal48(const Real48& bytes);

}  // namespace vortel
