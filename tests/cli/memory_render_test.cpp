// Renders kept in memory: the bytes the render verb writes for every format, and renders inside a
// file sandbox, which read their files from its table and never from the disk.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Errors.h"
#include "cli/Verbs.h"
#include "document/FileBytes.h"
#include "engine/FontFX.h"
#include "platform/FileGate.h"
#include "tests/cli/CliBinary.h"

namespace fs = std::filesystem;
using vortel::FileSandbox;
using vortel::SandboxScope;
using vortel::testing::Outcome;
using vortel::testing::slurp;
using Args = std::vector<std::string>;

namespace {

class MemoryRender : public vortel::testing::CliBinary {
protected:
    std::string file(const std::string& name) const { return (dir / name).string(); }

    std::vector<uint8_t> inMemory(Args args, const std::string& name) {
        args.insert(args.begin(), "render");
        args.insert(args.end(), {"-o", name});
        std::ostringstream said;
        vortel::resetRenderMemory();
        return vortel::cli::renderToMemory(vortel::cli::parseOptions(args), said).bytes;
    }
    std::string written(Args args, const std::string& name) {
        args.insert(args.begin(), "render");
        args.insert(args.end(), {"-o", file(name)});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return slurp(dir / name);
    }
};

std::string text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST_F(MemoryRender, GivesTheBytesTheRenderVerbWrites) {
    const Args effect = {"--size", "160x90", "--text", "Zwei\nZeilen", "--bevel-preset", "3", "--shadow-preset", "2",
                         "--guide-preset", "9"};
    struct Case {
        std::string name;
        Args extra;
    };
    const std::vector<Case> cases = {
        {"a.png", {}}, {"b.png", {"--png-effort", "fast"}}, {"c.png", {"--transparent"}}, {"d.bmp", {}},
        {"e.bmp", {"--quality", "draft"}}, {"f.jpg", {"--jpeg-quality", "65"}}, {"g.vtl", {}}, {"h.deform", {}},
        {"i.bevel", {}}, {"j.color", {}}, {"k.shadow", {}}, {"l.svg", {}}, {"m.pdf", {}},
        {"n.png", {"--random", "17", "--frame-preset", "4"}}, {"o.vtl", {"--texture", "1=:JPG_07", "--set",
                                                                         "TextFill={\"FillKind\":0}"}},
    };
    for (const auto& c : cases) {
        Args args = effect;
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const std::string expected = written(args, c.name);
        ASSERT_FALSE(expected.empty()) << c.name;
        EXPECT_TRUE(text(inMemory(args, c.name)) == expected) << c.name;
    }
    EXPECT_THROW(inMemory(effect, "x.emf"), vortel::cli::UsageError);
}

TEST_F(MemoryRender, ASandboxAnswersFromItsTableAndNeverFromTheDisk) {
    // A texture and a document on the disk, and the same bytes in the table under other names.
    const std::vector<uint8_t> picture = inMemory({"--size", "32x32", "--style", "7"}, "t.png");
    const std::vector<uint8_t> document = inMemory({"--size", "120x60", "--text", "Dok", "--bevel-preset", "2"}, "d.vtl");
    std::ofstream(dir / "texture.png", std::ios::binary).write(reinterpret_cast<const char*>(picture.data()),
                                                               std::streamsize(picture.size()));
    std::ofstream(dir / "start.vtl", std::ios::binary).write(reinterpret_cast<const char*>(document.data()),
                                                             std::streamsize(document.size()));
    const std::vector<uint8_t> jpeg = inMemory({"--size", "32x32", "--style", "9"}, "t.jpg");
    std::ofstream(dir / "texture.jpg", std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()),
                                                               std::streamsize(jpeg.size()));
    const Args naming = {"--set", "TextFill={\"FillKind\":0,\"TextureName\":\"" + file("texture.jpg") + "\"}",
                         "--size", "120x60"};
    FileSandbox sandbox;
    sandbox.files["upload/texture.png"] = picture;
    sandbox.files["upload/start.vtl"] = document;

    const Args textured = {"--set", "TextFill={\"FillKind\":0}", "--size", "120x60"};
    auto withTexture = [&](const std::string& name) {
        Args args = textured;
        args.insert(args.end(), {"--texture", "1=" + name, "--imprint", name});
        return args;
    };
    const auto fromDisk = inMemory(withTexture(file("texture.png")), "a.png");
    const auto fromDocumentOnDisk = inMemory({file("start.vtl")}, "b.png");
    {
        const SandboxScope scope(sandbox);
        EXPECT_EQ(inMemory(withTexture("upload/texture.png"), "a.png"), fromDisk);
        EXPECT_EQ(inMemory({"upload/start.vtl"}, "b.png"), fromDocumentOnDisk);
        // What is on the disk is not there for the sandbox, whatever the name.
        for (const Args& args : {withTexture(file("texture.png")), Args{file("start.vtl")}, Args{"/etc/passwd"},
                                 withTexture("/dev/zero")})
            EXPECT_ANY_THROW(inMemory(args, "c.png")) << args.back();
        EXPECT_THROW(vortel::readGatedBytes(file("texture.png"), 1 << 20), vortel::FileGateError);
        EXPECT_THROW(vortel::readGatedBytes("upload/texture.png", 10), vortel::FileGateError);
        EXPECT_THROW(vortel::writeFileAtomically(file("new.png"), picture), vortel::FileWriteError);
        // A texture name set in the state never brings a file of the disk into a document.
        EXPECT_EQ(text(inMemory(naming, "e.vtl")).find(text(jpeg)), std::string::npos);
    }
    EXPECT_NE(text(inMemory(naming, "e.vtl")).find(text(jpeg)), std::string::npos) << "outside a sandbox it is";
    EXPECT_FALSE(fs::exists(dir / "new.png"));
    EXPECT_EQ(vortel::currentSandbox(), nullptr);
    EXPECT_EQ(vortel::readGatedBytes(file("texture.png"), 1 << 20), picture);
}

}  // namespace
