// Placeholder until the generator writes the real table at build time.
#include "platform/Resources.h"

extern "C" const VortelResourceModule vortelStockTable = {0, nullptr};
