// The main window's status bar: the program's message line, the clock and the
// score.
#pragma once

#include <windows.h>

extern HWND gStatusBar;  // null until the main window makes it

void CreateStatusBar(HWND main);
void SetStatusBarParts();  // part edges for the main window's client width
// Part 1 texts also go to the event log. Text is code page 1250.
void SetStatusText(int part, const char* text);
void UpdateStatusBar();    // the clock part, and the score while a game runs
