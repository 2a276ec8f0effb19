#include "cli/PictureRender.h"

#include <memory>
#include <utility>

#include "cli/Errors.h"
#include "cli/Files.h"
#include "cli/Pipeline.h"
#include "engine/Transparent.h"
#include "platform/Texts.h"

namespace vortel::cli {
// The --set values first, which may choose the fill kinds the images are for; then the images.
Quality prepareRenderEngine(TFontFX& engine, const Options& options, std::ostream& err) {
    configureEngine(engine, options, err);
    for (const auto& texture : options.textures) {
        engine.setTexture(texture.surface, std::make_shared<Bitmap>(loadNamedImage(texture.file)), texture.file);
    }
    if (options.imprint) {
        engine.setImprint(true, std::make_shared<Bitmap>(loadNamedImage(*options.imprint)), *options.imprint);
    }
    const Quality quality = options.quality.value_or(Quality::Smooth);
    if (options.quality && quality != Quality::Draft) engine.setSmoothFont(quality == Quality::Smooth);
    return quality;
}

RenderedPicture renderPicture(const Options& options, std::ostream& err) {
    if (options.transparent && options.quality == Quality::Draft)
        throw UsageError(VORTEL_EN("CommandLine", "--transparent needs the normal or smooth quality"));
    TFontFX engine(imageRect(options));
    const Quality quality = prepareRenderEngine(engine, options, err);

    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height(), Canvas::Start::Black);
    RenderedPicture picture;
    picture.refused = runPipelineKeepingRefusal(engine, canvas, err);
    picture.width = canvas.width();
    picture.height = canvas.height();
    if (options.transparent) {
        picture.channels = 4;
        picture.pixels = renderTransparent(engine, canvas);
        return picture;
    }
    engine.ShowText(canvas, quality == Quality::Draft);
    // The rows a .png is encoded from, blue first; turned round to red first in place.
    picture.pixels = std::move(canvas.toBitmap().bgr);
    for (size_t i = 0; i + 2 < picture.pixels.size(); i += 3) std::swap(picture.pixels[i], picture.pixels[i + 2]);
    return picture;
}

}  // namespace vortel::cli
