// Job lists of the batch verb (JSON lines and CSV): any bytes must read without a fault, every job
// must map to render options, and its state keys must apply or be refused cleanly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/BatchJobs.h"
#include "cli/EngineJson.h"
#include "cli/Errors.h"
#include "cli/Options.h"
#include "engine/FontFX.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vortel::TFontFX engine(vortel::Rect{0, 0, 450, 200});
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<vortel::cli::BatchJob> jobs;
    try {
        jobs = vortel::cli::readBatchJobs(bytes);
    } catch (const vortel::cli::UsageError&) {
        return 0;
    }
    size_t lastLine = 0;
    for (const auto& job : jobs) {
        // Jobs come in file order, each from its own line.
        if (job.line <= lastLine) std::abort();
        lastLine = job.line;
        if (!job.error.empty()) continue;
        std::vector<std::string> args{"render"};
        args.insert(args.end(), job.args.begin(), job.args.end());
        try {
            const vortel::cli::Options options = vortel::cli::parseOptions(args);
            for (const auto& assignment : options.settings) vortel::cli::applySettingText(engine, assignment);
        } catch (const vortel::cli::UsageError&) {
        }
    }
    return 0;
}
