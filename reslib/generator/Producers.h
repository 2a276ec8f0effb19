#pragma once
// Each producer adds one family of stock images to the set, under the names the program uses.
#include "reslib/generator/ResourceSet.h"

namespace vortel::resgen {

void addTextures(ResourceSet& set);          // JPG_01 ...
void addImprints(ResourceSet& set);          // IMPRINT_01 ..., IMPRINT_X01 ...
void addGradientPreviews(ResourceSet& set);  // FARBVERL_01 ...
void addColorMap(ResourceSet& set);          // COLORMAP
void addLogo(ResourceSet& set);              // VORTEL
void addIcon(ResourceSet& set);              // FLAMME
// STYLE_002 ..., DEFORM_01 ..., BEVEL_01 ..., SHADOW_01 ..., FRAME_01 ..., OUT_01 ...; needs the
// textures and imprints in the set already, as the styles use them.
void addPresetPreviews(ResourceSet& set);

}  // namespace vortel::resgen
