#pragma once
// The render verb's steps up to the picture, kept in memory instead of written: for callers that
// take the pixels themselves (the Python module). RenderVerb.cpp writes files; this writes nothing.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "engine/FontFX.h"

namespace vortel::cli {

struct RenderedPicture {
    int32_t width = 0;
    int32_t height = 0;
    int channels = 3;             // 3: red, green, blue; 4 with --transparent: and alpha
    std::vector<uint8_t> pixels;  // top-down rows, width * channels bytes each, no padding
    std::optional<std::string> refused;  // the warp was refused: the pixels are the background alone
};

// The picture `render -o FILE.png` writes for the same options (the output, --jpeg-quality and
// --png-effort are not looked at), on the calling thread with an engine of its own. Warnings go
// to `err` as the render verb says them; throws like the render verb.
// The engine as every render takes it: the options' settings and presets, the textures and the
// imprint, the font smoothing of the quality; returns the quality.
Quality prepareRenderEngine(TFontFX& engine, const Options& options, std::ostream& err);

RenderedPicture renderPicture(const Options& options, std::ostream& err);

}  // namespace vortel::cli
