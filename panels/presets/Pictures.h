#pragma once
// The pictures behind list entries. An entry text says where its image lives:
//   ":JPG_07"      a JPEG texture of the stock-image library,
//   "*IMPRINT_07"  a bitmap of the stock-image library (also "*FARBVERL_03", "*IMPRINT_X02"),
//   anything else  a file path.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Resources.h"

namespace vortel::presets {

// How many stock textures, and the imprint counts packed as the library reports them (low 16 bits
// the 8x8 series, high 16 bits the X series), counted off the module's table.
int32_t StockTextureCount(ModuleHandle stock);
uint32_t StockImprintCount(ModuleHandle stock);

// The texture list of the "Standard" folder: ":JPG_01" up to the stock count.
std::vector<std::string> StockTextureEntries(ModuleHandle stock);
// The imprint list: the X series first, then the 8x8 series.
std::vector<std::string> StockImprintEntries(ModuleHandle stock);
// The assistant's simple list: the stock textures, then the 15 gradient previews.
std::vector<std::string> SimpleListEntries(ModuleHandle stock);

// The picture shown for a stock bitmap when the library is missing, and for a thumbnail that
// cannot be loaded: a red cross on white.
Bitmap ErrorBitmap(int32_t width = 16, int32_t height = 16);

struct PictureResult {
    bool ok = false;
    Bitmap picture;
    std::string error;  // why it failed, in the program's words
};

// Loads the picture an entry names. A star entry without a library gives the error picture and
// counts as loaded; every other failure returns ok = false with the reason. PNG files load like
// the other formats.
PictureResult LoadEntryPicture(ModuleHandle stock, const std::string& entry);

// The file name of an entry without its folder, as the status bar names a broken file.
std::string EntryFileName(const std::string& entry);

}  // namespace vortel::presets
