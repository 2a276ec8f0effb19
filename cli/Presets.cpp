#include "cli/Presets.h"

#include "document/StockResources.h"
#include "panels/presets/Panels.h"
#include "platform/Texts.h"

namespace vortel::cli {

// Any fixed number would do; this one is the preset's time stamp in every command-line run.
constexpr int32_t CommandLineStamp = 1;

void applyPresets(TFontFX& engine, const Options& options, std::ostream& err) {
    presets::EffectPanels panels(engine, stockModule());
    panels.textEdited = options.text.has_value();
    if (options.style) panels.ApplyMainStyle(*options.style);
    if (options.random) {
        const uint32_t seed = panels.GenerateRandomEffect(options.randomSeed);
        err << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "random seed %1"), seed) << '\n';
    }
    if (options.guidePreset) panels.ApplyGuidePreset(*options.guidePreset);
    if (options.bevelPreset) panels.ApplyBevelPreset(*options.bevelPreset);
    if (options.outlinePreset) panels.ApplyOutlinePreset(*options.outlinePreset, CommandLineStamp);
    if (options.shadowPreset) panels.ApplyShadowPreset(*options.shadowPreset);
    if (options.framePreset) panels.ApplyFramePreset(*options.framePreset, CommandLineStamp);
    if (options.gradientPreset) panels.ApplyGradientPreset(1, *options.gradientPreset);
}

}  // namespace vortel::cli
