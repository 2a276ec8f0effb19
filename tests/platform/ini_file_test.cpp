#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/IniFile.h"
#include "tests/common/ScratchDir.h"

namespace vortel {

TEST(IniFile, ReadsTheOldLayoutForgivingly) {
    const IniFile ini = IniFile::parse(
        "\xEF\xBB\xBFstray=1\r\n"
        "[Options]\r\n"
        "; a comment\r\n"
        "  Width = 640 \r\n"
        "width=999\r\n"
        "Demo=1\n"
        "Smooth=abc\n"
        "Big=99999999999\n"
        "=novalue\n"
        "[TextureDir]\n"
        "/home/anna/bilder=x\n"
        "C:\\Texturen\\Holz=x\n"
        "[broken\n"
        "Profi=-3");
    const struct {
        const char* section;
        const char* key;
        int32_t fallback, expected;
    } numbers[] = {
        {"Options", "Width", 1, 640},   {"OPTIONS", "WIDTH", 1, 640},  // names without regard to case; first wins
        {"Options", "Smooth", 2, 2},    {"Options", "Big", 7, 7},      // not a number, too big: the fallback
        {"Options", "Missing", 5, 5},   {"Nowhere", "Width", 3, 3},    // absent
        {"", "stray", 0, 1},            {"TextureDir", "Profi", 0, -3},  // "[broken" is no header
    };
    for (const auto& n : numbers) EXPECT_EQ(ini.readInteger(n.section, n.key, n.fallback), n.expected) << n.key;
    EXPECT_TRUE(ini.readBool("Options", "Demo", false));
    EXPECT_TRUE(ini.readBool("Options", "Smooth", true));  // not a number: the fallback
    EXPECT_EQ(ini.readSection("TextureDir"),
              (std::vector<std::string>{"/home/anna/bilder", "C:\\Texturen\\Holz", "Profi"}));
    EXPECT_EQ(ini.readSection("options"), (std::vector<std::string>{"Width", "Demo", "Smooth", "Big"}));
    EXPECT_TRUE(ini.hasSection("options"));
    EXPECT_EQ(ini.readString("Options", "Nothing", "-"), "-");
}

TEST(IniFile, WritingKeepsEverythingElseInPlace) {
    IniFile ini = IniFile::parse("; settings\n[Options]\nWidth=640\n\n[Files]\nCount=1\n1=/a.vtl\n");
    ini.writeInteger("options", "WIDTH", 800);            // replaces, keeps the key's own spelling
    ini.writeBool("Options", "Profi", true);               // added after the section's last entry
    ini.writeString("Files", "2", "/b\r\n.vtl");          // one line, whatever it holds
    ini.writeString("Program", "Ver", "0.93");             // a new section at the end
    ini.writeString("Options", "bad=key", "1");            // a key with '=' cannot be read back: ignored
    EXPECT_EQ(ini.text(),
              "; settings\r\n[Options]\r\nWidth=800\r\nProfi=1\r\n\r\n[Files]\r\nCount=1\r\n1=/a.vtl\r\n2=/b  .vtl\r\n"
              "[Program]\r\nVer=0.93\r\n");
    ini.eraseSection("files");
    ini.eraseKey("Options", "Profi");
    EXPECT_EQ(ini.text(), "; settings\r\n[Options]\r\nWidth=800\r\n\r\n[Program]\r\nVer=0.93\r\n");
    EXPECT_EQ(IniFile::parse(ini.text()).text(), ini.text());
}

TEST(IniFile, FilesThatCannotBeReadOrWrittenGiveDefaults) {
    testing::ScratchDir dir;
    const IniFile missing(dir.file("none.ini"));
    EXPECT_EQ(missing.readInteger("Options", "Width", 640), 640);

    {
        std::ofstream garbage(dir.file("garbage.ini"), std::ios::binary);
        for (int i = 0; i < 4096; ++i) garbage.put(char(i * 131 % 256));
    }
    const IniFile damaged(dir.file("garbage.ini"));
    EXPECT_EQ(damaged.readInteger("Options", "Width", 640), 640);

    IniFile saved(dir.file("vortel.ini"));
    saved.writeInteger("Options", "WriteTest", 0);
    ASSERT_TRUE(saved.save());
    EXPECT_EQ(IniFile(dir.file("vortel.ini")).readInteger("Options", "WriteTest", 7), 0);
    EXPECT_EQ(dir.entries().size(), 2u);  // garbage.ini and vortel.ini: no temporary file left behind

    IniFile nowhere((dir.path() / "no-such-folder" / "vortel.ini").string());
    nowhere.writeInteger("Options", "WriteTest", 0);
    EXPECT_FALSE(nowhere.save());
}

}  // namespace vortel
