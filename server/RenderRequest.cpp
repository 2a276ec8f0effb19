#include "server/RenderRequest.h"

#include <algorithm>
#include <map>

#include "cli/BatchJobs.h"
#include "cli/Errors.h"
#include "cli/Files.h"
#include "cli/JsonConvert.h"
#include "cli/Language.h"
#include "document/Document.h"
#include "document/ImageError.h"
#include "document/ImageFile.h"
#include "platform/Texts.h"

namespace vortel::server {
namespace {

struct Format {
    const char* extension;
    const char* type;
};
const std::map<std::string, Format>& formats() {
    static const std::map<std::string, Format> table = {
        {"png", {".png", "image/png"}},
        {"jpg", {".jpg", "image/jpeg"}},
        {"bmp", {".bmp", "image/bmp"}},
        {"svg", {".svg", "image/svg+xml"}},
        {"pdf", {".pdf", "application/pdf"}},
        {"vtl", {".vtl", "application/x-vortel"}},
        {"deform", {".deform", "application/octet-stream"}},
        {"bevel", {".bevel", "application/octet-stream"}},
        {"color", {".color", "application/octet-stream"}},
        {"shadow", {".shadow", "application/octet-stream"}},
    };
    return table;
}

bool isStockName(const std::string& name) { return name.size() > 1 && (name[0] == ':' || name[0] == '*'); }

// The name an upload has in the sandbox: its field and the extension its file name gives, so the
// readers take it for what it says it is (a picture's own bytes decide its format anyway).
std::string sandboxName(const Upload& upload) {
    static const char* const pictures[] = {".bmp", ".dib", ".rle", ".png", ".jpg", ".jpeg", ".jif", ".gif", ".tga", ".pcx"};
    std::string extension = cli::lowerExtension(upload.fileName);
    if (upload.field == "start") {
        if (extension != ".vtl" && !styleKindForPath(extension))
            throw RequestError(400, VORTEL_EN("Server", "the start file is a .vtl document or a style file (.deform, "
                                                        ".bevel, .color, .shadow)"));
    } else if (std::find(std::begin(pictures), std::end(pictures), extension) == std::end(pictures)) {
        extension = ".png";  // the decoder looks at the bytes
    }
    return "upload/" + upload.field + extension;
}

}  // namespace

std::string contentType(const std::string& format) {
    const auto found = formats().find(format);
    return found == formats().end() ? "application/octet-stream" : found->second.type;
}

RenderRequest parseRenderRequest(const std::string& text, const std::vector<Upload>& uploads, const Limits& limits) {
    if (text.size() > limits.maxJson)
        throw RequestError(413, fillText(VORTEL_EN("Server", "the job is larger than %1 bytes"), limits.maxJson));
    cli::Json job;
    try {
        job = cli::parseBoundedJson(text);
    } catch (const cli::Json::exception& e) {
        throw RequestError(400, fillText(VORTEL_EN("Server", "the job is not JSON: %1"), e.what()));
    } catch (const cli::UsageError& e) {  // nested deeper than a job ever is
        throw RequestError(400, e.what());
    }
    if (!job.is_object()) throw RequestError(400, VORTEL_EN("Server", "the job is a JSON object"));

    RenderRequest request;
    request.format = "png";
    if (const auto format = job.find("format"); format != job.end()) {
        if (!format->is_string() || !formats().contains(format->get<std::string>()))
            throw RequestError(400, VORTEL_EN("Server", "'format' is one of png, jpg, bmp, svg, pdf, vtl, deform, bevel, "
                                                        "color, shadow"));
        request.format = format->get<std::string>();
        job.erase(format);
    }
    if (job.contains("output"))
        throw RequestError(400, VORTEL_EN("Server", "'output' is not taken here: the answer is the file"));
    if (job.contains("inputs"))
        throw RequestError(400, VORTEL_EN("Server", "'inputs' is not taken here: upload the document or style file as "
                                                    "'start'"));

    request.files.maxPictureSide = limits.maxSide;
    for (const Upload& upload : uploads) {
        if (upload.bytes.size() > limits.maxUpload)
            throw RequestError(413, fillText(VORTEL_EN("Server", "the upload '%1' is larger than %2 bytes"), upload.field,
                                             limits.maxUpload));
        const bool texture = upload.field == "texture0" || upload.field == "texture1";
        if (!texture && upload.field != "imprint" && upload.field != "start")
            throw RequestError(400, fillText(VORTEL_EN("Server", "unknown upload '%1'; uploads are texture0, texture1, "
                                                                 "imprint and start"),
                                             upload.field));
        const std::string name = sandboxName(upload);
        if (request.files.files.contains(name))
            throw RequestError(400, fillText(VORTEL_EN("Server", "the upload '%1' came twice"), upload.field));
        if (upload.field != "start") {
            // A picture is read before any work is queued for it, within the service's bounds.
            try {
                const SandboxScope bounds(request.files);
                decodeImage(upload.bytes);
            } catch (const ImageError& e) {
                throw RequestError(400, fillText(VORTEL_EN("Server", "the upload '%1' is no picture that can be read: %2"),
                                                 upload.field, e.what()));
            }
        }
        request.files.files[name] = upload.bytes;
        // An uploaded picture takes the place of what the job names for it.
        if (texture) {
            if (!job.contains("textures") || !job["textures"].is_object()) job["textures"] = cli::Json::object();
            job["textures"][upload.field.substr(7)] = name;
        } else if (upload.field == "imprint") {
            job["imprint"] = name;
        } else {
            job["inputs"] = cli::Json::array({name});
        }
    }

    const std::vector<cli::BatchJob> jobs = cli::readBatchJobs(job.dump());
    if (jobs.size() != 1) throw RequestError(400, VORTEL_EN("Server", "the job is a JSON object"));
    if (!jobs.front().error.empty()) throw RequestError(400, cli::shownMessage(jobs.front().error));
    std::vector<std::string> args{"render"};
    args.insert(args.end(), jobs.front().args.begin(), jobs.front().args.end());
    args.insert(args.end(), {"-o", std::string("picture") + formats().at(request.format).extension});
    try {
        request.options = cli::parseOptions(args);
    } catch (const cli::UsageError& e) {
        throw RequestError(400, e.what());
    }
    const cli::Options& options = request.options;
    if (options.help) throw RequestError(400, VORTEL_EN("CommandLine", "--help is not a job"));
    if (options.sizeGiven && (options.width > limits.maxSide || options.height > limits.maxSide))
        throw RequestError(413, fillText(VORTEL_EN("Server", "a picture of %1x%2 is larger than %3 on a side"),
                                         options.width, options.height, limits.maxSide));
    // Pictures come from the stock library or with the request; never from this machine's files.
    std::vector<std::string> pictures;
    for (const auto& texture : options.textures) pictures.push_back(texture.file);
    if (options.imprint) pictures.push_back(*options.imprint);
    for (const auto& name : pictures)
        if (!isStockName(name) && !request.files.files.contains(name))
            throw RequestError(400, fillText(VORTEL_EN("Server", "textures and the imprint are stock pictures (:JPG_07, "
                                                                 "*IMPRINT_07) or uploads, not '%1'"),
                                             name));
    return request;
}

}  // namespace vortel::server
