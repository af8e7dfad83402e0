// The paint frames the panes share: a pane's painter draws the whole client
// area into the pane's kept memory bitmap, which reaches the window in one
// blit.
#pragma once

#include <windows.h>

// Draws a pane of width x height into dc (a memory context).
using PanePainter = void (*)(HDC dc, int width, int height);

// A painter that keeps its picture: `kept` tells that dc still holds what
// the painter last drew into it (the pane's buffer from the paint before),
// so that it draws only when what the pane shows has changed.
using KeptPanePainter = void (*)(HDC dc, int width, int height, bool kept);

// The shared procedure of the panes that paint through a painter: WM_PAINT
// paints double-buffered at the client size, WM_ERASEBKGND erases nothing,
// anything else goes to DefWindowProcA.
LRESULT PaneProcWithPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, PanePainter painter);
LRESULT PaneProcWithPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, KeptPanePainter painter);

// The size a pane's image is painted at for a client of width x height.
using LogicalSizer = SIZE (*)(int width, int height);
SIZE UiLogicalSize(int width, int height);  // divided by uiScale, each at least 1

// Paints a pane at its logical size and stretches the image onto the client area.
void PaintDoubleBuffered(HWND window, PanePainter painter, LogicalSizer sizer = UiLogicalSize);
