#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/Document.h"
#include "tests/presets/PanelsRig.h"

namespace vortel::test {
namespace {

// What a click on a fringe or frame preset stamps their random patterns with.
constexpr int32_t Stamp = 48611;

struct SavedCase {
    std::string name;
    std::function<void(presets::EffectPanels&)> apply;
};

void PrintTo(const SavedCase& c, std::ostream* out) { *out << c.name; }

std::vector<SavedCase> numbered(const std::string& prefix, int first, int last,
                                const std::function<void(presets::EffectPanels&, int)>& apply) {
    std::vector<SavedCase> cases;
    for (int i = first; i <= last; ++i) {
        cases.push_back({prefix + std::to_string(i), [apply, i](presets::EffectPanels& p) { apply(p, i); }});
    }
    return cases;
}

size_t differingBytes(const Bitmap& a, const Bitmap& b) {
    if (a.width != b.width || a.height != b.height || a.bgr.size() != b.bgr.size()) return SIZE_MAX;
    size_t count = 0;
    for (size_t i = 0; i < a.bgr.size(); ++i) count += a.bgr[i] != b.bgr[i];
    return count;
}

class SavedRender : public ::testing::TestWithParam<SavedCase> {};

// Outline, warp and render from the program-wide state a fresh program has: the star and curl
// fringes carry their phase on from one render to the next, which no document keeps.
bool renderAfresh(PanelsRig& rig) {
    resetRenderMemory();
    return rig.render();
}

// What the user sees is what the document keeps: the effect saved and read into a fresh engine
// draws the same bytes. The style files carry their groups over the read document too, with the
// shadow and bevel groups first put back to a new effect's, so that those come from the files.
TEST_P(SavedRender, DrawsTheSameAfterSavingAndReading) {
    PanelsRig shown;
    GetParam().apply(shown.panels);
    const bool warped = renderAfresh(shown);
    const Bitmap seen = shown.canvas->toBitmap();
    const std::vector<uint8_t> document = encodeDocument(*shown.engine, seen);

    PanelsRig reread;
    decodeDocument(*reread.engine, document, "saved.vtl");
    EXPECT_EQ(renderAfresh(reread), warped);
    EXPECT_EQ(differingBytes(seen, reread.canvas->toBitmap()), 0u) << "document";
    // Equal pictures can hide a value that moved by less than a blend step.
    EXPECT_EQ(double(reread.engine->Shadow.ShadowIntensity), double(shown.engine->Shadow.ShadowIntensity));

    PanelsRig styled;
    decodeDocument(*styled.engine, document, "saved.vtl");
    styled.engine->setShadow(ShadowParams{});
    styled.engine->Bevel = BevelParams{};
    for (const StyleKind kind : {StyleKind::Deform, StyleKind::Bevel, StyleKind::Color, StyleKind::Shadow}) {
        decodeStyle(*styled.engine, encodeStyle(*shown.engine, kind), kind, "saved.style");
    }
    EXPECT_EQ(renderAfresh(styled), warped);
    EXPECT_EQ(differingBytes(seen, styled.canvas->toBitmap()), 0u) << "style files";
}

std::string caseName(const ::testing::TestParamInfo<SavedCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(MainStyles, SavedRender,
                         ::testing::ValuesIn(numbered("Style", 0, presets::MainStyleCount - 1,
                                                      [](auto& p, int i) { p.ApplyMainStyle(i); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(GuidePresets, SavedRender,
                         ::testing::ValuesIn(numbered("Guide", 0, presets::GuidePresetCount - 1,
                                                      [](auto& p, int i) { p.ApplyGuidePreset(i); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(BevelPresets, SavedRender,
                         ::testing::ValuesIn(numbered("Bevel", 0, presets::BevelPresetCount - 1,
                                                      [](auto& p, int i) { p.ApplyBevelPreset(i); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(OutlinePresets, SavedRender,
                         ::testing::ValuesIn(numbered("Outline", 0, presets::OutlinePresetCount - 1,
                                                      [](auto& p, int i) { p.ApplyOutlinePreset(i, Stamp); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(ShadowPresets, SavedRender,
                         ::testing::ValuesIn(numbered("Shadow", 0, presets::ShadowPresetCount - 1,
                                                      [](auto& p, int i) { p.ApplyShadowPreset(i); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(FramePresets, SavedRender,
                         ::testing::ValuesIn(numbered("Frame", 0, presets::FramePresetCount - 1,
                                                      [](auto& p, int i) { p.ApplyFramePreset(i, Stamp); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(BackGradientPresets, SavedRender,
                         ::testing::ValuesIn(numbered("Gradient", 1, presets::GradientPresetCount,
                                                      [](auto& p, int i) { p.ApplyGradientPreset(0, i); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(TextGradientPresets, SavedRender,
                         ::testing::ValuesIn(numbered("Gradient", 1, presets::GradientPresetCount,
                                                      [](auto& p, int i) { p.ApplyGradientPreset(1, i); })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(RandomEffects, SavedRender,
                         ::testing::ValuesIn(numbered("Seed", 1, 40,
                                                      [](auto& p, int i) { p.GenerateRandomEffect(uint32_t(i)); })),
                         caseName);

}  // namespace
}  // namespace vortel::test
