#pragma once
// The steps every verb shares: build the requested state, then lay out and warp the text.
#include <optional>
#include <ostream>
#include <string>

#include "cli/Options.h"
#include "engine/FontFX.h"
#include "platform/Canvas.h"

namespace vortel::cli {

// The image rectangle the engine is constructed with.
Rect imageRect(const Options& options);

// Applies the input files, --size, --text, the presets (style, random, guide, bevel, outline,
// shadow, frame, gradient), then every --set in order; throws SettingError on the first bad
// setting. The seed of a random effect is reported on `err`.
void configureEngine(TFontFX& engine, const Options& options, std::ostream& err);

// Extracts the text outline on `canvas` and warps it into the guides. Throws WarpRefused,
// carrying the engine's own messages, when either step declines; on success anything the
// engine said goes to `warnings`, one "vortel-cli: warning: " line each.
void runPipeline(TFontFX& engine, Canvas& canvas, std::ostream& warnings);

// The same steps for a renderer, which still draws the background when the warp is refused:
// that refusal is returned as its message instead of thrown. A failed extraction still throws.
std::optional<std::string> runPipelineKeepingRefusal(TFontFX& engine, Canvas& canvas, std::ostream& warnings);

}  // namespace vortel::cli
