// The entries and exits window ("Wjazdy/Wyjazdy"): a sizable modal dialog
// hosting the pane (SemarionWWPane) with the table of the station's entries,
// exits and entry/exit lines.
#pragma once

#include <windows.h>

void OpenEntriesExitsDialog(HWND owner);  // nothing while no game runs
INT_PTR CALLBACK EntriesExitsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EntriesExitsPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintEntriesExitsPane(HDC dc, int width, int height);  // at the client size, unscaled
