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

}  // namespace vortel::cli
