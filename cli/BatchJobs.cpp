#include "cli/BatchJobs.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "cli/Errors.h"
#include "cli/JsonConvert.h"
#include "document/Cp1252.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

// A job line longer than this is not a job a person or a program meant to write.
constexpr size_t MaxJobLineBytes = size_t(4) << 20;

// A job's preset names and the render option each stands for.
const std::map<std::string, std::string>& presetOptions() {
    static const std::map<std::string, std::string> table = {
        {"style", "--style"},           {"random", "--random"},         {"guide", "--guide-preset"},
        {"bevel", "--bevel-preset"},    {"outline", "--outline-preset"}, {"shadow", "--shadow-preset"},
        {"frame", "--frame-preset"},    {"gradient", "--gradient-preset"},
    };
    return table;
}

// Plain options: a job's key and the render option that takes its value.
const std::map<std::string, std::string>& valueOptions() {
    static const std::map<std::string, std::string> table = {
        {"output", "-o"},   {"text", "--text"},       {"size", "--size"},
        {"quality", "--quality"}, {"imprint", "--imprint"}, {"jpeg-quality", "--jpeg-quality"},
        {"png-effort", "--png-effort"},
    };
    return table;
}

std::string scalarText(const Json& value, const std::string& key) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number_integer()) return std::to_string(value.get<int64_t>());
    throw UsageError(fillText(VORTEL_EN("CommandLine", "'%1' must be a string or a whole number"), key));
}

std::string lowerAscii(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A yes/no cell as spreadsheets and people write it, in English or German, in any case; anything
// else is refused rather than taken as no.
bool yesNo(const std::string& cell, const std::string& column) {
    static const std::map<std::string, bool> words = {
        {"1", true},     {"0", false},     {"true", true}, {"false", false}, {"yes", true},   {"no", false},
        {"ja", true},    {"nein", false},  {"wahr", true}, {"falsch", false}, {"on", true},   {"off", false},
        {"y", true},     {"n", false},     {"j", true},
    };
    const auto word = words.find(lowerAscii(cell));
    if (word == words.end())
        throw UsageError(
            fillText(VORTEL_EN("CommandLine", "'%1' must be yes or no (1/0, true/false, ja/nein), got '%2'"), column, cell));
    return word->second;
}

void addPreset(std::vector<std::string>& args, const std::string& name, const std::string& value) {
    const auto option = presetOptions().find(name);
    if (option == presetOptions().end())
        throw UsageError(fillText(VORTEL_EN("CommandLine", "unknown preset '%1'"), name));
    args.push_back(option->second);
    // A random effect takes an optional seed; "true" asks for a fresh one.
    if (name == "random" && (value.empty() || lowerAscii(value) == "true" || lowerAscii(value) == "yes" ||
                             lowerAscii(value) == "ja"))
        return;
    args.push_back(value);
}

std::vector<std::string> jsonJobArguments(const Json& job) {
    if (!job.is_object()) throw UsageError(VORTEL_EN("CommandLine", "a job must be a JSON object"));
    std::vector<std::string> args;
    for (const auto& [key, value] : job.items()) {
        if (const auto option = valueOptions().find(key); option != valueOptions().end()) {
            if (key == "size" && value.is_array() && value.size() == 2 && value[0].is_number_integer() &&
                value[1].is_number_integer()) {
                args.insert(args.end(), {"--size", std::to_string(value[0].get<int64_t>()) + "x" +
                                                       std::to_string(value[1].get<int64_t>())});
                continue;
            }
            args.insert(args.end(), {option->second, scalarText(value, key)});
        } else if (key == "inputs") {
            if (value.is_string()) {
                args.push_back(value.get<std::string>());
            } else if (value.is_array()) {
                for (const auto& input : value) {
                    if (!input.is_string()) throw UsageError(VORTEL_EN("CommandLine", "'inputs' must list file names"));
                    args.push_back(input.get<std::string>());
                }
            } else {
                throw UsageError(VORTEL_EN("CommandLine", "'inputs' must be a file name or a list of them"));
            }
        } else if (key == "presets") {
            if (!value.is_object())
                throw UsageError(VORTEL_EN("CommandLine", "'presets' must be an object, e.g. {\"style\": 3}"));
            for (const auto& [name, preset] : value.items()) {
                if (name == "random" && preset.is_boolean()) {
                    if (preset.get<bool>()) addPreset(args, name, "");
                    continue;
                }
                addPreset(args, name, scalarText(preset, "presets." + name));
            }
        } else if (key == "settings") {
            if (value.is_object()) {
                for (const auto& [name, setting] : value.items()) args.insert(args.end(), {"--set", name + "=" + setting.dump()});
            } else if (value.is_array()) {
                for (const auto& setting : value) {
                    if (!setting.is_string())
                        throw UsageError(VORTEL_EN("CommandLine", "'settings' as a list holds KEY=JSON strings"));
                    args.insert(args.end(), {"--set", setting.get<std::string>()});
                }
            } else {
                throw UsageError(VORTEL_EN("CommandLine", "'settings' must be an object of keys or a list of KEY=JSON strings"));
            }
        } else if (key == "textures") {
            if (!value.is_object())
                throw UsageError(VORTEL_EN("CommandLine", "'textures' must be an object, e.g. {\"1\": \"stone.png\"}"));
            for (const auto& [surface, file] : value.items()) {
                if (!file.is_string())
                    throw UsageError(VORTEL_EN("CommandLine", "'textures' must map 0 or 1 to a file name"));
                args.insert(args.end(), {"--texture", surface + "=" + file.get<std::string>()});
            }
        } else if (key == "transparent") {
            if (!value.is_boolean()) throw UsageError(VORTEL_EN("CommandLine", "'transparent' must be true or false"));
            if (value.get<bool>()) args.push_back("--transparent");
        } else {
            throw UsageError(fillText(VORTEL_EN("CommandLine", "unknown key '%1'"), key));
        }
    }
    return args;
}

std::vector<BatchJob> readJsonLines(const std::string& content) {
    std::vector<BatchJob> jobs;
    size_t line = 0, start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        const std::string text = content.substr(start, end - start);
        start = end + 1;
        ++line;
        const auto first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos || text[first] == '#') continue;
        BatchJob job;
        job.line = line;
        job.source = text.substr(0, text.find_last_not_of('\r') + 1);
        try {
            if (text.size() > MaxJobLineBytes)
                throw UsageError(fillText(VORTEL_EN("CommandLine", "the line is longer than %1 MiB"), MaxJobLineBytes >> 20));
            job.args = jsonJobArguments(parseBoundedJson(text));
        } catch (const Json::exception& e) {
            job.error = fillText(VORTEL_EN("CommandLine", "not a JSON object: %1"), e.what());
        } catch (const UsageError& e) {
            job.error = e.what();
        }
        jobs.push_back(std::move(job));
    }
    return jobs;
}

// Column kinds of a CSV job list, from the header's names.
struct Column {
    enum Kind { Value, Inputs, Preset, Setting, Settings, Texture, Transparent } kind;
    std::string name;  // the option, preset, key or surface
};

Column columnFor(const std::string& header) {
    if (const auto option = valueOptions().find(header); option != valueOptions().end())
        return {Column::Value, option->second};
    if (presetOptions().count(header)) return {Column::Preset, header};
    if (header == "inputs") return {Column::Inputs, {}};
    if (header == "settings") return {Column::Settings, {}};
    if (header == "transparent") return {Column::Transparent, {}};
    if (header == "texture0" || header == "texture1") return {Column::Texture, header.substr(7)};
    if (header.starts_with("set:") && header.size() > 4) return {Column::Setting, header.substr(4)};
    throw UsageError(fillText(VORTEL_EN("CommandLine", "unknown column '%1' in the CSV header"), header));
}

void addCell(std::vector<std::string>& args, const Column& column, const std::string& cell) {
    switch (column.kind) {
    case Column::Value: args.insert(args.end(), {column.name, cell}); break;
    case Column::Preset: addPreset(args, column.name, cell); break;
    case Column::Setting: args.insert(args.end(), {"--set", column.name + "=" + cell}); break;
    case Column::Texture: args.insert(args.end(), {"--texture", column.name + "=" + cell}); break;
    case Column::Transparent:
        if (yesNo(cell, "transparent")) args.push_back("--transparent");
        break;
    case Column::Inputs: {
        size_t from = 0;
        while (from <= cell.size()) {
            size_t to = cell.find(';', from);
            if (to == std::string::npos) to = cell.size();
            if (to > from) args.push_back(cell.substr(from, to - from));
            from = to + 1;
        }
        break;
    }
    case Column::Settings: {
        Json settings;
        try {
            settings = parseBoundedJson(cell);
        } catch (const Json::exception&) {
            throw UsageError(VORTEL_EN("CommandLine", "the settings cell is not a JSON object"));
        }
        if (!settings.is_object()) throw UsageError(VORTEL_EN("CommandLine", "the settings cell is not a JSON object"));
        for (const auto& [name, value] : settings.items()) args.insert(args.end(), {"--set", name + "=" + value.dump()});
        break;
    }
    }
}

// The separator of a CSV job list: the one of comma, semicolon and tab that splits the header
// line into names we know (German spreadsheets write semicolons, some programs tabs).
char csvSeparator(const std::string& content) {
    const std::string header = content.substr(0, content.find_first_of("\r\n"));
    char best = ',';
    size_t bestKnown = 0;
    for (const char separator : {',', ';', '\t'}) {
        size_t known = 0;
        try {
            const auto records = parseCsv(header, separator);
            if (records.empty()) return best;
            for (const auto& name : records.front().fields) {
                try {
                    columnFor(name);
                    ++known;
                } catch (const UsageError&) {
                }
            }
        } catch (const UsageError&) {
        }
        if (known > bestKnown) best = separator, bestKnown = known;
    }
    return best;
}

std::vector<BatchJob> readCsv(const std::string& content, std::string* header) {
    const auto records = parseCsv(content, csvSeparator(content));
    if (records.empty()) return {};
    if (header) *header = content.substr(records.front().begin, records.front().end - records.front().begin);
    std::vector<Column> columns;
    bool hasOutput = false;
    const auto& headers = records.front().fields;
    for (size_t c = 0; c < headers.size(); ++c) {
        const auto& header = headers[c];
        if (std::find(headers.begin(), headers.begin() + std::ptrdiff_t(c), header) != headers.begin() + std::ptrdiff_t(c))
            throw UsageError(fillText(VORTEL_EN("CommandLine", "the CSV header names the column '%1' twice"), header));
        columns.push_back(columnFor(header));
        hasOutput = hasOutput || header == "output";
    }
    if (!hasOutput) throw UsageError(VORTEL_EN("CommandLine", "the CSV header has no 'output' column"));
    std::vector<BatchJob> jobs;
    for (size_t r = 1; r < records.size(); ++r) {
        const auto& record = records[r];
        if (record.fields.size() == 1 && record.fields[0].empty()) continue;  // a blank line
        BatchJob job;
        job.line = record.line;
        job.source = content.substr(record.begin, record.end - record.begin);
        try {
            if (record.fields.size() != columns.size())
                throw UsageError(fillText(VORTEL_EN("CommandLine", "%1 fields where the header has %2"), record.fields.size(),
                                          columns.size()));
            for (size_t c = 0; c < columns.size(); ++c)
                if (!record.fields[c].empty()) addCell(job.args, columns[c], record.fields[c]);
        } catch (const UsageError& e) {
            job.args.clear();
            job.error = e.what();
        }
        jobs.push_back(std::move(job));
    }
    return jobs;
}

}  // namespace

std::vector<CsvRecord> parseCsv(const std::string& content, char separator) {
    std::vector<CsvRecord> records;
    CsvRecord record{1, {}};
    std::string field;
    size_t line = 1;
    bool quoted = false, any = false;
    for (size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (quoted) {
            if (c == '"' && i + 1 < content.size() && content[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == separator) {
            record.fields.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == '\n' || c == '\r') {
            record.end = i;
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
            record.fields.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            ++line;
            record = CsvRecord{line, {}, i + 1, 0};
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (quoted)
        throw UsageError(fillText(VORTEL_EN("CommandLine", "line %1: a quoted CSV field is not closed"), record.line));
    if (any || !field.empty()) {
        record.fields.push_back(std::move(field));
        record.end = content.size();
        records.push_back(std::move(record));
    }
    return records;
}

namespace {

std::vector<BatchJob> readJobs(const std::string& content, std::string* header) {
    // The first character that is not blank tells the two apart: a JSON object or a comment (a CSV
    // header never starts with '#': no column is called so).
    const size_t first = content.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    if (content[first] == '{' || content[first] == '#') return readJsonLines(content);
    return readCsv(content, header);
}

// The output a job writes, as the file system will see it.
std::string outputOf(const BatchJob& job) {
    std::string output;
    for (size_t i = 0; i + 1 < job.args.size(); ++i)
        if (job.args[i] == "-o") output = job.args[i + 1];
    if (output.empty()) return output;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(output, error);
    return (error ? std::filesystem::path(output) : absolute).lexically_normal().string();
}

}  // namespace

std::vector<BatchJob> readBatchJobs(const std::string& bytes, std::vector<std::string>* warnings, std::string* csvHeader) {
    // Spreadsheets start their UTF-8 files with a byte-order mark, and many here save in
    // Windows-1252: a file that is not UTF-8 is read as that, and said so.
    std::string_view text = bytes;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    bool converted = false;
    const std::string content = utf8OrCp1252(text, &converted);
    if (converted && warnings)
        warnings->push_back(VORTEL_EN("CommandLine", "the job list is not UTF-8; it is read as Windows-1252"));

    if (csvHeader) csvHeader->clear();
    auto jobs = readJobs(content, csvHeader);
    // Two jobs writing one file would leave one picture and report both done.
    std::map<std::string, std::vector<size_t>> writers;
    for (const auto& job : jobs)
        if (const std::string output = outputOf(job); !output.empty() && job.error.empty())
            writers[output].push_back(job.line);
    std::string clashes;
    size_t shown = 0;
    for (const auto& [output, lines] : writers) {
        if (lines.size() < 2) continue;
        if (++shown > 3) {
            clashes += VORTEL_EN("CommandLine", "; and more");
            break;
        }
        std::string numbers;
        for (size_t i = 0; i < lines.size() && i < 5; ++i) numbers += (i ? ", " : "") + std::to_string(lines[i]);
        if (lines.size() > 5) numbers += fillText(VORTEL_EN("CommandLine", " and %1 more"), lines.size() - 5);
        clashes += (shown > 1 ? "; " : "") + fillText(VORTEL_EN("CommandLine", "%1 by lines %2"), output, numbers);
    }
    if (!clashes.empty())
        throw UsageError(fillText(VORTEL_EN("CommandLine", "several jobs write the same file, so nothing was rendered: %1"),
                                  clashes));
    return jobs;
}

}  // namespace vortel::cli
