#include "tests/docformat/DocumentTesting.h"

#include <fstream>
#include <iterator>
#include <stdexcept>


namespace vortel::testing {

Bitmap gradientPicture(int32_t width, int32_t height) {
    Bitmap b{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = &b.bgr[(size_t(y) * size_t(width) + size_t(x)) * 3];
            p[0] = uint8_t(x * 255 / std::max(width - 1, 1));
            p[1] = uint8_t(y * 255 / std::max(height - 1, 1));
            p[2] = uint8_t((x / 16 + y / 16) % 2 ? 200 : 40);
        }
    }
    return b;
}

void setEverything(TFontFX& e) {
    e.Text = "Grüße\r\nzweite Zeile";
    e.Print = {10, 20, 150, 100, PrintKeepAspect | PrintCentre, {0, 0}};
    e.HochTiefAmount = 7;
    e.HochTiefSeed = 1234;
    e.KippAmount = 12;
    e.KippSeed = -99;
    e.CharSpacing = 3;
    e.LineSpacing = -4;
    e.TextFormat = 0x0812;
    e.Font.lfHeight = -80;
    e.Font.lfItalic = 1;
    e.Font.setFaceName("Times New Roman");
    e.BackFill.FillKind = 1;
    e.BackFill.GradientStyle = 4;
    e.BackFill.GradientCount = 3;
    e.BackFill.GradientColors[2] = 0x123456;
    e.BackFill.TextureName = "/home/user/tex/old.bmp";
    e.TextFill.FillKind = 3;
    e.TextFill.HatchStyle = 5;
    e.TextFill.HatchColor = 0x00FF00;
    e.TextFill.FillFlag = 9;
    e.Shadow = {5, -6, 3, 30, 120, 0.37, 0x808080};
    e.Bevel.Points[0].SegmentType = 1;
    e.Bevel.Points[1] = {2, 3, 0xABCDEF, 400, 250, 30};
    e.Bevel.Points[2] = {0, 1, 0, 1000, 0, 0};
    e.Bevel.SegmentCount = 2;
    e.Bevel.BevelHeight = 200;
    e.Bevel.BevelAngle = 135;
    e.Bevel.BevelFlag = 1;
    e.Fringe = {2, 8, 4, 5, 77};
    e.Frame = {15, 25, 40, 50, 0, 0x0000FF, 5};
    e.GuideStyle = 6;
    e.Imprint.ImprintInverse = 1;
    e.Imprint.ImprintName = "*IMPRINT_07";
    e.Guide = {{1, 2, 3, 4}, 20};
    e.GuidePoints[0] = {{14, 15}, {100, 5}, {200, 0}, {300, 5}, {436, 15}};
    e.NumGuidePoints[0] = 5;
    e.GuidePoints[1] = {{436, 15}, {436, 185}};
    e.GuidePoints[2] = {{14, 185}, {225, 195}, {436, 185}};
    e.NumGuidePoints[2] = 3;
    e.GuidePoints[3] = {{14, 15}, {14, 185}};
    e.HorzCurve[3].y = 40;
    e.VertCurve[6].x = -25;
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 | uint32_t(b.at(at + 2)) << 16 | uint32_t(b.at(at + 3)) << 24;
}

uint16_t le16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b.at(at) | b.at(at + 1) << 8); }

bool allZero(const std::vector<uint8_t>& b, size_t at, size_t count) {
    for (size_t i = at; i < at + count; ++i) {
        if (b.at(i) != 0) return false;
    }
    return true;
}

std::vector<uint8_t> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace vortel::testing
