#include "cli/AtomicFile.h"
#include "cli/Errors.h"
#include "cli/Pipeline.h"
#include "cli/SvgOutline.h"
#include "cli/Verbs.h"

namespace vortel::cli {

int runOutline(const Options& options, std::ostream&, std::ostream& err) {
    if (!options.output) throw UsageError("outline needs -o FILE.svg");
    if (options.json) throw UsageError("outline writes SVG; --json is not used");
    TFontFX engine(imageRect(options));
    configureEngine(engine, options);
    Canvas canvas(options.width, options.height);
    runPipeline(engine, canvas, err);
    writeFileAtomically(*options.output, outlineSvg(engine, options.width, options.height));
    return 0;
}

}  // namespace vortel::cli
