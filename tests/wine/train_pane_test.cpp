// The train pane painted for Testowo after a new game: the pictures, texts,
// bars and hit ranges of a selected point, nothing without a selection, and
// the pane window that scrolls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/game.h"
#include "native/slot_texts.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "simulation/supplies.h"
#include "support/canvas.h"
#include "support/fixture_path.h"
#include "support/fresh_ui_state.h"
#include "support/main_window_fixture.h"
#include "ui/font_table.h"
#include "ui/startup.h"
#include "ui/train_pane.h"
#include "ui/win32/fonts.h"
#include "ui/win32/panes.h"
#include "ui/win32/train_pane.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 160;
constexpr COLORREF kBackground = RGB(255, 255, 255);

std::string RepoGameFolder() { return FixturePath("\\..\\..\\game"); }

int CountNot(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(p, x, y) != colour;
    return n;
}

int CountColour(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(p, x, y) == colour;
    return n;
}

class TrainPanePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gTrainPaneScroll = TrainPaneScroll();
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        savedFolder_ = gGameFolder;
        gGameFolder = RepoGameFolder();
        TheGame() = Game();
        FixedRandom draws(100);
        ASSERT_EQ(TheGame().NewGameFromTimetable((gGameFolder + "\\Stacje\\Testowo\\Testowo.roz").c_str()),
                  kNewGameStarted);
        ResetSupplies(TheGame());
        std::string failed;
        ASSERT_TRUE(LoadRollingStockBitmaps(failed)) << failed;
        CreateFonts(gUiScale);
        gUi.gameRunning = true;
    }
    void TearDown() override
    {
        FreeRollingStockBitmaps();
        DeleteFonts();
        TheGame() = Game();
        SetNotifyHooks(oldHooks_);
        gGameFolder = savedFolder_;
        FreshUiState();
        gVehicleHitRanges = VehicleHitRanges();
        gTrainPaneScroll = TrainPaneScroll();
    }
    Pixels24 Paint(Canvas& canvas)
    {
        PaintTrainPane(canvas.Dc(), kWidth, kHeight);
        return canvas.Pixels();
    }

    NotifyHooks oldHooks_{};
    std::string savedFolder_;
};

TEST_F(TrainPanePaint, PlatformOneShowsTheLocomotiveAndItsCarWithTheTrainsLine)
{
    gSelection.selectedTile = 412;
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    const Pixels24 p = Paint(canvas);
    ASSERT_TRUE(canvas.Save("train_pane_testowo_p1.bmp"));
    const double s = StationFontScale(gUiScale);
    // Two pictures side by side from the left edge.
    EXPECT_EQ(gVehicleHitRanges[0].left, 0);
    EXPECT_GT(gVehicleHitRanges[0].right, 40);
    EXPECT_EQ(gVehicleHitRanges[1].left, gVehicleHitRanges[0].right);
    EXPECT_EQ(gVehicleHitRanges[2].left, -1);
    const int strip = static_cast<int>(40 * s);
    EXPECT_GT(CountNot(p, 0, 0, gVehicleHitRanges[1].right, strip, kBackground), 500) << "the pictures";
    EXPECT_EQ(CountNot(p, gVehicleHitRanges[1].right + 5, 0, kWidth, strip, kBackground), 0);
    // Under them: the locomotive's name in black, the car's line (a departing
    // train: black too) and its relation.
    const int textTop = static_cast<int>(42 * s), textBottom = static_cast<int>(84 * s);
    EXPECT_GT(CountColour(p, 0, textTop, kWidth, textBottom, RGB(0, 0, 0)), 100);
    EXPECT_EQ(CountNot(p, 0, textBottom + 20, kWidth, kHeight, kBackground), 0);
}

TEST_F(TrainPanePaint, TheLocomotiveTrackShowsTheSteamLocomotivesBars)
{
    gSelection.selectedTile = 933;
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    const Pixels24 p = Paint(canvas);
    ASSERT_TRUE(canvas.Save("train_pane_testowo_ol49.bmp"));
    const double s = StationFontScale(gUiScale);
    const int barsTop = static_cast<int>(70 * s);
    // The level bars' light grey and their filling.
    EXPECT_GT(CountColour(p, 0, barsTop, kWidth, kHeight, RGB(235, 235, 235)), 20);
    EXPECT_GT(CountNot(p, 0, barsTop, kWidth, kHeight, kBackground), 200);
}

TEST_F(TrainPanePaint, WithoutASelectionOnlyTheBackgroundAndNoHits)
{
    gSettings.podgladSkladow = static_cast<int>(RGB(250, 240, 200));
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    Pixels24 p = Paint(canvas);
    EXPECT_EQ(CountColour(p, 0, 0, kWidth, kHeight, RGB(250, 240, 200)), kWidth * kHeight);
    EXPECT_EQ(gVehicleHitRanges[0].left, -1);
    gSelection.selectedTile = 2020;  // outside the grid: no point
    p = Paint(canvas);
    EXPECT_EQ(CountColour(p, 0, 0, kWidth, kHeight, RGB(250, 240, 200)), kWidth * kHeight);

    // On a coloured background the pictures leave out their white.
    gSelection.selectedTile = 412;
    p = Paint(canvas);
    ASSERT_TRUE(canvas.Save("train_pane_coloured.bmp"));
    EXPECT_EQ(CountColour(p, 0, 0, gVehicleHitRanges[1].right, static_cast<int>(40 * StationFontScale(gUiScale)),
                          RGB(255, 255, 255)),
              0);
}

// The pane in the main window: its scroll bar follows the strip and goes back
// to the start when another point is selected.
class TrainPaneWindow : public MainWindowFixture {};

TEST_F(TrainPaneWindow, TheScrollBarCoversTheStripAndAnotherPointScrollsBack)
{
    const NotifyHooks old = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
    const std::string folder = gGameFolder;
    gGameFolder = RepoGameFolder();
    TheGame() = Game();
    {
        FixedRandom draws(100);
        ASSERT_EQ(TheGame().NewGameFromTimetable((gGameFolder + "\\Stacje\\Testowo\\Testowo.roz").c_str()),
                  kNewGameStarted);
    }
    std::string failed;
    ASSERT_TRUE(LoadRollingStockBitmaps(failed)) << failed;
    gUi.gameRunning = true;
    ShowWindow(window_, SW_SHOWNOACTIVATE);  // only a shown window collects what is to be repainted
    SetWindowPos(gTrainPane, nullptr, 0, 0, 150, 120, SWP_NOZORDER | SWP_NOMOVE);
    gSelection.selectedTile = 412;
    RepaintTrainPane();
    UpdateWindow(gTrainPane);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(gTrainPane, SB_HORZ, &info);
    EXPECT_GT(info.nMax, 150) << "two vehicles and the margin are wider than the pane";
    SendMessageA(gTrainPane, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_GT(gTrainPaneScroll.pos, 0);
    UpdateWindow(gTrainPane);
    EXPECT_LT(gVehicleHitRanges[0].left, 0) << "the strip moved left";

    gSelection.selectedTile = 933;
    RepaintTrainPane();
    UpdateWindow(gTrainPane);
    EXPECT_EQ(gTrainPaneScroll.pos, 0);
    EXPECT_EQ(gVehicleHitRanges[0].left, 0);

    FreeRollingStockBitmaps();
    TheGame() = Game();
    gGameFolder = folder;
    SetNotifyHooks(old);
    gTrainPaneScroll = TrainPaneScroll();
}

}  // namespace
