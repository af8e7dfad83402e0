// The consist preview on Tarninowo (a timetable with compositions): the strip
// of a goods train car by car with its engine, painted on a plain and on a
// coloured background, and the window opened with Space, scrolled and closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "support/screenshot.h"
#include "ui/consist_preview.h"
#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/ui_state.h"
#include "ui/win32/main_window.h"
#include "ui/win32/preview_window.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

constexpr TileCode kGoodsPlatform = 1641;  ///< wagons of a goods train and its ET22, coupled
constexpr int kWidth = 900;
constexpr int kHeight = 90;

int Count(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour, bool equal)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += (PixelAt(p, x, y) == colour) == equal;
    return n;
}

// The strip's width in picture pixels.
int StripUnits()
{
    return PreviewTotalWidth(PreviewSlots(TheGame(), SelectedPoint()), [](const StripVehicles& v) {
        return static_cast<int32_t>(DrawStripVehicles(nullptr, v, 0, 0, false, 0, 1.0));
    });
}

TEST(PreviewPane, TheGoodsTrainCarByCarThenItsEngine)
{
    FreshUiState();
    SampleGame game("Tarninowo");
    gSelection.selectedTile = kGoodsPlatform;
    const std::vector<PreviewSlot> slots = PreviewSlots(TheGame(), SelectedPoint());
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_GT(slots[0].vehicles.types.size(), 1u) << "the wagons' composition";
    EXPECT_EQ(slots[1].vehicles.types.size(), 1u);

    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    PaintPreviewPane(canvas.Dc(), kWidth, kHeight);
    Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("preview_pane_tarninowo.bmp"));
    const int drawn = std::min(kWidth, ScaleUnits(StripUnits(), StationFontScale(gUiScale)));
    EXPECT_GT(drawn, 300);
    EXPECT_GT(Count(p, 0, 0, drawn, kHeight, RGB(255, 255, 255), false), 1000) << "the pictures";
    EXPECT_EQ(Count(p, 0, 0, kWidth, kHeight, RGB(1, 2, 3), true), 0) << "the background is painted";

    // On a coloured background the pictures leave out their white.
    gSettings.podgladSkladow = static_cast<int>(RGB(200, 220, 240));
    PaintPreviewPane(canvas.Dc(), kWidth, kHeight);
    p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("preview_pane_coloured.bmp"));
    EXPECT_EQ(Count(p, 0, 0, kWidth, kHeight, RGB(255, 255, 255), true), 0);
    EXPECT_GT(Count(p, 0, 0, drawn, kHeight, RGB(200, 220, 240), false), 1000);

    gSelection.selectedTile = 0;
    PaintPreviewPane(canvas.Dc(), kWidth, kHeight);
    EXPECT_EQ(Count(canvas.Pixels(), 0, 0, kWidth, kHeight, RGB(200, 220, 240), true), kWidth * kHeight);
}

HWND Pane(HWND dialog) { return GetDlgItem(dialog, kPreviewPane); }

class PreviewWindow : public MainWindowFixture {
protected:
    void TearDown() override
    {
        game_.reset();
        MainWindowFixture::TearDown();
    }
    void Start(const char* station) { game_ = std::make_unique<SampleGame>(station); }
    // Space in the main window, the script running once the preview is open.
    void Space(DialogScript script)
    {
        const UINT_PTR timer = ScheduleDialogScript(L"Podglad sk\u0142adu", script);
        SendMessageA(window_, WM_KEYDOWN, VK_SPACE, 0);
        if (!script) KillTimer(nullptr, timer);
    }

    std::unique_ptr<SampleGame> game_;
};

TEST_F(PreviewWindow, SpaceOpensItPausingThePreviewAndItScrollsAtTwiceTheZoom)
{
    Start("Tarninowo");
    gSelection.selectedTile = kGoodsPlatform;
    gSettings.powiekszeniePodgladu = 2.0;
    gUiScale = 0.7;  // the train, twice as wide as the pane, still fits on the screen
    Space([](HWND dialog) {
        EXPECT_TRUE(gUi.previewOpen);
        HWND pane = Pane(dialog);
        ASSERT_NE(pane, nullptr);
        // The pane half as wide as the strip.
        const int content = ScaleUnits(StripUnits(), StationFontScale(gUiScale));
        RECT frame, client;
        GetWindowRect(dialog, &frame);
        GetClientRect(pane, &client);
        SetWindowPos(dialog, nullptr, 0, 0, (frame.right - frame.left) - client.right + content / 2,
                     frame.bottom - frame.top, SWP_NOZORDER);  // at the screen's corner, all of it seen
        UpdateWindow(pane);
        GetClientRect(pane, &client);
        EXPECT_NEAR(client.right, content / 2, 1);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(pane, SB_HORZ, &info);
        EXPECT_EQ(info.nMax, content - 1);
        EXPECT_EQ(static_cast<int>(info.nPage), client.right);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveScreenshot(dialog, TestPicturePath("preview_window.bmp").c_str());
        SendMessageA(pane, WM_HSCROLL, SB_PAGERIGHT, 0);
        UpdateWindow(pane);
        GetScrollInfo(pane, SB_HORZ, &info);
        EXPECT_GT(info.nPos, 0);
        SaveScreenshot(dialog, TestPicturePath("preview_window_scrolled.bmp").c_str());
    });
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_FALSE(gUi.previewOpen);
    EXPECT_GT(gSettings.podgladW, 0) << "the resize is remembered";
}

TEST_F(PreviewWindow, ARememberedSizeIsTakenAndTheButtonFollowsIt)
{
    Start("Tarninowo");
    gSelection.selectedTile = kGoodsPlatform;
    gSettings.podgladW = 640;
    gSettings.podgladH = 200;
    Space([](HWND dialog) {
        RECT rect, client;
        GetWindowRect(dialog, &rect);
        EXPECT_EQ(rect.right - rect.left, 640);
        EXPECT_EQ(rect.bottom - rect.top, 200);
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, IDOK), &rect);
        POINT corner = {rect.left, rect.top};
        ScreenToClient(dialog, &corner);
        EXPECT_EQ(corner.x, (client.right - 50) / 2);
        EXPECT_EQ(corner.y, client.bottom - 22);
    });
    EXPECT_TRUE(DialogScriptRan());
}

TEST_F(PreviewWindow, SpaceWithoutASelectionOrWithoutCompositionsOpensNothing)
{
    Start("Tarninowo");
    Space(nullptr);
    EXPECT_FALSE(gUi.previewOpen);
    game_.reset();
    Start("Testowo");
    gSelection.selectedTile = 412;
    Space(nullptr);  // a dialog here would wait for ever
    EXPECT_FALSE(gUi.previewOpen);
}

}  // namespace
