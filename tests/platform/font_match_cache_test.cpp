// The font lookup's answers kept between runs: found again while nothing changed, dropped as soon as
// a watched font folder or configuration file changes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/FontMatchCache.h"

namespace fs = std::filesystem;
using vortel::CachedFaceMatch;
using vortel::FontMatchCache;

namespace {

TEST(FontMatchCache, AnswersUntilAWatchedPathChanges) {
    const fs::path dir = fs::temp_directory_path() / ("vortel-font-cache-" + std::to_string(::getpid()));
    struct Case {
        const char* name;
        std::function<void(const fs::path& fonts, const fs::path& conf, const fs::path& file)> change;
        bool stillFound;
    };
    const std::vector<Case> cases = {
        {"nothing changed", [](auto&, auto&, auto&) {}, true},
        {"a font installed", [](const fs::path& fonts, auto&, auto&) { std::ofstream(fonts / "new.ttf") << "x"; }, false},
        {"a font removed", [](const fs::path& fonts, auto&, auto&) { fs::remove(fonts / "old.ttf"); }, false},
        {"the configuration edited",
         [](auto&, const fs::path& conf, auto&) {
             fs::last_write_time(conf, fs::last_write_time(conf) + std::chrono::seconds(5));
         },
         false},
        {"the cache file garbled", [](auto&, auto&, const fs::path& file) { std::ofstream(file) << "match\tx\n"; }, false},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir);
        const fs::path fonts = dir / "fonts", conf = dir / "fonts.conf", file = dir / "cache" / "matches";
        fs::create_directories(fonts);
        std::ofstream(fonts / "old.ttf") << "x";
        std::ofstream(conf) << "<fontconfig/>";
        // Set in the past, as on a real system: a change made in the very same clock tick as the
        // stored time could not be told from it, so fresh stamps are never stored.
        const auto past = fs::file_time_type::clock::now() - std::chrono::minutes(5);
        fs::last_write_time(fonts, past);
        fs::last_write_time(conf, past);
        const CachedFaceMatch match{"Liberation Sans", (fonts / "old.ttf").string(), 0, true};
        {
            FontMatchCache first(file.string());
            EXPECT_FALSE(first.find("Arial|bold|roman|sans-serif")) << c.name;
            first.store("Arial|bold|roman|sans-serif", match, {fonts.string(), conf.string()});
        }
        c.change(fonts, conf, file);
        FontMatchCache next(file.string());
        const auto found = next.find("Arial|bold|roman|sans-serif");
        EXPECT_EQ(found.has_value(), c.stillFound) << c.name;
        if (found) {
            EXPECT_EQ(found->family, match.family);
            EXPECT_EQ(found->file, match.file);
            EXPECT_TRUE(found->substituted);
        }
        EXPECT_FALSE(next.find("Arial|regular|roman|sans-serif")) << c.name << ": another request";
    }
    fs::remove_all(dir);

    // Stamps from the last moments are not trusted, so nothing is kept.
    fs::create_directories(dir);
    FontMatchCache fresh((dir / "matches").string());
    fresh.store("Arial|bold|roman|sans-serif", CachedFaceMatch{"A", "/a.ttf", 0, false}, {dir.string()});
    EXPECT_FALSE(FontMatchCache((dir / "matches").string()).find("Arial|bold|roman|sans-serif"));
    fs::remove_all(dir);

    FontMatchCache none("");
    none.store("Arial|bold|roman|sans-serif", CachedFaceMatch{"A", "/a.ttf", 0, false}, {"/etc"});
    EXPECT_FALSE(none.find("Arial|bold|roman|sans-serif"));
}

}  // namespace
