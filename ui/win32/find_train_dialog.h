// The train search ("Szukaj pociągu"): a train found by its number, its
// relation and status shown, and where it stands selected on the schematic.
#pragma once

#include <windows.h>

void OpenFindTrainDialog(HWND owner);
INT_PTR CALLBACK FindTrainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
