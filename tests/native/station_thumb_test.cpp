#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "native/station_files.h"
#include "sources/wide_text.h"
#include "ui/station_thumb.h"

namespace {

std::wstring Wide(const std::string& path)
{
    std::wstring wide;
    EXPECT_TRUE(WideFromUtf8(path, wide));
    return wide;
}

bool Read(std::istream& in, int32_t& value) { return ReadIntFromFile(in, value); }

}  // namespace

TEST(StationThumb, IntegersAreReadPastAnySeparators)
{
    std::istringstream in("1,\n12, -7;+3 x-y 2147483647 -5");
    int32_t value = 0;
    ASSERT_TRUE(Read(in, value));
    EXPECT_EQ(value, 1);
    ASSERT_TRUE(Read(in, value));
    EXPECT_EQ(value, 12);
    ASSERT_TRUE(Read(in, value));
    EXPECT_EQ(value, -7);
    EXPECT_EQ(in.peek(), '+');  // the character after a number is consumed, not more
    ASSERT_TRUE(Read(in, value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(Read(in, value));  // "-y": a sign without digits
    ASSERT_TRUE(Read(in, value));
    EXPECT_EQ(value, 2147483647);
    ASSERT_TRUE(Read(in, value));
    EXPECT_EQ(value, -5);
    EXPECT_FALSE(Read(in, value));

    std::istringstream huge("99999999999");
    EXPECT_FALSE(Read(huge, value));
}

TEST(StationThumb, TestowoGridIsReadAndKeptWhileTheFileStaysAsItWas)
{
    const std::wstring testowo = Wide(TestowoFile("Testowo.stc"));
    ASSERT_TRUE(LoadStationThumb(testowo));
    EXPECT_EQ(gThumbGrid.rows, 12);
    EXPECT_EQ(gThumbGrid.columns, 44);
    ASSERT_EQ(gThumbGrid.codes.size(), 12u * 44u);

    // The same file unchanged is not read again; a file changed since is.
    const std::string folder = TestFolder();
    const std::string copy = WriteFileIn(folder, "Kopia.stc", "1,\n1,2,\n5,6,\n");
    ASSERT_TRUE(LoadStationThumb(Wide(copy)));
    EXPECT_EQ(gThumbGrid.codes, (std::vector<int32_t>{5, 6}));
    gThumbGrid.codes[0] = 9;  // what is kept stays while the file does
    EXPECT_TRUE(LoadStationThumb(Wide(copy)));
    EXPECT_EQ(gThumbGrid.codes, (std::vector<int32_t>{9, 6}));
    WriteFileIn(folder, "Kopia.stc", "1,\n1,1,\n7,\n");
    EXPECT_TRUE(LoadStationThumb(Wide(copy)));
    EXPECT_EQ(gThumbGrid.codes, (std::vector<int32_t>{7}));
    std::remove(copy.c_str());
    EXPECT_FALSE(LoadStationThumb(Wide(copy)));
}

TEST(StationThumb, DamagedOrOversizedGridsLeaveItEmpty)
{
    const std::string folder = TestFolder();
    for (const char* text : {"1,\n0,5,\n", "1,\n2,501,\n", "1,\n501,2,\n", "1,\n-1,2,\n", "1,\n2,2,\n1,2,3,\n",
                             "1,\n", "", "1,\n1,2,\n4,-x\n"}) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(LoadStationThumb(Wide(TestowoFile("Testowo.stc"))));
        EXPECT_FALSE(LoadStationThumb(Wide(WriteFileIn(folder, "Zly.stc", text))));
        EXPECT_EQ(gThumbGrid.rows, 0);
        EXPECT_TRUE(gThumbGrid.codes.empty());
    }
    ASSERT_TRUE(LoadStationThumb(Wide(TestowoFile("Testowo.stc"))));
    EXPECT_FALSE(LoadStationThumb(Wide(folder + "brak.stc")));
    EXPECT_FALSE(LoadStationThumb(L""));
    EXPECT_EQ(gThumbGrid.rows, 0);
    // The largest grid allowed is read.
    std::string big = "1,\n500,500,\n";
    for (int i = 0; i < 500 * 500; ++i) big += "0,";
    EXPECT_TRUE(LoadStationThumb(Wide(WriteFileIn(folder, "Duzy.stc", big))));
}

TEST(StationThumb, AWideFlatLayoutFillsTheWidthAndIsCentredVertically)
{
    // 10 x 100 tiles (1400 x 140 pixels) in a 700 x 400 frame: half size.
    const ThumbPlacement flat = PlaceThumb(700, 400, 10, 100);
    ASSERT_TRUE(flat.drawn);
    EXPECT_DOUBLE_EQ(flat.scale, 0.5);
    EXPECT_EQ(flat.originX, 0);
    EXPECT_EQ(flat.originY, 165);  // (400 - 70) / 2
    EXPECT_EQ(flat.cell, 7);
    EXPECT_EQ(ThumbCellX(flat, 99), 693);
    EXPECT_EQ(ThumbCellY(flat, 9), 165 + 63);

    // Tall in a wide frame: centred across; a tiny scale keeps one pixel cells.
    const ThumbPlacement tall = PlaceThumb(100, 28, 2, 1);
    EXPECT_EQ(tall.originX, 43);
    EXPECT_EQ(tall.originY, 0);
    EXPECT_EQ(PlaceThumb(10, 10, 500, 500).cell, 1);
    EXPECT_EQ(ThumbCellX(PlaceThumb(440, 118, 12, 44), 1) - ThumbCellX(PlaceThumb(440, 118, 12, 44), 0), 9);

    EXPECT_FALSE(PlaceThumb(0, 100, 10, 10).drawn);
    EXPECT_FALSE(PlaceThumb(100, 0, 10, 10).drawn);
    EXPECT_FALSE(PlaceThumb(100, 100, 0, 10).drawn);
}
