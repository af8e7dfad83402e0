// The station chooser (dialog 510): the player picks a station of the
// catalogue, and a layout when it has several, or points at any timetable
// file; the choice's newest timetable becomes the template of a new one.
#pragma once

#include <windows.h>

#include <string>

enum StationChooserControl : int {
    kStationChooserDialog = 510,
    kStationList = 511,        ///< station folder names, sorted; item data = catalogue index
    kTimetableFileButton = 512,
    kStationInfoText = 513,
    kStationSearchEdit = 514,
    kLayoutList = 515,         ///< the station's layouts in catalogue order
    kStationThumb = 516,       ///< owner-drawn thumbnail of the layout
};

extern std::wstring gChosenTimetable;  // the dialog's result path
extern WNDPROC gSearchEditPreviousProc;  // edit 514's own procedure while subclassed

// What the chooser asks the system for; tests put their own in place.
struct StationChooserCalls {
    int (*messageBox)(HWND owner, const char* text, const char* caption, UINT type);  ///< code page 1250 texts
    bool (*openTimetableFile)(HWND owner, const std::wstring& folder, std::wstring& path);  ///< false: cancelled
};
extern StationChooserCalls gStationChooserCalls;

// Surveys the stations and lets the player choose; title is code page 1250.
// The chosen timetable's path, or empty when the player cancelled.
std::wstring ChooseStationTimetable(HWND owner, const char* title);

INT_PTR CALLBACK StationChooserDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SearchEditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

void FillStationList(HWND dialog, const std::wstring& filter);
void FillLayoutList(HWND dialog);
void UpdateStationInfoText(HWND dialog);
void LoadLayoutPreview(HWND dialog);
int SelectedStationIndex(HWND dialog);            // catalogue index, or -1
std::wstring SelectedTimetablePath(HWND dialog);  // empty without a station
