// The options dialog ("Opcje"): six tab pages over the clock, the delays, the
// pauses, the colours, the sounds and the locomotive supplies; OK applies them
// at once, Cancel drops every change.
#pragma once

#include <windows.h>

#include "ui/options_form.h"
#include "ui/win32/gdi_scoped.h"

// What the dialog keeps while it is open.
struct OptionsDialogState {
    int page;                                  ///< page shown at opening, 0..5
    OptionsForm shown;                         ///< the values as opened
    COLORREF colours[kOptionsColourCount];     ///< working colours
    HBRUSH swatches[kOptionsColourCount];      ///< solid brushes of the working colours
    COLORREF pageColour;                       ///< the tab control's body, behind the pages
    ScopedBrush pageBrush;                     ///< solid brush of pageColour
};

// Modal at a page 0..5; returns IDOK (applied) or IDCANCEL.
INT_PTR OpenOptionsDialog(HWND owner, int page);
INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void InitOptionsDialog(HWND dialog, int page);
void ApplyOptionsDialog(HWND dialog);
void ShowOptionsPage(HWND dialog, int page);
void UpdateSupplyControlsEnabled(HWND dialog);  // 561..572 follow check box 560
// The system colour dialog on a working colour; OK repaints its swatch.
void PickColour(HWND dialog, COLORREF& colour, HBRUSH& swatch, int swatchId);
void RecreateSwatchBrush(HBRUSH& swatch, COLORREF colour);
// The open-file dialog for a ".wav"; the sound's check box is ticked afterwards.
void BrowseSoundFile(HWND dialog, int pathId, int checkBoxId);
// Plays the path text; a file that does not play clears the check box.
void TestPlaySound(HWND dialog, int pathId, int checkBoxId);
