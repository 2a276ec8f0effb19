#include <memory>

#include "cli/Errors.h"
#include "cli/Files.h"
#include "cli/PictureRender.h"
#include "cli/Pipeline.h"
#include "cli/Verbs.h"
#include "document/FileBytes.h"
#include "document/ImagePng.h"
#include "engine/Transparent.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

bool endsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".png";
}

void checkRenderOptions(const Options& options) {
    if (!options.output)
        throw UsageError(VORTEL_EN("CommandLine", "render needs -o FILE (.png, .jpg, .vtl, ...; see --help)"));
    outputKind(*options.output);
    if (options.json) throw UsageError(VORTEL_EN("CommandLine", "render writes an image; --json is not used"));
    if (options.pngEffortGiven && !endsWithPng(*options.output))
        throw UsageError(VORTEL_EN("CommandLine", "--png-effort applies to a .png picture"));
    if (options.transparent) {
        if (!endsWithPng(*options.output))
            throw UsageError(VORTEL_EN("CommandLine", "--transparent writes a .png picture"));
        if (options.quality == Quality::Draft)
            throw UsageError(VORTEL_EN("CommandLine", "--transparent needs the normal or smooth quality"));
    }
}

// The picture twice, over black and over white, and the background taken out of the pair.
void writeTransparent(TFontFX& engine, Canvas& canvas, const std::string& path, PngEffort effort) {
    const auto rgba = renderTransparent(engine, canvas);
    const auto png = encodePngRgba(canvas.width(), canvas.height(), rgba, effort);
    vortel::writeFileAtomically(path, png, Flush::Lazily);
}

}  // namespace

int renderOnce(const Options& options, std::ostream& err) {
    checkRenderOptions(options);
    TFontFX engine(imageRect(options));
    const Quality quality = prepareRenderEngine(engine, options, err);

    // Every render paints the whole work image (the text picture, then the background).
    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height(), Canvas::Start::Black);
    const auto refused = runPipelineKeepingRefusal(engine, canvas, err);
    // A refused warp leaves the engine without warped text; it draws the background alone.
    if (options.transparent) {
        writeTransparent(engine, canvas, *options.output, options.fastPng ? PngEffort::Fast : PngEffort::Small);
    } else {
        // A bitmap file is written from the render's own buffer; the canvas is not needed then.
        engine.renderOptions.pictureToBufferOnly = writesFromPictureBuffer(*options.output);
        engine.ShowText(canvas, quality == Quality::Draft);
        writeOutput(engine, canvas, options, *options.output, err);
    }
    if (!refused) return 0;
    err << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "warning: %1"), *refused) << '\n';
    return 3;
}

RenderedFile renderToMemory(const Options& options, std::ostream& err) {
    checkRenderOptions(options);
    TFontFX engine(imageRect(options));
    const Quality quality = prepareRenderEngine(engine, options, err);
    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height(), Canvas::Start::Black);
    RenderedFile file;
    file.refused = runPipelineKeepingRefusal(engine, canvas, err);
    if (options.transparent) {
        const auto rgba = renderTransparent(engine, canvas);
        file.bytes = encodePngRgba(canvas.width(), canvas.height(), rgba,
                                   options.fastPng ? PngEffort::Fast : PngEffort::Small);
    } else {
        engine.renderOptions.pictureToBufferOnly = writesFromPictureBuffer(*options.output);
        engine.ShowText(canvas, quality == Quality::Draft);
        file.bytes = outputBytes(engine, canvas, options, *options.output);
    }
    return file;
}

int runRender(const Options& options, std::ostream&, std::ostream& err) { return renderOnce(options, err); }

}  // namespace vortel::cli
