// The view size dialog ("Widok - rozmiary"): the board width, the train pane
// height, the schematic and picture zooms and two view switches, applied live.
#pragma once

#include <windows.h>

// Modal; returns IDOK (the settings are saved) or IDCANCEL (the view as it was).
INT_PTR OpenViewSizeDialog(HWND owner);
INT_PTR CALLBACK ViewSizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
