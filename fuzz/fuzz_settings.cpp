// Feeds arbitrary {"key": value, ...} documents through applySetting and then the layout, the
// warp and the renderer, the way a user's --set options reach the engine.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include <nlohmann/json.hpp>

#include "cli/EngineJson.h"
#include "engine/FontFX.h"
#include "platform/Canvas.h"

namespace {

constexpr int32_t Width = 120;
constexpr int32_t Height = 60;
constexpr size_t MaxTextBytes = 200;
constexpr int32_t MaxFontHeight = 400;

// Large texts and fonts are valid but slow; the fuzzer learns nothing from waiting on them.
bool withinBudget(const vortel::TFontFX& engine) {
    const int64_t height = engine.Font.lfHeight;
    return engine.Text.size() <= MaxTextBytes && std::llabs(height) <= MaxFontHeight;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto document = nlohmann::json::parse(data, data + size, nullptr, false);
    if (document.is_discarded() || !document.is_object()) return -1;

    vortel::TFontFX engine(vortel::Rect{0, 0, Width, Height});
    for (const auto& [key, value] : document.items()) {
        try {
            vortel::cli::applySetting(engine, key, value);
        } catch (const vortel::cli::SettingError&) {
            // Rejected settings are expected; the engine must be unchanged and still usable.
        }
    }
    if (!withinBudget(engine)) return -1;

    try {
        vortel::Canvas canvas(Width, Height);
        if (engine.GetPointsAndTypes(canvas, false) && engine.CalcVortel(0)) {
            engine.GetMiddleOfGuides();
            // Both qualities, and a second full render from the cached maps.
            engine.ShowText(canvas, true);
            engine.ShowText(canvas, false);
            engine.setSmoothFont(engine.SmoothFont == 0);
            engine.ShowText(canvas, false);
        }
    } catch (const std::exception&) {
        // Unknown faces and refused input are reported by exception; only crashes are findings.
    }
    return 0;
}
