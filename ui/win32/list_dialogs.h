// The two list dialogs of a shift, refreshed by their own timers while open:
// the coming half hour ("Najbliższe pół godziny", every 5 s) and the event log
// ("Dziennik zdarzeń", every second, with its export to "dziennik.txt").
#pragma once

#include <windows.h>

void OpenUpcomingDialog(HWND owner);
void OpenEventLogDialog(HWND owner);
INT_PTR CALLBACK UpcomingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EventLogDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void FillUpcomingList(HWND dialog);
void RefreshEventLogList(HWND dialog);  // appends the entries logged since the last refresh
void SaveEventLogToFile(HWND dialog);   // to the program's folder, the player told how it went
// The list's horizontal scroll extent: its widest line plus 16 pixels.
void SetListBoxHorizontalExtent(HWND list);

// The export's message boxes (MessageBoxCp1250); tests record them.
extern int (*gEventLogMessageBox)(HWND owner, const char* text, const char* caption, UINT type);
