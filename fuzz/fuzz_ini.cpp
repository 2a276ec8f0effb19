// The settings file reader: any bytes must read without a fault, the text written back must read
// to the same text again, and edits must leave a file that reads back with the edited values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vortel::IniFile ini = vortel::IniFile::parse(bytes);
    const std::string once = ini.text();
    if (vortel::IniFile::parse(once).text() != once) std::abort();

    for (const std::string& key : ini.readSection("Options")) (void)ini.readInteger("Options", key, 0);
    ini.writeInteger("Options", "Width", 640);
    ini.writeString("TextureDir", "/home/anna/bilder", "x");
    ini.eraseSection("Files");
    const vortel::IniFile back = vortel::IniFile::parse(ini.text());
    if (back.readInteger("Options", "Width", -1) != 640) std::abort();
    if (back.readString("TextureDir", "/home/anna/bilder", "") != "x") std::abort();
    if (!back.readSection("Files").empty()) std::abort();
    return 0;
}
