// The two commands that start a game on a timetable made for it, without
// their windows: which road today's timetable takes and the texts they show.
#pragma once

#include <string>

// Today's timetable comes from the timetable server, or from the script that
// reads the open-data API with the player's key.
enum class TodayRoad { kServer, kScript };

// The server road only without a key file and with a server address (the
// built-in one stands in for an empty setting, so in practice always then).
TodayRoad ChooseTodayRoad(bool keyFilePresent, const std::string& serverAddress);

extern const char kTodayCaption[];       // "Rozkład na dziś"
extern const char kFictionalCaption[];   // "Rozkład fikcyjny"
extern const char kTodayChooserTitle[];  // "Rozkład na dziś - wybierz stację"
extern const char kFictionalChooserTitle[];
// The two ways to today's timetable, for a player who has neither.
std::string NoApiKeyText();

// A message box is as wide as its longest line, and it breaks lines only at
// blanks: a long word from a server or a script would make it wider than the
// screen. Every run of more than `longest` characters without a blank or a
// line break is cut into lines of that many; no character is lost.
constexpr size_t kLongestMessageRun = 60;
std::wstring BreakLongRuns(const std::wstring& text, size_t longest = kLongestMessageRun);
