// Horizontal scrolling of the panes that show consists side by side (the
// train pane, the preview window): their scroll bar, scroll messages and wheel.
// pos is the pane's own scroll position in pixels.
#pragma once

#include <windows.h>

// Sets the bar for a content width in the window's client width and returns
// the position clamped to it; 0 for a null window.
int SetHScrollRange(HWND window, int contentWidth, int pos);

// Moves to newPos, clamped to the bar; when that changes pos, the bar follows
// and the window is repainted.
void HScrollTo(HWND window, int newPos, int& pos);

// WM_HSCROLL and WM_MOUSEWHEEL of such a pane; false for other messages.
bool HandleHScroll(HWND window, UINT message, WPARAM wParam, int& pos);
