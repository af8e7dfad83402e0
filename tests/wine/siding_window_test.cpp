// The siding window on a painted Testowo: a right click on the siding opens
// it over the main window with its title and pane sized for the three
// sub-tracks; clicks in it couple and select a sub-track's consist; a route
// to the siding opens it to choose the sub-track; the rectangle is kept and a
// remembered one is moved back on the screen; the pane painted into a
// picture.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "model/game.h"
#include "native/station_files.h"
#include "native/vehicle_scenes.h"
#include "simulation/pantographs.h"
#include "simulation/train_tracking.h"
#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "support/screenshot.h"
#include "ui/layout.h"
#include "ui/siding_window.h"
#include "ui/station_view.h"
#include "ui/win32/pane_layout.h"
#include "ui/win32/siding_window.h"
#include "ui/win32/tool_dialog.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

constexpr TileCode kSidingTile = 713;
constexpr int32_t kFirstSubTrack = kStcPointCount;
const wchar_t kTitle[] = L"Bocznica B1  (tory B1/1-B1/3)";

// A mouse message at pane units (x, y) of the siding pane, in its pixels.
void PaneMouse(UINT message, WPARAM keys, int32_t x, int32_t y)
{
    const int px = static_cast<int>((x + 0.5) * gUiScale), py = static_cast<int>((y + 0.5) * gUiScale);
    SendMessageA(gSidingPane, message, keys, MAKELPARAM(px, py));
}

class SidingWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gSettings.dzwiek = false;
        game_ = std::make_unique<SampleGame>("Testowo");
        ResetPantographs();
        ResetTrainTracking();
        LayoutPanes();
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);  // the station pane paints: its view places the grid
    }
    void TearDown() override
    {
        game_.reset();  // puts back the window's hooks before the window goes
        MainWindowFixture::TearDown();
        gStationView = StationViewState();
        gSidingWindow = SidingWindowState();
        gSidingHits = SidingHitTable();
    }
    // A mouse button pressed in the middle of a tile of the station pane.
    void Mouse(UINT message, TileCode tile)
    {
        const double cell = 14 * gStationView.scale;
        const int x = gStationView.originX + static_cast<int>((TileColumn(tile) + 0.5) * cell);
        const int y = gStationView.originY + static_cast<int>((TileRow(tile) + 0.5) * cell);
        SendMessageA(gStationPane, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(x, y));
    }
    // A click that opens the window, with the script run in it.
    void ClickOpening(UINT message, TileCode tile, DialogScript script)
    {
        ScheduleDialogScript(kTitle, script);
        Mouse(message, tile);
        EXPECT_TRUE(DialogScriptRan());
        EXPECT_FALSE(gSidingWindow.open);
        EXPECT_EQ(gSidingPane, nullptr);
    }

    std::unique_ptr<SampleGame> game_;  ///< Testowo in TheGame()
};

TEST_F(SidingWindowTest, ARightClickOpensItAndItsClicksCoupleAndSelect)
{
    ASSERT_GT(gStationView.scale, 0.5) << "the station pane was not painted";
    ClickOpening(WM_RBUTTONDOWN, kSidingTile, [](HWND dialog) {
        EXPECT_TRUE(gSidingWindow.open);
        EXPECT_FALSE(gSidingWindow.choosing);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), gMainWindow);
        ASSERT_NE(gSidingPane, nullptr);
        RECT pane;
        GetWindowRect(gSidingPane, &pane);
        const int32_t width = SidingPaneWidth(TheGame(), gSidingWindow, [](int32_t row, int32_t slot) {
            return DrawVehicleStrip(nullptr, row, slot, 0, 0, false, 0, 1.0);
        });
        EXPECT_EQ(pane.right - pane.left, UiPixels(width));
        EXPECT_EQ(pane.bottom - pane.top, UiPixels(3 * kSidingBand) + 6);
        RECT button;
        GetWindowRect(GetDlgItem(dialog, 1), &button);
        EXPECT_EQ(button.right - button.left, 60);
        EXPECT_GT(button.top, pane.bottom);

        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveScreenshot(dialog, TestPicturePath("siding_window.bmp").c_str());
        const HitRange loco = gSidingHits[1][0];
        ASSERT_GT(loco.right, loco.left + 10) << "no vehicle painted on the second sub-track";
        EXPECT_EQ(gSidingHits[0][0].left, -1);

        // The right button on the locomotive couples it with the wagon behind.
        PaneMouse(WM_RBUTTONDOWN, MK_RBUTTON, (loco.left + loco.right) / 2, kSidingBand + 20);
        EXPECT_EQ(StatusText(1).rfind("Łączenie", 0), 0u) << StatusText(1);
        EXPECT_GT(TheGame().SlotCountdown(kFirstSubTrack + 1, 0), 0);
        // Shift and the left button: no turntable here.
        PaneMouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, (loco.left + loco.right) / 2, kSidingBand + 20);
        EXPECT_EQ(StatusText(1), TurnLocomotiveMessage(kTurnNotAtTurntable));
        UpdateWindow(gSidingPane);
        EXPECT_EQ(PixelsDifferingFromAnew(gSidingPane, PaintSidingPane), 0);
        SaveScreenshot(dialog, TestPicturePath("siding_window_coupling.bmp").c_str());

        // The signal column of the second sub-track selects its consist and closes the window.
        PaneMouse(WM_LBUTTONDOWN, MK_LBUTTON, 10, kSidingBand + 20);
    });
    EXPECT_EQ(gSelection.selectedTile, kSidingTile);
    EXPECT_EQ(TheGame().SlotAt(kStcSiding, 0)->Link(), kFirstSubTrack + 1);
    EXPECT_GT(gSettings.bocznicaW, 100);
    EXPECT_GT(gSettings.bocznicaH, 100);
}

TEST_F(SidingWindowTest, ARouteToTheSidingChoosesItsSubTrackInTheWindow)
{
    PutVehicles(TheGame(), kStcLine, 0, {{2, 9}});  // an SM42 of the freight train coming in
    const RECT work = WorkArea();
    gSettings.bocznicaX = work.right - 100;  // where the player left it: mostly off the screen
    gSettings.bocznicaY = work.bottom - 50;
    gSettings.bocznicaW = 400;
    gSettings.bocznicaH = 250;
    Mouse(WM_RBUTTONDOWN, 401);
    ASSERT_EQ(gSelection.selectedTile, 401);

    // Closed without a choice: nothing more.
    ClickOpening(WM_LBUTTONDOWN, kSidingTile, [](HWND dialog) {
        EXPECT_TRUE(gSidingWindow.choosing);
        RECT rect;
        GetWindowRect(dialog, &rect);
        const RECT work = WorkArea();
        EXPECT_EQ(rect.right, work.right);
        EXPECT_EQ(rect.bottom, work.bottom);
        EXPECT_EQ(rect.right - rect.left, 400);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_EQ(StatusText(1), "");

    ClickOpening(WM_LBUTTONDOWN, kSidingTile, [](HWND) { PaneMouse(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5); });
    EXPECT_FALSE(gSidingWindow.choosing);
    EXPECT_EQ(gSidingWindow.chosenRow, kFirstSubTrack);
    EXPECT_TRUE(gSelection.candidatesShown);
    EXPECT_EQ(TheGame().SlotAt(kStcSiding, 0)->Link(), -kFirstSubTrack);
}

TEST_F(SidingWindowTest, ThePanePaintsRailsSignalsVehiclesAndTexts)
{
    BeginSidingWindow(gSidingWindow, kStcSiding, kFirstSubTrack, kFirstSubTrack + 2, kSidingTile, false);
    const int width = 600, height = UiPixels(3 * kSidingBand) + 6;
    Canvas canvas(width, height, RGB(0, 0, 0));
    PaintSidingPane(canvas.Dc(), width, height);
    ASSERT_TRUE(canvas.Save("siding_pane.bmp"));
    const Pixels24 p = canvas.Pixels();
    const double s = gUiScale;
    EXPECT_EQ(PixelAt(p, width - 2, 5), RGB(255, 255, 255));  // white, whatever was there
    EXPECT_EQ(PixelAt(p, width - 2, static_cast<int>(40 * s)), RGB(150, 150, 150));
    EXPECT_EQ(PixelAt(p, width - 2, static_cast<int>((2 * kSidingBand + 40) * s)), RGB(150, 150, 150));
    auto inked = [&](int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += PixelAt(p, x, y) != RGB(255, 255, 255);
        return n;
    };
    EXPECT_GT(inked(0, static_cast<int>(6 * s), static_cast<int>(27 * s), static_cast<int>(38 * s)), 20);  // a signal
    const HitRange loco = gSidingHits[1][0];
    ASSERT_GT(loco.right, loco.left + 10);
    EXPECT_GT(inked(static_cast<int>(loco.left * s), static_cast<int>(kSidingBand * s), static_cast<int>(loco.right * s),
                    static_cast<int>((kSidingBand + 38) * s)),
              100);  // the locomotive's picture
    EXPECT_GT(inked(static_cast<int>(loco.left * s), static_cast<int>((kSidingBand + 42) * s),
                    static_cast<int>(loco.right * s), static_cast<int>((kSidingBand + 56) * s)),
              10);  // its type name under it
    EXPECT_GT(inked(static_cast<int>(31 * s), static_cast<int>(42 * s), static_cast<int>(80 * s),
                    static_cast<int>(56 * s)),
              10);  // the label of the empty first sub-track
}

}  // namespace
