// The stock-image library: its resource table and the five exports. The table is generated at
// build time (stock_table.cpp); the counts are read off it, so they always match what it holds.
#include "reslib/vortelres.h"

#include <cstring>

extern "C" const VortelResourceModule vortelStockTable;

namespace {

uint32_t countWithPrefix(const char* type, const char* prefix) {
    const size_t length = std::strlen(prefix);
    uint32_t count = 0;
    for (uint32_t i = 0; i < vortelStockTable.count; ++i) {
        const auto& entry = vortelStockTable.entries[i];
        if (std::strcmp(entry.type, type) == 0 && std::strncmp(entry.name, prefix, length) == 0) ++count;
    }
    return count;
}

}  // namespace

extern "C" {

const VortelResourceModule* GetDLLHandle() { return &vortelStockTable; }

int32_t GetMaxTextureFromDLL() { return int32_t(countWithPrefix("JPG", "JPG_")); }

uint32_t GetMaxImprintFromDLL() {
    const uint32_t xSeries = countWithPrefix("BITMAP", "IMPRINT_X");
    const uint32_t small = countWithPrefix("BITMAP", "IMPRINT_") - xSeries;
    return (xSeries << 16) | (small & 0xFFFF);
}

uint16_t GetDLLVersion() { return 100; }

int32_t GetDLLValue(int32_t) { return 0; }

}  // extern "C"
