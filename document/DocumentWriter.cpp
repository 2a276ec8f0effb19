// Writing documents and style files: the engine's blocks in the fixed order of the format.
#include <algorithm>
#include <cctype>

#include "document/Cp1252.h"
#include "document/Document.h"
#include "document/DocumentBlocks.h"
#include "document/DocumentFormat.h"
#include "document/DocumentIo.h"
#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageJpeg.h"
#include "document/StockResources.h"

namespace vortel {
namespace {

using namespace document_format;

void writeHeader(DocumentSink& out) {
    char header[HeaderSize] = {};
    const char text[] = "VTL\x01\x01\x01\x01 Vortel-Dokument\r\n";
    std::copy(std::begin(text), std::end(text), header);  // the copied terminator ends the text
    out.write(header);
}

void writeText(DocumentSink& out, const std::string& text) {
    const std::string bytes = utf8ToCp1252(firstCharacters(text, TextFieldSize));
    char field[TextFieldSize] = {};
    std::copy(bytes.begin(), bytes.end(), field);
    out.write(field);
}

void writePoints(DocumentSink& out, const std::vector<Point>& points, size_t count, size_t zeros) {
    for (size_t i = 0; i < count; ++i) {
        out.write(points[i].x);
        out.write(points[i].y);
    }
    out.zeroRun(zeros);
}

// The guide's point count as stored: never more than its storage holds.
uint16_t guideCount(const TFontFX& engine, size_t g) {
    return uint16_t(std::min<size_t>(engine.NumGuidePoints[g], engine.GuidePoints[g].size()));
}

uint8_t curveCount(const std::vector<Point>& curve) { return uint8_t(std::min<size_t>(curve.size(), 255)); }

void writeGuides(DocumentSink& out, const TFontFX& engine, size_t zeros) {
    for (size_t g = 0; g < 4; ++g) out.write(guideCount(engine, g));
    for (size_t g = 0; g < 4; ++g) writePoints(out, engine.GuidePoints[g], guideCount(engine, g), zeros);
    out.write(curveCount(engine.HorzCurve));
    out.write(curveCount(engine.VertCurve));
    writePoints(out, engine.HorzCurve, curveCount(engine.HorzCurve), zeros);
    writePoints(out, engine.VertCurve, curveCount(engine.VertCurve), zeros);
}

// A texture or imprint whose bitmap is missing still gets a picture, so the file stays readable:
// one white pixel, which tiles and ANDs as no picture would.
Bitmap orWhitePixel(const std::shared_ptr<Bitmap>& bitmap) {
    if (bitmap && !bitmap->empty()) return *bitmap;
    return Bitmap{1, 1, {255, 255, 255}};
}

std::string upperExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    const auto slash = name.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = name.substr(dot);
    for (char& c : ext) c = char(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

// The JPEG bytes of a texture kept as JPEG. A texture still as a document brought it stores that
// document's JPEG again: no second, lossier encoding, and a name in a foreign document never makes
// us embed a file of this machine. Otherwise a stock texture's resource or a .jpg file's own bytes;
// an edited texture, or one whose source has gone, is the bitmap encoded at quality 98.
std::vector<uint8_t> textureJpeg(const FillRecord& fill) {
    if (fill.TextureJpeg) return *fill.TextureJpeg;
    const std::string& name = fill.TextureName;
    if (name != EditBitmapName) {
        if (!name.empty() && name.front() == ':') {
            if (auto resource = stockResource("JPG", name)) return {resource->begin(), resource->end()};
        } else {
            try {
                return readFileBytes(name);
            } catch (const ImageError&) {
            }
        }
    }
    return encodeJpeg(orWhitePixel(fill.Texture), EditedTextureQuality);
}

void writeTexture(DocumentSink& out, const FillRecord& fill, int32_t record) {
    out.write(record);
    const std::string& name = fill.TextureName;
    const bool asJpeg = (!name.empty() && name.front() == ':') || upperExtension(name) == ".JPG";
    if (!asJpeg) {
        const auto bmp = encodeBmp(orWhitePixel(fill.Texture));
        out.write(uint32_t(bmp.size()));
        out.writeBytes(bmp);
    } else {
        const auto jpeg = textureJpeg(fill);
        out.write(JpegMarker);
        char field[JpegNameSize] = {};
        const std::string shortName = name.substr(name.find_last_of("\\/:") + 1);
        std::copy_n(shortName.begin(), std::min(shortName.size(), JpegNameSize - 1), field);
        out.write(field);
        out.write(uint32_t(jpeg.size()));
        out.writeBytes(jpeg);
    }
    out.zeroRun(LongRun);
}

void writeBlocks(DocumentSink& out, const TFontFX& engine) {
    out.write(disk::toDisk(engine.TextFill));
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.BackFill));
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.Shadow));
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.Bevel));
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.Fringe));
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.Frame));
    out.zeroRun(ShortRun);
    out.write(engine.GuideStyle);
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.Imprint));
    out.zeroRun(ShortRun);
    out.write(disk::toDisk(engine.Guide));
    out.zeroRun(ShortRun);
}

// A text that the fixed field holds whole, in Windows-1252, is all there; any other (longer, or
// with characters beyond that set) gets the UTF-8 section with the whole text, which begins with
// the characters the fixed field holds.
void writeUtf8Text(DocumentSink& out, const std::string& text) {
    bool lossless = true;
    utf8ToCp1252(text, &lossless);
    if (lossless && firstCharacters(text, TextFieldSize).size() == text.size()) return;
    out.WriteBlock(Utf8Tag.data(), Utf8Tag.size());
    out.write(uint32_t(text.size()));
    out.WriteBlock(text.data(), text.size());
    out.zeroRun(LongRun);
}

void writePreview(DocumentSink& out, const Bitmap& picture) {
    const auto jpeg = makePreviewJpeg(picture.empty() ? Bitmap{1, 1, {255, 255, 255}} : picture);
    out.patch(PreviewOffsetAt, int32_t(out.position()));
    out.write(uint32_t(jpeg.size()));
    out.writeBytes(jpeg);
    out.write(uint32_t(jpeg.size()));
    out.zeroRun(LongRun);
}

void writeFile(const std::string& path, std::span<const uint8_t> bytes) {
    try {
        writeFileAtomically(path, bytes);
    } catch (const FileWriteError& e) {
        if (!e.created()) throw DocumentError(document_messages::createFailed(path, e.reason()));
        throw DocumentError(document_messages::writeFailed(e.reason()));
    }
}

}  // namespace

std::vector<uint8_t> encodeDocument(const TFontFX& engine, const Bitmap& picture) {
    if (engine.Text.size() > MaxTextBytes) throw DocumentError(document_messages::textTooLong(MaxTextBytes));
    DocumentSink out;
    writeHeader(out);
    writeText(out, engine.Text);
    out.write(disk::toDisk(engine.Print));
    out.write(int32_t(0));  // preview offset, patched below
    for (int32_t v : {engine.HochTiefAmount, engine.HochTiefSeed, engine.KippAmount, engine.KippSeed}) out.write(v);
    out.write(int32_t(picture.width));
    out.write(int32_t(picture.height));
    out.write(engine.TextFormat);
    out.write(engine.Font);
    out.write(engine.CharSpacing);
    out.write(engine.LineSpacing);
    out.zeroRun(ShortRun);
    writeBlocks(out, engine);
    writeGuides(out, engine, LongRun);
    if (engine.BackFill.FillKind == TextureKind) writeTexture(out, engine.BackFill, 0);
    if (engine.TextFill.FillKind == TextureKind) writeTexture(out, engine.TextFill, 1);
    if (engine.Imprint.ImprintOn) {
        const auto bmp = encodeBmp(orWhitePixel(engine.Imprint.ImprintBitmap));
        out.write(uint32_t(bmp.size()));
        out.writeBytes(bmp);
        out.zeroRun(LongRun);
    }
    writeUtf8Text(out, engine.Text);
    writePreview(out, picture);
    if (out.position() > MaxDocumentBytes) throw DocumentError(document_messages::documentTooLarge(out.position()));
    return out.take();
}

void WriteDocument(const TFontFX& engine, const Bitmap& picture, const std::string& path) {
    writeFile(path, encodeDocument(engine, picture));
}

std::vector<uint8_t> encodeStyle(const TFontFX& engine, StyleKind kind) {
    DocumentSink out;
    switch (kind) {
    case StyleKind::Deform:
        out.write(disk::toDisk(engine.Guide));
        out.zeroRun(ShortRun);
        writeGuides(out, engine, ShortRun);
        break;
    case StyleKind::Bevel:
        out.write(disk::toDisk(engine.Bevel));
        break;
    case StyleKind::Color:
        for (const FillRecord* fill : {&engine.TextFill, &engine.BackFill}) {
            const auto d = disk::toDisk(*fill);
            out.write(d.kind);
            out.write(d.color);
            out.WriteBlock(&d.gradientAngle, GradientSize);
        }
        break;
    case StyleKind::Shadow:
        out.write(disk::toDisk(engine.Shadow));
        break;
    }
    return out.take();
}

void WriteStyleFile(const TFontFX& engine, const std::string& path, StyleKind kind) {
    writeFile(path, encodeStyle(engine, kind));
}

}  // namespace vortel
