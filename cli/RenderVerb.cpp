#include <memory>

#include "cli/Errors.h"
#include "cli/Pipeline.h"
#include "cli/Verbs.h"
#include "document/ImageFile.h"

namespace vortel::cli {
namespace {

// After the --set values, which may have chosen the fill kinds these images are for.
void applyImages(TFontFX& engine, const Options& options) {
    for (const auto& texture : options.textures) {
        engine.setTexture(texture.surface, std::make_shared<Bitmap>(loadImage(texture.file)), texture.file);
    }
    if (options.imprint) engine.setImprint(true, std::make_shared<Bitmap>(loadImage(*options.imprint)), *options.imprint);
}

void checkRenderOptions(const Options& options) {
    if (!options.output) throw UsageError("render needs -o FILE.png or -o FILE.bmp");
    if (!formatForPath(*options.output)) throw UsageError("render: the output name must end in .png or .bmp");
    if (options.json) throw UsageError("render writes an image; --json is not used");
}

}  // namespace

int runRender(const Options& options, std::ostream&, std::ostream& err) {
    checkRenderOptions(options);
    TFontFX engine(imageRect(options));
    configureEngine(engine, options);
    applyImages(engine, options);
    const Quality quality = options.quality.value_or(Quality::Smooth);
    if (options.quality && quality != Quality::Draft) engine.setSmoothFont(quality == Quality::Smooth);

    Canvas canvas(options.width, options.height);
    const auto refused = runPipelineKeepingRefusal(engine, canvas, err);
    // A refused warp leaves the engine without warped text; it draws the background alone.
    engine.ShowText(canvas, quality == Quality::Draft);
    saveImage(*options.output, canvas.toBitmap());
    if (!refused) return 0;
    err << "vortel-cli: warning: " << *refused << '\n';
    return 3;
}

}  // namespace vortel::cli
