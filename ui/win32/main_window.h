// The main window: its class, creation, window procedure and the message loop.
#pragma once

#include <windows.h>

#include <string>

#include "simulation/notify.h"

extern const char kMainWindowClass[];  ///< "SemarionMainWindow"

extern HINSTANCE gInstance;   // the program's instance
extern HWND gMainWindow;      // null until created
extern int gDraggedSplitter;  // band being dragged: 0 none, 1 left, 2 right, 3 bottom

// What the main window calls in the parts of the program built around it: game
// files, graphics, tool windows. Each starts as a stand-in fit for a
// program without a game, to be replaced as the part is built.
struct WindowServices {
    void (*loadGraphics)(HWND main);                     ///< tile, marker bitmaps and fonts at creation
    void (*freeGraphics)();                              ///< their release (and of the game's pictures)
    void (*invalidateToolPanes)();                       ///< panes of the open siding and depot windows
    bool (*askSaveGame)(HWND owner);                     ///< AskSaveGame: false keeps the window open
    void (*startGameFromCommandLine)(HWND main, const std::wstring& path);  ///< NarrowPathFor + StartGameFromTimetable
    void (*openNewGameDialog)(HWND owner);               ///< the new game's options, once it has started
    void (*openSectionPermissionDialog)(HWND owner, int askMode);  ///< sets gSectionRequest.answer
    void (*openPreviewDialog)(HWND owner);               ///< consist preview window
};
extern WindowServices gWindowServices;
// What this window does for the layers below it: the status bar, the panes, the
// clock's timer, the permission question, the sounds and the autosave. The
// program plugs them in at start-up (SetNotifyHooks).
extern const NotifyHooks kMainWindowHooks;

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);  // 900 x 600, not shown yet
int RunMessageLoop(HACCEL accelerators);    // until WM_QUIT; returns its exit code
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
