// Tiles copied into a pixel buffer: whole, keyed, and cut at every edge; the
// buffer reduced, whole, by rows, and as a kept copy.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "ui/tile_canvas.h"

namespace {

// A tile whose pixel (r, c) is r * 100 + c + 1, with a white cross through row 3 and column 5.
TilePixels Numbered()
{
    TilePixels tile;
    for (int r = 0; r < kTileSize; ++r)
        for (int c = 0; c < kTileSize; ++c)
            tile.pixels[static_cast<size_t>(r * kTileSize + c)] = (r == 3 || c == 5) ? 0xFFFFFF : r * 100 + c + 1;
    return tile;
}

struct Buffer {
    Buffer(int w, int h) : pixels(static_cast<size_t>(w * h), 7), canvas{pixels.data(), w, h} {}
    CanvasPixel At(int x, int y) const { return pixels[static_cast<size_t>(y * canvas.width + x)]; }
    std::vector<CanvasPixel> pixels;
    TileCanvas canvas;
};

TEST(TileCanvas, WholeAndKeyedTiles)
{
    Buffer b(40, 30);
    PutTile(b.canvas, 14, 7, Numbered());
    EXPECT_EQ(b.At(14, 7), 1u);
    EXPECT_EQ(b.At(27, 20), 13u * 100 + 13 + 1);
    EXPECT_EQ(b.At(19, 7), 0xFFFFFFu);  // copied white
    EXPECT_EQ(b.At(13, 7), 7u);
    EXPECT_EQ(b.At(28, 20), 7u);
    EXPECT_EQ(b.At(14, 21), 7u);

    Buffer k(40, 30);
    PutTileKeyed(k.canvas, 0, 0, Numbered(), 0xFFFFFF);
    EXPECT_EQ(k.At(5, 0), 7u);  // the key leaves what was there
    EXPECT_EQ(k.At(0, 3), 7u);
    EXPECT_EQ(k.At(4, 2), 2u * 100 + 4 + 1);
}

TEST(TileCanvas, CutAtTheEdges)
{
    Buffer b(20, 20);
    PutTile(b.canvas, -10, -12, Numbered());  // only its bottom-right corner lands
    EXPECT_EQ(b.At(0, 0), 12u * 100 + 10 + 1);
    EXPECT_EQ(b.At(3, 1), 13u * 100 + 13 + 1);
    EXPECT_EQ(b.At(4, 0), 7u);
    PutTileKeyed(b.canvas, 15, 17, Numbered(), 0xFFFFFF);
    EXPECT_EQ(b.At(19, 19), 2u * 100 + 4 + 1);
    PutTile(b.canvas, 20, 0, Numbered());  // wholly outside
    PutTile(b.canvas, -14, 0, Numbered());
    PutTileKeyed(b.canvas, 0, 20, Numbered(), 0);
    EXPECT_EQ(b.At(0, 19), 7u);
    PutTile(TileCanvas{}, 0, 0, Numbered());  // no buffer: nothing happens
}

TEST(TileCanvas, WindowsColoursBecomePixels)
{
    EXPECT_EQ(CanvasPixelOf(0x00332211), 0x00112233u);
    EXPECT_EQ(CanvasPixelOf(0x00FFFFFF), 0x00FFFFFFu);
}

}  // namespace

namespace {

TEST(ShrinkCanvas, AveragesWhatEachPixelCovers)
{
    // 4 x 2 -> 2 x 1: each target pixel averages a 2 x 2 block
    std::vector<CanvasPixel> from = {0x000000, 0xFFFFFF, 0x102030, 0x102030,
                                     0xFFFFFF, 0x000000, 0x102030, 0x102030};
    std::vector<CanvasPixel> to(2, 7);
    ShrinkCanvas({from.data(), 4, 2}, {to.data(), 2, 1});
    EXPECT_EQ(to[0], 0x808080u);
    EXPECT_EQ(to[1], 0x102030u);

    // the same size copies
    std::vector<CanvasPixel> same(8, 0);
    ShrinkCanvas({from.data(), 4, 2}, {same.data(), 4, 2});
    EXPECT_EQ(same, from);
}

TEST(ShrinkCanvas, AThinLineFadesButStays)
{
    // a black column of one pixel in white, 100 wide reduced to 98
    constexpr int kFrom = 100, kTo = 98, kHigh = 3;
    for (int line = 0; line < kFrom; ++line) {
        std::vector<CanvasPixel> from(kFrom * kHigh, 0xFFFFFF);
        for (int y = 0; y < kHigh; ++y) from[static_cast<size_t>(y * kFrom + line)] = 0;
        std::vector<CanvasPixel> to(kTo * kHigh, 0);
        ShrinkCanvas({from.data(), kFrom, kHigh}, {to.data(), kTo, kHigh});
        CanvasPixel darkest = 0xFFFFFF;
        for (int x = 0; x < kTo; ++x) darkest = std::min(darkest, to[static_cast<size_t>(kTo + x)] & 0xFF);
        EXPECT_LE(darkest, 0x80u) << "line at " << line;
    }
}

TEST(ShrinkCanvas, RowsShrunkAgainAfterAChangeMatchAWholeShrink)
{
    // 50 x 40 -> 37 x 29; pixels of source rows 17..22 change, and only the
    // target rows they take part in are reduced again
    constexpr int kW = 50, kH = 40, kToW = 37, kToH = 29;
    std::vector<CanvasPixel> from(kW * kH);
    for (size_t i = 0; i < from.size(); ++i) from[i] = static_cast<CanvasPixel>(i * 2654435761u) & 0xFFFFFF;
    std::vector<CanvasPixel> patched(kToW * kToH), whole(kToW * kToH);
    ShrinkCanvas({from.data(), kW, kH}, {patched.data(), kToW, kToH});
    for (int y = 17; y < 23; ++y)
        for (int x = 0; x < kW; ++x) from[static_cast<size_t>(y * kW + x)] ^= 0xFFFFFF;
    ShrinkCanvasRows({from.data(), kW, kH}, {patched.data(), kToW, kToH}, 17, 23);
    ShrinkCanvas({from.data(), kW, kH}, {whole.data(), kToW, kToH});
    EXPECT_EQ(patched, whole);
}

TEST(ShrinkCanvas, RefusesToEnlargeOrEmpty)
{
    std::vector<CanvasPixel> from(4, 0x123456), to(9, 7);
    ShrinkCanvas({from.data(), 2, 2}, {to.data(), 3, 3});
    EXPECT_EQ(to[0], 7u);
    ShrinkCanvas({nullptr, 2, 2}, {to.data(), 1, 1});
    ShrinkCanvas({from.data(), 2, 2}, {to.data(), 0, 1});
    EXPECT_EQ(to[0], 7u);
}

}  // namespace

namespace {

// A kept reduced copy after any sequence of tiles put into the canvas, the
// canvas composed anew, and paints reduced at one of a few sizes or not
// reduced at all (drawn enlarged) equals the canvas reduced from nothing.
TEST(KeptReduction, AfterAnySequenceOfPaintsTheCopyEqualsAFreshReduction)
{
    constexpr int kCols = 12, kRows = 8, kW = kCols * kTileSize, kH = kRows * kTileSize;
    constexpr int kSizes[][2] = {{100, 67}, {150, 100}, {kW, kH}, {37, 25}};
    std::mt19937 random(29);
    std::vector<CanvasPixel> canvas(kW * kH, 0x102030);
    const TileCanvas from{canvas.data(), kW, kH};
    std::vector<CanvasPixel> copy, fresh;
    KeptReduction kept;
    int width = 0, height = 0;
    for (int action = 0; action < 3000; ++action) {
        switch (random() % 4) {
        case 0: {  // a tile changes
            TilePixels tile;
            tile.pixels.fill(random() & 0xFFFFFF);
            const int row = static_cast<int>(random() % kRows), col = static_cast<int>(random() % kCols);
            PutTile(from, col * kTileSize, row * kTileSize, tile);
            kept.Changed(row * kTileSize, (row + 1) * kTileSize);
            break;
        }
        case 1:  // now and then composed anew, as after a colour change
            if (random() % 8) break;
            std::fill(canvas.begin(), canvas.end(), random() & 0xFFFFFF);
            kept.ChangedWhole();
            break;
        case 2: {  // drawn reduced: a copy of another size is new pixels
            const int* size = kSizes[random() % 4];
            if (size[0] != width || size[1] != height) copy.assign(static_cast<size_t>(size[0] * size[1]), 0xABCDEF);
            width = size[0];
            height = size[1];
            kept.Update(from, {copy.data(), width, height});
            fresh.assign(copy.size(), 0);
            ShrinkCanvas(from, {fresh.data(), width, height});
            ASSERT_EQ(copy, fresh) << "after action " << action;
            break;
        }
        default:  // drawn enlarged: the copy is left as it is
            break;
        }
    }
}

}  // namespace
