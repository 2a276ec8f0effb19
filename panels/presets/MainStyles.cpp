// The Style page's main styles and the style base setter every style and the random generator use.
#include "panels/presets/MainStyles.h"

#include <cstring>

#include "panels/presets/Panels.h"
#include "panels/presets/PresetValues.h"
#include "platform/Numeric.h"

namespace vortel::presets {
namespace {

// A style seeds its fringe and frame with a number of its own, so it looks the way it was
// designed every time it is chosen.
int32_t styleStamp(int index) { return 7919 * (index + 1); }

ColorRef fillColorOf(const FillRecord& fill) {
    if (fill.FillKind == 1) return fill.GradientColors[0];
    if (fill.FillKind == 0) {
        if (fill.Texture && !fill.Texture->empty()) {
            const uint8_t* p = fill.Texture->bgr.data();
            return rgb(p[2], p[1], p[0]);
        }
        return fill.FillColor;
    }
    return fill.FillColor;
}

}  // namespace

void EffectPanels::SetStyleBase(const std::string& text, int64_t textColor, int frame, int shadow, int bevel,
                                int outline, int guide, int backTexture, int textTexture, int64_t backColor,
                                int32_t stamp) {
    if (!textEdited && engine_.Text != text) {
        engine_.Text = text;
        engine_.releaseTextMask();
        engine_.Modified = 1;
    }
    const auto setColor = [this](int surface, int64_t color) {
        if (color < 0) return;
        if (surface == 1) kindBeforeGlow_.reset();
        engine_.setFillKind(surface, 2);
        engine_.setFillColor(surface, static_cast<ColorRef>(color));
    };
    setColor(1, textColor);
    setColor(0, backColor);
    const auto setTexture = [this](int surface, int index) {
        if (index < 0) return;
        Bitmap picture;
        // A list shorter than the style expects (a texture folder) leaves the surface as it is.
        if (index >= int(textureList.size())) return;
        const std::string entry = textureList[size_t(index)];
        if (!LoadListPicture(textureList, index, picture)) return;
        if (surface == 1) kindBeforeGlow_.reset();
        engine_.setFillKind(surface, 0);
        engine_.setTexture(surface, std::make_shared<Bitmap>(std::move(picture)), entry);
    };
    setTexture(1, textTexture);
    setTexture(0, backTexture);
    ApplyGuidePreset(guide);
    ApplyOutlinePreset(outline, stamp);
    ApplyBevelPreset(bevel);
    ApplyShadowPreset(shadow);
    ApplyFramePreset(frame, stamp);
}

void EffectPanels::ApplyMainStyle(int index) {
    if (index < 0 || index >= MainStyleCount) return;
    TFontFX& e = engine_;
    const double factor = previewHeight() * 0.0001;
    const auto scaled = [factor](int32_t size) { return roundEven32(size * factor); };
    const int32_t stamp = styleStamp(index);

    // Every style starts from the same plain text settings.
    e.Imprint.ImprintOn = 0;
    e.HochTiefAmount = e.HochTiefSeed = e.KippAmount = e.KippSeed = 0;
    e.CharSpacing = e.LineSpacing = 0;
    e.Font.setFaceName("Arial");
    e.Font.lfWeight = 1000;
    e.Font.lfItalic = 0;
    e.Font.lfCharSet = 1;
    e.Font.lfPitchAndFamily = 32;
    for (BevelPoint& p : e.Bevel.Points) p.Transparency = 0;
    e.releaseTextMask();
    e.Modified = 1;

    if (index == 0) {
        // The plain style: both surfaces become plain colours, the text readable on its ground.
        e.Guide.Values = {0, 0, 0, 0};
        e.Guide.Step = 15;
        const ColorRef back = fillColorOf(e.BackFill);
        ColorRef text = fillColorOf(e.TextFill);
        if (text == back) text = rgb(uint8_t(255 - (text & 0xFF)), uint8_t(255 - (text >> 8 & 0xFF)), uint8_t(255 - (text >> 16 & 0xFF)));
        SetStyleBase(e.Text, text, 0, 0, 0, 0, 0, -1, -1, back, stamp);
    } else {
        const StyleRow& row = MainStyleRows()[size_t(index)];
        const auto color = [](int64_t hex) { return hex < 0 ? int64_t(-1) : int64_t(FromRgbHex(uint32_t(hex))); };
        SetStyleBase(row.text, color(row.textColor), 0, 0, 0, 0, 0, row.backTexture, row.textTexture,
                     color(row.backColor), stamp);
        if (row.guides) {
            SetGuideParameter(0, row.guides->upperX, row.guides->upperY);
            SetGuideParameter(2, row.guides->lowerX, row.guides->lowerY);
            e.SetNachbarPoints(0);
            e.SetNachbarPoints(2);
        }
        const auto gradient = [this](int surface, const StyleGradient& g) {
            std::vector<ColorRef> colors;
            for (const uint32_t c : g.colors) colors.push_back(FromRgbHex(c));
            SetGradient(surface, g.style, colors, g.angle, g.repeat);
        };
        if (row.textGradient) gradient(1, *row.textGradient);
        if (row.backGradient) gradient(0, *row.backGradient);
        if (row.bevel) {
            const StyleBevel& b = *row.bevel;
            std::vector<int32_t> xs, ys;
            std::vector<ColorRef> colors;
            std::vector<uint8_t> types, fills;
            for (const StyleBevelSegment& s : b.segments) {
                xs.push_back(s.x), ys.push_back(s.y), types.push_back(s.lineType), fills.push_back(s.fill);
                colors.push_back(FromRgbHex(s.color));
            }
            SetBevelProfile(xs, colors, types, fills, ys);
            e.Bevel.Points[0].Transparency = b.topTransparency;
            for (size_t i = 0; i < b.segments.size() && i < 10; ++i)
                e.Bevel.Points[i + 1].Transparency = b.segments[i].transparency;
            e.setBevelValues(b.height, b.size, b.addPixel < 0 ? e.Bevel.BevelAddPixel : scaled(b.addPixel), b.angle);
        }
        if (row.outline) {
            const StyleOutline& o = *row.outline;
            e.setFringe(o.kind, o.step, scaled(o.x), scaled(o.y), e.Fringe.FringeSeed);
        }
        if (row.shadow) {
            const StyleShadow& s = *row.shadow;
            ShadowParams shadow;
            shadow.ShadowBlur = s.blur < 0 ? -1 : scaled(s.blur);
            shadow.ShadowX = scaled(s.x);
            shadow.ShadowY = scaled(s.y);
            shadow.ShadowAngle = s.angle;
            shadow.ShadowSize = s.size;
            shadow.ShadowIntensity = s.intensity / 100.0;
            shadow.ShadowColor = FromRgbHex(s.color);
            e.setShadow(shadow);
        }
        if (row.frame) {
            const StyleFrame& f = *row.frame;
            FrameParams frame = e.Frame;
            frame.FrameKind = f.kind;
            frame.FramePixel = f.kind < 14 ? 1 : 0;
            frame.FrameWidth = scaled(f.width);
            if (f.value > 0) (f.kind < 14 ? frame.FrameHeight : frame.FramePoints) = f.value;
            frame.FrameColor = FromRgbHex(f.color);
            frame.FrameSeed = stamp;
            e.setFrame(frame);
        }
        if (row.face) e.Font.setFaceName(row.face);
        e.Font.lfPitchAndFamily = row.pitchAndFamily;
        if (row.weight > 0) e.Font.lfWeight = row.weight;
        e.Font.lfItalic = row.italic ? 1 : 0;
        e.CharSpacing = row.charSpacing;
    }
    selectedMainStyle = index;
    selectedGuide = selectedOutline = selectedBevel = selectedShadow = selectedFrame = -1;
    notifyRefresh(Page::All);
    notifyRedraw(Page::Style);
}

}  // namespace vortel::presets
