// `vortel-cli resources` run as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "document/ImageFile.h"
#include "tests/cli/CliBinary.h"

namespace {

using vortel::testing::CliBinary;
using vortel::testing::Outcome;

int linesMatching(const std::string& text, const std::regex& pattern) {
    std::istringstream lines(text);
    int n = 0;
    for (std::string line; std::getline(lines, line);) n += std::regex_search(line, pattern);
    return n;
}

TEST_F(CliBinary, ResourcesListsEveryStockImageAndTheCounts) {
    const Outcome r = run({"resources"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(linesMatching(r.out, std::regex("^JPG +JPG_\\d\\d +jpeg \\d+x\\d+ +\\d+ bytes$")), 54);
    EXPECT_EQ(linesMatching(r.out, std::regex("jpeg 128x128 ")), 17);
    EXPECT_EQ(linesMatching(r.out, std::regex("^BITMAP +IMPRINT_\\d\\d +bmp 1-bit 8x8 ")), 48);
    EXPECT_EQ(linesMatching(r.out, std::regex("^BITMAP +IMPRINT_X\\d\\d +bmp 1-bit ")), 15);
    EXPECT_EQ(linesMatching(r.out, std::regex("^BITMAP +FARBVERL_\\d\\d +bmp 24-bit 45x36 ")), 15);
    EXPECT_EQ(linesMatching(r.out, std::regex("^BITMAP +COLORMAP +bmp 24-bit 100x45 ")), 1);
    EXPECT_EQ(linesMatching(r.out, std::regex("^BITMAP +VORTEL +bmp 8-bit 217x65 ")), 1);
    EXPECT_EQ(linesMatching(r.out, std::regex("^ICON +FLAMME +ico 32-bit 32x32 ")), 1);
    EXPECT_EQ(linesMatching(r.out, std::regex("unreadable")), 0);
    EXPECT_NE(r.out.find("\ntextures: 54 "), std::string::npos);
    EXPECT_NE(r.out.find("\nimprints: 48 8x8, 15 X series "), std::string::npos);
    EXPECT_NE(r.out.find("\nversion:  100 "), std::string::npos);
}

// The sheet holds every texture tiled 2 x 2, so it is at least as large as those tiles together.
TEST_F(CliBinary, ResourcesSheetHoldsEveryTextureTwiceEachWay) {
    const std::string sheet = (dir / "sheet.png").string();
    const Outcome r = run({"resources", "--sheet", sheet});
    ASSERT_EQ(r.status, 0) << r.err;
    const vortel::Bitmap picture = vortel::loadImage(sheet);
    const Outcome list = run({"resources"});
    const std::regex size("jpeg (\\d+)x(\\d+)");
    int64_t area = 0;
    for (auto it = std::sregex_iterator(list.out.begin(), list.out.end(), size); it != std::sregex_iterator(); ++it) {
        area += 4 * std::stoll((*it)[1]) * std::stoll((*it)[2]);
    }
    EXPECT_GT(area, 0);
    EXPECT_GE(int64_t(picture.width) * picture.height, area);
    EXPECT_GE(picture.width, 2 * 256);
}

TEST_F(CliBinary, ResourcesRefusesOptionsItCannotHonour) {
    expectFailure({"resources", "--sheet", (dir / "sheet.gif").string()}, 2);
    expectFailure({"resources", "-o", (dir / "list.txt").string()}, 2);
    expectFailure({"resources", "--sheet", (dir / "no-such-dir" / "sheet.png").string()}, 1);
}

}  // namespace
