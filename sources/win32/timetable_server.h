// The two requests to the timetable server: today's timetable of a station
// and a newer delays text.
#pragma once

#include <string>

// Sends the template timetable (and its station file) and writes every file
// of the reply beside it. The path of the received timetable, or empty with
// the error set.
std::wstring DownloadTimetable(const std::wstring& templatePath, std::string& error);

// Sends the current delays text; the new one, or empty with the error set
// (empty without an error: the server sent an empty part).
std::string RefreshDelays(const std::string& current, std::string& error);

// One part appended to a body that holds the magic; the name is narrowed to
// the system code page.
void AppendContainerPart(std::string& body, const std::wstring& name, const std::string& bytes);

// The station file that a timetable names on its second line, or empty.
std::wstring StationFileFromTemplate(const std::string& timetable);
