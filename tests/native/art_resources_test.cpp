// The committed art as the program will find it: every bitmap the resource
// script must name, the sizes the drawing code relies on, the rolling-stock
// partners and the sounds.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "ui/stock_pictures.h"
#include "ui/tile_pictures.h"

namespace {

namespace fs = std::filesystem;

// The source tree: the fixtures folder lives at tests/fixtures in it.
std::string SourceRoot()
{
    std::string fixtures = SEMARION_FIXTURES;
    const std::string tail = "tests/fixtures";
    return fixtures.substr(0, fixtures.size() - tail.size());
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le(const std::string& d, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(d[at + i]);
    return v;
}

// An uncompressed palette or 24-bit BMP file as 24-bit pixels; bitsPerPixel
// tells the file's depth. An empty picture when the file is not such a BMP.
Pixels24 ReadBmp(const std::string& path, int* bitsPerPixel = nullptr)
{
    const std::string d = ReadFile(path);
    Pixels24 p;
    if (d.size() < 54 || d.compare(0, 2, "BM") != 0 || Le(d, 14, 4) != 40 || Le(d, 30, 4) != 0)
        return p;
    const int32_t width = static_cast<int32_t>(Le(d, 18, 4));
    const int32_t height = static_cast<int32_t>(Le(d, 22, 4));
    const int bits = static_cast<int>(Le(d, 28, 2));
    const uint32_t offset = Le(d, 10, 4);
    uint32_t colours = Le(d, 46, 4);
    if (bits != 24 && colours == 0)
        colours = 1u << bits;
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    if (width < 1 || height < 1 || width > 4096 || height > 4096 || (bits != 4 && bits != 8 && bits != 24) ||
        54 + 4 * static_cast<size_t>(bits == 24 ? 0 : colours) > offset || offset + stride * height > d.size())
        return p;
    if (bitsPerPixel)
        *bitsPerPixel = bits;
    p.width = width;
    p.height = height;
    p.bytes.assign(static_cast<size_t>(height) * Stride24(width), 0);
    for (int32_t y = 0; y < height; ++y) {
        const size_t row = offset + stride * (height - 1 - y);  // bottom-up
        for (int32_t x = 0; x < width; ++x) {
            size_t at = row + 3 * x;
            if (bits != 24) {
                const uint8_t byte = static_cast<uint8_t>(d[row + x * bits / 8]);
                const uint32_t index = bits == 8 ? byte : (x % 2 == 0 ? byte >> 4 : byte & 15);
                if (index >= colours)
                    return Pixels24{};
                at = 54 + 4 * index;
            }
            std::memcpy(&p.bytes[y * Stride24(width) + 3 * x], &d[at], 3);
        }
    }
    return p;
}

bool IsWhite(const Pixels24& p, int32_t x, int32_t y)
{
    const uint8_t* px = &p.bytes[y * Stride24(p.width) + 3 * x];
    return px[0] == 255 && px[1] == 255 && px[2] == 255;
}

std::string ArtPath(const std::string& file) { return SourceRoot() + "ui/resources/art/" + file; }

// Bitmap resource names the program loads by name.
std::set<std::string> ExpectedBitmapNames()
{
    std::set<std::string> names = {"SEMAFOR_DOL", "SEMAFOR_GORA"};
    for (int32_t entry = 0; entry < kTileEntryCount; ++entry)
        if (TileEntryHasResource(entry))
            names.insert("TOR" + std::to_string(entry + kFirstTileNumber));
    for (int32_t n = 1; n <= kDigitMarkerCount; ++n)
        names.insert("NR" + std::to_string(n));
    for (int32_t n = 1; n <= kLetterMarkerCount; ++n)
        names.insert("L" + std::to_string(n));
    return names;
}

TEST(ArtResources, ScriptNamesEveryBitmapAndTheIcon)
{
    std::istringstream script(ReadFile(SourceRoot() + "ui/resources/art.rc"));
    std::string line;
    ASSERT_TRUE(std::getline(script, line));
    EXPECT_EQ(line, "#pragma code_page(65001)");
    std::set<std::string> bitmaps;
    bool icon = false;
    while (std::getline(script, line)) {
        std::istringstream words(line);
        std::string name, type, file;
        if (!(words >> name >> type >> file) || name.rfind("//", 0) == 0)
            continue;
        file = file.substr(1, file.size() - 2);  // drop the quotes
        EXPECT_TRUE(fs::exists(SourceRoot() + "ui/resources/" + file)) << file;
        if (type == "ICON") {
            icon = icon || name == "MAINICON";
        } else if (type == "BITMAP") {
            EXPECT_TRUE(bitmaps.insert(name).second) << "named twice: " << name;
        }
    }
    EXPECT_TRUE(icon);
    EXPECT_EQ(bitmaps, ExpectedBitmapNames());
}

TEST(ArtResources, BitmapsHaveTheirSizesAndDepth)
{
    for (const std::string& name : ExpectedBitmapNames()) {
        int bits = 0;
        const Pixels24 p = ReadBmp(ArtPath(name + ".bmp"), &bits);
        const int32_t side = name.rfind("SEMAFOR", 0) == 0 ? 28 : kTileSize;
        EXPECT_EQ(p.width, side) << name;
        EXPECT_EQ(p.height, side) << name;
        EXPECT_EQ(bits, 4) << name;
    }
}

TEST(ArtResources, LevelCrossingKeepsItsWhiteRoad)
{
    for (int32_t v = 1; v <= 8; ++v) {
        const Pixels24 p = ReadBmp(ArtPath("TOR53" + std::to_string(v) + ".bmp"));
        ASSERT_EQ(p.width, kTileSize);
        ASSERT_TRUE(IsKeyedOnOwnCorner(530 + v));
        EXPECT_FALSE(IsWhite(p, 0, 0));
        bool white = false;
        for (int32_t y = 0; y < p.height; ++y)
            for (int32_t x = 0; x < p.width; ++x)
                white = white || IsWhite(p, x, y);
        EXPECT_TRUE(white) << v;
    }
}

TEST(ArtResources, RollingStockLinesUpAndPartnersMirror)
{
    const fs::path folder = SourceRoot() + "game/Tabor";
    int pictures = 0, partnered = 0, alone = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".bmp")
            continue;
        ++pictures;
        const std::string name = entry.path().stem().string();
        const Pixels24 p = ReadBmp(entry.path().string());
        ASSERT_GT(p.width, 0) << name;
        EXPECT_EQ(p.height, 40) << name;  // one height: vehicles line up in a strip
        EXPECT_TRUE(IsWhite(p, 0, 0)) << name;
        const std::string partner = PartnerBitmapName(name.c_str());
        const fs::path partnerPath = folder / (partner + ".bmp");
        if (!partner.empty() && fs::exists(partnerPath)) {
            ++partnered;
            EXPECT_TRUE(IsMirrorImage(p, ReadBmp(partnerPath.string()))) << name;
        } else {
            ++alone;
        }
    }
    EXPECT_GT(pictures, 20);
    EXPECT_GT(partnered, 0);
    EXPECT_GT(alone, 0);
}

TEST(ArtResources, SoundsAreShortPcmWaves)
{
    for (const char* name : {"22.wav", "01.wav", "25.wav", "18.wav", "03.wav"}) {
        const std::string d = ReadFile(SourceRoot() + "game/Audio/" + name);
        ASSERT_GT(d.size(), 44u) << name;
        EXPECT_EQ(d.compare(0, 4, "RIFF"), 0) << name;
        EXPECT_EQ(d.compare(8, 8, "WAVEfmt "), 0) << name;
        EXPECT_EQ(Le(d, 20, 2), 1u) << name;  // PCM
        const uint32_t bytesPerSecond = Le(d, 28, 4);
        ASSERT_GT(bytesPerSecond, 0u);
        EXPECT_LT(Le(d, 40, 4), 2 * bytesPerSecond) << name;  // under 2 s
    }
}

}  // namespace
