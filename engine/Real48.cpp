#include "engine/Real48.h"

#include <cmath>

namespace vortel {
namespace {

constexpr int FractionBits = 39;
constexpr int Bias = 129;

Real48 pack(bool negative, int exponent, uint64_t fraction) {
    Real48 out{};
    out[0] = uint8_t(exponent);
    for (int i = 0; i < 5; ++i) out[size_t(1 + i)] = uint8_t(fraction >> (8 * i));
    out[5] = uint8_t((out[5] & 0x7F) | (negative ? 0x80 : 0));
    return out;
}

}  // namespace

Real48 toReal48(double value) {
    if (std::isnan(value) || value == 0) return Real48{};
    const bool negative = value < 0;
    int e = 0;
    // |value| = m * 2^e with m in [0.5, 1); the format's mantissa 1.f is 2m, exponent e - 1.
    const double m = std::frexp(std::fabs(value), &e);
    auto mantissa = uint64_t(std::nearbyint(std::ldexp(m, FractionBits + 1)));
    if (mantissa >> (FractionBits + 1)) {  // rounded up to the next power of two
        mantissa >>= 1;
        ++e;
    }
    const int exponent = e - 1 + Bias;
    if (exponent < 1) return Real48{};
    if (exponent > 255 || std::isinf(value)) return pack(negative, 255, (uint64_t(1) << FractionBits) - 1);
    return pack(negative, exponent, mantissa & ((uint64_t(1) << FractionBits) - 1));
}

double roundToReal48(double value) { return fromReal48(toReal48(value)); }

double fromReal48(const Real48& bytes) {
    if (bytes[0] == 0) return 0.0;
    uint64_t fraction = 0;
    for (int i = 4; i >= 0; --i) fraction = (fraction << 8) | bytes[size_t(1 + i)];
    fraction &= (uint64_t(1) << FractionBits) - 1;
    const double magnitude = std::ldexp(double((uint64_t(1) << FractionBits) | fraction), bytes[0] - Bias - FractionBits);
    return (bytes[5] & 0x80) ? -magnitude : magnitude;
}

}  // namespace vortel
