// `vortel-cli batch JOBS`: every job of the list (or of one shard of it) rendered in this one
// process, on a pool of worker threads that each render one job at a time with an engine of its own.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <mutex>
#include <sstream>
#include <thread>

#include "cli/AtomicFile.h"
#include "cli/BatchRun.h"
#include "cli/Errors.h"
#include "cli/Verbs.h"
#include "platform/Texts.h"

namespace vortel::cli {

int runBatch(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.inputs.size() != 1)
        throw UsageError(VORTEL_EN("CommandLine", "batch needs exactly one job list: vortel-cli batch JOBS"));
    if (options.output || options.text || options.sizeGiven || !options.settings.empty() || options.anyPreset() ||
        options.transparent || options.json)
        throw UsageError(VORTEL_EN("CommandLine",
                                   "batch takes its render options from the job list; only --workers, --memory, "
                                   "--shard and --failed may be given"));
    const std::string& path = options.inputs.front();
    const JobList list = loadJobList(path);
    for (const auto& warning : list.warnings)
        err << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "warning: %1"), path + ": " + warning) << '\n';

    // A shard takes every Nth job of the whole list; line numbers stay those of the file.
    std::vector<size_t> mine;
    for (size_t i = 0; i < list.jobs.size(); ++i)
        if (inShard(i, options.shard)) mine.push_back(i);
    MemoryBudget budget(options.memoryMiB);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min<size_t>(options.workers.value_or(int(cores)), std::max<size_t>(mine.size(), 1));
    std::atomic<size_t> next{0};
    std::mutex report;
    size_t done = 0;
    std::vector<size_t> failures;  // indexes into the list
    const auto start = std::chrono::steady_clock::now();
    Progress progress(mine.size(), &err == &std::cerr && ::isatty(STDERR_FILENO));

    auto work = [&] {
        for (size_t n = next++; n < mine.size(); n = next++) {
            const BatchJob& job = list.jobs[mine[n]];
            std::ostringstream said;
            const std::string failure = runBatchJob(job, budget, said);
            const std::lock_guard lock(report);
            ++done;
            if (!failure.empty()) {
                failures.push_back(mine[n]);
                err << progress.breakLine() << failureReport(job.line, failure, said.str());
            }
            err << progress.update(done, failures.size()) << std::flush;
        }
    };
    std::vector<std::thread> pool;
    for (size_t w = 1; w < workers; ++w) pool.emplace_back(work);
    work();
    for (auto& thread : pool) thread.join();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    err << progress.update(done, failures.size(), true) << progress.breakLine() << std::flush;
    out << summaryLine(done, failures.size(), seconds, workers) << '\n' << std::flush;
    if (options.failedList) {
        // In file order, whichever thread finished first: a rerun of this file renders them again.
        std::sort(failures.begin(), failures.end());
        writeFileAtomically(*options.failedList, jobListText(list, failures));
    }
    return failures.empty() ? 0 : 1;
}

}  // namespace vortel::cli
