// The 45 main styles, one row each. Their texts, colours, textures, fonts and character spacing,
// and the guides of styles 1 and 45, are what the styles have always been; the guides of the
// others, the gradients, bevels, fringes, shadows and frames are drawn to match each name.
// Texture numbers count the stock textures from 0.
#include "panels/presets/MainStyles.h"

namespace vortel::presets {
namespace {

constexpr int64_t Keep = -1;

// Guide lists used by more than one style.
const std::vector<int32_t> Across{0, 100};
const std::vector<int32_t> Twenty{0, 5, 11, 16, 21, 26, 32, 37, 42, 47, 53, 58, 63, 68, 74, 79, 84, 89, 95, 100};

StyleGuides straight(int32_t top, int32_t bottom) { return {Across, {top, top}, Across, {bottom, bottom}}; }

// Profiles used by more than one style.
const std::vector<StyleBevelSegment> Rounded{{100, 0, 3, 0}};
const std::vector<StyleBevelSegment> Chisel{{100, 0, 1, 0}};
const std::vector<StyleBevelSegment> Pillow{{40, 0, 3, 0}, {100, 0, 1, 0}};

}  // namespace

const std::array<StyleRow, 46>& MainStyleRows() {
    static const std::array<StyleRow, 46> rows = {{
        // 0: the plain style is worked out from the current effect.
        {.text = "Vortel", .textColor = Keep, .backColor = Keep, .textTexture = -1, .backTexture = -1},
        // 1 Gutschein: a voucher, its text on an arch with soft edges and a teal border.
        {.text = "Gutschein", .textColor = 0x008080, .backColor = 0xA5F3E7, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{{11, 36, 64, 89}, {35, 15, 15, 35}, {11, 36, 64, 89}, {86, 66, 66, 86}},
         .bevel = StyleBevel{.segments = Rounded},
         .outline = StyleOutline{2, 100, 143, 143},
         .shadow = StyleShadow{.blur = 71, .x = 0, .y = 0, .intensity = 200},
         .frame = StyleFrame{.kind = 5, .width = 1071, .color = 0x008080},
         .charSpacing = 15},
        // 2 Herzlichen Glückwunsch: two lines on a gentle wave, white beads round an orange card.
        {.text = "Herzlichen\r\nGl\xC3\xBC" "ckwunsch", .textColor = 0x428AFF, .backColor = 0xFF6100, .textTexture = -1,
         .backTexture = -1,
         .guides = StyleGuides{Twenty, {10, 13, 15, 17, 18, 18, 17, 16, 14, 11, 9, 6, 4, 3, 2, 2, 3, 5, 7, 10}, Twenty,
                               {90, 93, 95, 97, 98, 98, 97, 96, 94, 91, 89, 86, 84, 83, 82, 82, 83, 85, 87, 90}},
         .bevel = StyleBevel{.segments = Pillow, .height = 160, .size = 60},
         .shadow = StyleShadow{.blur = 200, .x = 200, .y = -250, .intensity = 70},
         .frame = StyleFrame{.kind = 11, .width = 800, .color = 0xFFFFFF}},
        // 3 Blech: sheet metal, banded grey with a sharp chisel edge.
        {.text = "Blech", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .textGradient = StyleGradient{1, {0xF4F4F4, 0x8A8A8A, 0xE6E6E6, 0x5A5A5A, 0xC8C8C8}},
         .bevel = StyleBevel{.segments = Chisel, .height = 220, .size = 35},
         .shadow = StyleShadow{.blur = 120, .x = 150, .y = -150, .intensity = 50}},
        // 4 45: a big white number, pillowed, on blue.
        {.text = "45", .textColor = 0xFFFFFF, .backColor = 0x0071B5, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{{25, 75}, {0, 0}, {25, 75}, {100, 100}},
         .bevel = StyleBevel{.segments = Rounded, .height = 160},
         .shadow = StyleShadow{.blur = 250, .x = 250, .y = -250, .intensity = 80},
         .frame = StyleFrame{.kind = 13, .width = 900, .color = 0xFFFFFF}},
        // 5 Viel Glück: sunset clouds in rounded letters.
        {.text = "Viel\r\nGl\xC3\xBC" "ck", .textColor = 0x008080, .backColor = Keep, .textTexture = 18, .backTexture = -1,
         .guides = straight(5, 95),
         .bevel = StyleBevel{.segments = Rounded, .height = 140},
         .shadow = StyleShadow{.blur = 150, .x = 150, .y = -150, .intensity = 60}},
        // 6 Urkunde: hammered gold with a fine double border.
        {.text = "Urkunde", .textColor = 0x009EB5, .backColor = Keep, .textTexture = 3, .backTexture = -1,
         .guides = straight(15, 85),
         .bevel = StyleBevel{.segments = {{50, 0, 1, 0}, {100, 0, 1, 0}}, .height = 180, .size = 40},
         .shadow = StyleShadow{.blur = 100, .x = 100, .y = -100, .intensity = 60},
         .frame = StyleFrame{.kind = 6, .width = 700, .color = 0x8B6508}},
        // 7 Willkommen: a wooden sign on a brick wall.
        {.text = "Willkommen", .textColor = Keep, .backColor = Keep, .textTexture = 36, .backTexture = 37,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = Pillow, .height = 200, .size = 70},
         .shadow = StyleShadow{.blur = 200, .x = 200, .y = -300, .intensity = 90},
         .face = "Courier New", .pitchAndFamily = 49, .charSpacing = 10},
        // 8 Zum Geburtstag: orange letters on a party glow with a string of beads.
        {.text = "Zum Geburtstag\r\nAlles Gute", .textColor = 0xFFAE00, .backColor = Keep, .textTexture = -1,
         .backTexture = -1,
         .guides = straight(8, 92),
         .backGradient = StyleGradient{4, {0xFFFFFF, 0xFFD6EC, 0xC070FF}},
         .bevel = StyleBevel{.segments = Rounded, .height = 150},
         .shadow = StyleShadow{.blur = 150, .x = 120, .y = -150, .intensity = 60, .color = 0x802060},
         .frame = StyleFrame{.kind = 11, .width = 700, .color = 0xFFD000}},
        // 9 Geheim: a slate stamp, set askew, with rough edges.
        {.text = "Geheim", .textColor = 0x000000, .backColor = Keep, .textTexture = 26, .backTexture = -1,
         .guides = StyleGuides{Across, {25, 0}, Across, {100, 75}},
         .bevel = StyleBevel{.segments = Chisel, .height = 120, .size = 30},
         .outline = StyleOutline{4, 3, 150, 150},
         .shadow = StyleShadow{.blur = 100, .x = 100, .y = -100, .intensity = 70}},
        // 10 Einladung: an invitation on parchment.
        {.text = "Einladung", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = 38,
         .guides = StyleGuides{Across, {-4, 40}, Across, {61, 105}},
         .bevel = StyleBevel{.segments = Rounded, .height = 100, .size = 50},
         .shadow = StyleShadow{.blur = 150, .x = 150, .y = -150, .intensity = 60, .color = 0x5A4020}},
        // 11 Stone: carved into the stone it stands on.
        {.text = "Stone", .textColor = Keep, .backColor = Keep, .textTexture = 1, .backTexture = 1,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = {{100, 100, 1, 0}}, .height = 220, .size = 45},
         .shadow = StyleShadow{.blur = 60, .x = -60, .y = 60, .intensity = 60}},
        // 12 crazy: rainbow letters on a twisting wave.
        {.text = "crazy", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{Twenty, {18, 27, 33, 36, 34, 29, 21, 12, 5, 1, 1, 5, 12, 21, 29, 34, 36, 33, 27, 18}, Twenty,
                               {100, 98, 92, 83, 75, 68, 64, 65, 70, 78, 86, 94, 99, 100, 96, 89, 81, 72, 66, 64}},
         .textGradient = StyleGradient{2, {0xFF0000, 0xFFD000, 0x00C000, 0x00C0FF, 0x2000FF, 0xFF00C0}},
         .bevel = StyleBevel{.segments = Rounded, .height = 150},
         .shadow = StyleShadow{.blur = 120, .x = 200, .y = -200, .intensity = 50}},
        // 13 Color: a warm gradient arched over blue.
        {.text = "Color", .textColor = Keep, .backColor = 0x0061A5, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{{5, 30, 70, 95}, {30, 5, 5, 30}, {5, 30, 70, 95}, {95, 80, 80, 95}},
         .textGradient = StyleGradient{1, {0xFFFF40, 0xFF9000, 0xE00000}},
         .bevel = StyleBevel{.segments = Rounded, .height = 150},
         .shadow = StyleShadow{.blur = 200, .x = 150, .y = -200, .intensity = 80}},
        // 14 cool: ice letters with a cold glow.
        {.text = "cool", .textColor = 0x0086BD, .backColor = Keep, .textTexture = 31, .backTexture = -1,
         .guides = straight(5, 95),
         .bevel = StyleBevel{.segments = {{30, 0, 3, 0}, {100, 0, 1, 0}}, .height = 200, .size = 60},
         .shadow = StyleShadow{.blur = 250, .x = 0, .y = 0, .intensity = 150, .color = 0x60C0FF}},
        // 15 Sand: letters pressed into sand of the same colour.
        {.text = "Sand", .textColor = 0xD6CB00, .backColor = 0xD6CB00, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = {{100, 100, 2, 0}}, .height = 200, .size = 70},
         .outline = StyleOutline{4, 2, 60, 60}},
        // 16 disCover: silver-blue letters swinging over a starfield.
        {.text = "disCover", .textColor = Keep, .backColor = Keep, .textTexture = -1, .backTexture = 53,
         .guides = StyleGuides{Twenty, {35, 29, 24, 18, 14, 9, 6, 3, 1, 0, 0, 1, 3, 6, 9, 14, 18, 24, 29, 35}, Twenty,
                               {100, 98, 96, 94, 93, 91, 90, 89, 88, 88, 88, 88, 89, 90, 91, 93, 94, 96, 98, 100}},
         .textGradient = StyleGradient{1, {0xFFFFFF, 0x90C8FF, 0x2050B0}},
         .bevel = StyleBevel{.segments = Rounded, .height = 160},
         .shadow = StyleShadow{.blur = 300, .x = 0, .y = 0, .intensity = 160, .color = 0x3070FF}},
        // 17 Royal: gold-edged letters on black and gold marble.
        {.text = "Royal", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = 48,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = {{35, 0, 3, 2, 0xE8C050}, {100, 0, 1, 0}}, .height = 180, .size = 60},
         .shadow = StyleShadow{.blur = 200, .x = 150, .y = -200, .intensity = 90},
         .frame = StyleFrame{.kind = 6, .width = 700, .color = 0xD4AF37}},
        // 18 XXL: dark bold block letters with a blue halo.
        {.text = "XXL", .textColor = 0x001418, .backColor = 0x004080, .textTexture = -1, .backTexture = -1,
         .guides = straight(0, 100),
         .bevel = StyleBevel{.segments = Pillow, .height = 250, .size = 50},
         .shadow = StyleShadow{.blur = 700, .x = 0, .y = 0, .intensity = 300, .color = 0x40A0FF}},
        // 19 nice: sandstone on sandstone, in a serif face.
        {.text = "nice", .textColor = Keep, .backColor = Keep, .textTexture = 20, .backTexture = 20,
         .guides = straight(5, 95),
         .bevel = StyleBevel{.segments = Rounded, .height = 160},
         .shadow = StyleShadow{.blur = 150, .x = 150, .y = -200, .intensity = 80},
         .face = "Times New Roman", .pitchAndFamily = 16},
        // 20 Glow: black letters with a golden glow on black.
        {.text = "Glow", .textColor = 0x000000, .backColor = 0x000000, .textTexture = -1, .backTexture = -1,
         .guides = straight(12, 88),
         .shadow = StyleShadow{.blur = 700, .x = 0, .y = 0, .intensity = 220, .color = 0xFFC830}},
        // 21 my Love: dark letters with a deep red rim on red.
        {.text = "my\r\nLove", .textColor = 0x000000, .backColor = 0xEF0000, .textTexture = -1, .backTexture = -1,
         .guides = straight(5, 95),
         .bevel = StyleBevel{.segments = {{100, 0, 3, 2, 0x800000}}, .height = 160, .size = 40},
         .shadow = StyleShadow{.blur = 200, .x = 100, .y = -150, .intensity = 70, .color = 0x400000},
         .frame = StyleFrame{.kind = 4, .width = 1500, .color = 0x600000}},
        // 22 Dracula: marble letters with a blood-red glow in the dark.
        {.text = "Dracula", .textColor = Keep, .backColor = Keep, .textTexture = 48, .backTexture = 48,
         .guides = StyleGuides{Across, {0, 15}, Across, {85, 100}},
         .bevel = StyleBevel{.segments = Chisel, .height = 200, .size = 40},
         .shadow = StyleShadow{.blur = 300, .x = 0, .y = 0, .intensity = 220, .color = 0xC00000},
         .frame = StyleFrame{.kind = 4, .width = 2500, .color = 0x000000}},
        // 23 Vortel x 3: three blue lines in perspective.
        {.text = "Vortel\r\nVortel\r\nVortel", .textColor = 0x3104B5, .backColor = 0xFFFFFF, .textTexture = -1,
         .backTexture = -1,
         .guides = StyleGuides{{20, 80}, {0, 0}, Across, {100, 100}},
         .bevel = StyleBevel{.segments = Rounded, .height = 140},
         .shadow = StyleShadow{.blur = 150, .x = 100, .y = -150, .intensity = 60}},
        // 24 Gold: polished gold.
        {.text = "Gold", .textColor = 0xBDB200, .backColor = Keep, .textTexture = -1, .backTexture = -1,
         .guides = straight(8, 92),
         .textGradient = StyleGradient{1, {0xFFF6C0, 0xE0B020, 0x8A6000, 0xF8E080, 0xB88010}},
         .bevel = StyleBevel{.segments = Rounded, .height = 240, .size = 70},
         .shadow = StyleShadow{.blur = 200, .x = 150, .y = -200, .intensity = 80}},
        // 25 beauty: pink to violet, softly rounded.
        {.text = "beauty", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .textGradient = StyleGradient{2, {0xFF70B8, 0xD01880, 0x8000C0}},
         .bevel = StyleBevel{.segments = Rounded, .height = 120},
         .shadow = StyleShadow{.blur = 300, .x = 0, .y = -150, .intensity = 80, .color = 0xFF80C0}},
        // 26 Japan: dark letters before a red sun.
        {.text = "Japan", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(20, 80),
         .textGradient = StyleGradient{1, {0x202020, 0x000000}},
         .backGradient = StyleGradient{4, {0xE00010, 0xE00010, 0xE00010, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
         .bevel = StyleBevel{.segments = Chisel, .height = 120, .size = 30},
         .shadow = StyleShadow{.blur = 100, .x = 100, .y = -100, .intensity = 60}},
        // 27 Metal: chrome.
        {.text = "Metal", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(8, 92),
         .textGradient = StyleGradient{1, {0xFFFFFF, 0xB0B8C0, 0x404850, 0xE8ECF0, 0x707880}},
         .bevel = StyleBevel{.segments = Chisel, .height = 260, .size = 50},
         .shadow = StyleShadow{.blur = 150, .x = 150, .y = -150, .intensity = 70}},
        // 28 night: black letters lit by blue moonlight.
        {.text = "night", .textColor = 0x000000, .backColor = 0x000000, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = {{100, 0, 3, 2, 0x304080}}, .height = 160, .size = 50},
         .shadow = StyleShadow{.blur = 300, .x = 0, .y = 0, .intensity = 200, .color = 0x2848E0}},
        // 29 Outerbevel: the bevel grown outwards into the ground.
        {.text = "Outerbevel", .textColor = 0x004040, .backColor = 0x808000, .textTexture = -1, .backTexture = -1,
         .guides = straight(15, 85),
         .bevel = StyleBevel{.segments = {{100, 0, 3, 1}}, .height = 200, .size = 100, .addPixel = 450}},
        // 30 Rainbow.
        {.text = "Rainbow", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .textGradient = StyleGradient{1, {0xFF0000, 0xFF8000, 0xFFE000, 0x00C000, 0x0080FF, 0x4000C0, 0x9000C0}},
         .bevel = StyleBevel{.segments = Rounded, .height = 140},
         .shadow = StyleShadow{.blur = 150, .x = 120, .y = -150, .intensity = 50}},
        // 31 Enter: a denim button.
        {.text = "Enter", .textColor = 0x0052A4, .backColor = Keep, .textTexture = 5, .backTexture = -1,
         .guides = straight(15, 85),
         .bevel = StyleBevel{.segments = Pillow, .height = 180, .size = 50},
         .shadow = StyleShadow{.blur = 100, .x = 100, .y = -150, .intensity = 90}},
        // 32 Safari: dark letters with a sand rim and a torn paper edge.
        {.text = "Safari", .textColor = 0x000818, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = {{100, 0, 3, 2, 0xC89650}}, .height = 160, .size = 35},
         .outline = StyleOutline{1, 4, 120, 120},
         .shadow = StyleShadow{.blur = 150, .x = 150, .y = -150, .intensity = 60, .color = 0x806030},
         .frame = StyleFrame{.kind = 8, .width = 1200, .color = 0xC8A060}},
        // 33 snow: white on white, shaded in cold blue.
        {.text = "snow", .textColor = 0xFFFFFF, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = Rounded, .height = 200, .size = 80},
         .outline = StyleOutline{3, 3, 80, 80},
         .shadow = StyleShadow{.blur = 250, .x = 100, .y = -150, .intensity = 80, .color = 0x8098C0}},
        // 34 Twist: pinched in the middle.
        {.text = "Twist", .textColor = 0xA4A400, .backColor = 0xBD1800, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{Across, {0, 35}, Across, {100, 65}},
         .bevel = StyleBevel{.segments = Rounded, .height = 160},
         .shadow = StyleShadow{.blur = 200, .x = 150, .y = -200, .intensity = 80}},
        // 35 Speed: slanted, hot colours, a motion trail behind.
        {.text = "Speed", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{{25, 100}, {10, 10}, {5, 80}, {90, 90}},
         .textGradient = StyleGradient{2, {0xFFE000, 0xFF8000, 0xE00000}},
         .bevel = StyleBevel{.segments = Chisel, .height = 160, .size = 40},
         .shadow = StyleShadow{.blur = 250, .x = -600, .y = 0, .intensity = 70, .color = 0x808080}},
        // 36 SPORTS: red block letters with a hard shadow.
        {.text = "SPORTS", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = StyleGuides{{5, 100}, {10, 10}, {0, 95}, {90, 90}},
         .textGradient = StyleGradient{1, {0xFF2020, 0xA00000}},
         .bevel = StyleBevel{.segments = Chisel, .height = 160, .size = 30},
         .shadow = StyleShadow{.blur = 0, .x = 250, .y = -250, .intensity = 100}},
        // 37 VOLCANO: fire on black, flames at the edges.
        {.text = "V  O  L  C  A  N  O", .textColor = Keep, .backColor = 0x000000, .textTexture = -1, .backTexture = -1,
         .guides = straight(20, 80),
         .textGradient = StyleGradient{1, {0xFFFF90, 0xFFB000, 0xFF3000, 0x900000}},
         .bevel = StyleBevel{.segments = Rounded, .height = 120},
         .outline = StyleOutline{1, 3, 250, 250},
         .shadow = StyleShadow{.blur = 350, .x = 0, .y = 0, .intensity = 220, .color = 0xFF5000}},
        // 38 Germany: the flag's three bands.
        {.text = "Germany", .textColor = Keep, .backColor = 0xFFFFFF, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .textGradient = StyleGradient{1, {0x000000, 0x000000, 0xDD0000, 0xDD0000, 0xFFCE00, 0xFFCE00}},
         .bevel = StyleBevel{.segments = Rounded, .height = 150},
         .shadow = StyleShadow{.blur = 150, .x = 120, .y = -150, .intensity = 60}},
        // 39 Graffiti: sprayed colours with frayed edges.
        {.text = "Graffiti", .textColor = 0x298E00, .backColor = Keep, .textTexture = 12, .backTexture = -1,
         .guides = StyleGuides{Across, {20, 5}, Across, {90, 100}},
         .bevel = StyleBevel{.segments = Rounded, .height = 140},
         .outline = StyleOutline{4, 2, 120, 120},
         .shadow = StyleShadow{.blur = 80, .x = 200, .y = -200, .intensity = 90}},
        // 40 Comic: halftone dots, a black rim and a hard shadow.
        {.text = "Comic", .textColor = 0xFF8000, .backColor = Keep, .textTexture = 28, .backTexture = -1,
         .guides = StyleGuides{Across, {12, 0}, Across, {88, 100}},
         .bevel = StyleBevel{.segments = {{20, 0, 1, 2, 0x000000}, {100, 0, 3, 0}}, .height = 120, .size = 70},
         .shadow = StyleShadow{.blur = 0, .x = 250, .y = -250, .intensity = 100}},
        // 41 plastic: glossy green plastic.
        {.text = "plastic", .textColor = Keep, .backColor = Keep, .textTexture = -1, .backTexture = -1,
         .guides = straight(10, 90),
         .textGradient = StyleGradient{1, {0xA0FFA0, 0x00C030, 0x006010}},
         .bevel = StyleBevel{.segments = {{60, 0, 3, 0}, {100, 0, 1, 0}}, .height = 260, .size = 80},
         .shadow = StyleShadow{.blur = 200, .x = 100, .y = -200, .intensity = 70}},
        // 42 Login: a steel plate on blue marble.
        {.text = "Login", .textColor = Keep, .backColor = Keep, .textTexture = 39, .backTexture = 49,
         .guides = straight(15, 85),
         .bevel = StyleBevel{.segments = Chisel, .height = 180, .size = 40},
         .shadow = StyleShadow{.blur = 150, .x = 150, .y = -150, .intensity = 80}},
        // 43 Blur: red leather with a wide, soft shadow.
        {.text = "Blur", .textColor = 0xFF0000, .backColor = Keep, .textTexture = 27, .backTexture = -1,
         .guides = straight(10, 90),
         .bevel = StyleBevel{.segments = Rounded, .height = 120},
         .shadow = StyleShadow{.blur = 500, .x = 300, .y = -300, .intensity = 100, .color = 0x600000}},
        // 44 space: starfield letters receding into a stormy sky.
        {.text = "space", .textColor = Keep, .backColor = Keep, .textTexture = 53, .backTexture = 25,
         .guides = StyleGuides{{25, 75}, {0, 0}, Across, {100, 100}},
         .bevel = StyleBevel{.segments = {{100, 0, 3, 2, 0x80C0FF}}, .height = 160, .size = 30},
         .shadow = StyleShadow{.blur = 300, .x = 0, .y = 0, .intensity = 180, .color = 0x4080FF}},
        // 45 Ghost: pale, see-through wavering letters in a dark haze.
        {.text = "Ghost", .textColor = 0x000000, .backColor = Keep, .textTexture = 25, .backTexture = -1,
         .guides = StyleGuides{{-1, 31, 67, 99}, {29, 3, 3, 29}, {-1, 31, 67, 99}, {68, 95, 95, 68}},
         .bevel = StyleBevel{.segments = {{100, 0, 3, 2, 0xF0F4FF, 35}}, .height = 140, .size = 70,
                             .topTransparency = 55},
         .outline = StyleOutline{0, 18, 261, 327},
         .shadow = StyleShadow{.blur = 327, .x = 0, .y = 0, .intensity = 100}},
    }};
    return rows;
}

}  // namespace vortel::presets
