// The arrival and departure boards painted for Tarninowo after a new game:
// header, depot section, coloured rows with wrapped relations down to the
// pane's bottom, and nothing but the colour without a game.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/game.h"
#include "native/slot_texts.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "support/canvas.h"
#include "support/fixture_path.h"
#include "support/fresh_ui_state.h"
#include "ui/board_delays.h"
#include "ui/boards.h"
#include "ui/layout.h"
#include "ui/win32/boards_paint.h"
#include "ui/win32/fonts.h"

namespace {

constexpr int kWidth = 260;
constexpr int kHeight = 520;
constexpr COLORREF kArrivals = RGB(255, 255, 240);
constexpr COLORREF kDepartures = RGB(240, 248, 255);

std::string Tarninowo()
{
    return FixturePath("\\..\\..\\game\\Stacje\\Tarninowo\\Tarninowo.roz");
}

int CountColour(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(p, x, y) == colour;
    return n;
}

// Rows of the picture from y on that hold anything but the background.
int LastInkRow(const Pixels24& p, COLORREF background)
{
    for (int y = p.height - 1; y >= 0; --y)
        for (int x = 0; x < p.width; ++x)
            if (PixelAt(p, x, y) != background) return y;
    return -1;
}

class BoardsPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gUiScale = kWidth / 205.0;  // as the layout sets it for a board this wide
        gSettings.przyjazdy = static_cast<int>(kArrivals);
        gSettings.odjazdy = static_cast<int>(kDepartures);
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        CreateFonts(gUiScale);
        TheGame() = Game();
        FixedRandom draws(100);
        ASSERT_EQ(TheGame().NewGameFromTimetable(Tarninowo().c_str()), kNewGameStarted);
        CollectEntryTiles(TheGame());
        gUi.gameRunning = true;
    }
    void TearDown() override
    {
        DeleteFonts();
        TheGame() = Game();
        gEntryTiles.clear();
        SetNotifyHooks(oldHooks_);
        FreshUiState();
    }
    // Calls the first parked locomotive of the depot out.
    void CallOutALocomotive()
    {
        for (const DepotListing& listing : TheGame().depot.Stats().table)
            if (listing.entry && listing.status == kDepotParked) {
                ASSERT_EQ(TheGame().depot.Release(listing.entry->slot.Type(), listing.entry->slot.Number()), kDepotOk);
                return;
            }
        FAIL() << "no parked locomotive";
    }

    NotifyHooks oldHooks_{};
};

TEST_F(BoardsPaint, TarninowosArrivalsShowTheDepotAndTheTrainsDownToTheBottom)
{
    CallOutALocomotive();
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    PaintArrivalsBoard(canvas.Dc(), kWidth, kHeight);
    const Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("board_arrivals_tarninowo.bmp"));
    const int line = BoardHeaderHeight(gUiScale);
    EXPECT_EQ(PixelAt(p, kWidth / 2, line), RGB(120, 120, 120)) << "the header's line";
    EXPECT_GT(CountColour(p, 0, 0, kWidth, line, RGB(0, 0, 0)), 50) << "PRZYJAZDY";
    // The depot's row in green right under the header.
    const int first = BoardFirstRowY(gUiScale);
    EXPECT_GT(CountColour(p, 0, first, kWidth, first + BoardLineHeight(gUiScale), RGB(0, 128, 0)), 20);
    // Trains fill the pane: ink reaches its last rows' worth, and nothing is
    // drawn below the last row that fits.
    EXPECT_GT(LastInkRow(p, kArrivals), kHeight - 60);
    EXPECT_GT(CountColour(p, 0, first, kWidth, kHeight, RGB(0, 0, 0)), 1000);
}

TEST_F(BoardsPaint, TarninowosDeparturesShowStandingTrainsInBlueWithWhereTheyStand)
{
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    PaintDeparturesBoard(canvas.Dc(), kWidth, kHeight);
    const Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("board_departures_tarninowo.bmp"));
    const int first = BoardFirstRowY(gUiScale);
    EXPECT_GT(CountColour(p, 0, first, kWidth, kHeight, RGB(0, 0, 255)), 100) << "standing trains";
    EXPECT_GT(CountColour(p, ScaleUnits(170, gUiScale), first, kWidth, kHeight, RGB(150, 0, 0)), 20) << "P3, P4...";
    EXPECT_GT(LastInkRow(p, kDepartures), kHeight - 60);
}

TEST_F(BoardsPaint, AWrappedRelationIsMeasuredAsItIsDrawn)
{
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    const int left = ScaleUnits(15, gUiScale);
    const int one = MeasureBoardText(canvas.Dc(), "Tarninowo", left, kWidth);
    EXPECT_GT(one, 5);
    EXPECT_EQ(MeasureBoardText(canvas.Dc(), "", left, kWidth), 0);
    const std::string longRelation = "Bursztynowo Morskie - Szakłakowo Towarowa - Wiciokrzewo Główne - Jemiołowo";
    EXPECT_GE(MeasureBoardText(canvas.Dc(), longRelation, left, kWidth), 3 * one);
    EXPECT_EQ(MeasureBoardText(canvas.Dc(), longRelation, left, kWidth * 10), one);
}

TEST_F(BoardsPaint, WithoutAGameBothBoardsShowOnlyTheirColours)
{
    gUi.gameRunning = false;
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    PaintArrivalsBoard(canvas.Dc(), kWidth, kHeight);
    EXPECT_EQ(CountColour(canvas.Pixels(), 0, 0, kWidth, kHeight, kArrivals), kWidth * kHeight);
    PaintDeparturesBoard(canvas.Dc(), kWidth, kHeight);
    EXPECT_EQ(CountColour(canvas.Pixels(), 0, 0, kWidth, kHeight, kDepartures), kWidth * kHeight);
}

}  // namespace
