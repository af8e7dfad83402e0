// The timetable window ("Rozklad"): a modal dialog holding one pane that
// draws the day's arrivals or departures as a table, scrolling both ways.
#pragma once

#include <windows.h>

#include <string>

constexpr int kTimetableDialog = 470;  ///< dialog resource
constexpr int kTimetablePaneId = 100;  ///< the pane's child id in the dialog

extern int gTimetableMode;     // kArrivalMode (2) or kDepartureMode (1)
extern int gTimetableHPos;     // horizontal scroll position, pixels
extern int gTimetableVPos;     // vertical scroll position, pixels
extern HWND gTimetablePane;    // the open window's pane, null when none is open

// Runs the dialog in a mode while a game runs; without a game nothing.
void OpenTimetableDialog(HWND owner, int mode);

// The table of gTimetableMode at scale s, its top-left corner moved up and
// left by the scroll positions; returns the table's height in pixels.
int DrawTimetableTable(HDC dc, double s, int hPos, int vPos);
// The pane's picture at width x height; clamps the scroll positions and sets
// the open pane's scroll bars.
void PaintTimetablePane(HDC dc, int width, int height);
// The text before the first "|" at (x, y), the text after it one line lower.
void DrawTwoLineCell(HDC dc, int x, int y, const std::string& text);
// A vertical rule at x from the top of the table to `height`.
void DrawColumnSeparator(HDC dc, int x, int height);

LRESULT CALLBACK TimetablePaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TimetableDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
