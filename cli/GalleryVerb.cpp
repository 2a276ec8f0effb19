// `gallery`: every main style, every deformation and a set of random effects as pictures, with a
// contact sheet for each group, so the whole preset library can be looked at in one go.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <functional>
#include <string>
#include <vector>

#include "cli/Errors.h"
#include "cli/Language.h"
#include "cli/Pipeline.h"
#include "cli/Verbs.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/StockResources.h"
#include "panels/presets/MainStyles.h"
#include "panels/presets/Panels.h"
#include "panels/presets/Thumbnail.h"
#include "platform/Font.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

namespace fs = std::filesystem;

constexpr int RandomEffects = 24;
constexpr int SheetColumns = 6;
constexpr int32_t LabelHeight = 18;

struct Picture {
    std::string label;
    Bitmap bitmap;
};

// Renders one effect made by `make` on a fresh engine the size of the gallery's pictures.
Bitmap renderOne(const Options& options, const std::function<void(presets::EffectPanels&)>& make,
                 std::ostream& warnings) {
    TFontFX engine(imageRect(options));
    presets::EffectPanels panels(engine, stockModule());
    make(panels);
    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height());
    runPipelineKeepingRefusal(engine, canvas, warnings);
    engine.ShowText(canvas, false);
    return canvas.toBitmap();
}

// A picture that cannot be made is reported and shown as the error picture; the gallery goes on.
Bitmap renderEffect(const Options& options, const std::function<void(presets::EffectPanels&)>& make,
                    std::ostream& warnings) {
    try {
        return renderOne(options, make, warnings);
    } catch (const std::exception& e) {
        warnings << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "warning: %1"), shownMessage(e.what())) << '\n';
        return presets::StretchBitmap(presets::ErrorBitmap(), options.width, options.height);
    }
}

// The pictures at half size in rows of six, each with its label underneath.
Bitmap contactSheet(const std::vector<Picture>& pictures, int32_t width, int32_t height) {
    const int32_t cellW = std::max(1, width / 2), cellH = std::max(1, height / 2), gap = 6;
    const int rows = (int(pictures.size()) + SheetColumns - 1) / SheetColumns;
    const int32_t sheetW = SheetColumns * (cellW + gap) + gap, sheetH = rows * (cellH + LabelHeight + gap) + gap;
    Canvas sheet(sheetW, sheetH);
    sheet.fillRect(Rect{0, 0, sheetW, sheetH}, rgb(236, 236, 236));
    LogFont lf;
    lf.lfHeight = 14;
    lf.lfWeight = 400;
    lf.setFaceName("DejaVu Sans");
    sheet.selectFont(Font::create(lf));
    sheet.setTextColor(rgb(40, 40, 40));
    sheet.setBkMode(BkMode::Transparent);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int32_t x = gap + int32_t(i % SheetColumns) * (cellW + gap);
        const int32_t y = gap + int32_t(i / SheetColumns) * (cellH + LabelHeight + gap);
        sheet.drawBitmap(x, y, presets::StretchBitmap(pictures[i].bitmap, cellW, cellH));
        sheet.drawText(utf8ToU32(pictures[i].label), Rect{x, y + cellH + 1, x + cellW, y + cellH + LabelHeight},
                       DT_CENTER | DT_NOPREFIX);
    }
    return sheet.toBitmap();
}

// The preset pictures of the stock-image library at three times their size, one family a row.
Bitmap previewSheet() {
    constexpr int32_t scale = 3, gap = 4, width = 1400;
    const ModuleHandle module = stockModule();
    std::vector<std::vector<Bitmap>> rows;
    std::string lastFamily;
    for (uint32_t i = 0; module && i < module->count; ++i) {
        const auto& entry = module->entries[i];
        const std::string name = entry.name;
        const std::string family = name.substr(0, name.find('_'));
        static const std::vector<std::string> families = {"STYLE", "DEFORM", "BEVEL", "SHADOW", "FRAME", "OUT"};
        if (std::string(entry.type) != "BITMAP" || std::find(families.begin(), families.end(), family) == families.end())
            continue;
        const Bitmap picture = decodeBmp(std::span<const uint8_t>(entry.data, entry.size));
        if (family != lastFamily || rows.empty()) rows.emplace_back();
        lastFamily = family;
        rows.back().push_back(presets::StretchBitmap(picture, picture.width * scale, picture.height * scale));
    }
    // Lay the rows out, wrapping at the sheet's width.
    std::vector<std::pair<Point, const Bitmap*>> placed;
    int32_t y = gap;
    for (const auto& row : rows) {
        int32_t x = gap, rowHeight = 0;
        for (const Bitmap& b : row) {
            if (x + b.width + gap > width && x > gap) x = gap, y += rowHeight + gap, rowHeight = 0;
            placed.push_back({Point{x, y}, &b});
            x += b.width + gap;
            rowHeight = std::max(rowHeight, b.height);
        }
        y += rowHeight + 3 * gap;
    }
    Canvas sheet(width, std::max(y, 1));
    sheet.fillRect(Rect{0, 0, width, std::max(y, 1)}, rgb(200, 200, 200));
    for (const auto& [at, bitmap] : placed) sheet.drawBitmap(at.x, at.y, *bitmap);
    return sheet.toBitmap();
}

std::string numbered(const char* prefix, int number) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%02d.png", prefix, number);
    return name;
}

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    std::string out;
    for (const char c : text) {
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
    }
    return out;
}

}  // namespace

int runGallery(const Options& options, std::ostream&, std::ostream& err) {
    if (!options.output)
        throw UsageError(VORTEL_EN("CommandLine", "gallery needs -o DIR, the folder for the pictures"));
    if (options.json) throw UsageError(VORTEL_EN("CommandLine", "gallery writes pictures; --json is not used"));
    const fs::path dir(*options.output);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir))
        throw std::runtime_error(fillText(VORTEL_EN("CommandLine", "cannot create the folder '%1'"), dir.string()));

    const int total = presets::MainStyleCount + presets::GuidePresetCount + RandomEffects;
    int done = 0;
    std::ostringstream warnings;
    // The progress line is rewritten in place; what a picture had to say goes on lines of its own.
    const auto progress = [&](const std::string& group) {
        ++done;
        if (!warnings.str().empty()) {
            err << '\n' << warnings.str();
            warnings.str("");
        }
        err << "\rvortel-cli: " << fillText(VORTEL_EN("CommandLine", "gallery %1/%2 (%3)"), done, total, group) << "   "
            << std::flush;
    };
    const auto save = [&](const std::string& name, const Bitmap& bitmap) { saveImage((dir / name).string(), bitmap); };
    const int32_t w = options.width, h = options.height;

    std::vector<Picture> styles, deforms, randoms;
    for (int i = 0; i < presets::MainStyleCount; ++i) {
        Bitmap b = renderEffect(options, [i](presets::EffectPanels& p) { p.ApplyMainStyle(i); }, warnings);
        save(numbered("style_", i), b);
        styles.push_back({std::to_string(i) + " " + oneLine(i == 0 ? "Vortel" : presets::MainStyleRows()[size_t(i)].text),
                          std::move(b)});
        progress(VORTEL_EN("CommandLine", "styles"));
    }
    save("styles.png", contactSheet(styles, w, h));
    for (int i = 0; i < presets::GuidePresetCount; ++i) {
        Bitmap b = renderEffect(options, [i](presets::EffectPanels& p) { p.ApplyGuidePreset(i); }, warnings);
        save(numbered("deform_", i), b);
        deforms.push_back({fillText(VORTEL_EN("CommandLine", "Deform %1"), i), std::move(b)});
        progress(VORTEL_EN("CommandLine", "deformations"));
    }
    save("deformations.png", contactSheet(deforms, w, h));
    for (int i = 0; i < RandomEffects; ++i) {
        const uint32_t seed = options.randomSeed.value_or(1) + uint32_t(i) * 7919u;
        Bitmap b = renderEffect(options, [seed](presets::EffectPanels& p) { p.GenerateRandomEffect(seed); }, warnings);
        save("random_" + std::to_string(seed) + ".png", b);
        randoms.push_back({fillText(VORTEL_EN("CommandLine", "Seed %1"), seed), std::move(b)});
        progress(VORTEL_EN("CommandLine", "random effects"));
    }
    save("random.png", contactSheet(randoms, w, h));
    save("previews.png", previewSheet());
    err << "\nvortel-cli: "
        << fillText(VORTEL_EN("CommandLine", "wrote %1 pictures and 4 contact sheets to %2"), total, dir.string()) << '\n';
    return 0;
}

}  // namespace vortel::cli
