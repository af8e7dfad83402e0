// The "Plik" menu's game file commands, their file dialogs and the question
// whether to save the running game.
#pragma once

#include <windows.h>

#include <string>

enum class GameFileDialog {
    kTimetable,  ///< open a ".roz" under the game folder's "Stacje" for a new game
    kLoad,       ///< open a ".sav"
    kSaveAs,     ///< choose where a ".sav" goes; an existing file needs the player's yes
};

// Shows the file dialog; true with the chosen path, false when cancelled.
// Tests put in their own choice.
extern bool (*gChooseGameFile)(HWND owner, GameFileDialog dialog, std::wstring& path);

void AskSaveGame(HWND owner);  // while a game runs: Yes saves it (SaveGameCommand)
void NewGameCommand(HWND owner);
bool LoadGameCommand(HWND owner);
void LoadLastAutosaveCommand(HWND owner);
void SaveGameCommand(HWND owner);    // over the current save, or to a file chosen first
void SaveGameAsCommand(HWND owner);
