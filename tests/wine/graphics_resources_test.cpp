#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "support/canvas.h"
#include "support/fresh_ui_state.h"
#include "ui/layout.h"
#include "ui/level_bar.h"
#include "ui/settings.h"
#include "ui/tile_pictures.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/tile_bitmaps.h"

namespace {

constexpr COLORREF kStation = RGB(255, 228, 180);  // a warm cream, far from white
constexpr COLORREF kWhite = RGB(255, 255, 255);

class GraphicsResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gSettings.schematStacji = static_cast<int>(kStation);
        LoadTileBitmaps();
        LoadMarkerBitmaps();
        LoadSignalBitmaps();
    }
    void TearDown() override
    {
        FreeTileBitmaps();
        FreeMarkerBitmaps();
        FreeSignalBitmaps();
        DeleteFonts();
        gSettings = Settings();
    }
};

// Every prepared tile is the station colour where its resource is transparent
// (white, or for family 53 the resource's own top-left pixel) and the
// resource elsewhere; entries without a resource are plain squares.
TEST_F(GraphicsResources, TilesAreComposedOverTheStationColour)
{
    int whiteKeptInFamily53 = 0;
    for (int32_t entry = 0; entry < kTileEntryCount; ++entry) {
        const int32_t number = entry + kFirstTileNumber;
        const Pixels24 tile = PixelsOf(TileBitmap(entry));
        ASSERT_EQ(tile.width, kTileSize) << number;
        ASSERT_EQ(tile.height, kTileSize) << number;
        Pixels24 resource;
        ScopedBitmap source(LoadNamedBitmap("TOR", number));
        ASSERT_EQ(static_cast<bool>(source), TileEntryHasResource(entry)) << number;
        if (source) resource = PixelsOf(source.Get());
        const COLORREF key = !source ? 0 : IsKeyedOnOwnCorner(number) ? PixelAt(resource, 0, 0) : kWhite;
        for (int y = 0; y < kTileSize; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                const COLORREF drawn = source ? PixelAt(resource, x, y) : key;
                const COLORREF expected = drawn == key ? kStation : drawn;
                ASSERT_EQ(PixelAt(tile, x, y), expected) << number << " at " << x << "," << y;
                if (IsKeyedOnOwnCorner(number) && drawn == kWhite) ++whiteKeptInFamily53;
            }
        }
    }
    EXPECT_GT(whiteKeptInFamily53, 0);  // the crossing's white road survives the cream
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(0)), 7, 7), kStation);    // 100
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(9)), 7, 7), kStation);    // 109
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(2)), 0, 7), RGB(24, 52, 150));  // 102: free track with catenary
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(2)), 0, 0), kStation);
}

TEST_F(GraphicsResources, ANewStationColourRebuildsTheTiles)
{
    gSettings.schematStacji = static_cast<int>(RGB(20, 40, 60));
    LoadTileBitmaps();
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(0)), 3, 3), RGB(20, 40, 60));
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(2)), 0, 0), RGB(20, 40, 60));
    // A colour changed without a new load: the tiles made already follow it,
    // and those who keep pictures of them see a new generation.
    const int32_t generation = TileBitmapsGeneration();
    gSettings.schematStacji = static_cast<int>(RGB(70, 80, 90));
    EXPECT_NE(TileBitmapsGeneration(), generation);
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(2)), 0, 0), RGB(70, 80, 90));
    EXPECT_EQ(PicturePixels(PictureForTile(10, 0))->pixels[0], CanvasPixelOf(RGB(70, 80, 90)));
    FreeTileBitmaps();
    EXPECT_EQ(TileBitmap(0), nullptr);
}

TEST_F(GraphicsResources, MarkersAndSignalsAndTheirBounds)
{
    for (int32_t n = 1; n <= kDigitMarkerCount; ++n) EXPECT_EQ(BitmapSize(EntryNumberBitmap(n)).cx, 14) << n;
    for (int32_t n = 1; n <= kLetterMarkerCount; ++n) EXPECT_EQ(BitmapSize(LetterBitmap(n)).cy, 14) << n;
    EXPECT_EQ(BitmapSize(SignalDownBitmap()).cx, 28);
    EXPECT_EQ(BitmapSize(SignalUpBitmap()).cy, 28);
    for (int32_t n : {0, 10, -1}) EXPECT_EQ(EntryNumberBitmap(n), nullptr) << n;
    for (int32_t n : {0, 38, -1}) EXPECT_EQ(LetterBitmap(n), nullptr) << n;
    for (int32_t n : {-1, 690, 100000}) EXPECT_EQ(TileBitmap(n), nullptr) << n;

    EXPECT_EQ(PictureBitmap(PictureForTile(10, 0)), TileBitmap(2));
    EXPECT_EQ(PictureBitmap(PictureForTile(530, 2)), TileBitmap(433));
    EXPECT_EQ(PictureBitmap(PictureForTile(7, 0)), EntryNumberBitmap(7));
    EXPECT_EQ(PictureBitmap(PictureForTile(-37, 0)), LetterBitmap(37));
    EXPECT_EQ(PictureBitmap(PictureForTile(-38, 0)), nullptr);
    EXPECT_EQ(PictureBitmap(PictureForTile(790, 0)), nullptr);

    FreeMarkerBitmaps();
    FreeSignalBitmaps();
    EXPECT_EQ(EntryNumberBitmap(1), nullptr);
    EXPECT_EQ(SignalUpBitmap(), nullptr);
}

TEST_F(GraphicsResources, FontsAreEastEuropeanAndTheScaledOnesFollowTheScale)
{
    CreateFonts(1.35);
    auto logFont = [](FontId id) {
        LOGFONTA font = {};
        GetObjectA(UiFont(id), sizeof font, &font);
        return font;
    };
    for (int i = 0; i < kFontCount; ++i) {
        ASSERT_NE(UiFont(static_cast<FontId>(i)), nullptr) << i;
        EXPECT_EQ(logFont(static_cast<FontId>(i)).lfCharSet, EASTEUROPE_CHARSET) << i;
    }
    EXPECT_EQ(logFont(FontId::kLabelFont).lfHeight, -12);
    EXPECT_STREQ(logFont(FontId::kLabelFont).lfFaceName, "MS Sans Serif");
    EXPECT_EQ(logFont(FontId::kLabelBoldFont).lfWeight, 700);
    EXPECT_EQ(logFont(FontId::kBoardFont).lfHeight, -16);
    EXPECT_EQ(logFont(FontId::kBoardUnderlineFont).lfUnderline, 1);
    EXPECT_EQ(logFont(FontId::kPreviewSmallFont).lfHeight, -12);  // 9 x 1.35 = 12.15

    const HFONT label = UiFont(FontId::kLabelFont);
    const int32_t generation = FontsGeneration();
    gSettings.powiekszeniePodgladu = 2.0;
    CreateScaledFonts(2.0);
    EXPECT_EQ(UiFont(FontId::kLabelFont), label);  // fixed fonts are kept
    EXPECT_NE(FontsGeneration(), generation);  // a new font may get a deleted one's handle
    EXPECT_EQ(logFont(FontId::kBoardFont).lfHeight, -24);
    EXPECT_EQ(logFont(FontId::kBoardSmallFont).lfHeight, -20);
    EXPECT_EQ(logFont(FontId::kPreviewFont).lfHeight, -48);

    const int32_t scaled = FontsGeneration();
    DeleteFonts();
    for (int i = 0; i < kFontCount; ++i) EXPECT_EQ(UiFont(static_cast<FontId>(i)), nullptr) << i;
    EXPECT_NE(FontsGeneration(), scaled);
}

TEST_F(GraphicsResources, LevelBarsFrameFillAndClamp)
{
    Canvas canvas(40, 30, kWhite);
    DrawLevelBar(canvas.Dc(), 2, 2, 2, 1, 100, 0);    // grows to 6 x 3
    DrawLevelBar(canvas.Dc(), 2, 10, 22, 6, 150, 3);  // full, red
    DrawLevelBar(canvas.Dc(), 2, 20, 22, 6, 0, 2);    // empty
    const Pixels24 p = canvas.Pixels();
    const COLORREF frame = PixelAt(p, 2, 2);
    EXPECT_NE(frame, kWhite);
    EXPECT_EQ(PixelAt(p, 7, 2), frame);
    EXPECT_EQ(PixelAt(p, 8, 2), kWhite);
    EXPECT_EQ(PixelAt(p, 2, 4), frame);
    EXPECT_EQ(PixelAt(p, 2, 5), kWhite);
    EXPECT_EQ(PixelAt(p, 3, 3), RGB(60, 120, 60));   // the one pixel row inside
    EXPECT_EQ(PixelAt(p, 22, 12), RGB(255, 0, 0));   // 150 % fills as 100 %
    EXPECT_EQ(PixelAt(p, 3, 12), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(p, 3, 22), RGB(235, 235, 235));
    EXPECT_EQ(PixelAt(p, 22, 22), RGB(235, 235, 235));
    EXPECT_EQ(PixelAt(p, 23, 22), frame);
}

TEST_F(GraphicsResources, SignalsScaleWithWhiteLeftOut)
{
    Canvas canvas(60, 60, RGB(0, 0, 0));
    DrawBitmapScaled(canvas.Dc(), 2, 2, SignalDownBitmap(), 2.0);
    DrawBitmapScaled(canvas.Dc(), 0, 0, nullptr, 2.0);
    const Pixels24 p = canvas.Pixels();
    EXPECT_EQ(PixelAt(p, 3, 3), RGB(0, 0, 0));  // the signal's white corner is see-through
    int drawn = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (PixelAt(p, x, y) != RGB(0, 0, 0)) {
                ++drawn;
                EXPECT_TRUE(x >= 2 && x < 58 && y >= 2 && y < 58) << x << "," << y;
            }
    EXPECT_GT(drawn, 0);
}

TEST(MainWindowGraphics, MadeAtCreationAndFreedAtDestruction)
{
    FreshUiState();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterPaneClasses(instance));
    ASSERT_TRUE(RegisterMainWindowClass(instance));
    HWND window = CreateMainWindow(instance);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(TileBitmap(0), nullptr);
    EXPECT_NE(LetterBitmap(37), nullptr);
    EXPECT_NE(SignalUpBitmap(), nullptr);
    EXPECT_NE(UiFont(FontId::kPreviewSmallFont), nullptr);
    LOGFONTA board = {};
    GetObjectA(UiFont(FontId::kBoardFont), sizeof board, &board);
    EXPECT_EQ(board.lfHeight, -16);  // 12 at the starting scale of 1.35
    DestroyWindow(window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    EXPECT_EQ(TileBitmap(0), nullptr);
    EXPECT_EQ(LetterBitmap(37), nullptr);
    EXPECT_EQ(SignalUpBitmap(), nullptr);
    EXPECT_EQ(UiFont(FontId::kPreviewSmallFont), nullptr);
}

// The sample layout of docs/tiles.md ("code:state", state 0 when left out).
const char* const kSampleLayout[] = {
    "40:1 10:1 74:1 23:1 10   66   66   66   66   66   66   66   10   10   25   75   53   42",
    "0    0    0    0    28:1 10:1 67:1 67:1 67:1 67:1 67:1 67:1 10   27   0    0    0    0",
    "0    0    0    0    0    28   66:2 66:2 66:2 66:2 66:2 66   14   0    0    0    0    0",
    "0    0    0    0    0    0    130  0    0    0    0    0    0    0    0    0    0    0",
    "0    0    0    0    0    0    0    160  100  700  100  720  0    0    0    0    0    0",
};

// A sheet for the eye: the 690 tiles by family (ten variants a row, three
// blocks of 23 families), the sample layout drawn as the station view picks
// its pictures, markers, signals, level bars and Polish text in the fonts.
TEST_F(GraphicsResources, ContactSheetForTheEye)
{
    CreateFonts(kInitialUiScale);
    const int block = 11 * kTileSize;
    Canvas sheet(3 * block, 23 * kTileSize + 5 * kTileSize + 120, kStation);
    TileBlitter blit(sheet.Dc());
    for (int32_t entry = 0; entry < kTileEntryCount; ++entry) {
        const int32_t family = entry / 10;
        blit.Copy((family / 23) * block + (entry % 10) * kTileSize, (family % 23) * kTileSize, TileBitmap(entry));
    }
    int y = 23 * kTileSize + 6;
    for (int row = 0; row < 5; ++row) {
        const char* text = kSampleLayout[row];
        for (int col = 0; col < 18; ++col) {
            int code = 0, state = 0, used = 0;
            if (std::sscanf(text, " %d%n", &code, &used) != 1) break;
            text += used;
            if (*text == ':') {
                std::sscanf(text + 1, "%d%n", &state, &used);
                text += 1 + used;
            }
            blit.Copy(col * kTileSize, y + row * kTileSize, PictureBitmap(PictureForTile(code, state)));
        }
    }
    for (int32_t n = 1; n <= 9; ++n) blit.Copy(18 * kTileSize + 20 + (n - 1) * kTileSize, y, EntryNumberBitmap(n));
    for (int32_t n = 1; n <= 37; ++n)
        blit.Copy(18 * kTileSize + 20 + ((n - 1) % 12) * kTileSize, y + (1 + (n - 1) / 12) * kTileSize,
                  LetterBitmap(n));
    y += 5 * kTileSize + 6;
    DrawBitmapScaled(sheet.Dc(), 4, y, SignalDownBitmap(), 1.35);
    DrawBitmapScaled(sheet.Dc(), 44, y, SignalUpBitmap(), 1.35);
    for (int i = 0; i < 4; ++i) DrawLevelBar(sheet.Dc(), 90, y + i * 10, 60, 7, 20 + i * 27, i);
    SetBkMode(sheet.Dc(), TRANSPARENT);
    {
        ScopedSelect font(sheet.Dc(), UiFont(FontId::kBoardBoldFont));
        DrawTextAt(sheet.Dc(), 170, y, "Łódź Kaliska – żółć gęślą jaźń");
    }
    {
        ScopedSelect font(sheet.Dc(), UiFont(FontId::kLabelFont));
        DrawTextAt(sheet.Dc(), 170, y + 26, "ŻÓŁW Ąę Śś Źź Ńń — tory 1, 2, 3");
    }
    DrawTextAt(sheet.Dc(), 170, y + 46, nullptr);
    EXPECT_TRUE(sheet.Save("tiles_sheet.bmp"));
}

}  // namespace
