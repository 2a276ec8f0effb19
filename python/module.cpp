// vortel._vortel: the command line's render, save, inspect and listings for Python. A job is the
// dict of one JSON-lines batch job; it goes through the batch's own job reader and option parser
// and through the render verb's steps, so a call gives what `vortel-cli render` gives.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <new>
#include <optional>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/BatchJobs.h"
#include "cli/BatchRun.h"
#include "cli/Errors.h"
#include "cli/Language.h"
#include "cli/Options.h"
#include "cli/PictureRender.h"
#include "cli/Verbs.h"
#include "engine/FontFX.h"
#include "panels/presets/MainStyles.h"
#include "platform/Texts.h"

namespace py = pybind11;
using Json = nlohmann::json;

namespace vortel::python {
namespace {

// The exception classes, made once at import and owned by the module.
PyObject* errorType = nullptr;
PyObject* jobErrorType = nullptr;
PyObject* fileErrorType = nullptr;
PyObject* warpRefusedType = nullptr;
PyObject* warningType = nullptr;

// A job the module itself refuses before the job reader sees it (not a dict, not JSON).
struct NotAJob {
    std::string message;
};

// One line, as the command line prints a failure.
std::string oneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

Json toJson(py::handle value, int depth) {
    // The job reader refuses deeper values anyway; this keeps a self-containing list from looping.
    if (depth > 64) throw NotAJob{"the job nests deeper than 64 levels"};
    if (value.is_none()) return nullptr;
    if (py::isinstance<py::bool_>(value)) return value.cast<bool>();
    if (py::isinstance<py::int_>(value)) {
        try {
            return value.cast<int64_t>();
        } catch (const py::cast_error&) {
            throw NotAJob{"the number " + py::str(value).cast<std::string>() + " does not fit in 64 bits"};
        }
    }
    if (py::isinstance<py::float_>(value)) return value.cast<double>();
    // NumPy's integers and the like: whatever Python itself takes as an index.
    if (py::hasattr(value, "__index__") && !py::isinstance<py::str>(value))
        return toJson(py::module_::import("operator").attr("index")(value), depth + 1);
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (py::isinstance<py::dict>(value)) {
        Json object = Json::object();
        for (const auto& [key, item] : value.cast<py::dict>()) {
            if (!py::isinstance<py::str>(key))
                throw NotAJob{"the job's keys are strings, not " + py::repr(key).cast<std::string>()};
            object[key.cast<std::string>()] = toJson(item, depth + 1);
        }
        return object;
    }
    if (py::isinstance<py::list>(value) || py::isinstance<py::tuple>(value)) {
        Json array = Json::array();
        for (const auto item : value) array.push_back(toJson(item, depth + 1));
        return array;
    }
    // Paths (pathlib and anything else with __fspath__) stand for their names.
    if (py::hasattr(value, "__fspath__")) return toJson(py::module_::import("os").attr("fsdecode")(value), depth + 1);
    throw NotAJob{"a job holds JSON values: strings, numbers, true/false, lists and dicts, not " +
                  py::str(py::type::of(value).attr("__name__")).cast<std::string>()};
}

// The job as the one line of a job list, checked on the Python side of the lock.
std::string jobLine(const py::handle& job) {
    if (!py::isinstance<py::dict>(job))
        throw py::type_error("a job is a dict of the batch job's keys, not " +
                             py::str(py::type::of(job).attr("__name__")).cast<std::string>());
    if (job.cast<py::dict>().contains("output"))
        throw NotAJob{"'output' is not a key here: render() returns the picture, save(job, path) writes it"};
    return toJson(job, 0).dump();
}

// The job's options as `vortel-cli VERB` would parse them from a job list; a line the job reader
// refuses throws its message, as the batch reports it for the line.
cli::Options jobOptions(const std::string& verb, const std::string& line, const std::vector<std::string>& extra) {
    const std::vector<cli::BatchJob> jobs = cli::readBatchJobs(line);
    if (jobs.size() != 1) throw cli::UsageError("the job is not one JSON object");
    if (!jobs.front().error.empty()) throw cli::UsageError(jobs.front().error);
    std::vector<std::string> args{verb};
    args.insert(args.end(), jobs.front().args.begin(), jobs.front().args.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return cli::parseOptions(args);
}

// The command line's prefix of a warning, in the language spoken.
std::string warningPrefix() { return "vortel-cli: " + fillText(VORTEL_EN("CommandLine", "warning: %1"), ""); }

// What a call said on its error stream, without the command line's prefixes, as Python warnings.
void warnAbout(const std::string& said) {
    std::istringstream lines(said);
    for (std::string line; std::getline(lines, line);) {
        for (const std::string& prefix : {warningPrefix(), std::string("vortel-cli: ")})
            if (line.starts_with(prefix)) {
                line.erase(0, prefix.size());
                break;
            }
        if (!line.empty() && PyErr_WarnEx(warningType, line.c_str(), 1) != 0) throw py::error_already_set();
    }
}

// A failure reported through Python: the failure's kind decides the class, as the exit status
// does on the command line (2 usage, 3 refused warp, 1 the rest).
struct Failure {
    PyObject* type = nullptr;
    std::string message;
};

// Runs `work` without the interpreter lock and turns its exceptions into Failures; whatever it
// says on its error stream comes back as warnings.
template <typename Work>
auto unlocked(Work&& work) {
    std::ostringstream said;
    Failure failure;
    using Result = decltype(work(said));
    Result result{};
    {
        py::gil_scoped_release release;
        try {
            // Each call draws as a process of its own would, whatever this thread drew before.
            resetRenderMemory();
            result = work(said);
        } catch (const cli::UsageError& e) {
            failure = {jobErrorType, cli::shownMessage(e.what())};
        } catch (const cli::WarpRefused& e) {
            failure = {warpRefusedType, cli::shownMessage(e.what())};
        } catch (const std::bad_alloc&) {
            failure = {PyExc_MemoryError, "not enough memory for the job"};
        } catch (const std::exception& e) {
            failure = {fileErrorType, cli::shownMessage(e.what())};
        } catch (...) {
            failure = {fileErrorType, VORTEL_EN("CommandLine", "unexpected failure")};
        }
    }
    warnAbout(said.str());
    if (failure.type) {
        PyErr_SetString(failure.type, oneLine(failure.message).c_str());
        throw py::error_already_set();
    }
    return result;
}

// Checks the job on the Python side, reporting a malformed one as a JobError.
std::string checkedJobLine(const py::handle& job) {
    try {
        return jobLine(job);
    } catch (const NotAJob& e) {
        PyErr_SetString(jobErrorType, e.message.c_str());
        throw py::error_already_set();
    }
}

py::array render(const py::handle& job) {
    const std::string line = checkedJobLine(job);
    auto picture = unlocked([&](std::ostream& said) {
        const cli::Options options = jobOptions("render", line, {});
        return cli::renderPicture(options, said);
    });
    if (picture.refused) {
        PyErr_SetString(warpRefusedType, oneLine(*picture.refused).c_str());
        throw py::error_already_set();
    }
    // The array owns the render's own pixel vector: no copy.
    auto* pixels = new std::vector<uint8_t>(std::move(picture.pixels));
    const py::capsule owner(pixels, [](void* p) { delete static_cast<std::vector<uint8_t>*>(p); });
    return py::array_t<uint8_t>({py::ssize_t(picture.height), py::ssize_t(picture.width), py::ssize_t(picture.channels)},
                                pixels->data(), owner);
}

void save(const py::handle& job, const py::object& path) {
    const std::string line = checkedJobLine(job);
    const std::string target = py::module_::import("os").attr("fsdecode")(path).cast<std::string>();
    // The render verb reports a refused warp as its last warning, after writing the background.
    const std::string refusal = unlocked([&](std::ostream& said) {
        const cli::Options options = jobOptions("render", line, {"-o", target});
        std::ostringstream own;
        const int status = cli::renderOnce(options, own);
        std::string text = own.str(), last;
        if (status == 3) {
            const size_t end = text.find_last_not_of('\n');
            const size_t start = end == std::string::npos ? 0 : text.rfind('\n', end) + 1;
            last = text.substr(start, end == std::string::npos ? 0 : end + 1 - start);
            text.erase(start);
            if (last.starts_with(warningPrefix())) last.erase(0, warningPrefix().size());
            if (last.empty()) last = "the warp was refused";
        }
        said << text;
        return last;
    });
    if (!refusal.empty()) {
        PyErr_SetString(warpRefusedType, oneLine(refusal).c_str());
        throw py::error_already_set();
    }
}

py::object inspect(const py::handle& job) {
    const std::string line = checkedJobLine(job);
    const std::string state = unlocked([&](std::ostream& said) {
        const cli::Options options = jobOptions("inspect", line, {"--json"});
        std::ostringstream out;
        cli::runInspect(options, out, said);
        return out.str();
    });
    return py::module_::import("json").attr("loads")(state);
}

py::list resources() {
    const std::string listing = unlocked([&](std::ostream& said) {
        std::ostringstream out;
        cli::runResources(cli::parseOptions({"resources"}), out, said);
        return out.str();
    });
    // "TYPE NAME KIND... SIZE bytes" a line, up to the blank line before the counts.
    py::list entries;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line) && !line.empty();) {
        std::istringstream words(line);
        std::vector<std::string> word;
        for (std::string w; words >> w;) word.push_back(w);
        if (word.size() < 4) continue;
        std::string kind;
        for (size_t i = 2; i + 2 < word.size(); ++i) kind += (kind.empty() ? "" : " ") + word[i];
        py::dict entry;
        entry["type"] = word[0];
        entry["name"] = word[1];
        entry["kind"] = kind;
        entry["bytes"] = std::stoll(word[word.size() - 2]);
        entries.append(entry);
    }
    return entries;
}

py::list styles() {
    py::list list;
    const auto& rows = presets::MainStyleRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string text;
        for (const char c : std::string(rows[i].text))
            if (c != '\r') text += c;
        py::dict style;
        style["style"] = i;
        style["text"] = text;
        list.append(style);
    }
    return list;
}

// A job list read from its file, the way `vortel-cli batch` reads it; failures as the calls above.
std::shared_ptr<cli::JobList> readJobList(const py::object& path) {
    const std::string name = py::module_::import("os").attr("fsdecode")(path).cast<std::string>();
    return unlocked([&](std::ostream&) { return std::make_shared<cli::JobList>(cli::loadJobList(name)); });
}

// One job of a list as the batch runs it, for a worker of a cluster: (failure, said), the failure
// empty when the job was done.
py::tuple runJob(size_t line, std::vector<std::string> args, std::string error) {
    // The jobs running in this process at once share one budget, as the batch's threads do.
    static cli::MemoryBudget budget(std::nullopt);
    cli::BatchJob job{line, std::move(args), std::move(error), {}};
    std::string failure, said;
    {
        py::gil_scoped_release release;
        std::ostringstream words;
        failure = cli::runBatchJob(job, budget, words);
        said = words.str();
    }
    return py::make_tuple(failure, said);
}

void bindBatch(py::module_& m) {
    py::class_<cli::JobList, std::shared_ptr<cli::JobList>>(m, "JobList",
                                                            "A job list as `vortel-cli batch` reads it.")
        .def_property_readonly(
            "jobs",
            [](const cli::JobList& list) {
                py::list jobs;
                for (const auto& job : list.jobs) jobs.append(py::make_tuple(job.line, job.args, job.error));
                return jobs;
            },
            "The jobs in file order: (line, render arguments, error), the error set for a line that is no job.")
        .def_readonly("warnings", &cli::JobList::warnings)
        .def(
            "text", [](const cli::JobList& list, const std::vector<size_t>& indexes) {
                for (const size_t i : indexes)
                    if (i >= list.jobs.size()) throw py::index_error("no job " + std::to_string(i));
                return py::bytes(cli::jobListText(list, indexes));
            },
            py::arg("indexes"), "A job list of the jobs at these indexes (from 0), as the file has them.");
    m.def("read_job_list", &readJobList, py::arg("path"),
          "Reads a JSON-lines or CSV job list; raises JobError for a list that cannot be read as one and "
          "FileError for a file that cannot be read.");
    m.def("run_job", &runJob, py::arg("line"), py::arg("args"), py::arg("error"),
          "Renders one job of a list as `vortel-cli batch` does: (failure, said).");
    m.def("failure_report", &cli::failureReport, py::arg("line"), py::arg("failure"), py::arg("said"),
          py::arg("program"));
    m.def("summary_line", &cli::summaryLine, py::arg("done"), py::arg("failed"), py::arg("seconds"),
          py::arg("workers"));
    m.def("crashed_worker_failure", &cli::crashedWorkerFailure, py::arg("times"));
    m.def("warning_line", [](const std::string& program, const std::string& what) {
        return program + ": " + fillText(VORTEL_EN("CommandLine", "warning: %1"), what);
    });
    m.def("shown_message", &cli::shownMessage, py::arg("text"));
    py::class_<cli::Progress>(m, "Progress", "The batch's progress lines: update() and break_line() return what to print.")
        .def(py::init<size_t, bool, std::string>(), py::arg("total"), py::arg("terminal"), py::arg("program"))
        .def("update", &cli::Progress::update, py::arg("done"), py::arg("failed"), py::arg("force") = false)
        .def("break_line", &cli::Progress::breakLine);
}

PyObject* newException(py::module_& m, const char* name, PyObject* bases, const char* doc) {
    const std::string qualified = std::string("vortel.") + name;
    PyObject* type = PyErr_NewExceptionWithDoc(qualified.c_str(), doc, bases, nullptr);
    if (!type) throw py::error_already_set();
    m.add_object(name, py::handle(type));
    return type;
}

}  // namespace
}  // namespace vortel::python

PYBIND11_MODULE(_vortel, m) {
    using namespace vortel::python;
    // The docstrings' first lines give the signatures in Python's terms (a dict, not a handle).
    py::options options;
    options.disable_function_signatures();
    // Messages in the language the command line would speak in this environment.
    vortel::cli::speak(vortel::cli::languageFromEnvironment());
    m.doc() = "The Vortel renderer: the jobs of `vortel-cli batch` as dicts, rendered in this process.";

    errorType = newException(m, "Error", nullptr,
                             "Everything Vortel refuses or fails at; the message is the command line's.");
    py::tuple jobBases = py::make_tuple(py::handle(errorType), py::handle(PyExc_ValueError));
    jobErrorType = newException(m, "JobError", jobBases.ptr(),
                                "The job cannot be rendered as given: an unknown key, a wrong type or value "
                                "(the command line's exit status 2).");
    py::tuple fileBases = py::make_tuple(py::handle(errorType), py::handle(PyExc_OSError));
    fileErrorType = newException(m, "FileError", fileBases.ptr(),
                                 "A file, font or image could not be read or written (the command line's exit "
                                 "status 1).");
    py::tuple warpBases = py::make_tuple(py::handle(jobErrorType));
    warpRefusedType = newException(m, "WarpRefused", warpBases.ptr(),
                                   "The engine declined to lay out or warp the text into the guides (exit status "
                                   "3); save() has still written the background, as the command line does.");
    warningType = newException(m, "RenderWarning", PyExc_UserWarning,
                               "What the engine said during a render that succeeded, e.g. a font face stood in "
                               "for a missing one.");

    bindBatch(m);
    m.def("render", &render, py::arg("job"),
          R"(render(job: dict) -> numpy.ndarray

Renders one job and returns its picture: height x width x 3 (RGB) uint8, or x 4 (RGBA) when the
job says "transparent": true. The pixels are those `vortel-cli render -o FILE.png` writes for the
same job. `job` holds the keys of a JSON-lines batch job except "output": text, size, inputs,
presets, settings, textures, imprint, quality, transparent (jpeg-quality and png-effort are
accepted and do not change the picture). Raises JobError, FileError or WarpRefused.)");
    m.def("save", &save, py::arg("job"), py::arg("path"),
          R"(save(job: dict, path: str | os.PathLike) -> None

Renders one job and writes it to `path` by its extension, byte for byte as
`vortel-cli render -o PATH` does: .png .bmp .jpg, .vtl, .deform .bevel .color .shadow, .svg .pdf
.emf .wmf; "jpeg-quality" and "png-effort" apply. Raises JobError, FileError or WarpRefused.)");
    m.def("inspect", &inspect, py::arg("job"),
          R"(inspect(job: dict) -> dict

The engine state after layout and warp, as `vortel-cli inspect --json` prints it for the job's
inputs, size, text, presets and settings (the picture keys are not used). Raises JobError,
FileError or WarpRefused.)");
    m.def("resources", &resources,
          R"(resources() -> list[dict]

The stock images `vortel-cli resources` lists, one dict each: type ("JPG", "BITMAP", "ICON"),
name (e.g. "JPG_07"; ":JPG_07" or "*IMPRINT_07" in a job), kind (e.g. "jpeg 128x128") and bytes.)");
    m.def("styles", &styles,
          R"(styles() -> list[dict]

The main styles a job may name in "presets": {"style": N}, one dict each: style (N) and text (the
text the style brings when the job gives none; lines separated by newlines).)");
}
