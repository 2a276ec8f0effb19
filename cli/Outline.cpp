#include "cli/Errors.h"
#include "cli/Files.h"
#include "cli/Pipeline.h"
#include "cli/Verbs.h"
#include "platform/Texts.h"

namespace vortel::cli {

int runOutline(const Options& options, std::ostream&, std::ostream& err) {
    if (!options.output) throw UsageError(VORTEL_EN("CommandLine", "outline needs -o FILE.svg, .pdf, .emf or .wmf"));
    const OutputKind kind = outputKind(*options.output);
    if (kind != OutputKind::Svg && kind != OutputKind::Pdf && kind != OutputKind::Metafile) {
        throw UsageError(
            fillText(VORTEL_EN("CommandLine", "outline writes .svg, .pdf, .emf or .wmf; use render for '%1'"), *options.output));
    }
    if (options.json) throw UsageError(VORTEL_EN("CommandLine", "outline writes SVG; --json is not used"));
    TFontFX engine(imageRect(options));
    configureEngine(engine, options, err);
    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height());
    runPipeline(engine, canvas, err);
    writeOutput(engine, canvas, options, *options.output, err);
    return 0;
}

}  // namespace vortel::cli
