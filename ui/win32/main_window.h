// The main window: its class, its creation and the message loop.
#pragma once

#include <windows.h>

extern const char kMainWindowClass[];  ///< "SemarionMainWindow"
extern const char kTitleNoGame[];      ///< title while no game runs

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);  // 900 x 600, not shown yet
int RunMessageLoop();                        // until WM_QUIT; returns its exit code
