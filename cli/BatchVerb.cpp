// `vortel-cli batch JOBS`: every job of the list rendered in this one process, on a pool of
// worker threads that each render one job at a time with an engine of its own.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <new>
#include <sstream>
#include <thread>

#include "cli/BatchJobs.h"
#include "cli/Errors.h"
#include "cli/Language.h"
#include "cli/Verbs.h"
#include "engine/FontFX.h"
#include "platform/FileGate.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

using Clock = std::chrono::steady_clock;

// A job list of a million jobs is some hundred megabytes; far beyond that is not a job list.
constexpr uint64_t MaxJobFileBytes = uint64_t(1) << 30;

std::string readJobFile(const std::string& path) {
    try {
        return readGatedText(path, MaxJobFileBytes);
    } catch (const FileGateError& e) {
        throw std::runtime_error(fillText(VORTEL_EN("CommandLine", "cannot read the job list '%1': %2"), path, e.reason()));
    }
}

// What a job may take in memory at its peak: the render's buffers per pixel (measured: a
// 10000 x 10000 smooth render with a bevel and a shadow peaks at about 1 GB) and a fixed part.
uint64_t memoryEstimate(const Options& job) {
    return uint64_t(job.width) * uint64_t(job.height) * 11 + (uint64_t(40) << 20);
}

// Half the memory free at the start (or what --memory says): jobs are started while their
// estimates fit in it together, so a batch of large pictures runs fewer at once instead of pushing
// the machine into swap. One job always runs, whatever it asks.
uint64_t freeMemory() {
    std::ifstream info("/proc/meminfo");
    std::string key;
    uint64_t kib = 0;
    while (info >> key >> kib) {
        if (key == "MemAvailable:") return kib << 10;
        info.ignore(64, '\n');
    }
    const long pages = ::sysconf(_SC_PHYS_PAGES), size = ::sysconf(_SC_PAGESIZE);
    return pages > 0 && size > 0 ? uint64_t(pages) * uint64_t(size) : uint64_t(8) << 30;
}

class MemoryBudget {
public:
    explicit MemoryBudget(std::optional<int> mib)
        : total_(mib ? uint64_t(*mib) << 20 : freeMemory() / 2) {}
    void take(uint64_t bytes) {
        std::unique_lock lock(mutex_);
        freed_.wait(lock, [&] { return used_ == 0 || used_ + bytes <= total_; });
        used_ += bytes;
    }
    void give(uint64_t bytes) {
        {
            const std::lock_guard lock(mutex_);
            used_ -= bytes;
        }
        freed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable freed_;
    uint64_t total_ = 0, used_ = 0;
};

std::string oneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// A number with `digits` places after the point, whatever the locale says.
std::string decimal(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}

std::string clockText(double seconds) {
    const long s = long(seconds + 0.5);
    char text[32];
    if (s >= 3600) std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    else std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
    return text;
}

// Progress on standard error: a bar redrawn in place on a terminal, otherwise a plain line about
// every tenth of the way. All calls come with the report lock held.
class Progress {
public:
    Progress(std::ostream& err, size_t total, bool terminal)
        : err_(err), total_(total), terminal_(terminal), start_(Clock::now()) {}

    void update(size_t done, size_t failed, bool force = false) {
        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - start_).count();
        const double rate = elapsed > 0 ? double(done) / elapsed : 0;
        const double left = rate > 0 ? double(total_ - done) / rate : 0;
        if (terminal_) {
            if (!force && now - lastDraw_ < std::chrono::milliseconds(100)) return;
            lastDraw_ = now;
            constexpr size_t width = 30;
            const size_t filled = total_ ? done * width / total_ : width;
            std::string bar(filled, '#');
            bar.resize(width, '.');
            std::string line = "\r[" + bar + "] " +
                               fillText(VORTEL_EN("CommandLine", "%1/%2  %3/s  %4 left"), done, total_, decimal(rate, 1),
                                        clockText(left));
            if (failed) line += "  " + fillText(VORTEL_EN("CommandLine", "%1 failed"), failed);
            err_ << line << std::flush;
            drawn_ = true;
        } else {
            const size_t step = std::max<size_t>(1, total_ / 10);
            if (done / step == lastStep_ && (!force || printedDone_ == done)) return;
            printedDone_ = done;
            lastStep_ = done / step;
            err_ << "vortel-cli: "
                 << fillText(VORTEL_EN("CommandLine", "%1/%2 done, %3 a second, %4 left"), done, total_, decimal(rate, 1),
                             clockText(left))
                 << '\n' << std::flush;
        }
    }
    // Clears the bar before another line is printed beneath it.
    void breakLine() {
        if (terminal_ && drawn_) err_ << "\r\033[K";
        drawn_ = false;
    }

private:
    std::ostream& err_;
    size_t total_;
    bool terminal_;
    Clock::time_point start_, lastDraw_{};
    size_t lastStep_ = 0;
    size_t printedDone_ = size_t(-1);
    bool drawn_ = false;
};

}  // namespace

int runBatch(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.inputs.size() != 1)
        throw UsageError(VORTEL_EN("CommandLine", "batch needs exactly one job list: vortel-cli batch JOBS"));
    if (options.output || options.text || options.sizeGiven || !options.settings.empty() || options.anyPreset() ||
        options.transparent || options.json)
        throw UsageError(VORTEL_EN("CommandLine",
                                   "batch takes its render options from the job list; only --workers and --memory may be given"));
    const std::string& path = options.inputs.front();
    std::vector<std::string> warnings;
    const std::vector<BatchJob> jobs = readBatchJobs(readJobFile(path), &warnings);
    for (const auto& warning : warnings)
        err << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "warning: %1"), path + ": " + warning) << '\n';
    if (jobs.empty()) throw UsageError(fillText(VORTEL_EN("CommandLine", "the job list '%1' holds no jobs"), path));
    MemoryBudget budget(options.memoryMiB);

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min<size_t>(options.workers.value_or(int(cores)), std::max<size_t>(jobs.size(), 1));
    std::atomic<size_t> next{0};
    std::mutex report;
    size_t done = 0, failed = 0;
    const auto start = Clock::now();
    Progress progress(err, jobs.size(), &err == &std::cerr && ::isatty(STDERR_FILENO));

    auto work = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            const BatchJob& job = jobs[i];
            std::ostringstream said;
            std::string failure = job.error;
            if (failure.empty()) {
                try {
                    std::vector<std::string> args{"render"};
                    args.insert(args.end(), job.args.begin(), job.args.end());
                    Options render = parseOptions(args);
                    if (render.help) throw UsageError(VORTEL_EN("CommandLine", "--help is not a job"));
                    const uint64_t estimate = memoryEstimate(render);
                    budget.take(estimate);
                    try {
                        // Each job draws as it would in a process of its own.
                        resetRenderMemory();
                        if (renderOnce(render, said) != 0) failure = VORTEL_EN("CommandLine", "the warp was refused");
                    } catch (const std::bad_alloc&) {
                        failure = fillText(VORTEL_EN("CommandLine", "not enough memory to render a picture of %1x%2 pixels"),
                                           render.width, render.height);
                    } catch (...) {
                        budget.give(estimate);
                        throw;
                    }
                    budget.give(estimate);
                } catch (const std::exception& e) {
                    failure = e.what();
                } catch (...) {
                    failure = VORTEL_EN("CommandLine", "unexpected failure");
                }
            }
            const std::lock_guard lock(report);
            ++done;
            if (!failure.empty()) {
                ++failed;
                progress.breakLine();
                err << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "line %1: %2"), job.line, oneLine(shownMessage(failure)))
                    << '\n';
                // What the engine said explains a refusal; repeat it under the line.
                std::istringstream lines(said.str());
                for (std::string line; std::getline(lines, line);) err << "  " << line << '\n';
            }
            progress.update(done, failed);
        }
    };
    std::vector<std::thread> pool;
    for (size_t w = 1; w < workers; ++w) pool.emplace_back(work);
    work();
    for (auto& thread : pool) thread.join();

    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    progress.update(done, failed, true);
    progress.breakLine();
    out << fillText(VORTEL_EN("CommandLine", "%1 done, %2 failed, %3 s (%4 workers)"), done - failed, failed,
                    decimal(seconds, 2), workers)
        << '\n';
    return failed == 0 ? 0 : 1;
}

}  // namespace vortel::cli
