// The handlers of the menu commands and the menu items' state.
#include "ui/win32/main_commands.h"

#include <shellapi.h>

#include <string>

#include "model/timetable.h"
#include "sources/win32/text_cp1250.h"
#include "ui/commands.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/station_view.h"
#include "ui/ui_state.h"
#include "ui/win32/depot_window.h"
#include "ui/win32/entries_exits_dialog.h"
#include "ui/win32/find_train_dialog.h"
#include "ui/win32/game_file_commands.h"
#include "ui/win32/info_dialogs.h"
#include "ui/win32/list_dialogs.h"
#include "ui/win32/main_window.h"
#include "ui/win32/options_dialog.h"
#include "ui/win32/panes.h"
#include "ui/win32/status_bar.h"
#include "ui/win32/timetable_commands.h"
#include "ui/win32/timetable_window.h"
#include "ui/win32/track_list_window.h"
#include "ui/win32/view_size_dialog.h"

namespace {

void SetCheck(HWND main, int id, bool checked)
{
    CheckMenuItem(GetMenu(main), static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SetEnabled(HWND main, int id, bool enabled)
{
    EnableMenuItem(GetMenu(main), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// As the close box: the window asks first whether to save the game.
void Exit(HWND main) { SendMessageA(main, WM_CLOSE, 0, 0); }

void SteamCommand(int id)
{
    if (const char* refusal = RunSteamCommand(id)) SetStatusText(1, refusal);
}

void Disruptions(HWND main)
{
    const char* text = ToggleDisruptions();
    SetCheck(main, kCmdDisruptions, gSettings.utrudnienia);
    SetStatusText(1, text);
}

void Hints(HWND main)
{
    const char* text = ToggleHints();
    SetCheck(main, kCmdHints, gSettings.podpowiedzi);
    SetStatusText(1, text);
    if (gStationPane) InvalidateRect(gStationPane, nullptr, FALSE);
}

void Pause(HWND main)
{
    SetCheck(main, kCmdPause, TogglePause());
    UpdateStatusBar();
}

void CentreSchematic(HWND)
{
    ResetStationPan(gStationView);
    if (gStationPane) InvalidateRect(gStationPane, nullptr, FALSE);
}

void RealTime(HWND)
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    SetStatusText(1, RealTimeFromNow(local.wHour, local.wMinute).c_str());
}

// The game folder as the player finds it, its "\.." resolved.
std::string FullGameFolder()
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(gGameFolder.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full, length) : gGameFolder;
}

// The help book is looked for in the game folder: the current folder, where
// a bare name would be looked for, follows the files the player opens.
void Help(HWND main)
{
    const std::string folder = FullGameFolder();
    const std::string contents = folder + "\\help\\spis.html", book = folder + "\\semarion.chm";
    const std::wstring wideContents = AnsiToWide(contents);
    const bool found = GetFileAttributesW(wideContents.c_str()) != INVALID_FILE_ATTRIBUTES;
    HINSTANCE opened = found ? ShellExecuteW(main, L"open", wideContents.c_str(), nullptr, nullptr, SW_SHOW)
                             : ShellExecuteA(main, "open", book.c_str(), nullptr, nullptr, SW_SHOW);
    // ShellExecute's success is a value above 32.
    if (reinterpret_cast<INT_PTR>(opened) <= 32)
        MessageBoxCp1250(main, HelpFailedText(contents, book, found).c_str(), kHelpCaption,
                         MB_OK | MB_ICONINFORMATION);
}

struct CommandHandler {
    int id;                  ///< menu command
    void (*run)(HWND main);  ///< carries it out
};

// The commands built so far; the others stay greyed in the menu.
const CommandHandler kHandlers[] = {
    {kCmdNewGame, NewGameCommand},
    {kCmdLoadGame, [](HWND main) { LoadGameCommand(main); }},
    {kCmdLoadAutosave, LoadLastAutosaveCommand},
    {kCmdSaveGame, [](HWND main) { SaveGameCommand(main); }},
    {kCmdSaveGameAs, [](HWND main) { SaveGameAsCommand(main); }},
    {kCmdExit, Exit},
    {kCmdTodayTimetable, TodayTimetableCommand},
    {kCmdFictionalTimetable, FictionalTimetableCommand},
    {kCmdArrivals, [](HWND main) { OpenTimetableDialog(main, kArrivalMode); }},
    {kCmdDepartures, [](HWND main) { OpenTimetableDialog(main, kDepartureMode); }},
    {kCmdExtinguish, [](HWND) { SteamCommand(kCmdExtinguish); }},
    {kCmdFireUp, [](HWND) { SteamCommand(kCmdFireUp); }},
    {kCmdDisruptions, Disruptions},
    {kCmdHints, Hints},
    {kCmdPause, Pause},
    {kCmdRealTime, RealTime},
    {kCmdHelp, Help},
    {kCmdViewSizes, [](HWND main) { OpenViewSizeDialog(main); }},
    {kCmdTrackList, [](HWND main) { OpenTrackListDialog(main); }},
    {kCmdCentreSchematic, CentreSchematic},
    {kCmdEntriesExits, OpenEntriesExitsDialog},
    {kCmdOptionsClock, [](HWND main) { OpenOptionsDialog(main, 0); }},
    {kCmdOptionsDelays, [](HWND main) { OpenOptionsDialog(main, 1); }},
    {kCmdOptionsSettings, [](HWND main) { OpenOptionsDialog(main, 2); }},
    {kCmdOptionsColours, [](HWND main) { OpenOptionsDialog(main, 3); }},
    {kCmdOptionsSounds, [](HWND main) { OpenOptionsDialog(main, 4); }},
    {kCmdOptionsOther, [](HWND main) { OpenOptionsDialog(main, 5); }},
    {kCmdDepot, [](HWND main) { OpenDepotDialog(main); }},
    {kCmdRemarks, OpenRemarksDialog},
    {kCmdAbout, OpenAboutDialog},
    {kCmdUpcoming, OpenUpcomingDialog},
    {kCmdFindTrain, OpenFindTrainDialog},
    {kCmdEventLog, OpenEventLogDialog},
    {kCmdShiftSummary, OpenShiftSummaryDialog},
};

const CommandHandler* FindHandler(int id)
{
    for (const CommandHandler& handler : kHandlers)
        if (handler.id == id) return &handler;
    return nullptr;
}

}  // namespace

bool IsCommandBuilt(int id) { return FindHandler(id) != nullptr; }

void InitCommandMenu(HWND main)
{
    for (size_t m = 0; m < kMenuCount; ++m)
        for (size_t i = 0; i < kMenus[m].count; ++i)
            if (!IsCommandBuilt(kMenus[m].items[i].id)) SetEnabled(main, kMenus[m].items[i].id, false);
    SetEnabled(main, kCmdRemarks, false);  // until a game with remarks starts
    SetCheck(main, kCmdDisruptions, gSettings.utrudnienia);
    SetCheck(main, kCmdHints, gSettings.podpowiedzi);
}

void UpdateCommandMenu(HWND main)
{
    SetEnabled(main, kCmdSaveGame, gUi.gameRunning);
    SetEnabled(main, kCmdSaveGameAs, gUi.gameRunning);
    SetEnabled(main, kCmdExtinguish, SteamCommandEnabled(kCmdExtinguish));
    SetEnabled(main, kCmdFireUp, SteamCommandEnabled(kCmdFireUp));
}

void EnableGameCommands(HWND main, bool remarks)
{
    if (!main) return;
    SetCheck(main, kCmdPause, false);
    SetEnabled(main, kCmdPause, true);
    SetEnabled(main, kCmdRealTime, true);
    SetEnabled(main, kCmdRemarks, remarks && IsCommandBuilt(kCmdRemarks));
}

void RunMainCommand(HWND main, int id)
{
    const MenuItem* item = FindMenuItem(id);
    if (!item || (item->gameOnly && !gUi.gameRunning)) return;
    if (const CommandHandler* handler = FindHandler(id)) handler->run(main);
}
