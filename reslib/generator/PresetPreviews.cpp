// The pictures of the preset lists (main styles, deformations, bevels, shadows, frames, outlines),
// each rendered by the engine from the preset it shows. Every picture is drawn at four times its
// size and reduced by area averaging, so the small previews stay smooth, then given a palette.
// The same render reduced to twice the size gives the picture for screens of two device pixels a
// pixel ("<name>_2X"): it shows the same preset at the same proportions, only with more detail,
// where a render of its own at eight times the size would shrink every value given in pixels.
#include <functional>
#include <stdexcept>
#include <string>

#include "engine/FontFX.h"
#include "panels/presets/Panels.h"
#include "panels/presets/Thumbnail.h"
#include "platform/Resources.h"
#include "reslib/generator/Producers.h"
#include "reslib/generator/Quantize.h"

namespace vortel::resgen {
namespace {

constexpr int32_t Oversample = 4;

// The textures and imprints made so far, as a module the presets can load list entries from
// while the library itself does not exist yet.
class InterimModule {
public:
    explicit InterimModule(const ResourceSet& set) {
        for (const Resource& r : set.resources()) {
            if (r.type != "JPG" && r.name.rfind("IMPRINT_", 0) != 0) continue;
            resources_.push_back(r);
        }
        for (const Resource& r : resources_)
            entries_.push_back({r.type.c_str(), r.name.c_str(), r.bytes.data(), uint32_t(r.bytes.size())});
        module_ = {uint32_t(entries_.size()), entries_.data()};
    }
    ModuleHandle handle() const { return &module_; }

private:
    std::vector<Resource> resources_;
    std::vector<VortelResourceEntry> entries_;
    VortelResourceModule module_{};
};

struct Ground {
    ColorRef back = rgb(255, 255, 255);
    ColorRef text = rgb(0, 0, 0);
};

// One preview: a fresh engine at the oversampled size, plain colours, then the preset. The render
// is returned at the oversampled size; `add` reduces it.
Bitmap preview(ModuleHandle stock, int32_t width, int32_t height, const std::string& text, Ground ground,
               const std::function<void(presets::EffectPanels&)>& apply) {
    const int32_t w = width * Oversample, h = height * Oversample;
    TFontFX engine(Rect{0, 0, w, h});
    presets::EffectPanels panels(engine, stock);
    engine.Text = text;
    engine.setFillKind(0, 2);
    engine.setFillColor(0, ground.back);
    engine.setFillKind(1, 2);
    engine.setFillColor(1, ground.text);
    apply(panels);
    Canvas canvas(w, h);
    if (!engine.GetPointsAndTypes(canvas, false) || !engine.CalcVortel(0))
        throw std::runtime_error("the preview of \"" + text + "\" could not be laid out; is a TrueType font installed?");
    engine.ShowText(canvas, false);
    return canvas.toBitmap();
}

// The picture at its list size and at twice that, both area-averaged from the one render.
void add(ResourceSet& set, const std::string& name, const Bitmap& render) {
    const int32_t width = render.width / Oversample, height = render.height / Oversample;
    set.add("BITMAP", name, encodeBmp8(quantize(presets::StretchBitmap(render, width, height), 256)));
    set.add("BITMAP", name + std::string(DoubleSizeSuffix),
            encodeBmp8(quantize(presets::StretchBitmap(render, 2 * width, 2 * height), 256)));
}

// The sizes the lists show them at.
constexpr int32_t StyleW = 72, StyleH = 28, DeformW = 60, DeformH = 20, BevelW = 46, BevelH = 43, FrameW = 60,
                  FrameH = 43, OutW = 33, OutH = 28;

}  // namespace

void addPresetPreviews(ResourceSet& set) {
    const InterimModule module(set);
    const ModuleHandle stock = module.handle();

    // Main styles with their own texts; what a style keeps stays plain black on white.
    for (int i = 1; i < presets::MainStyleCount; ++i) {
        add(set, "STYLE_" + indexedName("", i + 1, 3),
            preview(stock, StyleW, StyleH, "Vortel", {}, [i](presets::EffectPanels& p) { p.ApplyMainStyle(i); }));
    }
    for (int i = 0; i < presets::GuidePresetCount; ++i) {
        add(set, indexedName("DEFORM_", i + 1),
            preview(stock, DeformW, DeformH, "Vortel", {rgb(255, 255, 255), rgb(0, 64, 160)},
                    [i](presets::EffectPanels& p) { p.ApplyGuidePreset(i); }));
    }
    // Bevels on a letter in a mid tone; from entry 9 on the profile shows the ground, which the
    // list paints green behind them.
    for (int i = 0; i < presets::BevelPresetCount; ++i) {
        const Ground ground{i >= 8 ? rgb(0, 132, 66) : rgb(255, 255, 255), rgb(90, 130, 210)};
        const int32_t w = i == 0 ? 40 : BevelW, h = i == 0 ? 37 : BevelH;
        add(set, indexedName("BEVEL_", i + 1), preview(stock, w, h, "a", ground, [i](presets::EffectPanels& p) {
                p.ApplyGuidePreset(0);
                p.ApplyBevelPreset(i);
            }));
    }
    for (int i = 0; i < presets::ShadowPresetCount; ++i) {
        add(set, indexedName("SHADOW_", i + 1),
            preview(stock, BevelW, BevelH, "S", {rgb(255, 255, 255), rgb(200, 40, 40)}, [i](presets::EffectPanels& p) {
                p.SetGuideParameter(0, {25, 75}, {10, 10});
                p.SetGuideParameter(2, {25, 75}, {70, 70});
                p.engine().SetNachbarPoints(0);
                p.engine().SetNachbarPoints(2);
                p.ApplyShadowPreset(i);
            }));
    }
    // Frames round an empty picture of a light blue, so the embossed kinds show their light and
    // shade, in a dark blue.
    for (int i = 0; i < presets::FramePresetCount; ++i) {
        add(set, indexedName("FRAME_", i + 1),
            preview(stock, FrameW, FrameH, "", {rgb(200, 214, 236), rgb(0, 0, 0)}, [i](presets::EffectPanels& p) {
                FrameParams f = p.engine().Frame;
                f.FrameWidth = FrameH * Oversample / 5;
                f.FramePoints = 16;
                f.FrameHeight = 60;
                f.FrameColor = rgb(20, 50, 140);
                p.engine().setFrame(f);
                p.ApplyFramePreset(i, 1);
            }));
    }
    for (int i = 0; i < presets::OutlinePresetCount; ++i) {
        add(set, indexedName("OUT_", i + 1),
            preview(stock, OutW, OutH, "O", {rgb(255, 255, 255), rgb(0, 0, 0)},
                    [i](presets::EffectPanels& p) { p.ApplyOutlinePreset(i, 1); }));
    }
}

}  // namespace vortel::resgen
