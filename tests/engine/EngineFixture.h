#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "engine/FontFX.h"

namespace vortel::test {

// A fresh engine over a work image of the given size, with a canvas of the same size and a
// recorder for what the engine says.
struct EngineRig {
    explicit EngineRig(int32_t w = 450, int32_t h = 200)
        : engine(std::make_unique<TFontFX>(Rect{0, 0, w, h})), canvas(std::make_unique<Canvas>(w, h)) {
        engine->setMessages(&messages);
    }
    bool extract() { return engine->GetPointsAndTypes(*canvas, false); }
    bool extractAndWarp() { return extract() && engine->CalcVortel(0); }
    void setGuides(const std::array<std::vector<Point>, 4>& guides) {
        for (int g = 0; g < 4; ++g) {
            engine->GuidePoints[g] = guides[g];
            engine->NumGuidePoints[g] = static_cast<uint16_t>(guides[g].size());
        }
    }
    std::unique_ptr<TFontFX> engine;
    std::unique_ptr<Canvas> canvas;
    RecordingMessages messages;
};

// Guides of a straight rectangle with corners joined.
inline std::array<std::vector<Point>, 4> rectangleGuides(int l, int t, int r, int b) {
    return {std::vector<Point>{{l, t}, {r, t}}, {{r, t}, {r, b}}, {{l, b}, {r, b}}, {{l, t}, {l, b}}};
}

}  // namespace vortel::test
