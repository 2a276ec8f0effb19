#pragma once
// Effects the tests and benchmarks set up again and again: a rounded two-segment bevel, and a
// soft shadow six pixels down and to the right.
#include <array>

#include "engine/FontFX.h"

namespace vortel::test {

inline void setSampleBevel(TFontFX& e) {
    std::array<BevelPoint, 11> pts{};
    pts[0] = {0, 1, 0, 0, 0, 0};
    pts[1] = {0, 3, 0, 400, 600, 0};
    pts[2] = {0, 1, 0, 1000, 1000, 0};
    e.setBevelProfile(pts, 2);
    e.setBevelEnabled(true);
    e.setBevelValues(200, 100, 0, -45);
}

inline void setSampleBevelAndSoftShadow(TFontFX& e) {
    setSampleBevel(e);
    ShadowParams s = e.Shadow;
    s.ShadowBlur = 6;
    s.ShadowX = 6;
    s.ShadowY = 6;
    e.setShadow(s);
}

}  // namespace vortel::test
