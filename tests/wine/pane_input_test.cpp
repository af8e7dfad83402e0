// The panes' mouse messages on a painted Testowo: the station pane's clicks
// select a consist and lay its route, a refusal reaches the status bar and
// the event log; the train pane's clicks and its vehicle tooltip; the wheel
// handed from the main window to the pane under the cursor; the boards'
// double click.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "model/game.h"
#include "native/slot_texts.h"
#include "native/vehicle_scenes.h"
#include "simulation/event_log.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "simulation/pantographs.h"
#include "simulation/train_tracking.h"
#include "support/canvas.h"
#include "support/fixture_path.h"
#include "support/main_window_fixture.h"
#include "ui/startup.h"
#include "ui/station_view.h"
#include "ui/win32/drawing.h"
#include "ui/win32/pane_layout.h"
#include "ui/win32/vehicle_pictures.h"
#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/pane_input.h"
#include "ui/train_pane.h"
#include "ui/train_pane_input.h"
#include "ui/win32/vehicle_tooltip.h"

namespace {

std::string TestowoTimetable() { return std::string(SEMARION_FIXTURES) + "/../../game/Stacje/Testowo/Testowo.roz"; }

class PaneInput : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gSettings.dzwiek = false;
        savedFolder_ = gGameFolder;
        gGameFolder = FixturePath("\\..\\..\\game");
        TheGame() = Game();
        FixedRandom draws(100);
        ASSERT_EQ(TheGame().NewGameFromTimetable(TestowoTimetable().c_str()), kNewGameStarted);
        std::string failed;
        ASSERT_TRUE(LoadRollingStockBitmaps(failed)) << failed;  // the train pane draws the vehicles
        ClearLog();
        ResetPantographs();
        ResetTrainTracking();
        gUi.gameRunning = true;
        LayoutPanes();
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);  // the station pane paints: its view places the grid
    }
    void TearDown() override
    {
        HideTooltip();
        MainWindowFixture::TearDown();
        FreeRollingStockBitmaps();
        gGameFolder = savedFolder_;
        gVehicleHitRanges = VehicleHitRanges();
        ClearLog();
        TheGame() = Game();
        gStationView = StationViewState();
    }
    // A mouse message in the middle of a tile of the station pane.
    void Mouse(UINT message, WPARAM keys, TileCode tile)
    {
        const double cell = 14 * gStationView.scale;
        const int x = gStationView.originX + static_cast<int>((TileColumn(tile) + 0.5) * cell);
        const int y = gStationView.originY + static_cast<int>((TileRow(tile) + 0.5) * cell);
        SendMessageA(gStationPane, message, keys, MAKELPARAM(x, y));
    }

    // The first vehicle's picture as the train pane shows it after a repaint.
    Pixels24 DrawnFirstVehicle()
    {
        InvalidateRect(gTrainPane, nullptr, FALSE);
        UpdateWindow(gTrainPane);
        const int width = gVehicleHitRanges[0].right - gVehicleHitRanges[0].left;
        const LONG picture = BitmapSize(GetVehicleBitmap(TheGame().SlotVehicleType(3, 0), false)).cy;
        const int height = static_cast<int>(picture * StationFontScale(gUiScale));
        Canvas canvas(width, height, RGB(0, 0, 0));
        HDC pane = GetDC(gTrainPane);
        BitBlt(canvas.Dc(), 0, 0, width, height, pane, gVehicleHitRanges[0].left, 0, SRCCOPY);
        ReleaseDC(gTrainPane, pane);
        return canvas.Pixels();
    }
    std::string savedFolder_;
};

TEST_F(PaneInput, StationPaneClicksSelectAndLayARoute)
{
    ASSERT_GT(gStationView.scale, 0.5) << "the pane was not painted";
    EmptyRow(TheGame(), 4);  // P2
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 730);
    EXPECT_EQ(gSelection.selectedTile, 730);

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 513);
    EXPECT_TRUE(gSelection.candidatesShown);
    EXPECT_EQ(TileStateAt(TheGame(), 625), kTileCandidate);

    // With Ctrl the left button pans and lays nothing.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 625);
    EXPECT_TRUE(gStationView.dragging);
    SendMessageA(gStationPane, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(gSelection.routeLaying);

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 625);
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_EQ(TheGame().SlotAt(7, 0)->PathFirst(), 514);  // the stabling track's first SM42
    EXPECT_EQ(TileStateAt(TheGame(), 625), kTileLocked);
}

TEST_F(PaneInput, ARefusedMoveIsShownInTheStatusBarAndLogged)
{
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 413);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 542);
    EXPECT_EQ(StatusText(1), "Brak lokomotywy na początku składu");
    ASSERT_EQ(LogCount(), 1);
    EXPECT_EQ(GetLogEvent(0).text, "Brak lokomotywy na początku składu");

    // The next click clears the message line.
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 730);
    EXPECT_EQ(StatusText(1), "");
    EXPECT_EQ(LogCount(), 1);
}

TEST_F(PaneInput, TrainPaneClicksCoupleAndItsTooltipNamesTheTrain)
{
    // A right click on the schematic selects the unit of P2; the train pane paints it.
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 512);
    UpdateWindow(gTrainPane);
    ASSERT_GT(gVehicleHitRanges[0].right, gVehicleHitRanges[0].left + 2) << "the train pane drew no vehicle";
    const int y = TrainStripHeight(StationFontScale(gUiScale)) / 2;
    const int onFirst = (gVehicleHitRanges[0].left + gVehicleHitRanges[0].right) / 2;
    auto mouse = [y](UINT message, WPARAM keys, int x) { SendMessageA(gTrainPane, message, keys, MAKELPARAM(x, y)); };

    mouse(WM_MOUSEMOVE, 0, onFirst);
    HWND tip = TooltipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);  // the tool's structure was taken
    // Wine takes any size; version 5 of Windows' own refuses one beyond V2.
    EXPECT_EQ(kToolInfoSize, TTTOOLINFOW_V2_SIZE);
    EXPECT_TRUE(IsWindowVisible(tip));
    wchar_t text[200] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = kToolInfoSize;
    tool.hwnd = gTrainPane;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 200, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(text), L"P: II  Nr: 8101  W: 3  Godz: 5:10\nTestowo - Malinowo");

    mouse(WM_MOUSEMOVE, 0, gVehicleHitRanges[0].right);  // the picture's edge is on no vehicle
    EXPECT_FALSE(IsWindowVisible(tip));
    mouse(WM_MOUSEMOVE, 0, onFirst);
    EXPECT_TRUE(IsWindowVisible(tip));
    SendMessageA(gTrainPane, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(tip));

    // P1: the EU07 and its car.
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 412);
    UpdateWindow(gTrainPane);
    const int onEu07 = (gVehicleHitRanges[0].left + gVehicleHitRanges[0].right) / 2;
    mouse(WM_RBUTTONDOWN, MK_RBUTTON, onEu07);
    EXPECT_GT(TheGame().SlotCountdown(3, 0), 0);  // the EU07 is being uncoupled from its car
    EXPECT_NE(StatusText(1).find("Rozłączanie"), std::string::npos) << StatusText(1);
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, onEu07);
    EXPECT_EQ(StatusText(1), "Po lewej stronie nic nie stoi");
    // The front pantograph raised turns the EU07's picture round in the
    // pane, as the pane paints it on its own surface.
    const Pixels24 rear = DrawnFirstVehicle();
    mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, onEu07);
    EXPECT_EQ(StatusText(1), "Podniesiony przedni pantograf");
    EXPECT_NE(DrawnFirstVehicle().bytes, rear.bytes);
    mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, onEu07);
    EXPECT_EQ(StatusText(1), "Podniesiony tylny pantograf");
    EXPECT_EQ(DrawnFirstVehicle().bytes, rear.bytes);
    EXPECT_EQ(GetScoreSummary(TheGame()).penaltyEvents, 1);
}

TEST_F(PaneInput, ADoubleClickOnABoardOpensTheTimetableOnItsSide)
{
    static int mode = 0;
    PaneInputSink timetableOnly = {};
    timetableOnly.openTimetable = [](int32_t m) { mode = m; };
    const PaneInputSink window = SetPaneInputSink(timetableOnly);
    SendMessageA(gArrivalsBoard, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(mode, 2);
    SendMessageA(gDeparturesBoard, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(mode, 1);
    SetPaneInputSink(window);
}

TEST_F(PaneInput, TheMainWindowHandsTheWheelToThePaneUnderTheCursor)
{
    RECT pane;
    GetWindowRect(gStationPane, &pane);
    const double zoom = gSettings.rozmiarSchematu;
    SendMessageA(window_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(pane.left + 20, pane.top + 20));
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, zoom * kZoomStep);

    // Over a board nothing zooms, and the wheel the board sends back up ends there.
    GetWindowRect(gArrivalsBoard, &pane);
    SendMessageA(window_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(pane.left + 5, pane.top + 5));
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, zoom * kZoomStep);
}

}  // namespace
