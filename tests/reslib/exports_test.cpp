// The five exports and the lookup the program does through the library's handle.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <regex>
#include <set>
#include <string>

#include "document/StockResources.h"
#include "platform/Resources.h"
#include "reslib/generator/ResourceSet.h"
#include "reslib/vortelres.h"

namespace {

using vortel::findResource;
using vortel::resgen::indexedName;

size_t countOfType(const std::string& type) {
    const auto* module = GetDLLHandle();
    size_t n = 0;
    for (uint32_t i = 0; i < module->count; ++i) n += type == module->entries[i].type;
    return n;
}

TEST(Exports, ReportTheCountsTheLibraryHolds) {
    EXPECT_EQ(GetMaxTextureFromDLL(), 54);
    EXPECT_EQ(size_t(GetMaxTextureFromDLL()), countOfType("JPG"));
    const uint32_t imprints = GetMaxImprintFromDLL();
    EXPECT_EQ(imprints & 0xFFFF, 48u);  // a caller reading only the low half sees the 8x8 series
    EXPECT_EQ(imprints >> 16, 15u);
    EXPECT_EQ(GetDLLVersion(), 100);
    for (const int32_t value : {0, 1, -1, INT32_MAX, INT32_MIN}) EXPECT_EQ(GetDLLValue(value), 0);
    EXPECT_EQ(GetDLLHandle(), vortel::stockModule());
}

// The program builds names from the counts (":JPG_%.2d", "*IMPRINT_X%.2d", ...): every such name
// must resolve, and the next number must not.
TEST(Exports, EveryNameTheProgramFormsResolves) {
    const auto* module = GetDLLHandle();
    const uint32_t imprints = GetMaxImprintFromDLL();
    struct Series {
        const char* type;
        const char* prefix;
        int count;
    };
    const Series series[] = {{"JPG", "JPG_", GetMaxTextureFromDLL()},
                             {"BITMAP", "IMPRINT_", int(imprints & 0xFFFF)},
                             {"BITMAP", "IMPRINT_X", int(imprints >> 16)},
                             {"BITMAP", "FARBVERL_", 15}};
    for (const auto& s : series) {
        for (int i = 1; i <= s.count; ++i)
            EXPECT_TRUE(findResource(module, s.type, indexedName(s.prefix, i))) << s.prefix << i;
        EXPECT_FALSE(findResource(module, s.type, indexedName(s.prefix, s.count + 1))) << s.prefix << s.count + 1;
    }
    for (const char* name : {"COLORMAP", "VORTEL"}) EXPECT_TRUE(findResource(module, "BITMAP", name)) << name;
    EXPECT_TRUE(findResource(module, "ICON", "FLAMME"));
}

TEST(Exports, EveryEntryIsNamedOnceInTheProgramsFormat) {
    const auto* module = GetDLLHandle();
    // The pictures the program shows at a size of their own also come at twice the size.
    const std::regex format("JPG_\\d\\d|IMPRINT_X?\\d\\d|FLAMME|(FARBVERL_\\d\\d|COLORMAP|VORTEL|STYLE_0\\d\\d|"
                            "(DEFORM|BEVEL|SHADOW|FRAME|OUT)_\\d\\d)(_2X)?");
    std::set<std::string> seen;
    for (uint32_t i = 0; i < module->count; ++i) {
        const auto& entry = module->entries[i];
        EXPECT_TRUE(std::regex_match(entry.name, format)) << entry.name;
        EXPECT_GT(entry.size, 0u) << entry.name;
        std::string key = std::string(entry.type) + " " + entry.name;
        for (char& c : key) c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(key).second) << "twice: " << key;
    }
}

TEST(Lookup, MatchesNamesAndTypesWithoutRegardToCase) {
    const auto exact = findResource(GetDLLHandle(), "JPG", "JPG_05");
    const auto lower = findResource(GetDLLHandle(), "jpg", "jpg_05");
    ASSERT_TRUE(exact && lower);
    EXPECT_EQ(exact->data(), lower->data());
    EXPECT_TRUE(findResource(GetDLLHandle(), "Bitmap", "Imprint_x03"));
}

TEST(Lookup, FindsNothingForNamesTheLibraryDoesNotHold) {
    const auto* module = GetDLLHandle();
    EXPECT_FALSE(findResource(module, "JPG", "JPG_55"));        // a document naming a texture beyond the count
    EXPECT_FALSE(findResource(module, "BITMAP", "STYLE_001"));  // style previews never start at 1
    EXPECT_FALSE(findResource(module, "JPG", "JPG_5"));
    EXPECT_FALSE(findResource(module, "BITMAP", "JPG_01"));  // right name, wrong type
    EXPECT_FALSE(findResource(module, "JPG", ""));
    EXPECT_FALSE(findResource(nullptr, "JPG", "JPG_01"));
}

TEST(Lookup, ListEntriesLoseTheirPrefix) {
    const auto texture = vortel::stockResource("JPG", ":JPG_07");
    const auto imprint = vortel::stockResource("BITMAP", "*IMPRINT_12");
    ASSERT_TRUE(texture && imprint);
    EXPECT_EQ(texture->data(), findResource(GetDLLHandle(), "JPG", "JPG_07")->data());
    EXPECT_EQ(imprint->data(), findResource(GetDLLHandle(), "BITMAP", "IMPRINT_12")->data());
    EXPECT_FALSE(vortel::stockResource("JPG", ":JPG_55"));
}

}  // namespace
