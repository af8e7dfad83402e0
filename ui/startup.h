// The window-free decisions of start-up: the game folder and the timetable
// named on the command line.
#pragma once

#include <string>

#include "sources/game_folder.h"

// The folder part of a program path: everything before the last backslash, or
// the whole path when it has none.
std::string FolderOfPath(const std::string& path);

// The program's own folder when it holds a "Stacje" folder, else its parent
// (left as "\.." in the string).
std::string ChooseGameFolder(const std::string& exeFolder, bool hasStationsFolder);

// The exit code of a start that could not make the program's windows (under
// Wine: no display driver); standard error says why.
constexpr int kExitNoWindow = 4;

// What follows the program name on the command line, trimmed of blanks and tabs
// and of one pair of enclosing quotes: the timetable to start, or empty.
std::wstring TimetableArgument(const std::wstring& commandLine);
