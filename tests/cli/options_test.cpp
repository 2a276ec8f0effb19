#include <gtest/gtest.h>

#include "cli/Errors.h"
#include "cli/Options.h"

using vortel::cli::Options;
using vortel::cli::parseOptions;
using vortel::cli::toEngineLineBreaks;
using vortel::cli::UsageError;

TEST(ParseOptions, ReadsEveryOptionAndKeepsSettingsInOrder) {
    const Options o = parseOptions({"outline", "--text", "Hi", "--set", "A=1", "--size", "120x60", "--set", "B=2",
                                    "-o", "out.svg", "--json"});
    EXPECT_EQ(o.verb, "outline");
    EXPECT_EQ(o.text, "Hi");
    EXPECT_EQ(o.width, 120);
    EXPECT_EQ(o.height, 60);
    EXPECT_EQ(o.settings, (std::vector<std::string>{"A=1", "B=2"}));
    EXPECT_EQ(o.output, "out.svg");
    EXPECT_TRUE(o.json);
}

TEST(ParseOptions, ReadsTheRenderOptions) {
    const Options o = parseOptions({"render", "--quality", "normal", "--texture", "1=a b.png", "--imprint", "i.bmp",
                                    "--texture", "0==odd.bmp", "--quality", "draft"});
    EXPECT_EQ(o.quality, vortel::cli::Quality::Draft);
    ASSERT_EQ(o.textures.size(), 2u);
    EXPECT_EQ(o.textures[0].surface, 1);
    EXPECT_EQ(o.textures[0].file, "a b.png");
    EXPECT_EQ(o.textures[1].surface, 0);
    EXPECT_EQ(o.textures[1].file, "=odd.bmp");
    EXPECT_EQ(o.imprint, "i.bmp");
    EXPECT_FALSE(parseOptions({"render"}).quality);
    EXPECT_FALSE(parseOptions({"render"}).fastPng);
    EXPECT_TRUE(parseOptions({"render", "--png-effort", "small", "--png-effort", "fast"}).fastPng);
}

TEST(ParseOptions, RejectsBadRenderOptions) {
    for (const std::string quality : {"", "Draft", "best"}) {
        EXPECT_THROW(parseOptions({"render", "--quality", quality}), UsageError) << quality;
    }
    for (const std::string texture : {"", "1", "1=", "2=x.png", "x.png", "10=x.png"}) {
        EXPECT_THROW(parseOptions({"render", "--texture", texture}), UsageError) << texture;
    }
    EXPECT_THROW(parseOptions({"render", "--imprint"}), UsageError);
    for (const std::string effort : {"", "Fast", "best"}) {
        EXPECT_THROW(parseOptions({"render", "--png-effort", effort}), UsageError) << effort;
    }
}

TEST(ParseOptions, ReadsAShardOfAJobList) {
    const Options o = parseOptions({"batch", "jobs.csv", "--shard", "3/8", "--failed", "again.csv"});
    ASSERT_TRUE(o.shard);
    EXPECT_EQ(o.shard->index, 3);
    EXPECT_EQ(o.shard->count, 8);
    EXPECT_EQ(o.failedList, "again.csv");
    EXPECT_EQ(parseOptions({"batch", "--shard", "1/1"}).shard->count, 1);
    for (const char* shard : {"0/4", "5/4", "4", "/4", "1/", "1/0", "-1/4", "a/b", "1/4x", " 1/4", "2/3/4", ""})
        EXPECT_THROW(parseOptions({"batch", "--shard", shard}), UsageError) << shard;
}

TEST(ParseOptions, DefaultsToTheStandardImage) {
    const Options o = parseOptions({"inspect"});
    EXPECT_EQ(o.width, 450);
    EXPECT_EQ(o.height, 200);
    EXPECT_FALSE(o.text);
    EXPECT_FALSE(o.output);
}

TEST(ParseOptions, HelpNeedsNoVerb) {
    EXPECT_TRUE(parseOptions({"--help"}).help);
    EXPECT_TRUE(parseOptions({"outline", "-h"}).help);
}

TEST(ParseOptions, ArgumentsAfterTheVerbAreInputsInOrder) {
    const auto o = parseOptions({"render", "a.vtl", "-o", "x.png", "b.bevel", "--jpeg-quality", "0"});
    EXPECT_EQ(o.inputs, (std::vector<std::string>{"a.vtl", "b.bevel"}));
    EXPECT_EQ(o.jpegQuality, 0);
    EXPECT_FALSE(o.sizeGiven);
    EXPECT_TRUE(parseOptions({"render", "--size", "10x10"}).sizeGiven);
}

TEST(ParseOptions, RejectsMalformedCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"inspect", "--text"},
        {"inspect", "--bogus"},
        {"inspect", "--size", "0x10"},
        {"inspect", "--size", "10001x10"},
        {"inspect", "--size", "10x"},
        {"inspect", "--size", "x10"},
        {"inspect", "--size", "10x10x10"},
        {"inspect", "--size", "-5x10"},
        {"inspect", "--size", "99999999999x10"},
        {"inspect", "--size", "10X10"},
        {"render", "--jpeg-quality", "-1"},
        {"render", "--jpeg-quality", "80%"},
    };
    for (const auto& args : bad) {
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_THROW(parseOptions(args), UsageError) << joined;
    }
}

TEST(ParseOptions, AcceptsTheLargestImage) {
    const Options o = parseOptions({"inspect", "--size", "10000x1"});
    EXPECT_EQ(o.width, vortel::cli::MaxImageSide);
    EXPECT_EQ(o.height, 1);
}

TEST(EngineLineBreaks, NewlinesBecomeCrLfOnce) {
    EXPECT_EQ(toEngineLineBreaks("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(toEngineLineBreaks("\na"), "\r\na");
    EXPECT_EQ(toEngineLineBreaks("a\r\nb"), "a\r\nb");
    EXPECT_EQ(toEngineLineBreaks("a\rb"), "a\rb");
}

TEST(ParseOptions, ReadsThePresetsAndTheirRanges) {
    const Options o = parseOptions({"render", "--style", "45", "--guide-preset", "29", "--bevel-preset", "0",
                                    "--outline-preset", "12", "--shadow-preset", "11", "--frame-preset", "17",
                                    "--gradient-preset", "15", "--random", "42", "-o", "x.png"});
    EXPECT_EQ(o.style, 45);
    EXPECT_EQ(o.guidePreset, 29);
    EXPECT_EQ(o.bevelPreset, 0);
    EXPECT_EQ(o.outlinePreset, 12);
    EXPECT_EQ(o.shadowPreset, 11);
    EXPECT_EQ(o.framePreset, 17);
    EXPECT_EQ(o.gradientPreset, 15);
    EXPECT_TRUE(o.random);
    EXPECT_EQ(o.randomSeed, 42u);
    // Without a number after it, --random draws a fresh seed and the next word is read as usual.
    const Options fresh = parseOptions({"render", "--random", "in.vtl", "-o", "x.png"});
    EXPECT_TRUE(fresh.random);
    EXPECT_FALSE(fresh.randomSeed);
    EXPECT_EQ(fresh.inputs, std::vector<std::string>{"in.vtl"});
    const std::vector<std::vector<std::string>> bad = {
        {"--style", "46"}, {"--style", "-1"}, {"--guide-preset", "30"}, {"--bevel-preset", "18"},
        {"--outline-preset", "13"}, {"--shadow-preset", "12"}, {"--frame-preset", "18"}, {"--gradient-preset", "0"},
        {"--gradient-preset", "16"}, {"--style", "x"}, {"--style"},
    };
    for (const auto& args : bad) {
        std::vector<std::string> all{"render"};
        all.insert(all.end(), args.begin(), args.end());
        EXPECT_THROW(parseOptions(all), UsageError) << args[0] << ' ' << (args.size() > 1 ? args[1] : "");
    }
}
