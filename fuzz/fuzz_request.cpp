// Bodies of the service's render requests through its job reader: any bytes must be refused
// cleanly or give render options that name no file but the request's own uploads and the stock
// pictures. The first byte's low bit sends the bytes after the job as an upload (the next bits: a
// texture or a start file, named .png or .vtl); the second byte is the job's length in fours.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/Errors.h"
#include "server/RenderRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    std::string body(reinterpret_cast<const char*>(data + 2), size - 2);
    std::vector<vortel::server::Upload> uploads;
    if (data[0] & 1) {
        const size_t split = std::min(body.size(), size_t(data[1]) * 4);
        uploads.push_back({data[0] & 2 ? "texture1" : "start", data[0] & 4 ? "a.vtl" : "a.png",
                           std::vector<uint8_t>(body.begin() + std::ptrdiff_t(split), body.end())});
        body.resize(split);
    }
    vortel::server::Limits limits;
    limits.maxSide = 512;
    try {
        const auto request = vortel::server::parseRenderRequest(body, uploads, limits);
        const auto allowed = [&](const std::string& name) {
            return (name.size() > 1 && (name[0] == ':' || name[0] == '*')) || request.files.files.contains(name);
        };
        for (const auto& texture : request.options.textures)
            if (!allowed(texture.file)) std::abort();
        if (request.options.imprint && !allowed(*request.options.imprint)) std::abort();
        for (const auto& input : request.options.inputs)
            if (!request.files.files.contains(input)) std::abort();
        if (!request.options.output || request.options.width > limits.maxSide || request.options.height > limits.maxSide)
            std::abort();
    } catch (const vortel::server::RequestError& e) {
        if (e.status() < 400 || e.status() > 499) std::abort();
    }
    return 0;
}
