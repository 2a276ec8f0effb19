// Reading documents and style files. The whole file is read and checked into a staging copy
// first; the engine changes only when everything was read, in one step that cannot fail half-way.
#include <algorithm>
#include <array>
#include <cctype>

#include "document/Cp1252.h"
#include "document/Document.h"
#include "document/DocumentBlocks.h"
#include "document/DocumentFormat.h"
#include "document/DocumentIo.h"
#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageJpeg.h"
#include "platform/Numeric.h"

namespace vortel {
namespace {

using namespace document_format;

constexpr int32_t MinGuidePoints = 2;
// Values that only decide how much work a render does are kept within what the renderer takes on.
constexpr int32_t MaxBlurRadius = MaxStoredSide - 1;
constexpr int32_t MaxFringeStrength = 1000;
constexpr int32_t MaxOutlineStep = 1000;
constexpr int32_t MinFramePoints = 3, MaxFramePoints = 999;
constexpr uint8_t MaxProfileIndex = 10;
constexpr int32_t ProfileEnd = 1000, EditorHeight = 136;

// Everything a document or deformation file sets, read but not yet applied.
struct GuideSet {
    GuideParams guide;
    std::array<std::vector<Point>, 4> guides;
    std::vector<Point> horz, vert;
};

struct Staged {
    std::string text;
    PrintLayout print;
    std::array<int32_t, 6> placement{};
    ViewSize view;
    uint16_t textFormat = 0;
    LogFont font;
    FillRecord backFill, textFill;
    ShadowParams shadow;
    BevelParams bevel;
    FringeParams fringe;
    FrameParams frame;
    int32_t guideStyle = 0;
    ImprintParams imprint;
    GuideSet guides;
};

// A count is at most 65535, so the list it claims is allocated before its bytes are known to exist;
// a file that ends early is a short read at the first missing point.
std::vector<Point> readPoints(DocumentSource& in, size_t count, size_t zeros) {
    std::vector<Point> points(count);
    for (auto& p : points) {
        p.x = in.read<int32_t>();
        p.y = in.read<int32_t>();
    }
    in.CheckZeroRun(zeros);
    return points;
}

// Guides need two points to span anything; the curves have the program's fixed point counts.
void readGuides(DocumentSource& in, GuideSet& set, size_t zeros) {
    std::array<uint16_t, 4> counts{};
    for (auto& c : counts) c = in.read<uint16_t>();
    for (size_t g = 0; g < 4; ++g) {
        if (counts[g] < MinGuidePoints) in.fail();
        set.guides[g] = readPoints(in, counts[g], zeros);
    }
    const auto horz = in.read<uint8_t>(), vert = in.read<uint8_t>();
    if (horz != NumHorzCurvePoints || vert != NumVertCurvePoints) in.fail();
    set.horz = readPoints(in, horz, zeros);
    set.vert = readPoints(in, vert, zeros);
}

template <class Disk, class Value>
void readBlock(DocumentSource& in, Value& value) {
    disk::fromDisk(in.read<Disk>(), value);
}

void checkBevel(DocumentSource& in, const BevelParams& bevel) {
    if (bevel.SegmentCount > MaxProfileIndex) in.fail();
}

void clampWork(Staged& s) {
    s.shadow.ShadowBlur = std::clamp(s.shadow.ShadowBlur, -1, MaxBlurRadius);
    s.frame.FramePoints = std::clamp(s.frame.FramePoints, MinFramePoints, MaxFramePoints);
    s.fringe.FringeX = std::clamp(s.fringe.FringeX, -MaxFringeStrength, MaxFringeStrength);
    s.fringe.FringeY = std::clamp(s.fringe.FringeY, -MaxFringeStrength, MaxFringeStrength);
    s.fringe.OutlineStep = std::clamp(s.fringe.OutlineStep, 1, MaxOutlineStep);
    for (FillRecord* fill : {&s.backFill, &s.textFill}) {
        fill->GradientCount = std::clamp(fill->GradientCount, 0, int32_t(fill->GradientColors.size()));
    }
}

// A profile drawn in an older editor: scaled so that its last point lies at x = 1000 and its
// heights in thousandths. A last point at x = 0 cannot be scaled and is left as it is.
void normaliseProfile(BevelParams& bevel) {
    if (!bevel.Header.CustomProfile) return;
    const uint8_t n = bevel.SegmentCount;
    const int32_t xn = bevel.Points[n].X;
    if (xn == ProfileEnd || xn == 0) return;
    for (size_t k = 0; k <= n; ++k) {
        bevel.Points[k].X = mulDiv(bevel.Points[k].X, ProfileEnd, xn);
        bevel.Points[k].Y = mulDiv(bevel.Points[k].Y, ProfileEnd, EditorHeight);
    }
}

std::string fixedText(std::span<const uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), uint8_t(0));
    return std::string(field.begin(), end);
}

std::optional<int32_t> storedSide(DocumentSource& in) {
    const auto v = in.read<int32_t>();
    if (v < 1) in.fail();
    if (v >= MaxStoredSide) return std::nullopt;
    return v;
}

template <class Decode>
std::shared_ptr<Bitmap> decodeEmbedded(const DocumentSource& in, std::span<const uint8_t> bytes, Decode decode) {
    try {
        return std::make_shared<Bitmap>(decode(bytes));
    } catch (const ImageError&) {
        in.fail();
    }
}

void readTexture(DocumentSource& in, FillRecord& fill, int32_t record) {
    if (in.read<int32_t>() != record) in.fail();
    const auto value = in.read<uint32_t>();
    if (value == JpegMarker) {
        in.skip(JpegNameSize);
        const auto bytes = in.ReadBlock(in.read<uint32_t>());
        fill.Texture = decodeEmbedded(in, bytes, decodeJpeg);
        fill.TextureJpeg = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
    } else {
        fill.Texture = decodeEmbedded(in, in.ReadBlock(value), decodeBmp);
    }
    in.CheckZeroRun(LongRun);
}

// The full text when our UTF-8 section is there and its first characters agree with the fixed
// field; otherwise the fixed field's characters. (Files of earlier versions hold only those first
// characters in the section.)
std::string readText(DocumentSource& in, const std::string& fixed, size_t previewOffset) {
    const std::string fallback = cp1252ToUtf8(fixed);
    if (in.position() >= previewOffset || !in.peekTag(Utf8Tag)) return fallback;
    in.skip(Utf8Tag.size());
    const auto length = in.read<uint32_t>();
    const auto bytes = in.ReadBlock(length);
    in.CheckZeroRun(LongRun);
    const std::string text(bytes.begin(), bytes.end());
    if (u32ToUtf8(utf8ToU32(text)) != text) return fallback;  // not valid UTF-8
    return utf8ToCp1252(firstCharacters(text, TextFieldSize)) == fixed ? text : fallback;
}

Staged readDocument(DocumentSource& in) {
    Staged s;
    const auto header = in.ReadBlock(HeaderSize);
    if (!std::equal(header.begin(), header.begin() + 3, "VTL")) {
        throw DocumentError(document_messages::notADocument(in.name()));
    }
    const std::string fixed = fixedText(in.ReadBlock(TextFieldSize));
    readBlock<disk::Print>(in, s.print);
    if (s.print.Width == 0 && s.print.Height == 0) {
        s.print.Options = PrintPortrait | PrintKeepAspect | PrintFullPage | PrintCentre;
    }
    const auto previewOffset = in.read<int32_t>();
    for (size_t i = 0; i < 4; ++i) s.placement[i] = in.read<int32_t>();
    s.view.width = storedSide(in);
    s.view.height = storedSide(in);
    s.textFormat = in.read<uint16_t>();
    s.font = in.read<LogFont>();
    s.placement[4] = in.read<int32_t>();
    s.placement[5] = in.read<int32_t>();
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Surface>(in, s.textFill);
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Surface>(in, s.backFill);
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Shadow>(in, s.shadow);
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Bevel>(in, s.bevel);
    checkBevel(in, s.bevel);
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Fringe>(in, s.fringe);
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Frame>(in, s.frame);
    in.CheckZeroRun(ShortRun);
    s.guideStyle = in.read<int32_t>();
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Imprint>(in, s.imprint);
    in.CheckZeroRun(ShortRun);
    readBlock<disk::Guide>(in, s.guides.guide);
    in.CheckZeroRun(ShortRun);
    readGuides(in, s.guides, LongRun);
    if (s.backFill.FillKind == TextureKind) readTexture(in, s.backFill, 0);
    if (s.textFill.FillKind == TextureKind) readTexture(in, s.textFill, 1);
    if (s.imprint.ImprintOn) {
        s.imprint.ImprintBitmap = decodeEmbedded(in, in.ReadBlock(in.read<uint32_t>()), decodeBmp);
        in.CheckZeroRun(LongRun);
    }
    s.text = readText(in, fixed, previewOffset > 0 ? size_t(previewOffset) : in.position());
    normaliseProfile(s.bevel);
    clampWork(s);
    return s;
}

void applyGuides(TFontFX& engine, GuideSet& set) {
    engine.Guide = set.guide;
    for (size_t g = 0; g < 4; ++g) {
        engine.NumGuidePoints[g] = uint16_t(set.guides[g].size());
        engine.GuidePoints[g] = std::move(set.guides[g]);
    }
    engine.HorzCurve = std::move(set.horz);
    engine.VertCurve = std::move(set.vert);
    // A selected point of the old guides may not exist on the new ones.
    engine.SelectedPoint = -1;
    engine.SelectedPointGuide = -1;
    engine.InsertAfterPoint = 0;
}

// The engine always owns a bitmap for each surface and the imprint, empty when unused.
void attachEmptyBitmaps(Staged& s) {
    for (auto* bitmap : {&s.backFill.Texture, &s.textFill.Texture, &s.imprint.ImprintBitmap}) {
        if (!*bitmap) *bitmap = std::make_shared<Bitmap>();
    }
}

// Only moves and assignments of values already in memory: nothing here can fail half-way.
void apply(TFontFX& engine, Staged& s) {
    engine.Text = std::move(s.text);
    engine.Print = s.print;
    engine.HochTiefAmount = s.placement[0];
    engine.HochTiefSeed = s.placement[1];
    engine.KippAmount = s.placement[2];
    engine.KippSeed = s.placement[3];
    engine.CharSpacing = s.placement[4];
    engine.LineSpacing = s.placement[5];
    engine.TextFormat = s.textFormat;
    engine.Font = s.font;
    engine.BackFill = std::move(s.backFill);
    engine.TextFill = std::move(s.textFill);
    engine.Shadow = s.shadow;
    engine.Bevel = s.bevel;
    engine.Fringe = s.fringe;
    engine.Frame = s.frame;
    engine.GuideStyle = s.guideStyle;
    engine.Imprint = std::move(s.imprint);
    applyGuides(engine, s.guides);
    const Rect& r = engine.ImageRect;
    engine.ImageRect = Rect{0, 0, s.view.width.value_or(r.width()), s.view.height.value_or(r.height())};
    engine.OutlinePoints.clear();
    engine.OutlineTypes.clear();
    engine.NumOutlinePoints = 0;
    engine.releaseTextMask();
    engine.Modified = 0;
}

std::vector<uint8_t> readWhole(const std::string& path, uint64_t maxBytes) {
    try {
        return readFileBytes(path, maxBytes);
    } catch (const FileReadError& e) {
        throw DocumentError(document_messages::openFailed(path, e.reason()));
    }
}

}  // namespace

ViewSize decodeDocument(TFontFX& engine, std::span<const uint8_t> bytes, const std::string& name) {
    DocumentSource in(bytes, name);
    Staged staged = readDocument(in);
    attachEmptyBitmaps(staged);
    const ViewSize view = staged.view;
    apply(engine, staged);
    return view;
}

ViewSize ReadDocument(TFontFX& engine, const std::string& path) {
    return decodeDocument(engine, readWhole(path, MaxDocumentBytes), path);
}

void decodeStyle(TFontFX& engine, std::span<const uint8_t> bytes, StyleKind kind, const std::string& name) {
    DocumentSource in(bytes, name);
    switch (kind) {
    case StyleKind::Deform: {
        GuideSet set;
        readBlock<disk::Guide>(in, set.guide);
        in.skip(ShortRun);
        readGuides(in, set, ShortRun);
        applyGuides(engine, set);
        engine.releaseTextMask();
        break;
    }
    case StyleKind::Bevel: {
        BevelParams bevel;
        readBlock<disk::Bevel>(in, bevel);
        checkBevel(in, bevel);
        engine.Bevel = bevel;
        engine.releaseTextMask();
        break;
    }
    case StyleKind::Color: {
        std::array<disk::Surface, 2> surfaces{disk::toDisk(engine.TextFill), disk::toDisk(engine.BackFill)};
        for (auto& d : surfaces) {
            d.kind = in.read<uint8_t>();
            d.color = in.read<uint32_t>();
            const auto gradient = in.ReadBlock(GradientSize);
            std::copy(gradient.begin(), gradient.end(), reinterpret_cast<uint8_t*>(&d.gradientAngle));
        }
        for (auto& d : surfaces) {
            d.gradientCount = std::clamp(d.gradientCount, 0, int32_t(std::size(d.gradientColors)));
        }
        disk::fromDisk(surfaces[0], engine.TextFill);
        disk::fromDisk(surfaces[1], engine.BackFill);
        break;
    }
    case StyleKind::Shadow: {
        ShadowParams shadow;
        readBlock<disk::Shadow>(in, shadow);
        shadow.ShadowBlur = std::clamp(shadow.ShadowBlur, -1, MaxBlurRadius);
        engine.setShadow(shadow);
        break;
    }
    }
    engine.Modified = 1;
}

void ReadStyleFile(TFontFX& engine, const std::string& path, StyleKind kind) {
    decodeStyle(engine, readWhole(path, MaxStyleBytes), kind, path);
}

std::optional<Bitmap> decodeDocumentPreview(std::span<const uint8_t> bytes) {
    try {
        DocumentSource in(bytes, {});
        in.skip(PreviewOffsetAt);
        const auto offset = in.read<int32_t>();
        if (offset < int32_t(FixedPartSize) || size_t(offset) > bytes.size()) return std::nullopt;
        DocumentSource preview(bytes.subspan(size_t(offset)), {});
        const auto length = preview.read<uint32_t>();
        if (length < MinPreviewLength || length > MaxPreviewLength) return std::nullopt;
        return decodeJpeg(preview.ReadBlock(length));
    } catch (const DocumentError&) {
    } catch (const ImageError&) {
    }
    return std::nullopt;
}

std::optional<Bitmap> ReadDocumentPreview(const std::string& path) {
    try {
        return decodeDocumentPreview(readFileBytes(path, MaxDocumentBytes));
    } catch (const ImageError&) {
        return std::nullopt;
    }
}

std::optional<StyleKind> styleKindForPath(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot);
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".deform") return StyleKind::Deform;
    if (ext == ".bevel") return StyleKind::Bevel;
    if (ext == ".color") return StyleKind::Color;
    if (ext == ".shadow") return StyleKind::Shadow;
    return std::nullopt;
}

bool isDocumentPath(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = path.substr(dot);
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".vtl";
}

}  // namespace vortel
