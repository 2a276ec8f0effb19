// The stock textures in library order, with their sizes: mostly squares of 128 and 256 pixels,
// smaller squares for fine patterns, and a few oblong tiles. The main styles name textures by
// their place in this list (marble for "Stone", hammered gold for "Urkunde", ice for "cool", ...),
// so the order is part of their look.
#include "document/ImageJpeg.h"
#include "reslib/generator/Producers.h"
#include "reslib/generator/TextureRecipes.h"

namespace vortel::resgen {
namespace {

struct TextureRecipe {
    int32_t width, height;
    Bitmap (*make)(const Tile&);
};

constexpr int JpegQuality = 90;

constexpr TextureRecipe textures[] = {
    {256, 256, oakPlanks},       {256, 256, whiteMarble},     {128, 128, walnut},
    {128, 128, hammeredGold},    {256, 256, skyClouds},       {128, 128, denim},
    {128, 128, cobblestones},    {64, 64, hexagonTiles},      {256, 256, granite},
    {128, 128, brushedSteel},    {256, 256, caustics},        {96, 96, leopard},
    {160, 160, rainbowSwirl},    {140, 72, mapleStrip},       {128, 128, tartan},
    {256, 256, plasma},          {96, 96, zebra},             {42, 42, checkerTiles},
    {256, 256, sunsetClouds},    {128, 128, copperPatina},    {256, 256, sandstone},
    {128, 128, canvas},          {256, 256, greenMarble},     {90, 90, camouflage},
    {200, 200, greyBricks},      {128, 128, stormClouds},     {128, 128, slate},
    {48, 48, leather},           {48, 48, halftone},          {72, 72, mosaic},
    {128, 128, roseMarble},      {128, 128, ice},             {128, 128, crumpledPaper},
    {110, 147, rockFace},        {256, 256, oceanWaves},      {60, 60, knit},
    {128, 128, knottyPine},      {256, 256, redBricks},       {256, 256, parchment},
    {64, 64, diamondPlate},      {80, 80, terracotta},        {112, 112, grass},
    {16, 32, corduroy},          {144, 144, moss},            {100, 100, bubbles},
    {120, 120, lava},            {128, 128, stoneBlocks},     {96, 64, basketWeave},
    {128, 128, blackGoldMarble}, {192, 192, blueMarble},      {64, 64, sand},
    {200, 120, cardboard},       {128, 128, rust},            {180, 180, starfield},
};

}  // namespace

void addTextures(ResourceSet& set) {
    int index = 0;
    for (const auto& recipe : textures) {
        const Bitmap tile = recipe.make(Tile{recipe.width, recipe.height});
        set.add("JPG", indexedName("JPG_", ++index), encodeJpeg(tile, JpegQuality));
    }
}

}  // namespace vortel::resgen
