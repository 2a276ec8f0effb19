#include "cli/EngineJson.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>

#include "cli/EngineFields.h"
#include "platform/Canvas.h"
#include "platform/Font.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

using Getter = std::function<Json(const TFontFX&)>;
using Setter = std::function<void(TFontFX&, const Json&, const std::string&)>;

struct KeyHandler {
    Getter get;
    Setter set;  // empty for read-only keys
};

template <class T>
KeyHandler field(T TFontFX::*member) {
    return {[member](const TFontFX& e) { return toJson(e.*member); },
            [member](TFontFX& e, const Json& v, const std::string& key) {
                T value = e.*member;
                fromJson(v, value, key);
                e.*member = std::move(value);
            }};
}

template <class T>
KeyHandler readOnly(T TFontFX::*member) {
    return {[member](const TFontFX& e) { return toJson(e.*member); }, {}};
}

std::vector<Point> pointsFromJson(const Json& j, const std::string& path, size_t maxCount) {
    if (!j.is_array())
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected an array of [x, y] points, got %2"), path, j.dump()));
    if (j.size() > maxCount) {
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: %2 points, at most %3"), path, j.size(), maxCount));
    }
    std::vector<Point> points(j.size());
    for (size_t i = 0; i < j.size(); ++i) fromJson(j[i], points[i], path + "[" + std::to_string(i) + "]");
    return points;
}

// The guides are stored with a separate 16-bit count, so the points and the count change together.
KeyHandler guidePoints() {
    auto get = [](const TFontFX& e) {
        Json guides = Json::array();
        for (size_t g = 0; g < e.GuidePoints.size(); ++g) {
            const auto& points = e.GuidePoints[g];
            const size_t n = std::min<size_t>(e.NumGuidePoints[g], points.size());
            guides.push_back(toJson(std::vector<Point>(points.begin(), points.begin() + n)));
        }
        return guides;
    };
    auto set = [](TFontFX& e, const Json& v, const std::string& key) {
        if (!v.is_array() || v.size() != e.GuidePoints.size()) {
            throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected an array of 4 guides"), key));
        }
        std::array<std::vector<Point>, 4> guides;
        for (size_t g = 0; g < guides.size(); ++g) {
            guides[g] = pointsFromJson(v[g], key + "[" + std::to_string(g) + "]",
                                       std::numeric_limits<uint16_t>::max());
        }
        for (size_t g = 0; g < guides.size(); ++g) {
            e.NumGuidePoints[g] = static_cast<uint16_t>(guides[g].size());
            e.GuidePoints[g] = std::move(guides[g]);
        }
    };
    return {get, set};
}

// The distribution curves have a program-wide fixed point count.
KeyHandler curve(std::vector<Point> TFontFX::*member, size_t count) {
    return {[member](const TFontFX& e) { return toJson(e.*member); },
            [member, count](TFontFX& e, const Json& v, const std::string& key) {
                auto points = pointsFromJson(v, key, count);
                if (points.size() != count) {
                    throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: needs exactly %2 points"), key, count));
                }
                e.*member = std::move(points);
            }};
}

const std::map<std::string, KeyHandler>& handlers() {
    static const std::map<std::string, KeyHandler> table = {
        {"Text", field(&TFontFX::Text)},
        {"LogFont", field(&TFontFX::Font)},
        {"TextFormat", field(&TFontFX::TextFormat)},
        {"CharSpacing", field(&TFontFX::CharSpacing)},
        {"LineSpacing", field(&TFontFX::LineSpacing)},
        {"HochTiefAmount", field(&TFontFX::HochTiefAmount)},
        {"HochTiefSeed", field(&TFontFX::HochTiefSeed)},
        {"KippAmount", field(&TFontFX::KippAmount)},
        {"KippSeed", field(&TFontFX::KippSeed)},
        {"TextExtent", readOnly(&TFontFX::TextExtent)},
        {"LineCount", readOnly(&TFontFX::LineCount)},
        {"NumOutlinePoints", readOnly(&TFontFX::NumOutlinePoints)},
        {"GuidePoints", guidePoints()},
        {"NumGuidePoints", readOnly(&TFontFX::NumGuidePoints)},
        {"GuideMiddle", readOnly(&TFontFX::GuideMiddle)},
        {"HorzCurve", curve(&TFontFX::HorzCurve, NumHorzCurvePoints)},
        {"VertCurve", curve(&TFontFX::VertCurve, NumVertCurvePoints)},
        {"WarpedBounds", readOnly(&TFontFX::WarpedBounds)},
        {"ImageRect", readOnly(&TFontFX::ImageRect)},
        {"SelectedGuide", field(&TFontFX::SelectedGuide)},
        {"BackFill", field(&TFontFX::BackFill)},
        {"TextFill", field(&TFontFX::TextFill)},
        {"Shadow", field(&TFontFX::Shadow)},
        {"Bevel", field(&TFontFX::Bevel)},
        {"Fringe", field(&TFontFX::Fringe)},
        {"SmoothFont", field(&TFontFX::SmoothFont)},
        {"Frame", field(&TFontFX::Frame)},
        {"Imprint", field(&TFontFX::Imprint)},
        {"Guide", field(&TFontFX::Guide)},
        {"GuideStyle", field(&TFontFX::GuideStyle)},
        {"Print", field(&TFontFX::Print)},
    };
    return table;
}

constexpr const char* FontFaceKey = "FontFace";

}  // namespace

const std::vector<std::string>& stateKeys() {
    static const std::vector<std::string> keys = {
        "Text", "LogFont", FontFaceKey, "TextFormat", "CharSpacing", "LineSpacing", "HochTiefAmount",
        "HochTiefSeed", "KippAmount", "KippSeed", "TextExtent", "LineCount", "NumOutlinePoints",
        "GuidePoints", "NumGuidePoints", "GuideMiddle", "HorzCurve", "VertCurve", "WarpedBounds",
        "ImageRect", "SelectedGuide", "BackFill", "TextFill", "Shadow", "Bevel", "Fringe", "SmoothFont",
        "Frame", "Imprint", "Guide", "GuideStyle", "Print",
    };
    return keys;
}

Json stateToJson(const TFontFX& engine) {
    Json state = Json::object();
    for (const auto& [key, handler] : handlers()) state[key] = handler.get(engine);
    return state;
}

// The face the layout draws with: a stand-in for a missing face depends on the text it must write.
std::string resolvedFontFace(const TFontFX& engine) {
    return Font::create(engine.Font, utf8ToU32(engine.Text))->familyName();
}

void applySetting(TFontFX& engine, const std::string& key, const Json& value) {
    const auto& table = handlers();
    const auto it = table.find(key);
    if (it == table.end()) {
        if (key == FontFaceKey)
            throw SettingError(fillText(VORTEL_EN("CommandLine", "%1 is read-only; set LogFont.lfFaceName instead"), key));
        throw SettingError(fillText(VORTEL_EN("CommandLine", "unknown key '%1'"), key));
    }
    if (!it->second.set) throw SettingError(fillText(VORTEL_EN("CommandLine", "%1 is read-only"), key));
    it->second.set(engine, value, key);
}

void applySettingText(TFontFX& engine, const std::string& assignment) {
    const auto eq = assignment.find('=');
    if (eq == std::string::npos || eq == 0)
        throw SettingError(fillText(VORTEL_EN("CommandLine", "expected KEY=JSON, got '%1'"), assignment));
    const std::string key = assignment.substr(0, eq);
    Json value;
    try {
        value = parseBoundedJson(assignment.substr(eq + 1));
    } catch (const UsageError& e) {
        throw SettingError(key + ": " + e.what());
    } catch (const Json::parse_error& e) {
        // The library's text starts with its own exception id, which means nothing to a user.
        const std::string what = e.what();
        const auto start = what.find("] ");
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: invalid JSON: %2"), key,
                                    start == std::string::npos ? what : what.substr(start + 2)));
    }
    applySetting(engine, key, value);
}

}  // namespace vortel::cli
