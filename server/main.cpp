// vortel-server [--listen HOST:PORT] [--workers N] [--max-side PIXELS] [--max-upload BYTES]
//               [--queue N] [--request-time SECONDS]
#include <malloc.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <pthread.h>
#include <string>
#include <thread>
#include <vector>

#include "cli/Language.h"
#include "platform/Texts.h"
#include "server/Service.h"

namespace {

int number(const std::string& option, const std::string& text, long first, long last) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < first || value > last)
        throw std::invalid_argument(vortel::fillText(VORTEL_EN("CommandLine", "%1: expected %2..%3, got '%4'"), option, first,
                                                     last, text));
    return int(value);
}

std::string usage() {
    return VORTEL_EN("Server",
                     "usage: vortel-server [--listen HOST:PORT] [--workers N] [--max-side PIXELS]\n"
                     "                     [--max-upload BYTES] [--queue N] [--request-time SECONDS]\n"
                     "  --listen HOST:PORT   where to answer (default 127.0.0.1:8080; port 0: any free one)\n"
                     "  --workers N          pictures rendered at once (default: one a core)\n"
                     "  --max-side PIXELS    the largest picture side asked for or uploaded (default 4096)\n"
                     "  --max-upload BYTES   the largest uploaded file (default 10485760)\n"
                     "  --queue N            renders that may wait for a worker (default: sixteen a worker);\n"
                     "                       beyond them the answer is 503 with Retry-After\n"
                     "  --request-time S     how long a request may take to arrive and to wait (default 20)\n");
}

}  // namespace

int main(int argc, char** argv) {
    vortel::cli::speak(vortel::cli::languageFromEnvironment());
    // Font lookups are remembered in the process; a service writes nothing to the disk.
    ::setenv("VORTEL_FONT_CACHE", ":memory:", 1);
    vortel::server::Config config;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg == "--help" || arg == "-h") {
                std::cout << usage();
                return 0;
            }
            if (i + 1 >= args.size())
                throw std::invalid_argument(arg.starts_with("--") ? vortel::fillText(VORTEL_EN("CommandLine", "%1 needs a value"), arg)
                                                                   : vortel::fillText(VORTEL_EN("Server", "unknown argument '%1'"), arg));
            const std::string& value = args[++i];
            if (arg == "--listen") {
                const size_t colon = value.rfind(':');
                if (colon == std::string::npos || colon == 0)
                    throw std::invalid_argument(vortel::fillText(VORTEL_EN("Server", "--listen: expected HOST:PORT, got '%1'"), value));
                config.host = value.substr(0, colon);
                config.port = number("--listen", value.substr(colon + 1), 0, 65535);
            } else if (arg == "--workers") {
                config.workers = number(arg, value, 1, 256);
            } else if (arg == "--max-side") {
                config.limits.maxSide = number(arg, value, 16, 10000);
            } else if (arg == "--max-upload") {
                config.limits.maxUpload = size_t(number(arg, value, 1024, 1 << 30));
            } else if (arg == "--queue") {
                config.queue = number(arg, value, 1, 100000);
            } else if (arg == "--request-time") {
                config.requestTime = std::chrono::seconds(number(arg, value, 1, 3600));
            } else {
                throw std::invalid_argument(vortel::fillText(VORTEL_EN("Server", "unknown argument '%1'"), arg));
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "vortel-server: " << e.what() << '\n';
        return 2;
    }

    // A render's buffers (about 10 MB for 640 x 480) come from the heap and go back to it, to be
    // taken again by the next render, instead of being mapped and cleared by the system for each:
    // a fifth more renders a second. An arena a worker: only the workers render, and more arenas
    // only kept more copies of those buffers (32 connections: 176 MiB at 16 arenas, 59 MiB at 2).
    const int workers = config.workers > 0 ? config.workers : int(std::max(1u, std::thread::hardware_concurrency()));
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    mallopt(M_ARENA_MAX, workers);

    // SIGTERM and SIGINT end the service after the requests being served (a container's stop).
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    config.onListening = [&](int port, std::function<void()> stop) {
        std::cerr << "vortel-server: " << vortel::fillText(VORTEL_EN("Server", "listening on http://%1:%2/"), config.host, port)
                  << std::endl;
        std::thread([stopSignals, stop] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            stop();
        }).detach();
    };
    if (!vortel::server::serve(config, std::cerr)) {
        std::cerr << "vortel-server: "
                  << vortel::fillText(VORTEL_EN("Server", "cannot listen on %1:%2"), config.host, config.port) << '\n';
        return 1;
    }
    return 0;
}
