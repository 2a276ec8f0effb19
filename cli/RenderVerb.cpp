#include <memory>

#include "cli/Errors.h"
#include "cli/Files.h"
#include "cli/Pipeline.h"
#include "cli/Verbs.h"

namespace vortel::cli {
namespace {

// After the --set values, which may have chosen the fill kinds these images are for.
void applyImages(TFontFX& engine, const Options& options) {
    for (const auto& texture : options.textures) {
        engine.setTexture(texture.surface, std::make_shared<Bitmap>(loadNamedImage(texture.file)), texture.file);
    }
    if (options.imprint) {
        engine.setImprint(true, std::make_shared<Bitmap>(loadNamedImage(*options.imprint)), *options.imprint);
    }
}

void checkRenderOptions(const Options& options) {
    if (!options.output) throw UsageError("render needs -o FILE (.png, .jpg, .vtl, ...; see --help)");
    outputKind(*options.output);
    if (options.json) throw UsageError("render writes an image; --json is not used");
}

}  // namespace

int runRender(const Options& options, std::ostream&, std::ostream& err) {
    checkRenderOptions(options);
    TFontFX engine(imageRect(options));
    configureEngine(engine, options, err);
    applyImages(engine, options);
    const Quality quality = options.quality.value_or(Quality::Smooth);
    if (options.quality && quality != Quality::Draft) engine.setSmoothFont(quality == Quality::Smooth);

    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height());
    const auto refused = runPipelineKeepingRefusal(engine, canvas, err);
    // A refused warp leaves the engine without warped text; it draws the background alone.
    engine.ShowText(canvas, quality == Quality::Draft);
    writeOutput(engine, canvas, options, *options.output, err);
    if (!refused) return 0;
    err << "vortel-cli: warning: " << *refused << '\n';
    return 3;
}

}  // namespace vortel::cli
