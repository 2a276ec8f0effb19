// The product logo: the word rendered by our own engine (gold bevelled letters with a soft drop
// shadow on a deep blue ground), reduced to a palette for an 8-bit bitmap.
#include <stdexcept>
#include <string>

#include "engine/FontFX.h"
#include "platform/Resources.h"
#include "reslib/generator/Producers.h"
#include "reslib/generator/Quantize.h"

namespace vortel::resgen {
namespace {

constexpr int32_t LogoWidth = 217, LogoHeight = 65;

void setBox(TFontFX& engine, Rect box) {
    const Point topLeft{box.left, box.top}, topRight{box.right, box.top};
    const Point bottomLeft{box.left, box.bottom}, bottomRight{box.right, box.bottom};
    engine.GuidePoints = {std::vector<Point>{topLeft, topRight}, std::vector<Point>{topRight, bottomRight},
                          std::vector<Point>{bottomLeft, bottomRight}, std::vector<Point>{topLeft, bottomLeft}};
    engine.NumGuidePoints = {2, 2, 2, 2};
}

// `scale` multiplies every length in pixels: the box and the shadow.
void styleLogo(TFontFX& engine, int32_t scale) {
    engine.Text = "Vortel";
    engine.Font.setFaceName("Arial");
    engine.Font.lfWeight = 700;
    engine.Font.lfItalic = 1;
    setBox(engine, {10 * scale, 6 * scale, (LogoWidth - 12) * scale, (LogoHeight - 11) * scale});
    engine.setFillKind(1, 1);
    engine.setGradient(1, 1, 0, 0, {rgb(0xFF, 0xF4, 0xB0), rgb(0xF0, 0xB4, 0x20), rgb(0x9A, 0x5A, 0x08)});
    engine.setFillKind(0, 1);
    engine.setGradient(0, 1, 0, 0, {rgb(0x2A, 0x4E, 0x9C), rgb(0x08, 0x12, 0x38)});
    std::array<BevelPoint, 11> profile{};
    profile[0] = {0, 1, 0, 0, 0, 0};
    profile[1] = {0, 3, 0, 450, 650, 0};
    profile[2] = {0, 1, 0, 1000, 1000, 0};
    engine.setBevelProfile(profile, 2);
    engine.setBevelEnabled(true);
    engine.setBevelValues(180, 45, 0, -45);
    ShadowParams shadow;
    shadow.ShadowX = 3 * scale;
    shadow.ShadowY = 4 * scale;
    shadow.ShadowBlur = 2 * scale;
    shadow.ShadowAngle = 0;
    shadow.ShadowIntensity = 0.8;
    engine.setShadow(shadow);
}

Bitmap logo(int32_t scale) {
    const int32_t width = LogoWidth * scale, height = LogoHeight * scale;
    TFontFX engine(Rect{0, 0, width, height});
    styleLogo(engine, scale);
    Canvas canvas(width, height);
    if (!engine.GetPointsAndTypes(canvas, false) || !engine.CalcVortel(0)) {
        throw std::runtime_error("the logo text could not be laid out; is a sans-serif TrueType font installed?");
    }
    engine.GetMiddleOfGuides();
    engine.ShowText(canvas, false);
    return canvas.toBitmap();
}

}  // namespace

void addLogo(ResourceSet& set) {
    set.add("BITMAP", "VORTEL", encodeBmp8(quantize(logo(1), 256)));
    set.add("BITMAP", "VORTEL" + std::string(DoubleSizeSuffix), encodeBmp8(quantize(logo(2), 256)));
}

}  // namespace vortel::resgen
