#pragma once
// The effect panels without their widgets: the lists the pages show, the values the presets keep
// between clicks, and every preset, the style base setter and the random effect generator. The Qt
// pages are views over one instance of this class; the command line and the tests drive it too.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/FontFX.h"
#include "panels/presets/Pictures.h"
#include "platform/Bitmap.h"
#include "platform/Resources.h"

namespace vortel::presets {

// The pages of the effect notebook. `All` addresses every page at once.
enum class Page { Style, Text, Deform, Surface, Bevel, Outline, Shadow, Frame, All };

// What the presets tell the program. Unset hooks are simply not called.
struct PanelEvents {
    // Reload the controls of `page` from the engine.
    std::function<void(Page page)> refresh;
    // Recalculate (outline, warp, render) and show, when `page` is the active page; Page::All always.
    std::function<void(Page page)> redraw;
    // The seed of the effect just generated, for the settings' "LastRandom".
    std::function<void(uint32_t seed)> lastRandom;
};

// List sizes the pages and the random generator rely on.
inline constexpr int GuidePresetCount = 30;
inline constexpr int BevelPresetCount = 18;
inline constexpr int OutlinePresetCount = 13;
inline constexpr int ShadowPresetCount = 12;
// The shadow preset that makes a glow of the letters' plain colour.
inline constexpr int GlowShadowPreset = 11;
inline constexpr int FramePresetCount = 18;
inline constexpr int MainStyleCount = 46;
inline constexpr int GradientPresetCount = 15;

// Milliseconds since an arbitrary start, wrapping at 32 bits: the time stamp a click gives the
// fringe's and the frame's random patterns.
int32_t TickCount();

// A seed from the system clock, as "Randomize" takes it.
uint32_t ClockSeed();

class EffectPanels {
public:
    // `stock` is the stock-image library the lists and the colour map come from (may be null:
    // stock entries then show the error picture). The lists start as the program fills them.
    EffectPanels(TFontFX& engine, ModuleHandle stock);

    TFontFX& engine() { return engine_; }
    ModuleHandle stock() const { return stock_; }
    PanelEvents events;

    // --- lists, entry texts as the pages hold them (Pictures.h) ---
    std::vector<std::string> textureList;  // ":JPG_01" ... or the files of a texture folder
    std::vector<std::string> imprintList;  // "*IMPRINT_X01" ..., "*IMPRINT_01" ...
    std::vector<std::string> fontList;     // installed outline faces, filled when first needed

    // Loads entry `index` of `list` into `dest`; on failure the entry leaves the list and the status
    // bar says "Defekte Datei: " with its name (Pictures.h has the rules).
    bool LoadListPicture(std::vector<std::string>& list, int index, Bitmap& dest);

    // --- state the pages keep ---
    // The user typed in the text box since the last New: styles then keep the text.
    bool textEdited = false;
    // The picture height the preset sizes scale with: the image's own.
    int32_t previewHeight() const { return engine_.ImageRect.height(); }
    // The selected entry of each preset list; -1 none.
    int selectedMainStyle = -1, selectedGuide = 0, selectedOutline = -1, selectedBevel = -1, selectedShadow = -1,
        selectedFrame = -1;
    // The seed of the effect last generated (the settings' "LastRandom").
    uint32_t currentSeed = 0;
    // The face the last generated effect drew from the font list, and the one it took: the next
    // face of the list that writes the text where the drawn one cannot. Empty when it named a face.
    std::string drawnFace, chosenFace;

    // --- guide presets ---
    // Replaces the upper and lower guide by preset `index` (0 .. 29) fitted to the image and rebuilds
    // the side guides. Shift or Ctrl held mirrors the asymmetric shapes left to right.
    void ApplyGuidePreset(int index, bool shiftOrCtrl = false);
    // Guide 0 or 2 from percent lists of the inner area; lists of different lengths raise
    // "Internal error: SetGuideParameter" and leave the guide as it was.
    void SetGuideParameter(int guide, const std::vector<int32_t>& xs, const std::vector<int32_t>& ys);

    // --- bevel ---
    void ApplyBevelPreset(int index);
    // Point 0 reset, then points 1 .. N from percent lists (x, colour, line type, fill, y).
    void SetBevelProfile(const std::vector<int32_t>& xs, const std::vector<ColorRef>& colors,
                         const std::vector<uint8_t>& lineTypes, const std::vector<uint8_t>& fills,
                         const std::vector<int32_t>& ys);
    // A random profile from `seed` (the button passes ClockSeed()); records undo action 9.
    void RandomBevelProfile(uint32_t seed);

    // --- outline, shadow, frame ---
    // `stamp` seeds the fringe's random kinds: a click passes TickCount().
    void ApplyOutlinePreset(int index, int32_t stamp);
    void ApplyShadowPreset(int index);
    // The shadow page's combos and colour list as read: a change of colour, intensity, angle,
    // size or offset while the blur shows "None" switches the blur to 0, so the change can be
    // seen. Returns the values stored (the page shows their blur).
    ShadowParams SetShadowValues(const ShadowParams& read);
    // `stamp` seeds the frame's random shapes: a click passes TickCount().
    void ApplyFramePreset(int index, int32_t stamp);

    // --- surface ---
    // Sets `surface` to a gradient of `colors` (1 to 10 of them).
    void SetGradient(int surface, int32_t style, const std::vector<ColorRef>& colors, int32_t angle, int32_t repeat);
    // Gradient preset 1 .. 15 of the simple list on `surface`.
    void ApplyGradientPreset(int surface, int number);

    // --- main styles and the random generator ---
    // The style base setter: default text, colours and textures (-1 keeps), then the five preset
    // lists at the given entries, each with its click handler; `stamp` seeds the outline's and the
    // frame's random patterns.
    void SetStyleBase(const std::string& text, int64_t textColor, int frame, int shadow, int bevel, int outline,
                      int guide, int backTexture, int textTexture, int64_t backColor, int32_t stamp);
    void ApplyMainStyle(int index);
    // Generates a random effect from `seed`, or from a fresh seed when none is given; returns the
    // seed. Records undo action 12 with the previous seed.
    uint32_t GenerateRandomEffect(std::optional<uint32_t> seed);

    // The colour map the random colours are picked from, at its own size.
    const Bitmap& colorMap();

private:
    void notifyRefresh(Page page) const { if (events.refresh) events.refresh(page); }
    void notifyRedraw(Page page) const { if (events.redraw) events.redraw(page); }
    int32_t scaledPreset(int32_t value) const;  // a size given for a 200-pixel preview
    void restoreGlow();

    TFontFX& engine_;
    ModuleHandle stock_;

    Bitmap colorMap_;
    bool colorMapLoaded_ = false;
    // The text surface's kind before shadow preset 11 turned it into a plain colour for its glow.
    std::optional<uint8_t> kindBeforeGlow_;
};

}  // namespace vortel::presets
