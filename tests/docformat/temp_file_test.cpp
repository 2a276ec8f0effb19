#include <gtest/gtest.h>

#include <filesystem>

#include "platform/TempFile.h"

using vortel::MakeTempFileName;
using vortel::TempFile;

TEST(TempFiles, TemplateGivesPrefixAndExtensionAndEveryFileIsNew) {
    const std::string a = MakeTempFileName("Textur.jpg");
    const std::string b = MakeTempFileName("Textur.jpg");
    EXPECT_NE(a, b);
    for (const auto& p : {a, b}) {
        const auto name = std::filesystem::path(p).filename().string();
        EXPECT_EQ(name.rfind("Textur", 0), 0u) << name;
        EXPECT_EQ(std::filesystem::path(p).extension(), ".jpg");
        EXPECT_TRUE(std::filesystem::exists(p));
        std::filesystem::remove(p);
    }
    const std::string c = MakeTempFileName("a.b.bmp");
    EXPECT_EQ(std::filesystem::path(c).extension(), ".bmp");
    EXPECT_EQ(std::filesystem::path(c).filename().string().rfind("a", 0), 0u);
    std::filesystem::remove(c);

    std::string kept;
    {
        TempFile file("preview.jpg");
        kept = file.path();
        EXPECT_TRUE(std::filesystem::exists(kept));
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}
