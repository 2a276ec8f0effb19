#include "engine/FontFX.h"

namespace vortel {

void TFontFX::ZeichneBGFramePolygon(Canvas&, int32_t, int32_t) {}

}  // namespace vortel
