#include "engine/FontFX.h"

namespace vortel {

void TFontFX::ZeichneBGFrame(TPixelBuffer&) {}

}  // namespace vortel
