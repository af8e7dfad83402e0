// The floor under the game's Wine figures: the least a Win32 program doing the
// game's work per timer message costs under Wine. Its window has the game's
// size (900 x 600) and the game's status bar; its timer has the period the
// game's pacing gives the station at the default settings (78 ms at an
// Interval of 780 ms and a station step of 10 s). Each message sets the status
// bar's clock and score as the game's clock does and repaints a child pane of
// the size of the game's station pane through the game's own pane frame, from
// a buffer kept since the first paint, as the station pane does while its
// picture stays. Nothing else: no simulation, no files but the station, which
// gives the step.
//
//   floor STATION.stc WIDTH HEIGHT  shows the window, its pane's client area
//                                   WIDTH x HEIGHT, until it is closed; prints
//                                   "timer period N ms" first
//   floor repaint COUNT             prints one full repaint of a 1280 x 800
//                                   pane from the kept buffer, in the repaint
//                                   benchmark's line "NAME ... median X ms"
//
// Built with the Windows build as floor.exe (a short name: Linux keeps 15
// characters of a process name, by which scripts/bench.sh finds it); no part
// of the game links it.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/game.h"
#include "ui/pacing.h"
#include "ui/ui_state.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/status_bar.h"

namespace {

constexpr int kWindowWidth = 900;  // the game's main window
constexpr int kWindowHeight = 600;
constexpr int kRepaintWidth = 1280;  // the repaint benchmark's station pane
constexpr int kRepaintHeight = 800;
constexpr UINT_PTR kFloorTimer = 1;
constexpr char kClassName[] = "SemarionFloor";
constexpr char kPaneClassName[] = "SemarionFloorPane";

HWND gPane;  // the station pane's stand-in

// Bands of colour, drawn into the pane's kept buffer once, so that each
// paint copies real pixels and draws nothing, as the station pane's does
// while its picture stays.
void PaintBands(HDC dc, int width, int height, bool kept)
{
    if (kept) return;
    for (int x = 0; x < width; x += 14) {
        RECT band = {x, 0, x + 14, height};
        HBRUSH brush = CreateSolidBrush(RGB(x % 256, 128, 255 - x % 256));
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
}

// The game's clock one second on, as a message at the default pace moves it,
// and the status bar's clock and score set as the game sets them after each
// message: the time moves on, the score mostly does not.
void TickStatusBar()
{
    try {
        TheGame().clock.Tick();
    } catch (int) {
        // Midnight: the clock has turned to 0:00; the floor has no day to roll over.
    }
    UpdateStatusBar();
}

// The game's pane frame: a paint blits the pane's kept buffer to the window.
LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PaneProcWithPainter(window, message, wParam, lParam, PaintBands);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateStatusBar(window);
        return 0;
    case WM_SIZE:
        SendMessageW(gStatusBar, WM_SIZE, 0, 0);
        SetStatusBarParts();
        return 0;
    case WM_TIMER:
        TickStatusBar();
        InvalidateRect(gPane, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterClasses()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    WNDCLASSA paneClass = windowClass;
    paneClass.lpfnWndProc = PaneProc;
    paneClass.hbrBackground = nullptr;
    paneClass.lpszClassName = kPaneClassName;
    return RegisterClassA(&windowClass) && RegisterClassA(&paneClass);
}

// The main window of the game's size with the pane as the game makes its
// station pane: a child with a sunken edge, of this window size.
HWND MakeWindows(int paneWidth, int paneHeight)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = CreateWindowExA(0, kClassName, "Semarion floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    gPane = CreateWindowExA(WS_EX_CLIENTEDGE, kPaneClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, paneWidth, paneHeight,
                            window, nullptr, instance, nullptr);
    return gPane ? window : nullptr;
}

// The pane's window size for a client area of width x height.
SIZE PaneWindowSize(int width, int height)
{
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_CHILD | WS_VISIBLE, FALSE, WS_EX_CLIENTEDGE);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The period the game's timer takes on this station at the default settings;
// 0 when the station does not load. The station's clock is then the one the
// status bar shows.
int GameTimerPeriod(const char* station)
{
    if (TheGame().LoadStationFile(station) != 0) return 0;
    SyncStepFromGame();
    gUi.gameRunning = true;
    return TimerPeriodMs();
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// As the repaint benchmark does the game's: the pane set to 1280 x 800 in
// the window of the game's size, redrawn at once.
int MeasureRepaints(int count)
{
    HWND window = MakeWindows(kRepaintWidth, kRepaintHeight);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        RedrawWindow(gPane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        QueryPerformanceCounter(&t1);
        times.push_back(Milliseconds(t0, t1));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-32s %4d repaints  median %.3f ms  fastest %.3f ms\n", "floor repaint", count,
                times[times.size() / 2], times.front());
    DestroyWindow(window);
    return 0;
}

int ShowUntilClosed(const char* station, int paneWidth, int paneHeight)
{
    const int period = GameTimerPeriod(station);
    if (period == 0) {
        std::fprintf(stderr, "floor: the station %s does not load\n", station);
        return 1;
    }
    const SIZE pane = PaneWindowSize(paneWidth, paneHeight);
    HWND window = MakeWindows(pane.cx, pane.cy);
    if (!window) return 1;
    std::printf("timer period %d ms\n", period);
    std::fflush(stdout);
    ShowWindow(window, SW_SHOW);
    SetTimer(window, kFloorTimer, static_cast<UINT>(period), nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!RegisterClasses()) return 1;
    if (argc == 3 && std::strcmp(argv[1], "repaint") == 0) return MeasureRepaints(std::max(1, std::atoi(argv[2])));
    if (argc == 4) return ShowUntilClosed(argv[1], std::max(1, std::atoi(argv[2])), std::max(1, std::atoi(argv[3])));
    std::fprintf(stderr, "usage: floor STATION.stc WIDTH HEIGHT | floor repaint COUNT\n");
    return 2;
}
