#include "document/DocumentBlocks.h"

#include <algorithm>
#include <cstring>

namespace vortel::disk {
namespace {

// Zero-initialised records, so spare and padding bytes are always 0 on disk.
template <class T>
T zeroed() {
    T value;
    std::memset(&value, 0, sizeof value);
    return value;
}

uint8_t& byteAt(Bevel& bevel, size_t offset) { return reinterpret_cast<uint8_t*>(&bevel)[offset]; }
uint8_t byteAt(const Bevel& bevel, size_t offset) { return reinterpret_cast<const uint8_t*>(&bevel)[offset]; }

}  // namespace

ShortString toShortString(const std::string& text) {
    auto s = zeroed<ShortString>();
    const size_t length = std::min(text.size(), sizeof s.text);
    std::memcpy(s.text, text.data() + (text.size() - length), length);
    s.length = uint8_t(length);
    return s;
}

std::string fromShortString(const ShortString& s) { return std::string(s.text, s.length); }

Surface toDisk(const FillRecord& fill) {
    auto d = zeroed<Surface>();
    d.kind = fill.FillKind;
    d.source = toShortString(fill.TextureName);
    d.flag = fill.FillFlag;
    d.color = fill.FillColor;
    d.gradientAngle = fill.GradientAngle;
    d.gradientRepeat = fill.GradientRepeat;
    d.gradientStyle = fill.GradientStyle;
    d.gradientCount = fill.GradientCount;
    std::copy(fill.GradientColors.begin(), fill.GradientColors.end(), d.gradientColors);
    d.hatchStyle = fill.HatchStyle;
    d.hatchColor = fill.HatchColor;
    return d;
}

void fromDisk(const Surface& d, FillRecord& fill) {
    fill.FillKind = d.kind;
    fill.TextureName = fromShortString(d.source);
    fill.FillFlag = d.flag;
    fill.FillColor = d.color;
    fill.GradientAngle = d.gradientAngle;
    fill.GradientRepeat = d.gradientRepeat;
    fill.GradientStyle = d.gradientStyle;
    fill.GradientCount = d.gradientCount;
    std::copy(std::begin(d.gradientColors), std::end(d.gradientColors), fill.GradientColors.begin());
    fill.HatchStyle = d.hatchStyle;
    fill.HatchColor = d.hatchColor;
}

Shadow toDisk(const ShadowParams& s) {
    auto d = zeroed<Shadow>();
    d.x = s.ShadowX;
    d.y = s.ShadowY;
    d.blur = s.ShadowBlur;
    d.angle = s.ShadowAngle;
    d.size = s.ShadowSize;
    d.intensity = toReal48(s.ShadowIntensity);
    d.color = s.ShadowColor;
    return d;
}

void fromDisk(const Shadow& d, ShadowParams& s) {
    s.ShadowX = d.x;
    s.ShadowY = d.y;
    s.ShadowBlur = d.blur;
    s.ShadowAngle = d.angle;
    s.ShadowSize = d.size;
    s.ShadowIntensity = fromReal48(d.intensity);
    s.ShadowColor = d.color;
}

Bevel toDisk(const BevelParams& b) {
    auto d = zeroed<Bevel>();
    d.flags = b.Header.Flags;
    d.customProfile = b.Header.CustomProfile;
    d.reserved = b.Header.Reserved;
    d.base = b.Header.Base;
    for (size_t i = 0; i < b.Points.size(); ++i) {
        const auto& p = b.Points[i];
        d.points[i].x = p.X;
        d.points[i].y = p.Y;
        d.points[i].color = p.Color;
        d.points[i].colorMode = p.ColorMode;
        d.points[i].segmentType = p.SegmentType;
        d.points[i].transparency = p.Transparency;
    }
    byteAt(d, BevelLastPointOffset) = b.SegmentCount;
    d.height = b.BevelHeight;
    d.size = b.BevelSize;
    d.depth = b.BevelDepth;
    d.addPixel = b.BevelAddPixel;
    d.angle = b.BevelAngle;
    d.invert = b.BevelInvert;
    d.flag = b.BevelFlag;
    return d;
}

void fromDisk(const Bevel& d, BevelParams& b) {
    b.Header = {d.flags, d.customProfile, d.reserved, d.base};
    for (size_t i = 0; i < b.Points.size(); ++i) {
        const auto& p = d.points[i];
        b.Points[i] = {p.colorMode, p.segmentType, p.color, p.x, p.y, p.transparency};
    }
    b.SegmentCount = byteAt(d, BevelLastPointOffset);
    b.BevelHeight = d.height;
    b.BevelSize = d.size;
    b.BevelDepth = d.depth;
    b.BevelAddPixel = d.addPixel;
    b.BevelAngle = d.angle;
    b.BevelInvert = d.invert;
    b.BevelFlag = d.flag;
}

Fringe toDisk(const FringeParams& f) {
    auto d = zeroed<Fringe>();
    d.kind = f.FringeKind;
    d.outlineStep = f.OutlineStep;
    d.x = f.FringeX;
    d.y = f.FringeY;
    d.seed = f.FringeSeed;
    return d;
}

void fromDisk(const Fringe& d, FringeParams& f) {
    f.FringeKind = d.kind;
    f.OutlineStep = d.outlineStep;
    f.FringeX = d.x;
    f.FringeY = d.y;
    f.FringeSeed = d.seed;
}

Frame toDisk(const FrameParams& f) {
    auto d = zeroed<Frame>();
    d.kind = f.FrameKind;
    d.width = f.FrameWidth;
    d.points = f.FramePoints;
    d.height = f.FrameHeight;
    d.pixel = f.FramePixel;
    d.color = f.FrameColor;
    d.seed = f.FrameSeed;
    return d;
}

void fromDisk(const Frame& d, FrameParams& f) {
    f.FrameKind = d.kind;
    f.FrameWidth = d.width;
    f.FramePoints = d.points;
    f.FrameHeight = d.height;
    f.FramePixel = d.pixel;
    f.FrameColor = d.color;
    f.FrameSeed = d.seed;
}

Imprint toDisk(const ImprintParams& i) {
    auto d = zeroed<Imprint>();
    d.on = i.ImprintOn;
    d.inverse = i.ImprintInverse;
    d.name = toShortString(i.ImprintName);
    return d;
}

void fromDisk(const Imprint& d, ImprintParams& i) {
    i.ImprintOn = d.on;
    i.ImprintInverse = d.inverse;
    i.ImprintName = fromShortString(d.name);
}

Guide toDisk(const GuideParams& g) {
    auto d = zeroed<Guide>();
    std::copy(g.Values.begin(), g.Values.end(), d.values);
    d.step = g.Step;
    return d;
}

void fromDisk(const Guide& d, GuideParams& g) {
    std::copy(std::begin(d.values), std::end(d.values), g.Values.begin());
    g.Step = d.step;
}

Print toDisk(const PrintLayout& p) {
    auto d = zeroed<Print>();
    d.left = p.Left;
    d.top = p.Top;
    d.width = p.Width;
    d.height = p.Height;
    d.options = p.Options;
    d.reserved[0] = p.Reserved[0];
    d.reserved[1] = p.Reserved[1];
    return d;
}

void fromDisk(const Print& d, PrintLayout& p) {
    p = {d.left, d.top, d.width, d.height, d.options, {d.reserved[0], d.reserved[1]}};
}

}  // namespace vortel::disk
