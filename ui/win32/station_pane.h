// The station schematic pane (SemarionStationPane): its window procedure,
// which paints the view and takes the wheel zoom and the pan drag.
#pragma once

#include <windows.h>

LRESULT CALLBACK StationPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The pan drag: it starts with the mouse captured, each move while it lasts
// pans and repaints, its end releases the mouse (nothing when none runs).
void BeginPan(HWND window, int x, int y);
void DragPan(HWND window, int x, int y);
void EndPan();
