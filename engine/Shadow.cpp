#include "engine/FontFX.h"

namespace vortel {

void TFontFX::CastShadow(std::vector<uint8_t>&, int32_t, int32_t) {}
void TFontFX::CreateShadowPointer(TPixelBuffer&) {}
void TFontFX::ZeichneShadow(TPixelBuffer&) {}

}  // namespace vortel
