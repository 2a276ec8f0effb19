#pragma once
#include <stdexcept>

namespace vortel::cli {

// The command line cannot be acted on as given; the process exits with status 2.
class UsageError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A key or value for the engine state was rejected before anything was changed. It is the
// caller's mistake like any other usage error.
class SettingError : public UsageError {
public:
    using UsageError::UsageError;
};

// The engine declined to warp the outline, so there is no result to show; exit status 3.
class WarpRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vortel::cli
