// The track list window on Tarninowo after a new game: the table painted
// with its titles, sections and rows, the dialog opened from the menu with
// its pane laid out, a click selecting a track, scrolling, and the window's
// rectangle kept for the next opening.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "support/screenshot.h"
#include "ui/commands.h"
#include "ui/layout.h"
#include "ui/track_list.h"
#include "ui/ui_state.h"
#include "ui/win32/track_list_window.h"

namespace {

constexpr int kWidth = 1100;
constexpr int kHeight = 700;
constexpr COLORREF kWhite = RGB(255, 255, 255);

int CountColour(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(p, x, y) == colour;
    return n;
}

int CountNot(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    return (right - left) * (bottom - top) - CountColour(p, left, top, right, bottom, colour);
}

RECT ChildRect(HWND dialog, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class TrackListWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        game_ = std::make_unique<SampleGame>("Tarninowo");
        gTrackList = TrackListWindowState();
    }
    void TearDown() override
    {
        game_.reset();
        gTrackList = TrackListWindowState();
        MainWindowFixture::TearDown();
    }
    void RunFromMenu(DialogScript script)
    {
        ScheduleDialogScript(L"Tory postojowe - co gdzie stoi", script);
        Command(kCmdTrackList);
        EXPECT_TRUE(DialogScriptRan());
    }

    std::unique_ptr<SampleGame> game_;  ///< the shift on Tarninowo
};

TEST_F(TrackListWindow, TarninowosTableHasItsTitlesSectionsAndStandingTrains)
{
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    PaintTrackListPane(canvas.Dc(), kWidth, kHeight);
    const Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("track_list_tarninowo.bmp"));

    ASSERT_FALSE(gTrackList.rows.empty());
    EXPECT_EQ(gTrackList.rows[0].name, "PERONY");
    int vehicles = 0;
    for (const TrackListRow& row : gTrackList.rows) vehicles += !row.header && row.what[0] != '-';
    EXPECT_GE(vehicles, 5) << "trains stand at the start of the shift";

    // The column titles in black above the line under them, across the table.
    const int line = UiPixels(kTrackListFirstTop);
    EXPECT_GT(CountColour(p, 0, 0, UiPixels(kTrackListRemarksX + 40), line, RGB(0, 0, 0)), 100);
    EXPECT_EQ(PixelAt(p, UiPixels(400), line), RGB(0, 0, 0));
    // The first section's title in dark grey under it.
    const int titleTop = UiPixels(gTrackList.layout.tops[0] + 17);
    EXPECT_GT(CountColour(p, 0, titleTop, UiPixels(200), titleTop + UiPixels(13), RGB(40, 40, 40)), 30);
    // Ink in every column of the standing trains, and white beyond the table.
    EXPECT_GT(CountNot(p, UiPixels(kTrackListNumberX), line + 2, UiPixels(kTrackListRelationX), kHeight, kWhite), 100);
    EXPECT_GT(CountNot(p, UiPixels(kTrackListDepartureX), line + 2, UiPixels(kTrackListRemarksX), kHeight, kWhite),
              50);
    EXPECT_EQ(CountNot(p, UiPixels(kTrackListWidth) + 1, 0, kWidth, line + 1, kWhite), 0);
}

TEST_F(TrackListWindow, WithoutAGameOnlyTheTitlesAndTheEmptyText)
{
    gUi.gameRunning = false;
    Canvas canvas(kWidth, 200, RGB(1, 2, 3));
    PaintTrackListPane(canvas.Dc(), kWidth, 200);
    const Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("track_list_empty.bmp"));
    EXPECT_TRUE(gTrackList.rows.empty());
    const int text = UiPixels(22);
    EXPECT_GT(CountColour(p, 0, text, UiPixels(200), text + UiPixels(14), RGB(0, 0, 0)), 50) << kTrackListEmptyText;
    EXPECT_EQ(CountNot(p, 0, text + UiPixels(16), kWidth, 200, kWhite), 0);
}

TEST_F(TrackListWindow, OpensFromTheMenuSelectsByClickScrollsAndKeepsItsRectangle)
{
    RunFromMenu([](HWND dialog) {
        HWND pane = GetDlgItem(dialog, kTrackListPaneId);
        ASSERT_NE(pane, nullptr);
        ASSERT_EQ(pane, gTrackList.pane);
        char name[64] = {};
        GetClassNameA(pane, name, sizeof name);
        EXPECT_STREQ(name, "SemarionToryPane");
        RECT client;
        GetClientRect(dialog, &client);
        const RECT paneRect = ChildRect(dialog, pane);
        EXPECT_EQ(paneRect.left, 5);
        EXPECT_EQ(paneRect.top, 5);
        EXPECT_EQ(paneRect.right, client.right - 5);
        EXPECT_EQ(paneRect.bottom, client.bottom - 28);
        const RECT button = ChildRect(dialog, GetDlgItem(dialog, IDOK));
        EXPECT_EQ(button.left, (client.right - 60) / 2);
        EXPECT_EQ(button.top, client.bottom - 25);
        EXPECT_EQ(button.right - button.left, 60);

        // Painted once: the rows are there to click on.
        RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_GE(gTrackList.rows.size(), 2u);
        const TrackListRow& first = gTrackList.rows[1];
        gSelection.selectedTile = 0;
        const int y = UiPixels(gTrackList.layout.tops[0] + 5);
        SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, y));
        EXPECT_EQ(gSelection.selectedTile, 0) << "a section title selects nothing";
        const int rowY = static_cast<int>((gTrackList.layout.tops[1] + 5) * gUiScale);
        SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, rowY));
        EXPECT_EQ(gSelection.selectedTile, first.tile);

        // Scrolling down moves the table; the paint keeps it inside the table.
        SendMessageA(pane, WM_VSCROLL, SB_LINEDOWN, 0);
        EXPECT_EQ(gTrackList.vScroll, 20);
        SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
        EXPECT_EQ(gTrackList.vScroll, 80);
        SendMessageA(pane, WM_VSCROLL, SB_PAGEUP, 0);
        EXPECT_EQ(gTrackList.vScroll, 0);
        SendMessageA(pane, WM_HSCROLL, SB_LINERIGHT, 0);
        EXPECT_EQ(gTrackList.hScroll, 40);
        SendMessageA(pane, WM_HSCROLL, SB_LINELEFT, 0);

        // Made larger, the window lays its pane out anew; it keeps that size.
        SetWindowPos(dialog, nullptr, 20, 30, 1000, 640, SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(dialog, &client);
        EXPECT_EQ(ChildRect(dialog, pane).right, client.right - 5);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveScreenshot(dialog, TestPicturePath("track_list_window.bmp").c_str());
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(gTrackList.pane, nullptr);
    EXPECT_EQ(gTrackList.remembered.right - gTrackList.remembered.left, 1000);

    RunFromMenu([](HWND dialog) {
        RECT rect;
        GetWindowRect(dialog, &rect);
        EXPECT_EQ(rect.left, 20);
        EXPECT_EQ(rect.top, 30);
        EXPECT_EQ(rect.bottom - rect.top, 640);
        EXPECT_EQ(gTrackList.vScroll, 0);
        SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
    });
}

}  // namespace
