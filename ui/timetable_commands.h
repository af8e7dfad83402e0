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
