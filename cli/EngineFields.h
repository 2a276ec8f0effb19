#pragma once
// The field names of the engine's parameter groups as they appear in JSON. Owned bitmaps are
// left out: a texture or imprint is represented by its name alone.
#include <string>

#include "cli/JsonConvert.h"
#include "engine/EffectParams.h"
#include "platform/LogFont.h"
#include "platform/Texts.h"

namespace vortel::cli {

// The face name is a fixed char array in the record; this view converts it as a string.
template <class Font>
struct FaceNameField {
    Font& font;
};

inline Json toJson(FaceNameField<const LogFont> f) { return f.font.faceName(); }

inline void fromJson(const Json& j, FaceNameField<LogFont> f, const std::string& path) {
    std::string name;
    fromJson(j, name, path);
    if (name.size() > sizeof f.font.lfFaceName - 1) {
        throw SettingError(
            fillText(VORTEL_EN("CommandLine", "%1: a face name has at most %2 bytes"), path, sizeof f.font.lfFaceName - 1));
    }
    if (name.find('\0') != std::string::npos)
        throw SettingError(fillText(VORTEL_EN("CommandLine", "%1: a face name cannot contain NUL"), path));
    f.font.setFaceName(name);
}

template <>
struct FieldList<LogFont> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("lfHeight", s.lfHeight);
        f("lfWidth", s.lfWidth);
        f("lfEscapement", s.lfEscapement);
        f("lfOrientation", s.lfOrientation);
        f("lfWeight", s.lfWeight);
        f("lfItalic", s.lfItalic);
        f("lfUnderline", s.lfUnderline);
        f("lfStrikeOut", s.lfStrikeOut);
        f("lfCharSet", s.lfCharSet);
        f("lfOutPrecision", s.lfOutPrecision);
        f("lfClipPrecision", s.lfClipPrecision);
        f("lfQuality", s.lfQuality);
        f("lfPitchAndFamily", s.lfPitchAndFamily);
        f("lfFaceName", FaceNameField<S>{s});
    }
};

template <>
struct FieldList<FillRecord> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("FillKind", s.FillKind);
        f("TextureName", s.TextureName);
        f("FillFlag", s.FillFlag);
        f("FillColor", s.FillColor);
        f("GradientAngle", s.GradientAngle);
        f("GradientRepeat", s.GradientRepeat);
        f("GradientStyle", s.GradientStyle);
        f("GradientCount", s.GradientCount);
        f("GradientColors", s.GradientColors);
        f("HatchStyle", s.HatchStyle);
        f("HatchColor", s.HatchColor);
    }
};

template <>
struct FieldList<ShadowParams> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("ShadowX", s.ShadowX);
        f("ShadowY", s.ShadowY);
        f("ShadowBlur", s.ShadowBlur);
        f("ShadowAngle", s.ShadowAngle);
        f("ShadowSize", s.ShadowSize);
        f("ShadowIntensity", s.ShadowIntensity);
        f("ShadowColor", s.ShadowColor);
    }
};

template <>
struct FieldList<BevelPoint> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("ColorMode", s.ColorMode);
        f("SegmentType", s.SegmentType);
        f("Color", s.Color);
        f("X", s.X);
        f("Y", s.Y);
        f("Transparency", s.Transparency);
    }
};

template <>
struct FieldList<BevelHeader> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("Flags", s.Flags);
        f("CustomProfile", s.CustomProfile);
        f("Reserved", s.Reserved);
        f("Base", s.Base);
    }
};

template <>
struct FieldList<BevelParams> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("Header", s.Header);
        f("Points", s.Points);
        f("SegmentCount", s.SegmentCount);
        f("BevelHeight", s.BevelHeight);
        f("BevelSize", s.BevelSize);
        f("BevelDepth", s.BevelDepth);
        f("BevelAddPixel", s.BevelAddPixel);
        f("BevelAngle", s.BevelAngle);
        f("BevelInvert", s.BevelInvert);
        f("BevelFlag", s.BevelFlag);
    }
};

template <>
struct FieldList<FringeParams> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("FringeKind", s.FringeKind);
        f("OutlineStep", s.OutlineStep);
        f("FringeX", s.FringeX);
        f("FringeY", s.FringeY);
        f("FringeSeed", s.FringeSeed);
    }
};

template <>
struct FieldList<FrameParams> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("FrameKind", s.FrameKind);
        f("FrameWidth", s.FrameWidth);
        f("FramePoints", s.FramePoints);
        f("FrameHeight", s.FrameHeight);
        f("FramePixel", s.FramePixel);
        f("FrameColor", s.FrameColor);
        f("FrameSeed", s.FrameSeed);
    }
};

template <>
struct FieldList<ImprintParams> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("ImprintOn", s.ImprintOn);
        f("ImprintInverse", s.ImprintInverse);
        f("ImprintName", s.ImprintName);
    }
};

template <>
struct FieldList<GuideParams> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("Values", s.Values);
        f("Step", s.Step);
    }
};

template <>
struct FieldList<PrintLayout> {
    static constexpr bool described = true;
    template <class S, class F>
    static void each(S& s, F&& f) {
        f("Left", s.Left);
        f("Top", s.Top);
        f("Width", s.Width);
        f("Height", s.Height);
        f("Options", s.Options);
        f("Reserved", s.Reserved);
    }
};

}  // namespace vortel::cli
