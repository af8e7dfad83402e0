// The main window's menu commands: who carries each out, and the state of the
// menu items (greyed, checked).
#pragma once

#include <windows.h>

// Commands whose window or dialog is not built yet are greyed; the check
// marks of the two option toggles follow the settings.
void InitCommandMenu(HWND main);
void UpdateCommandMenu(HWND main);      // each time a popup opens: saving, the steam commands
// At every game start and load: "Pauza" enabled and unchecked, real time
// enabled, "Uwagi" enabled when the station has remarks.
void EnableGameCommands(HWND main, bool remarks);
void RunMainCommand(HWND main, int id); // WM_COMMAND
bool IsCommandBuilt(int id);            // has a handler
