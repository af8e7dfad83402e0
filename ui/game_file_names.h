// Names of the game files: a wide path narrowed for the 8-bit file readers,
// the names taken from a station file's name, and the window title that
// names the station.
#pragma once

#include <string>

extern const char kTitleNoGame[];  ///< the main window's title while no game runs

// What narrowing a path asks of the platform.
struct PathNarrowing {
    bool (*setCurrentFolder)(const std::wstring& folder);             ///< false when it cannot be entered
    bool (*toAnsi)(const std::wstring& wide, std::string& ansi);      ///< false when a character was lost
    bool (*shortPath)(const std::wstring& path, std::wstring& shortPath);  ///< false without a short form
};

// The folder of a wide path up to and including its last '\' or '/'; empty
// for a bare name.
std::wstring WideFolderOf(const std::wstring& path);

// The 8-bit path at which the file readers open widePath: the folder (up to
// and including the last '\' or '/') becomes the current folder and the bare
// file name comes back when it converts without loss, else the short form of
// the whole path. Empty when widePath is empty, its folder cannot be entered
// (a bare name would open a file of that name elsewhere), or neither form
// converts.
std::string NarrowPathWith(const std::wstring& widePath, const PathNarrowing& platform);

// A station file's name without its last 4 characters (".stc"); a name
// shorter than that whole. The remarks and the background picture are named
// after it.
std::string StationBaseName(const std::string& stationFile);

// "Semarion Win32 port - Phase 2 - " and the station file's name, as the
// title reads during a game (at most 511 characters).
std::string GameTitle(const std::string& stationFile);
