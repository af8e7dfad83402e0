#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "support/main_window_fixture.h"
#include "support/screenshot.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/ui_state.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_layout.h"
#include "ui/win32/panes.h"
#include "ui/win32/status_bar.h"

namespace {

std::map<std::string, std::string> gWritten;  // key -> value of the settings writes
int gScaledFontBuilds;

std::string NoValue(const char*, const char*, const char* fallback, const char*) { return fallback; }
void Record(const char*, const char* key, const char* value, const char*) { gWritten[key] = value; }

RECT ChildRect(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectPlaced(HWND pane, const PaneRect& expected, const char* name)
{
    RECT rect = ChildRect(pane);
    EXPECT_EQ(rect.left, expected.x) << name;
    EXPECT_EQ(rect.top, expected.y) << name;
    EXPECT_EQ(rect.right - rect.left, expected.width) << name;
    EXPECT_EQ(rect.bottom - rect.top, expected.height) << name;
}

class PaneLayoutWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gWritten.clear();
        gScaledFontBuilds = 0;
        savedIni_ = SetIniAccess({NoValue, Record});
        savedFonts_ = gCreateScaledFonts;
        gCreateScaledFonts = [] { ++gScaledFontBuilds; };
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        SetIniAccess(savedIni_);
        gCreateScaledFonts = savedFonts_;
    }
    void Resize(int width, int height)
    {
        SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    // The panes' area: the client above the status bar.
    void Area(int& width, int& height) const
    {
        RECT client, bar;
        GetClientRect(window_, &client);
        GetWindowRect(gStatusBar, &bar);
        width = client.right;
        height = client.bottom - (bar.bottom - bar.top);
    }
    void Mouse(UINT message, int x, int y) { SendMessageA(window_, message, 0, MAKELPARAM(x, y)); }

private:
    IniAccess savedIni_{};
    void (*savedFonts_)() = nullptr;
};

TEST_F(PaneLayoutWindow, PanesFollowTheWindowSizeAboveTheStatusBar)
{
    gUi.gameRunning = true;
    const int sizes[][2] = {{1280, 900}, {900, 600}, {640, 420}, {1600, 700}, {300, 200}};
    for (const auto& size : sizes) {
        double scaleBefore = gUiScale;
        Resize(size[0], size[1]);
        int width, height;
        Area(width, height);
        PaneLayout expected = ComputePaneLayout(width, height, true, 0.14, 0.16, scaleBefore);
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        ExpectPlaced(gArrivalsBoard, expected.arrivals, "arrivals");
        ExpectPlaced(gStationPane, expected.station, "station");
        ExpectPlaced(gDeparturesBoard, expected.departures, "departures");
        ExpectPlaced(gTrainPane, expected.train, "train");
        EXPECT_EQ(ChildRect(gTrainPane).bottom, height);  // down to the status bar
        EXPECT_EQ(ChildRect(gDeparturesBoard).right, width);
        EXPECT_EQ(gSplitters.leftX, expected.splitters.leftX);
        EXPECT_EQ(gSplitters.rightX, expected.splitters.rightX);
        EXPECT_EQ(gSplitters.bottomY, expected.splitters.bottomY);
        EXPECT_EQ(gUiScale, expected.uiScale);
    }
    // the boards of 1600 x 700 were wide enough to change the scale, and back
    EXPECT_GE(gScaledFontBuilds, 2);

    // the game ends: the station pane takes everything again, the scale stays
    double scale = gUiScale;
    gUi.gameRunning = false;
    Resize(950, 600);
    int width, height;
    Area(width, height);
    ExpectPlaced(gStationPane, {0, 0, width, height}, "station");
    ExpectPlaced(gTrainPane, {0, height, width, 0}, "train");
    EXPECT_EQ(gUiScale, scale);
}

TEST_F(PaneLayoutWindow, DraggingABandMovesTheBoundaryAndSavesTheSettings)
{
    Resize(1000, 700);
    Mouse(WM_LBUTTONDOWN, 2, 40);  // no game: no bands at all
    EXPECT_EQ(gDraggedSplitter, 0);
    gUi.gameRunning = true;
    LayoutPanes();
    int width, height;
    Area(width, height);
    int left = gSplitters.leftX;
    ASSERT_GT(left, 0);

    Mouse(WM_LBUTTONDOWN, left + 3, 40);
    EXPECT_EQ(gDraggedSplitter, kLeftSplitter);
    EXPECT_EQ(GetCapture(), window_);
    EXPECT_EQ(SendMessageA(window_, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_), MAKELPARAM(HTCLIENT, 0)), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    int x = width / 5;
    Mouse(WM_MOUSEMOVE, x, 40);
    EXPECT_DOUBLE_EQ(gSettings.szerokoscTablic, static_cast<double>(x) / width);
    EXPECT_EQ(ChildRect(gArrivalsBoard).right, BoardWidth(width, gSettings.szerokoscTablic));
    EXPECT_EQ(ChildRect(gStationPane).left, gSplitters.leftX + kSplitterWidth);
    EXPECT_TRUE(gWritten.empty());  // nothing written while dragging
    Mouse(WM_LBUTTONUP, x, 40);
    EXPECT_EQ(gDraggedSplitter, 0);
    EXPECT_NE(GetCapture(), window_);
    EXPECT_EQ(gWritten["Szerokosc_tablic"], "20");

    // the bottom band, dragged to the top, gives the train pane its most
    Mouse(WM_LBUTTONDOWN, width / 2, gSplitters.bottomY + 1);
    EXPECT_EQ(gDraggedSplitter, kBottomSplitter);
    EXPECT_EQ(SendMessageA(window_, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_), MAKELPARAM(HTCLIENT, 0)), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZENS));
    Mouse(WM_MOUSEMOVE, width / 2, 0);
    Mouse(WM_LBUTTONUP, width / 2, 0);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.4);
    EXPECT_EQ(gWritten["Wysokosc_podgladu"], "40");
    RECT train = ChildRect(gTrainPane);
    EXPECT_EQ(train.bottom - train.top, static_cast<int>(height * 0.4));
    EXPECT_EQ(train.top, gSplitters.bottomY + kSplitterWidth);
}

TEST_F(PaneLayoutWindow, FitSetsTheTrainPaneOnlyWhenAskedInAGame)
{
    Resize(1000, 700);
    FitLayoutToStation(100, 20);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.16);  // no game

    gUi.gameRunning = true;
    FitLayoutToStation(100, 20);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.25);  // wide and flat
    FitLayoutToStation(20, 100);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.12);  // tall
    FitLayoutToStation(0, 0);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.12);  // nothing on the grid

    gSettings.dopasujDoStacji = false;
    FitLayoutToStation(100, 20);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.12);
}

TEST_F(PaneLayoutWindow, ShownPanesAreFramedAndPaintedBetweenTheBands)
{
    gUi.gameRunning = true;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    Resize(900, 600);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    HDC dc = GetDC(window_);
    RECT station = ChildRect(gStationPane);
    COLORREF band = GetPixel(dc, gSplitters.leftX + 3, 50);
    COLORREF inside = GetPixel(dc, (station.left + station.right) / 2, (station.top + station.bottom) / 2);
    COLORREF edge = GetPixel(dc, station.left, 50);
    COLORREF bottomBand = GetPixel(dc, 400, gSplitters.bottomY + 3);
    EXPECT_EQ(band, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(bottomBand, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(inside, GetSysColor(COLOR_WINDOW));
    EXPECT_NE(edge, GetSysColor(COLOR_WINDOW));  // the sunken client edge
    ReleaseDC(window_, dc);

    SaveScreenshot(window_, "pane_layout.bmp");
}

}  // namespace
