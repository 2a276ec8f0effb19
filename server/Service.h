#pragma once
// vortel-server: the render engine behind HTTP, for the page and for scripts. It keeps no state
// between requests (the thumbnails it draws are the same for every copy), so any number of copies
// run behind a load balancer.
#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "server/RenderRequest.h"

namespace vortel::server {

struct Config {
    std::string host = "127.0.0.1";
    int port = 8080;                                   // 0: any free port, told by onListening
    int workers = 0;                                   // renders at once; 0: one a core
    int queue = 0;                                     // renders waiting; 0: sixteen a worker
    int connections = 64;                              // connections served at once
    std::chrono::milliseconds requestTime{20000};      // to read a request's body, and to wait for a worker
    Limits limits;
    // Once the port is bound: the port, and what stops the service (from any thread).
    std::function<void(int port, std::function<void()> stop)> onListening;
};

// Serves until the process is stopped; returns false when the address cannot be bound. One line a
// request goes to `log`.
bool serve(const Config& config, std::ostream& log);

// The language of an Accept-Language header: German when its first language is German, else English.
bool prefersGerman(const std::string& acceptLanguage);

}  // namespace vortel::server
