// Today's and the fictional timetable commands.
#include "ui/win32/timetable_commands.h"

#include <ctime>

#include "sources/win32/script_runner.h"
#include "sources/win32/text_cp1250.h"
#include "sources/win32/timetable_server.h"
#include "ui/api_key.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/status_texts.h"
#include "ui/timetable_commands.h"
#include "ui/win32/api_key_dialog.h"
#include "ui/win32/game_file_commands.h"
#include "ui/win32/game_files.h"
#include "ui/win32/station_chooser.h"
#include "ui/win32/status_bar.h"

namespace {

int ShowMessage(HWND owner, const std::wstring& text, const char* caption, UINT type)
{
    return MessageBoxW(owner, BreakLongRuns(text).c_str(), Cp1250ToWide(caption).c_str(), type);
}

void Fail(HWND owner, const char* text, const char* caption)
{
    gTimetableCommandCalls.messageBox(owner, Cp1250ToWide(text), caption, MB_OK | MB_ICONERROR);
}

// A program line (code page 1250) and what the script or the server said:
// each widened from its own encoding before they are joined.
void FailWithLog(HWND owner, const char* firstLine, const std::wstring& log, const char* caption)
{
    gTimetableCommandCalls.messageBox(owner, Cp1250ToWide(firstLine) + log, caption, MB_OK | MB_ICONERROR);
}

bool KeyFilePresent()
{
    const std::wstring path = AnsiToWide(gGameFolder + "\\" + kApiKeyFileName);
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A timetable has come, made since `madeSince`: the game starts, and the
// next save asks for a file name.
void StartOnNewTimetable(HWND owner, const std::wstring& timetable, std::time_t madeSince, const char* unopenable,
                         const char* caption)
{
    const std::string narrow = NarrowPathFor(timetable);
    if (narrow.empty()) {
        Fail(owner, unopenable, caption);
        return;
    }
    if (StartGameFromTimetable(owner, narrow, madeSince)) gCurrentSavePath.clear();
}

void TodayFromServer(HWND owner)
{
    if (!AskSaveGame(owner)) return;
    const std::wstring chosen = gTimetableCommandCalls.chooseStation(owner, kTodayChooserTitle);
    if (chosen.empty()) return;
    SetStatusText(kStatusMessage, "Pobieram dzisiejszy rozkład z serwera...");
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const std::time_t madeSince = std::time(nullptr);
    std::string error;
    const std::wstring timetable = gTimetableCommandCalls.download(chosen, error);
    SetCursor(previous);
    SetStatusText(kStatusMessage, "");
    if (timetable.empty()) {
        FailWithLog(owner, "Nie udało się pobrać rozkładu z serwera.\n\n", Cp1250ToWide(error.c_str()), kTodayCaption);
        return;
    }
    StartOnNewTimetable(owner, timetable, madeSince, "Rozkład przyszedł, ale nie udało się go otworzyć.",
                        kTodayCaption);
}

// A script road: the station chosen, the script run, the game started.
struct ScriptRoad {
    const char* chooserTitle;  ///< the station chooser's title
    const char* status;        ///< shown while the script runs
    const wchar_t* script;     ///< in "narzedzia"
    const char* failure;       ///< first line of the failure message
    const char* unopenable;    ///< the timetable came but cannot be opened
    const char* caption;       ///< of the message boxes
};

const ScriptRoad kTodayScript = {kTodayChooserTitle, "Pobieram dzisiejszy rozkład z API PLK...", L"rozklad_na_dzis.py",
                                 "Nie udało się przygotowac dzisiejszego rozkładu.\n\n",
                                 "Rozkład powstal, ale nie udało się go otworzyć.", kTodayCaption};
const ScriptRoad kFictionalScript = {kFictionalChooserTitle, "Układam fikcyjny rozkład...", L"rozklad_losowy.py",
                                     "Nie udało się ułożyć fikcyjnego rozkładu.\n\n",
                                     "Rozkład powstał, ale nie udało się go otworzyć.", kFictionalCaption};

void RunScriptRoad(HWND owner, const ScriptRoad& road)
{
    if (!AskSaveGame(owner)) return;
    const std::wstring chosen = gTimetableCommandCalls.chooseStation(owner, road.chooserTitle);
    if (chosen.empty()) return;
    SetStatusText(kStatusMessage, road.status);
    std::string log;
    const std::time_t madeSince = std::time(nullptr);
    const std::string timetable = gTimetableCommandCalls.runScript(road.script, chosen, log);
    SetStatusText(kStatusMessage, "");
    if (timetable.empty()) {
        FailWithLog(owner, road.failure, Utf8ToWide(log), road.caption);
        return;
    }
    StartOnNewTimetable(owner, Utf8ToWide(timetable), madeSince, road.unopenable, road.caption);
}

}  // namespace

TimetableCommandCalls gTimetableCommandCalls = {ChooseStationTimetable, DownloadTimetable, RunTimetableScript,
                                                AskApiKey, ShowMessage};

void TodayTimetableCommand(HWND owner)
{
    const bool keyFile = KeyFilePresent();
    if (ChooseTodayRoad(keyFile, ReadRozkladSetting("Serwer")) == TodayRoad::kServer) {
        TodayFromServer(owner);
        return;
    }
    std::string key;
    if (!keyFile && !gTimetableCommandCalls.askApiKey(owner, key)) {
        gTimetableCommandCalls.messageBox(owner, Cp1250ToWide(NoApiKeyText().c_str()), kTodayCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    RunScriptRoad(owner, kTodayScript);
}

void FictionalTimetableCommand(HWND owner) { RunScriptRoad(owner, kFictionalScript); }
