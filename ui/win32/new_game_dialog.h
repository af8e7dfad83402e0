// The new game's options ("Nowa gra"), shown once a game has started from a
// timetable: locomotive moves between sheds and the test game.
#pragma once

#include <windows.h>

// Modal; OK and closing alike apply the check boxes to the game.
void OpenNewGameDialog(HWND owner);
INT_PTR CALLBACK NewGameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
