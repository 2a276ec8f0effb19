#pragma once
// One function a stock texture: each paints a tile of the given size that repeats without a
// seam. The library order and sizes are in Textures.cpp.
#include "platform/Bitmap.h"
#include "reslib/generator/Noise.h"

namespace vortel::resgen {

// Woods, marbles and stones (TexturesWoodStone.cpp).
Bitmap oakPlanks(const Tile& tile);
Bitmap mapleStrip(const Tile& tile);
Bitmap walnut(const Tile& tile);
Bitmap knottyPine(const Tile& tile);
Bitmap whiteMarble(const Tile& tile);
Bitmap greenMarble(const Tile& tile);
Bitmap blackGoldMarble(const Tile& tile);
Bitmap roseMarble(const Tile& tile);
Bitmap blueMarble(const Tile& tile);
Bitmap granite(const Tile& tile);
Bitmap sandstone(const Tile& tile);
Bitmap slate(const Tile& tile);
Bitmap cobblestones(const Tile& tile);
Bitmap rockFace(const Tile& tile);
Bitmap sand(const Tile& tile);

// Metals, fabrics and papers (TexturesMade.cpp).
Bitmap brushedSteel(const Tile& tile);
Bitmap hammeredGold(const Tile& tile);
Bitmap copperPatina(const Tile& tile);
Bitmap rust(const Tile& tile);
Bitmap diamondPlate(const Tile& tile);
Bitmap denim(const Tile& tile);
Bitmap tartan(const Tile& tile);
Bitmap canvas(const Tile& tile);
Bitmap knit(const Tile& tile);
Bitmap corduroy(const Tile& tile);
Bitmap basketWeave(const Tile& tile);
Bitmap parchment(const Tile& tile);
Bitmap crumpledPaper(const Tile& tile);
Bitmap cardboard(const Tile& tile);

// Bricks, tiles, skies and waters (TexturesBuilt.cpp).
Bitmap redBricks(const Tile& tile);
Bitmap stoneBlocks(const Tile& tile);
Bitmap greyBricks(const Tile& tile);
Bitmap checkerTiles(const Tile& tile);
Bitmap hexagonTiles(const Tile& tile);
Bitmap mosaic(const Tile& tile);
Bitmap terracotta(const Tile& tile);
Bitmap skyClouds(const Tile& tile);
Bitmap sunsetClouds(const Tile& tile);
Bitmap stormClouds(const Tile& tile);
Bitmap caustics(const Tile& tile);
Bitmap oceanWaves(const Tile& tile);
Bitmap ice(const Tile& tile);

// Skins, plants, fire and abstract patterns (TexturesFree.cpp).
Bitmap leather(const Tile& tile);
Bitmap halftone(const Tile& tile);
Bitmap camouflage(const Tile& tile);
Bitmap leopard(const Tile& tile);
Bitmap zebra(const Tile& tile);
Bitmap bubbles(const Tile& tile);
Bitmap grass(const Tile& tile);
Bitmap lava(const Tile& tile);
Bitmap moss(const Tile& tile);
Bitmap rainbowSwirl(const Tile& tile);
Bitmap starfield(const Tile& tile);
Bitmap plasma(const Tile& tile);

}  // namespace vortel::resgen
