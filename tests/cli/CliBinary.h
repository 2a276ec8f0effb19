#pragma once
// Runs the built program the way a user or a script does, in a private scratch directory, in English
// (LANGUAGE=en, whatever the machine's locale) unless `language` says otherwise.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vortel::testing {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

inline std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliBinary : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vortel-cli-test-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(const std::vector<std::string>& args) {
        std::string cmd = "LANGUAGE=" + testing::quoted(language) + " " + quoted(std::string(VORTEL_BIN_DIR) + "/vortel-cli");
        for (const auto& a : args) cmd += " " + quoted(a);
        cmd += " >" + quoted(dir / "stdout") + " 2>" + quoted(dir / "stderr");
        const int raw = std::system(cmd.c_str());
        Outcome r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(dir / "stdout");
        r.err = slurp(dir / "stderr");
        return r;
    }

    // A failure is one "vortel-cli: ..." line on stderr, nothing on stdout.
    void expectFailure(const std::vector<std::string>& args, int status) {
        const Outcome r = run(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.status, status) << joined << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << joined;
        EXPECT_TRUE(r.err.starts_with("vortel-cli: ")) << joined << "\n" << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << joined << "\n" << r.err;
        EXPECT_EQ(r.err.back(), '\n') << joined;
    }

    fs::path dir;
    std::string language = "en";
};

}  // namespace vortel::testing
