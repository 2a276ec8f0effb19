#include "engine/UserMessages.h"

#include <cstring>

namespace vortel {

void raiseSystemError(const std::string& message, int osError) {
    if (osError != 0) throw VortelError(message + "\r" + std::strerror(osError));
    throw VortelError("ERROR: " + message);
}

}  // namespace vortel
