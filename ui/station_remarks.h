// The station remarks shown by "Uwagi": text files beside the timetable,
// named after the timetable and after the station, and with a new game also
// the folder's other text files that belong to no other timetable.
#pragma once

#include <string>
#include <vector>

constexpr size_t kMaxRemarksFileBytes = 1 << 20;  ///< bytes of one remarks file that are read

extern std::string gStationDescription;  // the remarks of the running game; empty when none

// The first kMaxRemarksFileBytes bytes of a file, unconverted; empty when it
// cannot be opened or is empty.
std::string ReadFileToString(const std::string& path);

// Some element of list equals name, ignoring the case of ASCII letters.
bool ContainsNoCase(const std::vector<std::string>& list, const std::string& name);

// The remarks files with text beside the timetable at timetablePath, in the
// order they are shown: the timetable's own (its name with ".txt" for its
// last 4 characters) and the station's (stationFile likewise); with
// otherTexts, then every other ".txt" of the folder but those beside a ".roz"
// of the same name (another timetable's remarks).
std::vector<std::string> RemarkFileNames(const std::string& timetablePath, const std::string& stationFile,
                                         bool otherTexts);

// The text of those files, separated by an empty line, each under a
// "=== name ===" line when there are several.
std::string StationDescription(const std::string& timetablePath, const std::string& stationFile, bool otherTexts);
