// The depot window ("Lokomotywownia"): a modal dialog hosting the depot pane,
// one cell per locomotive type with its picture, name, counts and readiness;
// a click on a picture calls a locomotive of that type out, or with shed
// transfers offers the type's parked locomotives by name first.
#pragma once

#include <windows.h>

constexpr int kDepotDialog = 460;  ///< dialog resource
constexpr int kDepotPane = 461;    ///< the pane, made at run time
constexpr int kDepotList = 462;    ///< the list of a type's parked locomotives

// Runs the dialog modally; returns the command that closed it.
INT_PTR OpenDepotDialog(HWND owner);
INT_PTR CALLBACK DepotDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The pane: a left click calls out, painting goes through the shared pane
// procedure at the client size.
LRESULT CALLBACK DepotPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintDepotPane(HDC dc, int width, int height);

// Repaints the pane while the window is open: the main window calls it after
// every simulation timer message, so counts and readiness show live.
void RepaintDepotPane();
