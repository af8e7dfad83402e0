// Pane classes, creation of the main window's panes and their repaint.
#include "ui/win32/panes.h"

#include <windowsx.h>

#include <initializer_list>

#include "ui/win32/boards_paint.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/depot_window.h"
#include "ui/win32/entries_exits_dialog.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/preview_window.h"
#include "ui/win32/section_dialog.h"
#include "ui/win32/siding_window.h"
#include "ui/win32/station_pane.h"
#include "ui/win32/timetable_window.h"
#include "ui/win32/track_list_window.h"
#include "ui/win32/train_pane.h"

HWND gStationPane = nullptr;
HWND gArrivalsBoard = nullptr;
HWND gTrainPane = nullptr;
HWND gDeparturesBoard = nullptr;

const PaneClass kPaneClasses[] = {
    {"SemarionStationPane", GuardedWindowProc<StationPaneWndProc>},
    {"SemarionArrivalsPane", GuardedWindowProc<ArrivalsBoardWndProc>},
    {"SemarionTrainPane", GuardedWindowProc<TrainPaneWndProc>},
    {"SemarionDeparturesPane", GuardedWindowProc<DeparturesBoardWndProc>},
    {"SemarionWWPane", GuardedWindowProc<EntriesExitsPaneWndProc>},
    {"SemarionMijankaPane", GuardedWindowProc<SectionPaneWndProc>},
    {"SemarionBocznicaPane", GuardedWindowProc<SidingPaneWndProc>},
    {"SemarionLokomPane", GuardedWindowProc<DepotPaneWndProc>},
    {"SemarionRozkladPane", GuardedWindowProc<TimetablePaneWndProc>},
    {"SemarionPodgladPane", GuardedWindowProc<PreviewPaneWndProc>},
    {"SemarionToryPane", GuardedWindowProc<TrackListPaneWndProc>},
};
const int kPaneClassCount = sizeof kPaneClasses / sizeof kPaneClasses[0];

namespace {

HWND CreatePane(HWND main, const char* className, int id, DWORD extraStyle)
{
    return CreateWindowExA(WS_EX_CLIENTEDGE, className, "", WS_CHILD | WS_VISIBLE | extraStyle, 0, 0, 0, 0, main,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(main, GWLP_HINSTANCE)), nullptr);
}

}  // namespace

bool RegisterPaneClasses(HINSTANCE instance)
{
    for (const PaneClass& pane : kPaneClasses) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = pane.proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = pane.name;
        if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
    return true;
}

void CreatePanes(HWND main)
{
    gStationPane = CreatePane(main, "SemarionStationPane", 101, 0);
    gArrivalsBoard = CreatePane(main, "SemarionArrivalsPane", 102, 0);
    gTrainPane = CreatePane(main, "SemarionTrainPane", 103, WS_HSCROLL);
    gDeparturesBoard = CreatePane(main, "SemarionDeparturesPane", 104, 0);
}

void InvalidateAllPanes()
{
    for (HWND pane : {gStationPane, gTrainPane, gArrivalsBoard, gDeparturesBoard})
        if (pane) InvalidateRect(pane, nullptr, FALSE);
}

bool ForwardWheelToPane(HWND main, WPARAM wParam, LPARAM lParam)
{
    // A pane that leaves the wheel to DefWindowProc hands it back to us.
    static bool forwarding = false;
    if (forwarding) return false;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // screen coordinates
    ScreenToClient(main, &point);
    HWND pane = ChildWindowFromPointEx(main, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
    if (!pane || pane == main) return false;
    forwarding = true;
    SendMessageW(pane, WM_MOUSEWHEEL, wParam, lParam);
    forwarding = false;
    return true;
}

LRESULT CALLBACK BlankPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PaneProcWithPainter(window, message, wParam, lParam, [](HDC dc, int width, int height) {
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    });
}
