// "Nowa gra na dziś" and "Nowa gra na rozkładzie fikcyjnym": the player picks
// a station, a timetable is made for it (by the timetable server or a
// script) and a game starts on it. A cancelled choice or a failure leaves the
// running game as it was.
#pragma once

#include <windows.h>

#include <string>

void TodayTimetableCommand(HWND owner);
void FictionalTimetableCommand(HWND owner);

// What the commands call beyond the game files; tests put their own in place.
struct TimetableCommandCalls {
    std::wstring (*chooseStation)(HWND owner, const char* title);                        ///< ChooseStationTimetable
    std::wstring (*download)(const std::wstring& templatePath, std::string& error);      ///< DownloadTimetable
    std::string (*runScript)(const std::wstring& script, const std::wstring& path, std::string& log);  ///< RunTimetableScript
    bool (*askApiKey)(HWND owner, std::string& key);                                     ///< AskApiKey
    int (*messageBox)(HWND owner, const std::wstring& text, const char* caption, UINT type);  ///< caption in code page 1250
};
extern TimetableCommandCalls gTimetableCommandCalls;
