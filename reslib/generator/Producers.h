#pragma once
// Each producer adds one family of stock images to the set, under the names the program uses.
// Further families (the preset previews) join as further producers.
#include "reslib/generator/ResourceSet.h"

namespace vortel::resgen {

void addTextures(ResourceSet& set);          // JPG_01 ...
void addImprints(ResourceSet& set);          // IMPRINT_01 ..., IMPRINT_X01 ...
void addGradientPreviews(ResourceSet& set);  // FARBVERL_01 ...
void addColorMap(ResourceSet& set);          // COLORMAP
void addLogo(ResourceSet& set);              // VORTEL
void addIcon(ResourceSet& set);              // FLAMME

}  // namespace vortel::resgen
