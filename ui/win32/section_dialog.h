// The line-section window ("Pozwolenie zajęcia odcinka"): the queue of the
// trains on the block sections of one entry/exit line in its pane
// (SemarionMijankaPane). In ask mode it is the player's answer to a train
// that asks for the line; in view mode it only shows the queue.
#pragma once

#include <windows.h>

// Runs the dialog for gSectionRequest's entry tile and number (and in ask
// mode its waiting train); sets gSectionRequest.answer: 0 = permission, N > 0
// = wait N minutes.
void OpenSectionPermissionDialog(HWND owner, int askMode);
INT_PTR CALLBACK SectionPermissionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SectionPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintSectionPane(HDC dc, int width, int height);  // at the logical size
