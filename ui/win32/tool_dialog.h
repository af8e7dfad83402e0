// What the tool windows share: the pane each hosts, resizing without moving,
// remembering the window's size in [Widok] and the desktop's work area.
#pragma once

#include <windows.h>

// A child pane of `className`, control `id`, with a sunken edge at (x, y),
// width x height.
HWND CreateToolPane(HWND dialog, const char* className, int id, DWORD extraStyle, int x, int y, int width,
                    int height);

void ResizeWindowInPlace(HWND window, int width, int height);

// The window's outer width and height into the two settings.
void RememberWindowSize(HWND window, int& width, int& height);

// The desktop's work area; 1024 x 768 from the origin when it cannot be asked.
RECT WorkArea();
SIZE WorkAreaSize();  // its size
