#include "cli/BatchRun.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <new>
#include <sstream>

#include "cli/Errors.h"
#include "cli/Language.h"
#include "cli/Verbs.h"
#include "engine/FontFX.h"
#include "platform/FileGate.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

// A job list of a million jobs is some hundred megabytes; far beyond that is not a job list.
constexpr uint64_t MaxJobFileBytes = uint64_t(1) << 30;

// What a job may take in memory at its peak: the render's buffers per pixel (measured: a
// 10000 x 10000 smooth render with a bevel and a shadow peaks at about 1 GB) and a fixed part.
uint64_t memoryEstimate(const Options& job) {
    return uint64_t(job.width) * uint64_t(job.height) * 11 + (uint64_t(40) << 20);
}

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

}  // namespace

JobList loadJobList(const std::string& path) {
    std::string bytes;
    try {
        bytes = readGatedText(path, MaxJobFileBytes);
    } catch (const FileGateError& e) {
        throw std::runtime_error(fillText(VORTEL_EN("CommandLine", "cannot read the job list '%1': %2"), path, e.reason()));
    }
    JobList list;
    list.byteOrderMark = bytes.starts_with("\xEF\xBB\xBF");
    list.jobs = readBatchJobs(bytes, &list.warnings, &list.header);
    if (list.jobs.empty()) throw UsageError(fillText(VORTEL_EN("CommandLine", "the job list '%1' holds no jobs"), path));
    return list;
}

std::string jobListText(const JobList& list, const std::vector<size_t>& indexes) {
    std::string text = list.byteOrderMark ? "\xEF\xBB\xBF" : "";
    if (!list.header.empty()) {
        text += list.header + '\n';
    } else if (!indexes.empty() && !list.jobs[indexes.front()].source.starts_with('{')) {
        // JSON lines whose first line is no object (a job to mend by hand): a comment keeps the
        // list from being taken for CSV.
        text += "# JSON lines\n";
    }
    for (const size_t i : indexes) text += list.jobs[i].source + '\n';
    return text;
}

MemoryBudget::MemoryBudget(std::optional<int> mib) : total_(mib ? uint64_t(*mib) << 20 : freeMemory() / 2) {}

void MemoryBudget::take(uint64_t bytes) {
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [&] { return used_ == 0 || used_ + bytes <= total_; });
    used_ += bytes;
}

void MemoryBudget::give(uint64_t bytes) {
    {
        const std::lock_guard lock(mutex_);
        used_ -= bytes;
    }
    freed_.notify_all();
}

std::string runBatchJob(const BatchJob& job, MemoryBudget& budget, std::ostream& said) {
    if (!job.error.empty()) return job.error;
    try {
        std::vector<std::string> args{"render"};
        args.insert(args.end(), job.args.begin(), job.args.end());
        Options render = parseOptions(args);
        if (render.help) throw UsageError(VORTEL_EN("CommandLine", "--help is not a job"));
        const uint64_t estimate = memoryEstimate(render);
        budget.take(estimate);
        std::string failure;
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
        return failure;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return VORTEL_EN("CommandLine", "unexpected failure");
    }
}

std::string failureReport(size_t line, const std::string& failure, const std::string& said, const std::string& program) {
    std::string report =
        program + ": " + fillText(VORTEL_EN("CommandLine", "line %1: %2"), line, oneLine(shownMessage(failure))) + '\n';
    // What the engine said explains a refusal; repeat it under the line.
    std::istringstream lines(said);
    for (std::string text; std::getline(lines, text);) report += "  " + text + '\n';
    return report;
}

std::string summaryLine(size_t done, size_t failed, double seconds, size_t workers) {
    return fillText(VORTEL_EN("CommandLine", "%1 done, %2 failed, %3 s (%4 workers)"), done - failed, failed,
                    decimal(seconds, 2), workers);
}

std::string crashedWorkerFailure(int times) {
    return fillText(VORTEL_EN("CommandLine", "the process rendering this job ended without an answer, %1 times"), times);
}

Progress::Progress(size_t total, bool terminal, std::string program)
    : total_(total), terminal_(terminal), program_(std::move(program)), start_(Clock::now()) {}

std::string Progress::update(size_t done, size_t failed, bool force) {
    const auto now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double rate = elapsed > 0 ? double(done) / elapsed : 0;
    const double left = rate > 0 ? double(total_ - done) / rate : 0;
    if (terminal_) {
        if (!force && now - lastDraw_ < std::chrono::milliseconds(100)) return {};
        lastDraw_ = now;
        constexpr size_t width = 30;
        const size_t filled = total_ ? done * width / total_ : width;
        std::string bar(filled, '#');
        bar.resize(width, '.');
        std::string line = "\r[" + bar + "] " +
                           fillText(VORTEL_EN("CommandLine", "%1/%2  %3/s  %4 left"), done, total_, decimal(rate, 1),
                                    clockText(left));
        if (failed) line += "  " + fillText(VORTEL_EN("CommandLine", "%1 failed"), failed);
        drawn_ = true;
        return line;
    }
    const size_t step = std::max<size_t>(1, total_ / 10);
    if (done / step == lastStep_ && (!force || printedDone_ == done)) return {};
    printedDone_ = done;
    lastStep_ = done / step;
    return program_ + ": " +
           fillText(VORTEL_EN("CommandLine", "%1/%2 done, %3 a second, %4 left"), done, total_, decimal(rate, 1),
                    clockText(left)) +
           '\n';
}

std::string Progress::breakLine() {
    const bool drawn = terminal_ && drawn_;
    drawn_ = false;
    return drawn ? "\r\033[K" : "";
}

}  // namespace vortel::cli
