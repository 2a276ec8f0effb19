#pragma once
#include <cstdint>

namespace vortel {

// Box-blurs the cast shadow shape `src` into `dst` with radius `radius` (≥ 1). Both maps hold
// width × height bytes, rows bottom-up; `dst` comes zero-filled and only rows that can receive
// coverage are written. Every non-zero byte of `src` lies in rows firstRow .. lastRow.
//
// The window is 2r columns by 2r rows, divided by (2r)², so a wide shape keeps full coverage
// inside. Columns 0 .. r-1 get their running sums refreshed at the end of each row, so the first
// columns of a row see them one row late; the last r columns repeat the value before them.
void blurShadowShape(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t radius,
                     int32_t firstRow, int32_t lastRow);

}  // namespace vortel
