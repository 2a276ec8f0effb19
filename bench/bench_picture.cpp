// One job of the Python module, all in C++: its JSON line read by the batch's job reader, the
// render options parsed, the render memory reset and the picture made in memory
// (cli/PictureRender.cpp). bench/python-module.py times the same jobs through the module; the
// difference is the module's cost per call.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/BatchJobs.h"
#include "cli/Options.h"
#include "cli/PictureRender.h"
#include "engine/FontFX.h"

namespace {

// Arg: the picture's side. 8 is all overhead; 640 x 480 with a bevel and a shadow is a real job.
void BM_PictureJob(benchmark::State& state) {
    const bool tiny = state.range(0) == 8;
    const std::string line = tiny ? R"({"text": "a", "size": "8x8"})"
                                  : R"({"text": "Nr. 1", "size": "640x480", "presets": {"bevel": 3, "shadow": 2}})";
    for (auto _ : state) {
        const auto jobs = vortel::cli::readBatchJobs(line);
        std::vector<std::string> args{"render"};
        args.insert(args.end(), jobs.front().args.begin(), jobs.front().args.end());
        const auto options = vortel::cli::parseOptions(args);
        vortel::resetRenderMemory();
        std::ostringstream said;
        const auto picture = vortel::cli::renderPicture(options, said);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}
BENCHMARK(BM_PictureJob)->Arg(8)->Arg(640)->Unit(benchmark::kMicrosecond);

}  // namespace
