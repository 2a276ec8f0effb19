#pragma once
#include <ostream>

#include "cli/Options.h"
#include "engine/FontFX.h"

namespace vortel::cli {

// The presets the options ask for, in their fixed order, as the program's pages apply them: the
// image height is the preview height, a given --text counts as typed by the user. The outline and
// frame presets get a fixed time stamp, so a command gives the same picture on every run.
void applyPresets(TFontFX& engine, const Options& options, std::ostream& err);

}  // namespace vortel::cli
