#include "cli/Files.h"

#include <algorithm>
#include <cctype>

#include "cli/AtomicFile.h"
#include "cli/Errors.h"
#include "cli/SvgOutline.h"
#include "document/Document.h"
#include "document/FileBytes.h"
#include "document/ImagePng.h"
#include "document/ImageExport.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/ImageJpeg.h"
#include "document/Metafile.h"
#include "document/PdfOutline.h"
#include "document/StockResources.h"
#include "platform/FileGate.h"
#include "platform/Texts.h"

namespace vortel::cli {
std::string lowerExtension(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
    std::string ext = path.substr(dot);
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

namespace {

}  // namespace

void applyInputs(TFontFX& engine, const Options& options) {
    for (const auto& input : options.inputs) {
        if (isDocumentPath(input)) {
            ReadDocument(engine, input);
        } else if (const auto kind = styleKindForPath(input)) {
            ReadStyleFile(engine, input, *kind);
        } else if (isTextureFile(input)) {
            openTextureFile(engine, input);
        } else {
            throw UsageError(fillText(VORTEL_EN("CommandLine", "'%1' is neither a document (.vtl), a style file (.deform, "
                                                               ".bevel, .color, .shadow) nor an image to use as the "
                                                               "background texture"),
                                      input));
        }
    }
    if (options.sizeGiven) engine.ImageRect = Rect{0, 0, options.width, options.height};
    const Rect& r = engine.ImageRect;
    // Work for a request of the service keeps to the service's own bound.
    const FileSandbox* sandbox = currentSandbox();
    const int64_t side = sandbox && sandbox->maxPictureSide > 0 ? std::min<int64_t>(sandbox->maxPictureSide, MaxImageSide)
                                                                : MaxImageSide;
    if (r.width() > side || r.height() > side) {
        throw UsageError(fillText(VORTEL_EN("CommandLine", "the image of %1x%2 is larger than %3 on a side; choose --size"),
                                  r.width(), r.height(), side));
    }
}

Bitmap loadNamedImage(const std::string& name) {
    if (name.empty() || (name.front() != ':' && name.front() != '*')) return loadImage(name);
    const bool jpeg = name.front() == ':';
    const auto resource = stockResource(jpeg ? "JPG" : "BITMAP", name);
    if (!resource)
        throw std::runtime_error(fillText(VORTEL_EN("CommandLine", "the image library holds nothing called '%1'"), name.substr(1)));
    return jpeg ? decodeJpeg(*resource) : decodeBmp(*resource);
}

OutputKind outputKind(const std::string& path) {
    const std::string ext = lowerExtension(path);
    if (ext == ".png" || ext == ".bmp") return OutputKind::Picture;
    if (ext == ".jpg" || ext == ".jpeg" || ext == ".jif") return OutputKind::Jpeg;
    if (ext == ".vtl") return OutputKind::Document;
    if (styleKindForPath(path)) return OutputKind::Style;
    if (ext == ".svg") return OutputKind::Svg;
    if (ext == ".pdf") return OutputKind::Pdf;
    if (ext == ".emf" || ext == ".wmf") return OutputKind::Metafile;
    throw UsageError(fillText(VORTEL_EN("CommandLine", "cannot write '%1': the name must end in .png, .bmp, .jpg, .vtl, "
                                                       ".deform, .bevel, .color, .shadow, .svg, .pdf, .emf or .wmf"),
                              path));
}

bool writesFromPictureBuffer(const std::string& path) { return lowerExtension(path) == ".bmp"; }

std::vector<uint8_t> outputBytes(const TFontFX& engine, const Canvas& canvas, const Options& options,
                                 const std::string& name) {
    const int32_t w = engine.ImageRect.width(), h = engine.ImageRect.height();
    switch (outputKind(name)) {
    case OutputKind::Picture:
        if (lowerExtension(name) == ".bmp") {
            std::vector<uint8_t> file(size_t(bmpFileSize(w, h)));
            if (writesFromPictureBuffer(name) && engine.pictureBuffer()) {
                const TPixelBuffer& picture = *engine.pictureBuffer();
                const std::vector<uint8_t> headers = bmpHeaders(w, h);
                std::copy(headers.begin(), headers.end(), file.begin());
                std::copy_n(picture.Bits(), size_t(picture.RowBytes) * size_t(picture.Height),
                            file.begin() + ptrdiff_t(headers.size()));
            } else {
                encodeBmpRowsInto(file.data(), w, h, [&](int32_t y, uint8_t* row) { canvas.copyRowBgr(y, row); });
            }
            return file;
        }
        return encodePng(canvas.toBitmap(), options.fastPng ? PngEffort::Fast : PngEffort::Small);
    case OutputKind::Jpeg:
        return encodeJpeg(canvas.toBitmap(), options.jpegQuality);
    case OutputKind::Document:
        return encodeDocument(engine, canvas.toBitmap());
    case OutputKind::Style:
        return encodeStyle(engine, *styleKindForPath(name));
    case OutputKind::Svg: {
        const std::string svg = outlineSvg(engine, w, h);
        return {svg.begin(), svg.end()};
    }
    case OutputKind::Pdf:
        return encodePdf(engine, w, h, name);
    case OutputKind::Metafile:
        break;
    }
    throw UsageError(fillText(VORTEL_EN("CommandLine", "'%1' is not written here"), lowerExtension(name)));
}

void writeOutput(const TFontFX& engine, const Canvas& canvas, const Options& options, const std::string& path,
                 std::ostream& err) {
    const int32_t w = engine.ImageRect.width(), h = engine.ImageRect.height();
    switch (outputKind(path)) {
    case OutputKind::Picture:
        // A bitmap file is written straight from the canvas; either way the file is replaced
        // whole, without waiting for the disk (the picture can be made again).
        if (writesFromPictureBuffer(path) && engine.pictureBuffer()) {
            // The render's own buffer already holds the rows as the file stores them.
            const TPixelBuffer& picture = *engine.pictureBuffer();
            const std::vector<uint8_t> headers = bmpHeaders(w, h);
            const std::span<const uint8_t> pieces[] = {
                headers, {picture.Bits(), size_t(picture.RowBytes) * size_t(picture.Height)}};
            vortel::writeFileAtomically(path, pieces, Flush::Lazily);
        } else if (lowerExtension(path) == ".bmp") {
            vortel::writeFileAtomicallyInPlace(path, bmpFileSize(w, h), [&](uint8_t* file) {
                encodeBmpRowsInto(file, w, h, [&](int32_t y, uint8_t* row) { canvas.copyRowBgr(y, row); });
            }, Flush::Lazily);
        } else {
            const PngEffort effort = options.fastPng ? PngEffort::Fast : PngEffort::Small;
            vortel::writeFileAtomically(path, encodePng(canvas.toBitmap(), effort), Flush::Lazily);
        }
        break;
    case OutputKind::Jpeg:
        saveJpeg(path, canvas.toBitmap(), options.jpegQuality);
        break;
    case OutputKind::Document:
        WriteDocument(engine, canvas.toBitmap(), path);
        break;
    case OutputKind::Style:
        WriteStyleFile(engine, path, *styleKindForPath(path));
        break;
    case OutputKind::Svg:
        writeFileAtomically(path, outlineSvg(engine, w, h));
        break;
    case OutputKind::Pdf:
        exportPdf(engine, w, h, path);
        break;
    case OutputKind::Metafile: {
        const std::string written = ExportMetafile(engine, w, h, path, lowerExtension(path) == ".emf");
        if (written != path) err << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "wrote %1"), written) << '\n';
        break;
    }
    }
}

}  // namespace vortel::cli
