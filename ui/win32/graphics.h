// The graphics the main window makes at its creation and frees at its
// destruction: tiles, markers, signals and fonts, and at the end the game's
// rolling-stock pictures and background picture.
#pragma once

#include <windows.h>

void LoadGraphics(HWND main);  // the fonts at the current uiScale
void FreeGraphics();
