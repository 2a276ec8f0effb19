#include "platform/PixelRows.h"

#include <immintrin.h>

namespace vortel {

namespace {

void packScalar(const uint32_t* pixels, uint8_t* out, int32_t from, int32_t count) {
    for (int32_t x = from; x < count; ++x) {
        const uint32_t v = pixels[x];
        out[3 * x] = uint8_t(v);
        out[3 * x + 1] = uint8_t(v >> 8);
        out[3 * x + 2] = uint8_t(v >> 16);
    }
}

void unpackScalar(const uint8_t* in, uint32_t* pixels, int32_t from, int32_t count) {
    for (int32_t x = from; x < count; ++x)
        pixels[x] = uint32_t(in[3 * x]) | uint32_t(in[3 * x + 1]) << 8 | uint32_t(in[3 * x + 2]) << 16;
}

// A 16-byte load or store at pixel x touches 16 bytes from 3x; it stays inside the row's 3 x count
// bytes while x + 6 <= count. The scalar loop does the rest.
__attribute__((target("ssse3"))) void packSsse3(const uint32_t* pixels, uint8_t* out, int32_t count) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int32_t x = 0;
    for (; x + 6 <= count; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * x), _mm_shuffle_epi8(v, order));
    }
    packScalar(pixels, out, x, count);
}

__attribute__((target("ssse3"))) void unpackSsse3(const uint8_t* in, uint32_t* pixels, int32_t count) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    int32_t x = 0;
    for (; x + 6 <= count; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + x), _mm_shuffle_epi8(v, order));
    }
    unpackScalar(in, pixels, x, count);
}

const bool hasSsse3 = __builtin_cpu_supports("ssse3");

}  // namespace

void packBgrRow(const uint32_t* pixels, uint8_t* out, int32_t count) {
    if (hasSsse3) packSsse3(pixels, out, count);
    else packScalar(pixels, out, 0, count);
}

void unpackBgrRow(const uint8_t* in, uint32_t* pixels, int32_t count) {
    if (hasSsse3) unpackSsse3(in, pixels, count);
    else unpackScalar(in, pixels, 0, count);
}

}  // namespace vortel
