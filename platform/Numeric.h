#pragma once
#include <cmath>
#include <cstdint>
#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace vortel {

// std::nearbyint under the default rounding mode, which the program never changes, without a
// library call (what x86-64 without SSE4.1 makes of it): adding and taking away 2^52 leaves the
// nearest integer, ties to even, for every magnitude below 2^52; larger ones are integers already.
// roundEven's way where the processor's own conversion is not at hand.
inline double nearestEven(double v) {
    constexpr double kTwo52 = 4503599627370496.0;
    const double a = std::fabs(v);
    if (!(a < kTwo52)) return v;  // NaN too
    return std::copysign((a + kTwo52) - kTwo52, v);
}

// Rounding to the nearest integer, ties to even, as every real-to-integer conversion of the program.
// Out-of-range values saturate (NaN gives 0) instead of overflowing the integer.
inline int64_t roundEven(double v) {
    if (v > -9.2e18 && v < 9.2e18) {  // NaN is neither
#if defined(__SSE2__) && defined(__x86_64__)
        return _mm_cvtsd_si64(_mm_set_sd(v));  // the processor's conversion rounds ties to even
#else
        return static_cast<int64_t>(nearestEven(v));
#endif
    }
    if (v >= 9.2e18) return INT64_MAX;
    if (v <= -9.2e18) return INT64_MIN;
    return 0;
}
inline int32_t roundEven32(double v) {
    const int64_t r = roundEven(v);
    return r >= INT32_MAX ? INT32_MAX : r <= INT32_MIN ? INT32_MIN : static_cast<int32_t>(r);
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
