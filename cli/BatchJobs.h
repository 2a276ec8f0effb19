#pragma once
// The job list of `vortel-cli batch`: JSON lines (one object a line) or CSV with a header line,
// each job turned into the arguments of one `vortel-cli render`.
#include <cstddef>
#include <string>
#include <vector>

namespace vortel::cli {

struct BatchJob {
    size_t line = 0;                // where the job starts in the file, from 1
    std::vector<std::string> args;  // render arguments, without the verb
    std::string error;              // set when the line could not be read as a job
    std::string source;             // the job as it stands in the file (UTF-8), without its line break
};

// JSON lines when the first non-blank character is '{' or '#', else CSV. A leading byte-order mark is
// skipped; a file that is not UTF-8 is read as Windows-1252, with a warning. Blank lines and, in
// JSON lines, lines starting with '#' hold no job. Throws UsageError when the file as a whole
// cannot be read (a CSV header without an output column, an unknown or repeated column, two jobs
// writing one file); a single bad line only marks its job. `csvHeader` receives a CSV list's header
// line as it stands (empty for JSON lines).
std::vector<BatchJob> readBatchJobs(const std::string& content, std::vector<std::string>* warnings = nullptr,
                                    std::string* csvHeader = nullptr);

// Splits CSV text into records of fields (quotes as in RFC 4180: "" is a quote, a quoted field may
// hold separators and line breaks); each record carries the line it starts on. Throws UsageError
// for an unterminated quote.
struct CsvRecord {
    size_t line = 0;
    std::vector<std::string> fields;
    size_t begin = 0, end = 0;  // where the record stands in the text, without its line break
};
std::vector<CsvRecord> parseCsv(const std::string& content, char separator = ',');

}  // namespace vortel::cli
