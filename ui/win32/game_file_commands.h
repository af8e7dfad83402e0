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

// While a game runs asks whether to save it: Yes saves it (SaveGameCommand).
// False when the player wanted it saved and it was not (the save failed or
// its dialog was cancelled): the command that asked is then given up, so
// the unsaved game runs on.
bool AskSaveGame(HWND owner);
void NewGameCommand(HWND owner);
bool LoadGameCommand(HWND owner);
void LoadLastAutosaveCommand(HWND owner);
// Over the current save, or to a file chosen first; true when it was saved.
bool SaveGameCommand(HWND owner);
// To a file chosen first, which becomes the current save once it is written.
bool SaveGameAsCommand(HWND owner);
