// The pane window classes and the four panes of the main window.
#pragma once

#include <windows.h>

// The four panes, children of the main window with the ids 101..104.
extern HWND gStationPane;
extern HWND gArrivalsBoard;
extern HWND gTrainPane;
extern HWND gDeparturesBoard;

struct PaneClass {
    const char* name;  ///< window class name
    WNDPROC proc;      ///< its window procedure
};
// The eleven pane classes in the order they are registered.
extern const PaneClass kPaneClasses[];
extern const int kPaneClassCount;

bool RegisterPaneClasses(HINSTANCE instance);
void CreatePanes(HWND main);   // the four panes, sized later by the layout
void InvalidateAllPanes();     // station, train, arrivals, departures; without erasing

// The wheel goes to the window with the focus, the main window, since the
// panes take none: it is handed to the main window's child under the cursor.
// False when there is none (the caller leaves the message to the default).
bool ForwardWheelToPane(HWND main, WPARAM wParam, LPARAM lParam);

// Paints the whole client area in the window colour: the procedure of the
// panes whose own drawing is not built yet.
LRESULT CALLBACK BlankPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
