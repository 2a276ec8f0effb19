#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Options.h"

namespace vortel::cli {

// Each verb returns the process exit status and reports failure by throwing (see Errors.h).
int runInspect(const Options& options, std::ostream& out, std::ostream& err);
int runOutline(const Options& options, std::ostream& out, std::ostream& err);
int runRender(const Options& options, std::ostream& out, std::ostream& err);
int runResources(const Options& options, std::ostream& out, std::ostream& err);
int runGallery(const Options& options, std::ostream& out, std::ostream& err);
int runBatch(const Options& options, std::ostream& out, std::ostream& err);

// One render as the render verb does it, on the calling thread with an engine of its own; the
// batch's workers call it too. Returns 0, or 3 when the warp was refused (the background was
// written); throws like the verbs.
int renderOnce(const Options& options, std::ostream& err);

// The same render with the file's bytes kept in memory instead of written; the output name in the
// options only chooses the format. A refused warp is returned, not said on `err`.
struct RenderedFile {
    std::vector<uint8_t> bytes;
    std::optional<std::string> refused;
};
RenderedFile renderToMemory(const Options& options, std::ostream& err);

}  // namespace vortel::cli
