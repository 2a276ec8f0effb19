#include "server/Catalog.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/Options.h"
#include "cli/Verbs.h"
#include "document/ImageJpeg.h"
#include "document/ImagePng.h"
#include "document/StockResources.h"
#include "engine/FontFX.h"
#include "panels/presets/MainStyles.h"
#include "platform/FontList.h"
#include "platform/Texts.h"

namespace vortel::server {
namespace {

using Json = nlohmann::json;

// The presets of each kind and their numbers, as the command line takes them.
struct Kind {
    const char* name;
    const char* option;
    int first, last;
};
constexpr Kind Kinds[] = {
    {"guide", "--guide-preset", 0, 29},   {"bevel", "--bevel-preset", 0, 17},   {"outline", "--outline-preset", 0, 12},
    {"shadow", "--shadow-preset", 0, 11}, {"frame", "--frame-preset", 0, 17},   {"gradient", "--gradient-preset", 1, 15},
};

// What a preset is called on the page, in the language spoken.
std::string presetName(const std::string& kind, int number) {
    if (kind == "guide") return fillText(VORTEL_EN("Server", "Deformation %1"), number);
    if (kind == "bevel") return fillText(VORTEL_EN("Server", "3D bevel %1"), number);
    if (kind == "outline") return fillText(VORTEL_EN("Server", "Outline %1"), number);
    if (kind == "shadow") return fillText(VORTEL_EN("Server", "Shadow %1"), number);
    if (kind == "frame") return fillText(VORTEL_EN("Server", "Frame %1"), number);
    return fillText(VORTEL_EN("Server", "Gradient %1"), number);
}

// The stock textures: JPG_01, JPG_02, ... as far as the library has them.
std::vector<std::string> textureNames() {
    std::vector<std::string> names;
    for (int n = 1; n < 100; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "JPG_%02d", n);
        if (stockResource("JPG", std::string(":") + name)) names.push_back(name);
    }
    return names;
}

std::optional<int> number(const std::string& text, int first, int last) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int value = std::stoi(text);
    if (value < first || value > last) return std::nullopt;
    return value;
}

std::vector<uint8_t> drawThumbnail(const std::vector<std::string>& presetArgs, const std::string& text) {
    std::vector<std::string> args{"render", "--size", "96x48", "-o", "thumbnail.png", "--png-effort", "fast"};
    if (!text.empty()) args.insert(args.end(), {"--text", text});
    args.insert(args.end(), presetArgs.begin(), presetArgs.end());
    std::ostringstream said;
    resetRenderMemory();
    return cli::renderToMemory(cli::parseOptions(args), said).bytes;
}

}  // namespace

std::string Catalog::faces() {
    const std::lock_guard lock(mutex_);
    if (!faces_) faces_ = Json{{"faces", InstalledOutlineFaces()}}.dump();
    return *faces_;
}

std::string Catalog::styles() {
    Json list = Json::array();
    const auto& rows = presets::MainStyleRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string text;
        for (const char c : std::string(rows[i].text))
            if (c != '\r') text += c;
        std::string name = text;
        std::replace(name.begin(), name.end(), '\n', ' ');
        list.push_back({{"number", i},
                        {"name", name},
                        {"text", text},
                        {"thumbnail", "/thumbnails/style/" + std::to_string(i) + ".png"}});
    }
    return Json{{"styles", list}}.dump();
}

std::string Catalog::presets() {
    Json all = Json::object();
    for (const Kind& kind : Kinds) {
        Json list = Json::array();
        for (int n = kind.first; n <= kind.last; ++n)
            list.push_back({{"number", n},
                            {"name", presetName(kind.name, n)},
                            {"thumbnail", std::string("/thumbnails/") + kind.name + "/" + std::to_string(n) + ".png"}});
        all[kind.name] = list;
    }
    Json textures = Json::array();
    for (const auto& name : textureNames())
        textures.push_back({{"name", ":" + name}, {"thumbnail", "/thumbnails/texture/" + name + ".png"}});  // the job's name
    all["texture"] = textures;
    return all.dump();
}

std::optional<std::vector<uint8_t>> Catalog::thumbnail(const std::string& kind, const std::string& name) {
    const auto key = std::make_pair(kind, name);
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = drawn_.find(key); found != drawn_.end()) return found->second;
    }
    std::vector<uint8_t> png;
    if (kind == "style") {
        const auto n = number(name, 0, 45);
        if (!n) return std::nullopt;
        png = drawThumbnail({"--style", std::to_string(*n)}, "");
    } else if (kind == "texture") {
        if (name.size() > 8 || !name.starts_with("JPG_")) return std::nullopt;
        const auto resource = stockResource("JPG", ":" + name);
        if (!resource) return std::nullopt;
        png = encodePng(decodeJpeg(*resource), PngEffort::Fast);
    } else {
        const Kind* found = nullptr;
        for (const Kind& k : Kinds)
            if (kind == k.name) found = &k;
        if (!found) return std::nullopt;
        const auto n = number(name, found->first, found->last);
        if (!n) return std::nullopt;
        const bool word = kind == "guide" || kind == "gradient";
        png = drawThumbnail({found->option, std::to_string(*n)}, word ? "Abc" : "A");
    }
    const std::lock_guard lock(mutex_);
    return drawn_.emplace(key, std::move(png)).first->second;
}

}  // namespace vortel::server
