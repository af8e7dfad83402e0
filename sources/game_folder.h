// The game folder, chosen once at start-up before any window exists: where the
// program and the timetable sources find their data (settings file, "Stacje",
// "Tabor", help, "narzedzia").
#pragma once

#include <string>

extern std::string gGameFolder;
