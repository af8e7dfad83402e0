// The siding window: dialog 450 "Bocznica" hosting one SemarionBocznicaPane
// that shows the siding's sub-tracks with their vehicles and takes the
// player's clicks on them (ui/siding_window.h), in viewing or choosing mode.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/tile_code.h"

extern HWND gSidingPane;  // the open window's pane, null while none is open

// Runs the dialog modally over owner; true when a sub-track was chosen, whose
// row gSidingWindow.chosenRow then keeps.
bool OpenSidingDialog(HWND owner, int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile, bool choosing);
INT_PTR CALLBACK SidingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shift + left button, left and right button go to the clicks; anything else
// to the shared pane procedure with PaintSidingPane.
LRESULT CALLBACK SidingPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintSidingPane(HDC dc, int width, int height);  // the bands into dc; the hit table recorded

// The pane at (5, 5) with the client less 10 x 35, "Zamknij" centred under it.
void LayoutSidingDialog(HWND dialog);

// Repaints the pane of the open window; nothing while none is open.
void InvalidateSidingPane();

// The station pane's siding windows over the main window (PaneInputSink).
bool ChooseSubTrack(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile, int32_t* row);
void ViewSiding(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile);
