// The arrival and departure boards' panes: header, depot section and the
// listed trains with their wrapped relations, at the board scale (uiScale).
#pragma once

#include <windows.h>

#include <string>

// The painters of the two boards' shared pane procedure.
void PaintArrivalsBoard(HDC dc, int width, int height);
void PaintDeparturesBoard(HDC dc, int width, int height);

LRESULT CALLBACK ArrivalsBoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DeparturesBoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The header, bold and centred, over a grey line; returns the first row's y.
int DrawBoardHeader(HDC dc, int width, const char* text);
// The depot's ready and preparing locomotives from y; returns the y after
// them, or the pane's height when one did not fit (the board is full).
int PaintDepotSection(HDC dc, int width, int height, int y);

// A text wrapped at words from x to right - 2 in the small board font: its
// height (0 for an empty text), and the text drawn so, without prefixes.
int MeasureBoardText(HDC dc, const std::string& text, int x, int right);
void DrawBoardText(HDC dc, const std::string& text, int x, int y, int right, int height);
