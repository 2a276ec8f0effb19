#pragma once
// Fitting the effect to a new picture size: the guides, and with them the text, follow the image,
// and the effect values that are measured in pixels follow the guides, so the effect keeps its look.
#include "engine/FontFX.h"

namespace vortel::presets {

// The largest picture side the document accepts.
inline constexpr int32_t MaxImageSide = 10000;

// What the picture shows of the effect, in image rows from the top (right and bottom exclusive):
// the warped text's bounding box, united with the cast shadow's extent while a shadow is on. Empty
// before the first layout. `imageHeight` is the height the engine last rendered at.
Rect TextCoverage(const TFontFX& engine, int32_t imageHeight);

// The free border left around the text when the picture is fitted to it: 3 % of the box's larger
// side, at least 1 pixel.
int32_t FitMargin(const Rect& box);

// Scales the guides, their handles and the pixel-sized effect values from a picture of `oldSize`
// to `newSize` (each side 1 .. MaxImageSide).
//   minimise: the picture shrinks (or grows) to the text's coverage plus FitMargin on every side;
//             the guides move with it and keep their size; `newSize` is not used.
//   maximise: after the scaling, the text grows or shrinks evenly until its coverage plus the
//             margin fills the picture in one direction, and is centred in the other.
// Both flags: minimise alone (the fitted picture is already filled by its text).
// Returns the size the picture must take; the engine's ImageRect is set to it, its text and shadow
// maps are released and a guide undo recorded at the old size is dropped. The engine is left
// ready for the next layout.
Size ScaleText(TFontFX& engine, Size oldSize, Size newSize, bool minimise, bool maximise);

}  // namespace vortel::presets
