// The dialogs that only show something: the station remarks ("Uwagi"), the
// about box ("O programie") and the shift summary ("Podsumowanie dyżuru").
#pragma once

#include <windows.h>

void OpenRemarksDialog(HWND owner);
void OpenAboutDialog(HWND owner);
void OpenShiftSummaryDialog(HWND owner);
INT_PTR CALLBACK RemarksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ShiftSummaryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

extern const char kAboutWebAddress[];   // shown and opened by the about box
extern const char kAboutMailAddress[];  // its contact address

// How the about box opens its links (ShellExecuteA); tests record them.
extern HINSTANCE(WINAPI* gAboutShellOpen)(HWND owner, const char* verb, const char* file, const char* parameters,
                                    const char* directory, int show);
