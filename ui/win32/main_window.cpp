// The main window: class registration, creation, window procedure, message loop.
#include "ui/win32/main_window.h"

#include <windowsx.h>

#include <initializer_list>

#include "model/game.h"
#include "simulation/event_log.h"
#include "ui/commands.h"
#include "ui/game_file_names.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/status_texts.h"
#include "ui/timer_message.h"
#include "ui/ui_state.h"
#include "ui/win32/clock_timer.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/depot_window.h"
#include "ui/win32/game_file_commands.h"
#include "ui/win32/game_files.h"
#include "ui/win32/graphics.h"
#include "ui/win32/main_commands.h"
#include "ui/win32/new_game_dialog.h"
#include "ui/win32/pane_input_sink.h"
#include "ui/win32/pane_layout.h"
#include "ui/win32/section_dialog.h"
#include "ui/win32/siding_window.h"
#include "ui/win32/train_pane.h"
#include "ui/win32/train_pane_mouse.h"
#include "ui/win32/panes.h"
#include "ui/win32/preview_window.h"
#include "ui/win32/sound_player.h"
#include "ui/win32/status_bar.h"

const char kMainWindowClass[] = "SemarionMainWindow";

HINSTANCE gInstance = nullptr;
HWND gMainWindow = nullptr;
int gDraggedSplitter = 0;

namespace {

constexpr int kInitialWidth = 900;
constexpr int kInitialHeight = 600;
constexpr int kMainMenu = 1;

void OnCreate(HWND window)
{
    gMainWindow = window;
    CreatePanes(window);
    CreateStatusBar(window);
    SetPaneInputSink(kWindowPaneInputSink);
    SetTrainPaneMouseHandler(TrainPaneMouse);
    SetStatusBarParts();
    gWindowServices.loadGraphics(window);
    InitCommandMenu(window);
    LayoutPanes();
}

// Closing asks whether to save the game while it can still be stopped: a
// save the player wanted that did not happen keeps the window and the game.
// The timer stops first: the question runs a message loop of its own, and no
// simulation step may run under it.
void OnClose(HWND window)
{
    const bool timerRan = gClockDriver.timerId != 0;
    StopClockTimer(window);
    if (gWindowServices.askSaveGame(window)) {
        DestroyWindow(window);
        return;
    }
    if (timerRan) RestartClockTimer(window);
}

void OnDestroy(HWND window)
{
    StopClockTimer(window);
    SaveSettings();
    gWindowServices.freeGraphics();
    gStationPane = gArrivalsBoard = gTrainPane = gDeparturesBoard = nullptr;
    gStatusBar = nullptr;
    gMainWindow = nullptr;
    PostQuitMessage(0);
}

// The session ends: the program is ended right after this message, with no
// WM_DESTROY and no time for a question, so the game and the settings are
// kept here as closing would keep them.
void OnEndSession(bool ending)
{
    if (!ending) return;
    AutosaveAtSessionEnd();
    SaveSettings();
}

void OnKeyDown(HWND window, WPARAM key)
{
    if (key >= '1' && key <= '9') {
        if (!gUi.gameRunning) return;
        int number = static_cast<int>(key - '0');
        int tile = TheGame().EntryTileByNumber(number);
        if (tile < 0) return;
        gSectionRequest.entryTile = tile;
        gSectionRequest.entryNumber = number;
        gWindowServices.openSectionPermissionDialog(window, 0);
    } else if (key == VK_SPACE) {
        gWindowServices.openPreviewDialog(window);
    } else if (key == VK_ESCAPE && CancelRouteLaying()) {
        SetStatusText(1, "Układanie drogi przerwane");
        UpdateStatusBar();
        InvalidateAllPanes();
    }
}

bool OnSetCursor(HWND window, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return false;
    int band = gDraggedSplitter;
    if (band == 0) {
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        band = HitTestSplitter(cursor.x, cursor.y);
    }
    if (band == 0) return false;
    SetCursor(LoadCursor(nullptr, band == 3 ? IDC_SIZENS : IDC_SIZEWE));
    return true;
}

LRESULT OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    if (message == WM_LBUTTONDOWN) {
        int band = HitTestSplitter(x, y);
        if (band == 0) return DefWindowProcA(window, message, wParam, lParam);
        gDraggedSplitter = band;
        SetCapture(window);
    } else if (gDraggedSplitter == 0) {
        return DefWindowProcA(window, message, wParam, lParam);
    } else if (message == WM_MOUSEMOVE) {
        DragSplitter(x, y);
    } else {
        gDraggedSplitter = 0;
        ReleaseCapture();
        SaveSettings();
    }
    return 0;
}

}  // namespace

WindowServices gWindowServices = {
    LoadGraphics,                             // loadGraphics
    FreeGraphics,                             // freeGraphics
    [] {                                      // invalidateToolPanes
        InvalidateSidingPane();
        RepaintDepotPane();
    },
    AskSaveGame,                              // askSaveGame
    StartGameFromCommandLine,                 // startGameFromCommandLine
    OpenNewGameDialog,                        // openNewGameDialog
    OpenSectionPermissionDialog,              // openSectionPermissionDialog
    OpenPreviewDialog,                        // openPreviewDialog
};

const NotifyHooks kMainWindowHooks = {
    [] { return gUi.gameRunning; },                                      // gameRunning
    [](const char* text) { SetStatusText(kStatusMessage, text); },       // setStatusText
    AddLogEvent,                                                         // addLogEvent
    [] {                                                                 // repaint
        InvalidateAllPanes();
        gWindowServices.invalidateToolPanes();
    },
    UpdateStatusBar,                                                     // updateStatusBar
    [] { StopClockTimer(gMainWindow); },                                 // stopTimer
    [] { RestartClockTimer(gMainWindow); },                              // restartTimer
    [] { gWindowServices.openSectionPermissionDialog(gMainWindow, 1); },  // askSectionPermission
    PlayGameSound,                                                       // playSound
    AutosaveTick,                                                        // autosaveTick
};

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_SIZE:
        if (gStatusBar) SendMessageA(gStatusBar, WM_SIZE, 0, 0);
        SetStatusBarParts();
        LayoutPanes();
        return 0;
    case WM_CLOSE:
        OnClose(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return 0;
    case WM_ACTIVATEAPP:
        gUi.appActive = wParam != 0;
        if (gUi.appActive) ResetClockTickBase();
        UpdateStatusBar();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        return OnMouse(window, message, wParam, lParam);
    case WM_MOUSEWHEEL:
        return ForwardWheelToPane(window, wParam, lParam) ? 0 : DefWindowProcA(window, message, wParam, lParam);
    case WM_SETCURSOR:
        return OnSetCursor(window, lParam) ? TRUE : DefWindowProcA(window, message, wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(window, wParam);
        return 0;
    case WM_INITMENUPOPUP:
        UpdateCommandMenu(window);
        return 0;
    case WM_COMMAND:
        RunMainCommand(window, LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kClockTimer) RunTimerMessage();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterMainWindowClass(HINSTANCE instance)
{
    gInstance = instance;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = GuardedWindowProc<MainWndProc>;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(kMainMenu);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance)
{
    return CreateWindowExA(0, kMainWindowClass, kTitleNoGame, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                           kInitialWidth, kInitialHeight, nullptr, nullptr, instance, nullptr);
}

int RunMessageLoop(HACCEL accelerators)
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (accelerators && gMainWindow && TranslateAcceleratorA(gMainWindow, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
