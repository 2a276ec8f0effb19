#pragma once
// What a render request asks for: the job of one JSON-lines batch job (without `output` and
// `inputs`) plus the output format, and the pictures and the document or style file uploaded with
// it. A request names no file of this machine: its files live in a sandbox of their own.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "platform/FileGate.h"

namespace vortel::server {

struct Limits {
    int32_t maxSide = 4096;              // of the picture asked for and of any picture uploaded
    size_t maxUpload = 10u << 20;        // bytes of one uploaded file
    size_t maxJson = 1u << 20;           // bytes of a job given as JSON
};

// A request that cannot be served: the HTTP status and the message for the client.
class RequestError : public std::runtime_error {
public:
    RequestError(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

// An uploaded file: the form field it came in and its bytes. The fields are "texture0" (the
// background), "texture1" (the text), "imprint" and "start" (a .vtl document or a style file the
// job starts from; its file name's extension tells which).
struct Upload {
    std::string field;
    std::string fileName;
    std::vector<uint8_t> bytes;
};

struct RenderRequest {
    cli::Options options;  // render options; the output name only chooses the format
    std::string format;    // png, jpg, bmp, svg, pdf, vtl, deform, bevel, color, shadow
    FileSandbox files;     // the uploads, under the names the options use
};

// The request of a JSON job and its uploads; throws RequestError (400 for a job that cannot be
// rendered as given, 413 for what is beyond the limits).
RenderRequest parseRenderRequest(const std::string& json, const std::vector<Upload>& uploads, const Limits& limits);

// The content type of a format's file.
std::string contentType(const std::string& format);

}  // namespace vortel::server
