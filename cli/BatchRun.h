#pragma once
// What a run of a job list does beyond reading it: the jobs of one shard, one job rendered as the
// batch renders it, the lines reported, and the list of the jobs that failed. `vortel-cli batch`
// runs the jobs on threads of its own; the Python module runs them for a cluster's workers.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/BatchJobs.h"
#include "cli/Options.h"

namespace vortel::cli {

// A job list as read from its file: the jobs in file order, the CSV header (empty for JSON
// lines), whether the file began with a byte-order mark, and what was noticed while reading.
struct JobList {
    std::vector<BatchJob> jobs;
    std::string header;
    bool byteOrderMark = false;
    std::vector<std::string> warnings;
};

// Reads a job list from a file; throws std::runtime_error when the file cannot be read (a FIFO, a
// folder, too large) and UsageError when it is not a job list or holds no job.
JobList loadJobList(const std::string& path);

// Whether the job at `index` (from 0, in file order, counting every job) belongs to `shard`.
inline bool inShard(size_t index, const std::optional<Shard>& shard) {
    return !shard || index % size_t(shard->count) == size_t(shard->index - 1);
}

// The text of a list holding only the given jobs (as they stand in the file, in file order, the
// CSV header first): a rerun of it renders exactly those. Empty jobs give the header alone.
std::string jobListText(const JobList& list, const std::vector<size_t>& indexes);

// Jobs are started while their memory estimates fit in the budget together, so a batch of large
// pictures runs fewer at once instead of pushing the machine into swap. One job always runs,
// whatever it asks. Without a size, the budget is half the memory free when it is made.
class MemoryBudget {
public:
    explicit MemoryBudget(std::optional<int> mib);
    void take(uint64_t bytes);
    void give(uint64_t bytes);

private:
    std::mutex mutex_;
    std::condition_variable freed_;
    uint64_t total_ = 0, used_ = 0;
};

// Renders one job as `vortel-cli batch` does, with an engine of this thread's own. Returns the
// failure in the command line's words, or an empty text when the job was done; what the engine said
// goes to `said`. Never throws for the job's sake.
std::string runBatchJob(const BatchJob& job, MemoryBudget& budget, std::ostream& said);

// The lines the batch prints for a failed job: the line number and the failure, then what the
// engine said, indented. `program` begins the first line.
std::string failureReport(size_t line, const std::string& failure, const std::string& said,
                          const std::string& program = "vortel-cli");

// The batch's last line: "N done, N failed, S s (N workers)".
std::string summaryLine(size_t done, size_t failed, double seconds, size_t workers);

// The failure of a job during which the process rendering it died, every time it was tried.
std::string crashedWorkerFailure(int times);

// Progress on standard error: a bar redrawn in place on a terminal, otherwise a plain line about
// every tenth of the way. The calls return what to print, nothing when nothing is due.
class Progress {
public:
    Progress(size_t total, bool terminal, std::string program = "vortel-cli");
    std::string update(size_t done, size_t failed, bool force = false);
    // Clears the bar before another line is printed beneath it.
    std::string breakLine();

private:
    using Clock = std::chrono::steady_clock;
    size_t total_;
    bool terminal_;
    std::string program_;
    Clock::time_point start_, lastDraw_{};
    size_t lastStep_ = 0;
    size_t printedDone_ = size_t(-1);
    bool drawn_ = false;
};

}  // namespace vortel::cli
