#pragma once
#include <ostream>

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

}  // namespace vortel::cli
