// The consist preview window ("Podglad składu"): a modal dialog hosting a
// horizontally scrolled strip of the pictures of the vehicles on the selected
// point, trains shown car by car, enlarged by the preview zoom.
#pragma once

#include <windows.h>

constexpr int kPreviewDialog = 480;  ///< dialog resource
constexpr int kPreviewPane = 481;    ///< the strip, made at run time

// With a selected point and a timetable with compositions: runs the dialog
// modally while the preview-open flag is set (the pause may hold the game),
// then lets the pacing start afresh. Otherwise nothing happens.
void OpenPreviewDialog(HWND owner);
INT_PTR CALLBACK PreviewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The pane: horizontal scrolling and the wheel, then the shared pane procedure.
LRESULT CALLBACK PreviewPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintPreviewPane(HDC dc, int width, int height);
