#pragma once
#include <memory>

#include "document/StockResources.h"
#include "panels/presets/Panels.h"
#include "tests/engine/EngineFixture.h"

namespace vortel::test {

// An engine with the panels over it, reading the real stock-image library.
struct PanelsRig : EngineRig {
    explicit PanelsRig(int32_t w = 450, int32_t h = 200) : EngineRig(w, h), panels(*engine, stockModule()) {}
    // Outline, warp and a full render of the current state; false when the warp refused.
    bool render() {
        if (!extractAndWarp()) return false;
        engine->ShowText(*canvas, false);
        return true;
    }
    presets::EffectPanels panels;
};

}  // namespace vortel::test
