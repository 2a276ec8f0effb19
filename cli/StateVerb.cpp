#include <ostream>

#include "cli/EngineJson.h"
#include "cli/Errors.h"
#include "cli/Pipeline.h"
#include "cli/Verbs.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

// One key per line with its value as compact JSON, in the order of stateKeys().
void printText(const nlohmann::json& state, std::ostream& out) {
    for (const auto& key : stateKeys()) out << key << ": " << state.at(key).dump() << '\n';
}

}  // namespace

int runInspect(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.output) throw UsageError(VORTEL_EN("CommandLine", "inspect writes to standard output; -o is not used"));
    TFontFX engine(imageRect(options));
    configureEngine(engine, options, err);
    Canvas canvas(engine.ImageRect.width(), engine.ImageRect.height());
    runPipeline(engine, canvas, err);

    nlohmann::json state = stateToJson(engine);
    state["FontFace"] = resolvedFontFace(engine);
    if (options.json) {
        out << state.dump(2) << '\n';
    } else {
        printText(state, out);
    }
    return 0;
}

}  // namespace vortel::cli
