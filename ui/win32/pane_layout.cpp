// The pane layout applied to the main window's panes.
#include "ui/win32/pane_layout.h"

#include <windows.h>

#include <algorithm>

#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/ui_state.h"
#include "ui/win32/fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/status_bar.h"

void (*gCreateScaledFonts)() = [] { CreateScaledFonts(gUiScale); };

namespace {

// The panes' area: the main window's client above the status bar.
bool PaneArea(int& width, int& height)
{
    if (!gMainWindow) return false;
    RECT client;
    GetClientRect(gMainWindow, &client);
    RECT bar = {};
    if (gStatusBar) GetWindowRect(gStatusBar, &bar);
    width = client.right;
    height = std::max(static_cast<int>(client.bottom - (bar.bottom - bar.top)), 0);
    return true;
}

void Place(HWND pane, const PaneRect& rect)
{
    if (pane) SetWindowPos(pane, nullptr, rect.x, rect.y, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void LayoutPanes()
{
    int width = 0, height = 0;
    if (!gStationPane || !PaneArea(width, height)) return;
    PaneLayout layout = ComputePaneLayout(width, height, gUi.gameRunning, gSettings.szerokoscTablic,
                                          gSettings.wysokoscPodgladu, gUiScale);
    if (layout.uiScale != gUiScale) {
        gUiScale = layout.uiScale;
        gCreateScaledFonts();
    }
    gSplitters = layout.splitters;
    Place(gArrivalsBoard, layout.arrivals);
    Place(gStationPane, layout.station);
    Place(gDeparturesBoard, layout.departures);
    Place(gTrainPane, layout.train);
    InvalidateAllPanes();
}

void FitLayoutToStation(int regionCols, int regionRows)
{
    int width = 0, height = 0;
    if (!gSettings.dopasujDoStacji || !gUi.gameRunning || !gStatusBar || !PaneArea(width, height)) return;
    FitTrainFraction(width, height, gSettings.szerokoscTablic, regionCols, regionRows, gSettings.wysokoscPodgladu);
}

int HitTestSplitter(int x, int y) { return SplitterAt(gSplitters, gUi.gameRunning, x, y); }

void DragSplitter(int x, int y)
{
    int width = 0, height = 0;
    if (!PaneArea(width, height) ||
        !DragSplitterFractions(gDraggedSplitter, x, y, width, height, gSettings.szerokoscTablic,
                               gSettings.wysokoscPodgladu))
        return;
    LayoutPanes();  // which repaints the panes
}
