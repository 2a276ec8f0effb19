#pragma once
// The five exports of the stock-image library. The handle is the library's resource table, which
// callers search with vortel::findResource (platform/Resources.h).
#include <cstdint>

#include "platform/Resources.h"

extern "C" {

const VortelResourceModule* GetDLLHandle();
int32_t GetMaxTextureFromDLL();
// Low 16 bits: the 8x8 imprint patterns; high 16 bits: the X series.
uint32_t GetMaxImprintFromDLL();
uint16_t GetDLLVersion();
int32_t GetDLLValue(int32_t value);

}  // extern "C"
