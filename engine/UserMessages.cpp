#include "engine/UserMessages.h"

#include <cstring>

#include "platform/FileGate.h"

namespace vortel {

void raiseSystemError(const std::string& message, int osError) {
    if (osError != 0) throw VortelError(message + "\r" + systemErrorText(osError));
    throw VortelError("ERROR: " + message);
}

}  // namespace vortel
