#pragma once
#include <cmath>
#include <cstdint>

namespace vortel {

// Rounding to the nearest integer, ties to even, as every real-to-integer conversion of the program.
// Out-of-range values saturate (NaN gives 0) instead of overflowing the integer.
inline int64_t roundEven(double v) {
    const double r = std::nearbyint(v);
    if (!(r == r)) return 0;
    if (r >= 9.2e18) return INT64_MAX;
    if (r <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(r);
}
inline int32_t roundEven32(double v) {
    const double r = std::nearbyint(v);
    if (!(r == r)) return 0;
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(r);
}

// Integer multiply-divide with a 64-bit intermediate, rounding half away from zero.
// A zero divisor gives -1, which is what callers of the old system function saw.
inline int32_t mulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    int64_t p = static_cast<int64_t>(a) * b;
    bool neg = (p < 0) != (c < 0);
    uint64_t up = static_cast<uint64_t>(p < 0 ? -p : p);
    uint64_t uc = static_cast<uint64_t>(c < 0 ? -static_cast<int64_t>(c) : c);
    uint64_t q = (up + uc / 2) / uc;
    if (q > 0x7FFFFFFFull) return -1;
    return neg ? -static_cast<int32_t>(q) : static_cast<int32_t>(q);
}

inline uint8_t clampByte(int32_t v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<uint8_t>(v); }

}  // namespace vortel
