// The train pane's window: the consist strip of the selected point painted
// and scrolled; its clicks and tooltip come through a handler plugged in.
#pragma once

#include <windows.h>

// The painter of the shared pane procedure: the strip into dc (the pane's
// memory context), the scroll bar set to its width, the hit ranges recorded.
void PaintTrainPane(HDC dc, int width, int height);

// Horizontal scroll and wheel first, then the mouse handler, then painting.
LRESULT CALLBACK TrainPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Every other message of the pane is offered to this handler first; true
// means handled (result 0). The pane input sets it; none until then.
using TrainPaneMouseHandler = bool (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
TrainPaneMouseHandler SetTrainPaneMouseHandler(TrainPaneMouseHandler handler);  // returns the old one

// Repaints the pane, without erasing: after a selection change or a click.
void RepaintTrainPane();
