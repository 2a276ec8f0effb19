#include "server/Service.h"

#include <httplib.h>
#include <pthread.h>
#include <sched.h>
#include <sys/socket.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "cli/Errors.h"
#include "cli/Language.h"
#include "cli/Verbs.h"
#include "document/Document.h"
#include "document/ImageError.h"
#include "engine/FontFX.h"
#include "platform/Texts.h"
#include "server/Catalog.h"
#include "server/PageFiles.h"

namespace vortel::server {
namespace {

using Clock = std::chrono::steady_clock;
using Json = nlohmann::json;

// Renders run on the connection's own thread, at most `workers` at once; the others wait in a
// queue of bounded length, in the order they came, for no longer than their request may take.
// Each render holds one of the numbered slots; slot k renders on processor k (of those the
// service may use, in turn). Left to itself the system put a woken render beside the one that
// woke it, on the same processor, and let the other stand idle for milliseconds: a tenth of
// the machine's time.
class RenderSlots {
public:
    RenderSlots(int workers, int queue) : queue_(queue) {
        for (int slot = workers - 1; slot >= 0; --slot) free_.push_back(slot);
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        if (sched_getaffinity(0, sizeof allowed, &allowed) == 0)
            for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
                if (CPU_ISSET(cpu, &allowed)) cpus_.push_back(cpu);
    }
    enum class Entry { Granted, Full, TooLate };

    // Entered, the calling thread renders on its slot's processor until it leaves.
    class Held {
    public:
        Held(RenderSlots& slots, Clock::time_point deadline) : slots_(slots), entry_(slots.enter(deadline, slot_)) {
            if (entry_ == Entry::Granted) pinned_ = slots_.pin(slot_, previous_);
        }
        ~Held() {
            if (entry_ != Entry::Granted) return;
            if (pinned_) pthread_setaffinity_np(pthread_self(), sizeof previous_, &previous_);
            slots_.leave(slot_);
        }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;
        Entry entry() const { return entry_; }

    private:
        RenderSlots& slots_;
        int slot_ = -1;
        Entry entry_;
        bool pinned_ = false;
        cpu_set_t previous_{};
    };

private:
    Entry enter(Clock::time_point deadline, int& slot) {
        std::unique_lock lock(mutex_);
        if (!free_.empty() && waiting_.empty()) {
            slot = free_.back();
            free_.pop_back();
            return Entry::Granted;
        }
        if (waiting_.size() >= size_t(queue_)) return Entry::Full;
        Waiter self;
        waiting_.push_back(&self);
        if (self.turn.wait_until(lock, deadline, [&] { return self.slot >= 0; })) {
            slot = self.slot;
            return Entry::Granted;
        }
        waiting_.erase(std::find(waiting_.begin(), waiting_.end(), &self));
        return Entry::TooLate;
    }
    // A finished render hands its slot straight to the first in line and wakes only that one:
    // waking every waiter to find the next made the renders themselves give way to them.
    void leave(int slot) {
        const std::lock_guard lock(mutex_);
        if (waiting_.empty()) {
            free_.push_back(slot);
            return;
        }
        Waiter* next = waiting_.front();
        waiting_.pop_front();
        next->slot = slot;
        next->turn.notify_one();
    }
    bool pin(int slot, cpu_set_t& previous) const {
        if (cpus_.size() < 2 || pthread_getaffinity_np(pthread_self(), sizeof previous, &previous) != 0) return false;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpus_[size_t(slot) % cpus_.size()], &one);
        return pthread_setaffinity_np(pthread_self(), sizeof one, &one) == 0;
    }

    struct Waiter {
        std::condition_variable turn;
        int slot = -1;
    };
    std::mutex mutex_;
    std::deque<Waiter*> waiting_;
    std::vector<int> free_, cpus_;
    int queue_;
};

void answerError(httplib::Response& res, int status, const std::string& message) {
    res.status = status;
    res.set_content(Json{{"error", message}}.dump(), "application/json");
}

void answerBusy(httplib::Response& res) {
    answerError(res, 503, VORTEL_EN("Server", "the server is busy; try again in a moment"));
    res.set_header("Retry-After", "1");
}

cli::Language requestLanguage(const httplib::Request& req) {
    return prefersGerman(req.get_header_value("Accept-Language")) ? cli::Language::German : cli::Language::English;
}

std::string seconds(std::chrono::milliseconds time) {
    std::ostringstream text;
    text << double(time.count()) / 1000.0;
    return text.str();
}

// When the request now being served on this thread began (its headers had arrived).
thread_local std::optional<Clock::time_point> requestStart;

// The job and the uploads of a render request, read with the limits and the time it may take.
struct Received {
    std::string json;
    std::vector<Upload> uploads;
    enum { Complete, TooLarge, TooSlow, Broken } outcome = Complete;
};

Received receive(const httplib::Request& req, const httplib::ContentReader& reader, const Limits& limits,
                 Clock::time_point deadline) {
    Received got;
    std::string* target = &got.json;
    size_t limit = limits.maxJson;
    const auto take = [&](const char* data, size_t size) {
        if (Clock::now() > deadline) {
            got.outcome = Received::TooSlow;
            return false;
        }
        if (target->size() + size > limit) {
            got.outcome = Received::TooLarge;
            return false;
        }
        target->append(data, size);
        return true;
    };
    bool read;
    if (req.is_multipart_form_data()) {
        std::vector<std::string> uploadBytes;
        read = reader(
            [&](const httplib::MultipartFormData& part) {
                if (part.name == "job") {
                    target = &got.json;
                    limit = limits.maxJson;
                } else {
                    got.uploads.push_back({part.name, part.filename, {}});
                    uploadBytes.emplace_back();
                    target = &uploadBytes.back();
                    limit = limits.maxUpload;
                }
                return got.uploads.size() <= 8;
            },
            take);
        for (size_t i = 0; i < got.uploads.size() && i < uploadBytes.size(); ++i)
            got.uploads[i].bytes.assign(uploadBytes[i].begin(), uploadBytes[i].end());
    } else {
        read = reader(take);
    }
    if (!read && got.outcome == Received::Complete) got.outcome = Received::Broken;
    return got;
}

}  // namespace

bool prefersGerman(const std::string& acceptLanguage) {
    // The first entry counts (browsers list the user's languages in order); "*" and empty say nothing.
    const size_t start = acceptLanguage.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    std::string first = acceptLanguage.substr(start, acceptLanguage.find_first_of(",;", start) - start);
    for (char& c : first) c = char(std::tolower(static_cast<unsigned char>(c)));
    return first == "de" || first.starts_with("de-");
}

bool serve(const Config& config, std::ostream& log) {
    const int workers = config.workers > 0 ? config.workers : int(std::max(1u, std::thread::hardware_concurrency()));
    RenderSlots slots(workers, config.queue > 0 ? config.queue : 16 * workers);
    Catalog catalog;
    std::mutex logMutex;
    const Limits& limits = config.limits;

    httplib::Server server;
    const size_t connections = size_t(std::max(config.connections, workers + 1));
    server.new_task_queue = [connections] { return new httplib::ThreadPool(connections); };
    // Four uploads and the job at their largest, with room for the form's own lines.
    server.set_payload_max_length(4 * limits.maxUpload + limits.maxJson + (64u << 10));
    server.set_read_timeout(5, 0);
    server.set_write_timeout(5, 0);
    server.set_keep_alive_timeout(5);
    // A client keeping its connection open sends many requests on it (the page renders as its
    // user types); the library's default closed it after five.
    server.set_keep_alive_max_count(1000);
    // The library listens with a queue of five connections not yet accepted: dozens of clients
    // connecting at once overflowed it, and the refused ones tried again a second later. Calling
    // listen() again on the bound socket makes the queue as long as the system allows.
    socket_t listening = INVALID_SOCKET;
    server.set_socket_options([&listening](socket_t socket) {
        httplib::default_socket_options(socket);
        listening = socket;
    });

    server.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
        requestStart = Clock::now();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // One line a request: what was asked, the answer's status, time and size; nothing of the request's contents.
    server.set_logger([&](const httplib::Request& req, const httplib::Response& res) {
        const auto took = requestStart ? std::chrono::duration<double, std::milli>(Clock::now() - *requestStart).count() : 0.0;
        requestStart.reset();
        char line[512];
        std::snprintf(line, sizeof line, "%s %.200s %d %.1f ms %zu bytes", req.method.c_str(), req.path.c_str(),
                      res.status, took, res.body.size());
        const std::lock_guard lock(logMutex);
        log << line << '\n' << std::flush;
    });
    server.set_error_handler(httplib::Server::HandlerWithResponse([&](const httplib::Request& req, httplib::Response& res) {
        if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
        const cli::SpeakOnThisThread speak(requestLanguage(req));
        std::string message;
        switch (res.status) {
        case 404: message = VORTEL_EN("Server", "there is nothing at this address"); break;
        case 413: message = VORTEL_EN("Server", "the request is larger than the server takes"); break;
        case 414: message = VORTEL_EN("Server", "the address is too long"); break;
        default: message = fillText(VORTEL_EN("Server", "the request could not be served (HTTP %1)"), res.status);
        }
        answerError(res, res.status, message);
        return httplib::Server::HandlerResponse::Handled;
    }));
    server.set_exception_handler([](const httplib::Request& req, httplib::Response& res, std::exception_ptr) {
        const cli::SpeakOnThisThread speak(requestLanguage(req));
        answerError(res, 500, VORTEL_EN("Server", "the server failed at this request"));
    });

    server.Get("/health", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(R"({"status":"ok"})", "application/json");
    });
    server.Get("/faces", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(catalog.faces(), "application/json");
    });
    server.Get("/styles", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(catalog.styles(), "application/json");
    });
    server.Get("/presets", [&](const httplib::Request& req, httplib::Response& res) {
        const cli::SpeakOnThisThread speak(requestLanguage(req));
        res.set_content(catalog.presets(), "application/json");
    });
    server.Get(R"(/thumbnails/([a-z]+)/([A-Za-z0-9_]+)\.png)", [&](const httplib::Request& req, httplib::Response& res) {
        const cli::SpeakOnThisThread speak(requestLanguage(req));
        std::optional<std::vector<uint8_t>> png;
        {
            const RenderSlots::Held held(slots, Clock::now() + config.requestTime);
            if (held.entry() != RenderSlots::Entry::Granted) return answerBusy(res);
            try {
                png = catalog.thumbnail(req.matches[1], req.matches[2]);
            } catch (...) {
            }
        }
        if (!png) return answerError(res, 404, VORTEL_EN("Server", "there is nothing at this address"));
        res.set_content(std::string(png->begin(), png->end()), "image/png");
        res.set_header("Cache-Control", "max-age=86400");
    });
    for (const PageFile& file : pageFiles()) {
        const std::string path = file.path == std::string("index.html") ? "/" : std::string("/") + file.path;
        server.Get(path, [&file](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(reinterpret_cast<const char*>(file.data), file.size), file.type);
            res.set_header("Cache-Control", "no-cache");
        });
    }

    server.Post("/render", [&](const httplib::Request& req, httplib::Response& res, const httplib::ContentReader& reader) {
        const cli::SpeakOnThisThread speak(requestLanguage(req));
        const auto deadline = requestStart.value_or(Clock::now()) + config.requestTime;
        const Received got = receive(req, reader, limits, deadline);
        switch (got.outcome) {
        case Received::Complete: break;
        case Received::TooSlow:
            return answerError(res, 408, fillText(VORTEL_EN("Server", "the request took longer than %1 s to arrive"),
                                                  seconds(config.requestTime)));
        case Received::TooLarge:
            return answerError(res, 413, VORTEL_EN("Server", "the request is larger than the server takes"));
        case Received::Broken:
            return answerError(res, res.status == 413 ? 413 : 400, VORTEL_EN("Server", "the request could not be read"));
        }
        RenderRequest request;
        try {
            request = parseRenderRequest(got.json, got.uploads, limits);
        } catch (const RequestError& e) {
            return answerError(res, e.status(), e.what());
        }
        cli::RenderedFile file;
        int status = 200;
        std::string failure;
        {
            const RenderSlots::Held held(slots, deadline);
            if (held.entry() != RenderSlots::Entry::Granted) return answerBusy(res);
            try {
                const SandboxScope sandbox(request.files);
                // Every request draws as a process of its own would, whatever this thread drew before.
                resetRenderMemory();
                std::ostringstream said;
                file = cli::renderToMemory(request.options, said);
                if (file.refused) status = 422, failure = *file.refused;
            } catch (const cli::UsageError& e) {
                status = 400, failure = e.what();
            } catch (const cli::WarpRefused& e) {
                status = 422, failure = e.what();
            } catch (const std::bad_alloc&) {
                status = 503, failure = VORTEL_EN("Server", "the server has not enough memory for this picture now");
            } catch (const ImageError& e) {
                status = 400, failure = e.what();  // an upload that is no picture, or too large a one
            } catch (const DocumentError& e) {
                status = 400, failure = e.what();
            } catch (const FileGateError& e) {
                status = 400, failure = e.what();
            } catch (const std::exception&) {
                status = 500, failure = VORTEL_EN("Server", "the server failed at this request");
            }
        }
        if (status != 200) return answerError(res, status, cli::shownMessage(failure));
        res.set_content(std::string(file.bytes.begin(), file.bytes.end()), contentType(request.format));
        res.set_header("Cache-Control", "no-store");
    });

    const int port = config.port == 0 ? server.bind_to_any_port(config.host) :
                     (server.bind_to_port(config.host, config.port) ? config.port : -1);
    if (port < 0) return false;
    if (listening != INVALID_SOCKET) ::listen(listening, SOMAXCONN);
    if (config.onListening) config.onListening(port, [&server] { server.stop(); });
    return server.listen_after_bind();
}

}  // namespace vortel::server
