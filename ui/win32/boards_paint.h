// The arrival and departure boards' panes: header, depot section and the
// listed trains with their wrapped relations, at the board scale (uiScale).
#pragma once

#include <windows.h>

#include <string>

// The painters of the two boards' shared pane procedure (KeptPanePainter):
// the board drawn into dc unless dc still holds (`kept`) what it shows.
void PaintArrivalsBoard(HDC dc, int width, int height, bool kept = false);
void PaintDeparturesBoard(HDC dc, int width, int height, bool kept = false);

LRESULT CALLBACK ArrivalsBoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DeparturesBoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The header, bold and centred, over a grey line; returns the first row's y.
int DrawBoardHeader(HDC dc, int width, const char* text);

// A text wrapped at words from x to right - 2 in the small board font: its
// height (0 for an empty text), and the text drawn so, without prefixes.
int MeasureBoardText(HDC dc, const std::string& text, int x, int right);
void DrawBoardText(HDC dc, const std::string& text, int x, int y, int right, int height);
