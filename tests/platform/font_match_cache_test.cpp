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
    // Kept in memory only: answered at once, whatever the stamps, and nothing written.
    FontMatchCache memory("", true);
    memory.store("Arial|bold|roman|sans-serif", CachedFaceMatch{"A", "/a.ttf", 0, false}, {"/etc"});
    ASSERT_TRUE(memory.find("Arial|bold|roman|sans-serif"));
    EXPECT_EQ(memory.find("Arial|bold|roman|sans-serif")->file, "/a.ttf");
}

TEST(FontMatchCache, IgnoresAMalformedFileAndAnswersAfterwards) {
    const fs::path dir = fs::temp_directory_path() / ("vortel-font-cache-bad-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path fonts = dir / "fonts", file = dir / "matches";
    fs::create_directories(fonts);
    fs::last_write_time(fonts, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    const std::string key = "Arial|bold|roman|sans-serif";
    const std::string head = "vortel font matches 2\n";
    const std::string stamp = "stamp\t" + fonts.string() + "\t" + std::to_string(FontMatchCache::stamp(fonts.string())) + "\n";
    const std::string match = "match\t" + key + "\tDejaVu Sans\t/fonts/DejaVuSans-Bold.ttf\t";
    struct Case {
        const char* name;
        std::string text;
        bool read;  // the file is taken as it stands
    };
    const std::vector<Case> cases = {
        {"as written", head + stamp + match + "3\t1\n", true},
        {"wrong header", "vortel font matches 1\n" + stamp + match + "3\t1\n", false},
        {"no header", stamp + match + "3\t1\n", false},
        {"truncated line", head + stamp + match + "3\t", false},
        {"last newline missing", head + stamp + match + "3\t1", false},
        {"too many tabs", head + stamp + match + "3\t1\textra\n", false},
        {"too few tabs", head + stamp + "match\t" + key + "\tDejaVu Sans\t3\t1\n", false},
        {"huge index", head + stamp + match + "99999999999999999999\t1\n", false},
        {"negative index", head + stamp + match + "-1\t1\n", false},
        {"index with trailing text", head + stamp + match + "3x\t1\n", false},
        {"substitution flag not 0 or 1", head + stamp + match + "3\t2\n", false},
        {"huge stamp", head + "stamp\t" + fonts.string() + "\t99999999999999999999999\n" + match + "3\t1\n", false},
        {"negative stamp", head + "stamp\t" + fonts.string() + "\t-5\n" + match + "3\t1\n", false},
        {"empty font file", head + stamp + "match\t" + key + "\tDejaVu Sans\t\t3\t1\n", false},
        {"embedded NUL", head + stamp + match.substr(0, match.size() - 5) + std::string(1, '\0') + "evil.ttf\t3\t1\n", false},
        {"carriage returns", "vortel font matches 2\r\n" + stamp + match + "3\t1\r\n", false},
        {"very long line", head + stamp + "match\t" + key + "\t" + std::string(2 << 20, 'x') + "\t/f.ttf\t3\t1\n", false},
        {"stale stamp",
         head + "stamp\t" + fonts.string() + "\t" + std::to_string(FontMatchCache::stamp(fonts.string()) + 1) + "\n" + match +
             "3\t1\n",
         false},
        {"no stamp at all", head + match + "3\t1\n", false},
    };
    const CachedFaceMatch fresh{"Liberation Sans", "/fonts/LiberationSans-Bold.ttf", 0, true};
    for (const auto& c : cases) {
        {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(c.text.data(), std::streamsize(c.text.size()));
        }
        FontMatchCache cache(file.string());
        const auto found = cache.find(key);
        ASSERT_EQ(found.has_value(), c.read) << c.name;
        if (found) {
            EXPECT_EQ(found->file, "/fonts/DejaVuSans-Bold.ttf");
            EXPECT_EQ(found->index, 3);
            EXPECT_TRUE(found->substituted);
        }
        // The lookup's next answer replaces what was there and reads back as stored.
        cache.store(key, fresh, {fonts.string()});
        const auto again = FontMatchCache(file.string()).find(key);
        ASSERT_TRUE(again.has_value()) << c.name;
        EXPECT_EQ(again->family, fresh.family) << c.name;
        EXPECT_EQ(again->file, fresh.file) << c.name;
        EXPECT_EQ(again->index, 0) << c.name;
        EXPECT_TRUE(again->substituted) << c.name;
        EXPECT_LT(fs::file_size(file), 1000u) << c.name << ": one answer, written once";
    }
    fs::remove_all(dir);
}

}  // namespace
