// Game files on the window's side: a game started from a timetable or loaded
// from a saved game, saving, the autosave, the station's background picture
// and the window title.
#pragma once

#include <windows.h>

#include <ctime>
#include <string>

#include "ui/win32/station_view_paint.h"

extern std::wstring gCurrentSavePath;  // the saved game "Zapisz stan gry" overwrites; empty when none
extern StationBackground gStationBackground;  // the station's background picture and its load

// The message boxes of the game files (MessageBoxCp1250); tests record them.
extern int (*gGameFilesMessageBox)(HWND owner, const char* text, const char* caption, UINT type);

// NarrowPathWith the Windows calls: makes the file's folder current and
// returns the name the 8-bit readers open; empty on failure.
std::string NarrowPathFor(const std::wstring& widePath);
std::wstring GetAutosavePath();  // the program's own folder + "\autozapis.sav"
void ReportUnopenablePath(HWND owner);  // NarrowPathFor gave nothing for the player's file

// A new game from the timetable at path (as NarrowPathFor gives it). A
// timetable the model refuses, or a missing rolling-stock picture ("Brak
// rysunku ..."), is reported and leaves the running game, or no game, as it
// was: false. A timetable made for the game gives the moment its making
// began (LoadDelaysFile).
bool StartGameFromTimetable(HWND owner, const std::string& path, std::time_t madeSince = 0);
// The timetable named on the command line; a file that is not there, or
// whose path cannot be narrowed, is reported as the menu's road reports it.
void StartGameFromCommandLine(HWND main, const std::wstring& path);

// Loads a saved game; false, reported and with the running game, its save
// path and title kept, when it cannot be, a missing picture included.
bool LoadGame(HWND owner, const std::wstring& widePath);

// Writes the game to widePath through a draft beside it (ReplaceWithDraft),
// so a save that fails or is cut short leaves the old file whole; a draft an
// earlier crash left goes first. False when it failed.
bool WriteSavedGame(const std::wstring& widePath);
// WriteSavedGame with the player told of a failure.
bool SaveGameTo(HWND owner, const std::wstring& widePath);

void AutosaveTick();  // once per simulation timer message
// The Windows session ends, and the program with it, with no question
// asked: a running game goes to the autosave, which "Wczytaj ostatni
// autozapis" brings back. A failure has no one left to be told.
void AutosaveAtSessionEnd();
void FreeStationBackground();  // its load moves on, as with every load
