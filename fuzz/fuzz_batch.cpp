// Job lists of the batch verb (JSON lines and CSV): any bytes must read without a fault, every job
// must map to render options, and its state keys must apply or be refused cleanly. A list written
// back from the jobs read (what --failed writes) must read as the same jobs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/BatchJobs.h"
#include "cli/BatchRun.h"
#include "cli/EngineJson.h"
#include "cli/Errors.h"
#include "cli/Options.h"
#include "engine/FontFX.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vortel::TFontFX engine(vortel::Rect{0, 0, 450, 200});
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vortel::cli::JobList list;
    try {
        list.jobs = vortel::cli::readBatchJobs(bytes, nullptr, &list.header);
    } catch (const vortel::cli::UsageError&) {
        return 0;
    }
    const auto& jobs = list.jobs;
    std::vector<size_t> all(jobs.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = i;
    const auto again = vortel::cli::readBatchJobs(vortel::cli::jobListText(list, all));
    if (again.size() != jobs.size()) std::abort();
    for (size_t i = 0; i < jobs.size(); ++i)
        if (again[i].args != jobs[i].args || again[i].error.empty() != jobs[i].error.empty()) std::abort();
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
