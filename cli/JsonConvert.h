#pragma once
// Conversions between engine values and JSON. Structs take part by specialising FieldList, which
// names their fields once for both directions, so a field can never be dumped under one name
// and set under another.
#include <array>
#include <concepts>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/Errors.h"
#include "engine/Real48.h"
#include "platform/Geometry.h"
#include "platform/Texts.h"

namespace vortel::cli {

using Json = nlohmann::json;

// Nothing in a job or in the state nests more than a few levels. A deeper value is refused while
// it is parsed, before anything walks it recursively: printing a value of 60,000 levels overflows
// the stack.
inline constexpr int MaxJsonDepth = 64;

// Parses JSON text no deeper than MaxJsonDepth; throws Json::parse_error for bad text and
// UsageError for a value nested too deep.
template <class Text>
Json parseBoundedJson(const Text& text) {
    return Json::parse(text, [](int depth, Json::parse_event_t, Json&) {
        if (depth > MaxJsonDepth)
            throw UsageError(fillText(VORTEL_EN("CommandLine", "the JSON nests deeper than %1 levels"), MaxJsonDepth));
        return true;
    });
}

// Specialisations set `described` and provide `each(s, f)`, calling f(name, field) per field.
template <class T>
struct FieldList {
    static constexpr bool described = false;
};

template <class T>
concept Described = FieldList<T>::described;

// All overloads are declared first so the templates below find each other at definition time.
template <std::integral T> Json toJson(T v);
inline Json toJson(double v);
inline Json toJson(Real48Value v);
inline Json toJson(const std::string& s);
inline Json toJson(Point p);
inline Json toJson(Size s);
inline Json toJson(const Rect& r);
template <class T, size_t N> Json toJson(const std::array<T, N>& a);
template <class T> Json toJson(const std::vector<T>& v);
template <Described T> Json toJson(const T& s);

template <std::integral T> void fromJson(const Json& j, T& out, const std::string& path);
inline void fromJson(const Json& j, double& out, const std::string& path);
inline void fromJson(const Json& j, Real48Value& out, const std::string& path);
inline void fromJson(const Json& j, std::string& out, const std::string& path);
inline void fromJson(const Json& j, Point& out, const std::string& path);
template <class T, size_t N> void fromJson(const Json& j, std::array<T, N>& out, const std::string& path);
template <Described T> void fromJson(const Json& j, T& out, const std::string& path);

template <std::integral T>
Json toJson(T v) {
    return v;
}
inline Json toJson(double v) { return v; }
inline Json toJson(Real48Value v) { return double(v); }
inline Json toJson(const std::string& s) { return s; }
inline Json toJson(Point p) { return Json::array({p.x, p.y}); }
inline Json toJson(Size s) { return Json::array({s.cx, s.cy}); }
inline Json toJson(const Rect& r) {
    return Json{{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

template <class T, size_t N>
Json toJson(const std::array<T, N>& a) {
    Json j = Json::array();
    for (const T& v : a) j.push_back(toJson(v));
    return j;
}

template <class T>
Json toJson(const std::vector<T>& v) {
    Json j = Json::array();
    for (const T& e : v) j.push_back(toJson(e));
    return j;
}

template <Described T>
Json toJson(const T& s) {
    Json j = Json::object();
    FieldList<T>::each(s, [&j](const char* name, const auto& field) { j[name] = toJson(field); });
    return j;
}

template <std::integral T>
void fromJson(const Json& j, T& out, const std::string& path) {
    // The engine's on/off bytes also take true and false.
    if constexpr (std::is_same_v<T, uint8_t>) {
        if (j.is_boolean()) {
            out = j.get<bool>() ? 1 : 0;
            return;
        }
    }
    if (!j.is_number_integer())
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected an integer, got %2"), path, j.dump()));
    const bool fits = j.is_number_unsigned() ? std::in_range<T>(j.get<uint64_t>())
                                             : std::in_range<T>(j.get<int64_t>());
    if (!fits) {
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: %2 is out of range %3..%4"), path, j.dump(),
                                    int64_t{std::numeric_limits<T>::min()}, int64_t{std::numeric_limits<T>::max()}));
    }
    out = j.is_number_unsigned() ? static_cast<T>(j.get<uint64_t>()) : static_cast<T>(j.get<int64_t>());
}

inline void fromJson(const Json& j, double& out, const std::string& path) {
    if (!j.is_number())
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected a number, got %2"), path, j.dump()));
    out = j.get<double>();
}

// A number set into a field the documents keep as a 6-byte real becomes the value they keep.
inline void fromJson(const Json& j, Real48Value& out, const std::string& path) {
    double value = 0;
    fromJson(j, value, path);
    out = value;
}

inline void fromJson(const Json& j, std::string& out, const std::string& path) {
    if (!j.is_string())
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected a string, got %2"), path, j.dump()));
    out = j.get<std::string>();
}

inline void fromJson(const Json& j, Point& out, const std::string& path) {
    if (!j.is_array() || j.size() != 2)
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected [x, y], got %2"), path, j.dump()));
    Point p;
    fromJson(j[0], p.x, path + "[0]");
    fromJson(j[1], p.y, path + "[1]");
    out = p;
}

template <class T, size_t N>
void fromJson(const Json& j, std::array<T, N>& out, const std::string& path) {
    if (!j.is_array() || j.size() != N) {
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected an array of %2 values"), path, N));
    }
    std::array<T, N> result = out;
    for (size_t i = 0; i < N; ++i) fromJson(j[i], result[i], path + "[" + std::to_string(i) + "]");
    out = std::move(result);
}

// Only the keys present change; the struct is left alone unless every one of them is valid.
template <Described T>
void fromJson(const Json& j, T& out, const std::string& path) {
    if (!j.is_object())
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: expected an object, got %2"), path, j.dump()));
    T result = out;
    for (auto it = j.begin(); it != j.end(); ++it) {
        const std::string& key = it.key();
        const Json& value = it.value();
        bool found = false;
        FieldList<T>::each(result, [&](const char* name, auto&& field) {
            if (found || key != name) return;
            fromJson(value, field, path + "." + key);
            found = true;
        });
        if (!found) throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: unknown key '%2'"), path, key));
    }
    out = std::move(result);
}

}  // namespace vortel::cli
