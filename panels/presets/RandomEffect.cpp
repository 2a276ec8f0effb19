// The random effect generator: a whole effect drawn from one seed. The order of the draws is fixed,
// the unused ones included, so a seed always gives back the same effect.
#include <cstring>

#include "engine/Helpers.h"
#include "panels/presets/Panels.h"
#include "panels/presets/PresetValues.h"
#include "platform/FontList.h"

namespace vortel::presets {
namespace {

// The L of the RGB-to-HLS conversion on the 0..255 scale. A colour left unset (-1) reads as white.
int32_t lightness(int64_t color) {
    const uint32_t c = static_cast<uint32_t>(color);
    const int32_t r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
    const int32_t hi = std::max({r, g, b}), lo = std::min({r, g, b});
    return ((hi + lo) * 255 + 255) / 510;
}

// The fringe and frame patterns of a generated effect come from its seed, without draws of their
// own, so they come back with the effect.
int32_t derivedStamp(uint32_t seed, uint32_t salt) {
    uint64_t z = (uint64_t(seed) << 32 | salt) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<int32_t>(static_cast<uint32_t>(z ^ (z >> 31)));
}

// The mean of colours, each channel rounded.
ColorRef meanColor(const std::vector<ColorRef>& colors) {
    uint64_t sum[3] = {0, 0, 0};
    for (const ColorRef c : colors)
        for (int k = 0; k < 3; ++k) sum[k] += c >> (8 * k) & 0xFF;
    const uint64_t n = std::max<uint64_t>(colors.size(), 1);
    return rgb(uint8_t((sum[0] + n / 2) / n), uint8_t((sum[1] + n / 2) / n), uint8_t((sum[2] + n / 2) / n));
}

// The mean colour of a picture's pixels.
ColorRef meanColor(const Bitmap& picture) {
    uint64_t sum[3] = {0, 0, 0};
    const size_t pixels = size_t(picture.width) * size_t(picture.height);
    for (size_t i = 0; i < pixels; ++i)
        for (int k = 0; k < 3; ++k) sum[k] += picture.bgr[i * 3 + size_t(k)];
    const uint64_t n = std::max<uint64_t>(pixels, 1);
    return rgb(uint8_t((sum[2] + n / 2) / n), uint8_t((sum[1] + n / 2) / n), uint8_t((sum[0] + n / 2) / n));
}

}  // namespace

uint32_t EffectPanels::GenerateRandomEffect(std::optional<uint32_t> requested) {
    TFontFX& e = engine_;
    e.SetUndoRecord(12, static_cast<int32_t>(currentSeed));
    const uint32_t seed = requested ? *requested : Random(ClockSeed()).below(2147483647u);
    currentSeed = seed;
    if (events.lastRandom) events.lastRandom(seed);
    Random random(seed);

    const Bitmap& map = colorMap();
    const uint32_t w = uint32_t(map.width), h = uint32_t(map.height);
    const auto pixel = [&map](uint32_t x, uint32_t y) -> int64_t {
        const uint8_t* p = &map.bgr[(size_t(y) * map.width + x) * 3];
        return rgb(p[2], p[1], p[0]);
    };
    // Each pick draws its row first, then its column.
    const auto lowerPick = [&] { const uint32_t y = h / 2 + random.below(h / 2); return pixel(random.below(w), y); };
    const auto upperPick = [&] { const uint32_t y = random.below(h / 2); return pixel(random.below(w), y); };
    const auto anyPick = [&] { const uint32_t y = random.below(h); return pixel(random.below(w), y); };
    const auto texturePick = [&] { return int(random.below(uint32_t(textureList.size()))); };

    int64_t textColor = -1, backColor = -1;
    int textTexture = -1, backTexture = -1;
    switch (random.below(7)) {
    case 0: textColor = lowerPick(); backColor = upperPick(); break;
    case 1: textColor = upperPick(); backColor = lowerPick(); break;
    case 2: textColor = anyPick(); backTexture = texturePick(); break;
    case 3: textTexture = texturePick(); backColor = anyPick(); break;
    case 4: textTexture = texturePick(); backTexture = texturePick(); break;
    case 5: textTexture = texturePick(); backColor = rgb(255, 255, 255); break;
    default: textColor = lowerPick(); backColor = rgb(255, 255, 255); break;
    }
    if (textColor >= 0 && textColor == backColor) textColor = anyPick();

    std::vector<ColorRef> textGradient;
    const auto randomGradient = [&](int surface) {
        const int32_t style = int32_t(random.below(5)) + 1;
        const int32_t count = std::max<int32_t>(2, int32_t(random.below(6)));
        const int32_t angle = int32_t(random.below(180));
        std::vector<ColorRef> colors;
        for (int32_t i = 0; i < count; ++i) colors.push_back(static_cast<ColorRef>(anyPick()));
        SetGradient(surface, style, colors, angle, 0);
        return colors;
    };
    if (random.below(10) == 0) {
        textGradient = randomGradient(1);
        textColor = -1, textTexture = -1;
    }
    if (random.below(10) == 0) {
        randomGradient(0);
        backColor = -1, backTexture = -1;
    }

    int guide = int(random.below(GuidePresetCount));
    const int outline = int(random.below(OutlinePresetCount));
    int bevel = int(random.below(BevelPresetCount));
    for (BevelPoint& p : e.Bevel.Points) p.Transparency = 0;
    const int shadow = int(random.below(ShadowPresetCount));
    int frame = int(random.below(FramePresetCount));

    // Corrections: light grounds take the quieter bevels and no embossed frame.
    if (bevel > 8 && lightness(backColor) > 200) bevel = int(random.below(9));
    if (random.below(5) == 0) bevel = 0;
    if (random.below(4) == 0) guide = 0;
    if (frame < 4 && lightness(backColor) > 200) frame = 0;
    if (guide == 14 || guide == 17) guide = 0;

    // The glow shadow turns the letters into their plain colour. Under a texture or a gradient that
    // colour is whatever an earlier effect left there, and the seed would no longer give back its
    // picture: the letters glow in the mean colour of the surface this effect gives them instead.
    if (shadow == GlowShadowPreset && textColor < 0) {
        if (!textGradient.empty()) {
            e.setFillColor(1, meanColor(textGradient));
        } else if (Bitmap texture; textTexture >= 0 && LoadListPicture(textureList, textTexture, texture)) {
            e.setFillColor(1, meanColor(texture));
        }
    }

    // The outline and the frame presets are applied with stamps derived from the seed.
    SetStyleBase(e.Text, textColor, frame, shadow, bevel, outline, guide, backTexture, textTexture, backColor,
                 derivedStamp(seed, 1));
    {
        FrameParams f = e.Frame;
        f.FrameSeed = derivedStamp(seed, 2);
        f.FrameColor = static_cast<ColorRef>(anyPick());
        f.FrameWidth = int32_t(random.below(uint32_t(std::max(0, previewHeight() / 15)))) + 1;
        f.FramePoints = int32_t(random.below(50)) + 8;
        e.setFrame(f);
    }
    {
        ShadowParams s = e.Shadow;
        s.ShadowColor = random.below(3) != 0 ? 0 : static_cast<ColorRef>(anyPick());
        e.setShadow(s);
    }
    if (random.below(4) != 0) {
        e.Imprint.ImprintOn = 0;
        e.releaseTextMask();
    } else {
        Bitmap picture;
        const int index = int(random.below(uint32_t(imprintList.size())));
        const std::string entry = index < int(imprintList.size()) ? imprintList[size_t(index)] : std::string();
        if (LoadListPicture(imprintList, index, picture)) {
            e.setImprint(true, std::make_shared<Bitmap>(std::move(picture)), entry);
        } else {
            e.Imprint.ImprintOn = 0;
        }
    }

    random.below(5);  // drawn and not used; it keeps the sequence of every later draw
    e.HochTiefSeed = int32_t(random.below(2147483647u));
    e.KippSeed = int32_t(random.below(2147483647u));
    e.HochTiefAmount = int32_t(random.below(10));
    e.KippAmount = int32_t(random.below(20));

    LogFont& font = e.Font;
    drawnFace.clear();
    chosenFace.clear();
    const uint32_t f = random.below(9);
    if (f == 0) {
        font.setFaceName("Courier New");
        font.lfPitchAndFamily = 49;
    } else if (f == 1) {
        font.setFaceName("Times New Roman");
        font.lfPitchAndFamily = 16;
    } else if (f == 2) {
        font.setFaceName("Brush");
        font.lfPitchAndFamily = 64;
        font.lfCharSet = 0;
    } else if (f <= 5) {
        if (fontList.empty()) fontList = InstalledOutlineFaces();
        const uint32_t pick = random.below(uint32_t(fontList.size()));
        // Many installed faces write one script only, or draw symbols: where the drawn face cannot
        // write the text, the next one of the list that can takes its place. The walk is fixed, so
        // a seed gives the same face wherever the same faces are installed.
        if (!fontList.empty()) {
            drawnFace = fontList[pick];
            chosenFace = fontList[FaceThatWrites(fontList, pick, utf8ToU32(e.Text))];
        }
        font.setFaceName(fontList.empty() ? std::string("Arial") : chosenFace);
        // A face of the installed list never needs a substitute: no class is kept for it.
        font.lfPitchAndFamily = 0;
        font.lfCharSet = 0;
    } else {
        font.setFaceName("Arial");
        font.lfPitchAndFamily = 32;
        font.lfCharSet = 0;
    }
    font.lfHeight = 60;
    font.lfWeight = int32_t(random.below(10)) * 100;
    // The star and curl fringes alternate by toggles that run on from render to render; an effect
    // starts them afresh, so its seed gives back the same picture.
    starToggle() = FringeToggle{};
    curlToggle() = FringeToggle{};
    e.releaseTextMask();
    e.Modified = 1;
    notifyRedraw(Page::All);
    // The stored font goes back to the working height. Its pitch and family stay: they choose the
    // substitute for a face that is not installed, which must not change on the next render.
    font.lfHeight = 120;
    font.lfCharSet = 1;
    notifyRefresh(Page::All);
    return seed;
}

}  // namespace vortel::presets
