// Starting, loading and saving games from the window, and the autosave.
#include "ui/win32/game_files.h"

#include "model/game.h"
#include "simulation/game_files.h"
#include "simulation/game_rebuild.h"
#include "simulation/new_game.h"
#include "simulation/rolling_stock_kinds.h"
#include "simulation/saved_game.h"
#include "simulation/track_names.h"
#include "sources/delay_data.h"
#include "sources/win32/draft_file.h"
#include "sources/win32/text_cp1250.h"
#include "ui/autosave.h"
#include "ui/game_file_names.h"
#include "ui/game_session.h"
#include "ui/pacing.h"
#include "ui/startup.h"
#include "ui/station_remarks.h"
#include "ui/station_view.h"
#include "ui/status_texts.h"
#include "ui/ui_state.h"
#include "ui/win32/clock_timer.h"
#include "ui/win32/main_commands.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_layout.h"
#include "ui/win32/panes.h"
#include "ui/win32/settings_file.h"
#include "ui/win32/status_bar.h"
#include "ui/win32/vehicle_pictures.h"

std::wstring gCurrentSavePath;
StationBackground gStationBackground;
int (*gGameFilesMessageBox)(HWND, const char*, const char*, UINT) = MessageBoxCp1250;

namespace {

constexpr wchar_t kSaveTempName[] = L"~semarion-zapis.tmp";
constexpr DWORD kShortPathChars = 260;

bool EnterFolder(const std::wstring& folder) { return SetCurrentDirectoryW(folder.c_str()) != FALSE; }

bool ToAnsi(const std::wstring& wide, std::string& ansi)
{
    bool lossy = false;
    ansi = WideToAnsi(wide, &lossy);
    return !lossy && !ansi.empty();
}

bool ShortPath(const std::wstring& path, std::wstring& shortPath)
{
    wchar_t buffer[kShortPathChars];
    DWORD length = GetShortPathNameW(path.c_str(), buffer, kShortPathChars);
    if (length == 0 || length >= kShortPathChars) return false;
    shortPath.assign(buffer, length);
    return true;
}

const PathNarrowing kWindowsNarrowing = {EnterFolder, ToAnsi, ShortPath};

void LoadStationBackground(const std::string& folder, const char* stationFile)
{
    FreeStationBackground();
    gStationBackground.picture = LoadPictureFile(folder + StationBaseName(stationFile) + ".bmp");
}

constexpr int32_t kPictureMissing = -1;  ///< the game was built, but a rolling-stock picture is missing

// Builds the next game in the running one's place and loads its
// rolling-stock pictures. On any failure the running game, its pictures
// included, is back before anything is shown: no message box, timer message
// or save ever meets the half-built game.
template <typename Build>
int32_t BuildGameWithPictures(Build build, std::string& failedPicture)
{
    return RebuildGame(TheGame(), [&](Game& game) {
        const int32_t result = build(game);
        if (result != 0) return result;
        return LoadRollingStockBitmaps(failedPicture) ? 0 : kPictureMissing;
    });
}

// A game whose rolling-stock pictures are not all there does not start: the
// first picture that failed is named.
void ReportMissingPicture(HWND owner, const std::string& picture)
{
    gGameFilesMessageBox(owner, ("Brak rysunku " + picture).c_str(), "Brak rysunku", MB_OK | MB_ICONERROR);
}

// What every started or loaded game shows beside the model: the running
// flags and services, the remarks and background picture from the folder of
// timetablePath, the menu, the layout and the title.
void EnterGame(const std::string& timetablePath, bool otherRemarks)
{
    Game& game = TheGame();
    BeginGameSession();
    // The last game's message is no word about this one.
    SetStatusText(kStatusMessage, "");
    gStationDescription = StationDescription(timetablePath, game.StationName(), otherRemarks);
    EnableGameCommands(gMainWindow, !gStationDescription.empty());
    GridBounds region;
    if (GetOccupiedBounds(game, region))
        FitLayoutToStation(region.lastCol - region.firstCol + 1, region.lastRow - region.firstRow + 1);
    ResetStationPan(gStationView);
    LoadStationBackground(FolderOf(timetablePath), game.StationName());
    LayoutPanes();
    InvalidateAllPanes();
    if (gMainWindow) SetWindowTextW(gMainWindow, Cp1250ToWide(GameTitle(game.StationName()).c_str()).c_str());
    UpdateStatusBar();
}

// A game on today's timetable runs at the local time of day.
void SyncClockToNow()
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    const int placed = SyncClockToLocalTime(local.wHour * 100 + local.wMinute);
    SetStatusText(1, TodayClockStatusText(local.wHour, local.wMinute, placed).c_str());
}

void StartTimerWhenStopped()
{
    if (gClockDriver.timerId == 0 && gMainWindow) RestartClockTimer(gMainWindow);
}

}  // namespace

std::string NarrowPathFor(const std::wstring& widePath) { return NarrowPathWith(widePath, kWindowsNarrowing); }

std::wstring GetAutosavePath() { return AnsiToWide(GetExeFolder() + "\\" + kAutosaveFileName); }

void ReportUnopenablePath(HWND owner)
{
    gGameFilesMessageBox(owner, "Nie udało się otworzyć pliku z tej ścieżki.", "Błąd odczytu pliku",
                         MB_OK | MB_ICONERROR);
}

bool StartGameFromTimetable(HWND owner, const std::string& path, std::time_t madeSince)
{
    std::string failedPicture;
    const int32_t result = BuildGameWithPictures(
        [&](Game& game) { return FillGameFromTimetable(game, path.c_str()); }, failedPicture);
    if (result == kPictureMissing) {
        ReportMissingPicture(owner, failedPicture);
        return false;
    }
    if (result != kNewGameStarted) {
        gGameFilesMessageBox(owner, NewGameMessage(result), kNewGameMessageCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    EnterGame(path, true);
    LoadDelaysFile(TheGame(), path, ClockRealTimeOrSlower(), madeSince);
    LoadRollingStockKinds(path);
    if (DelayEntryCount() > 0)
        SetStatusText(1, TodayDelaysStatusText(DelayEntryCount(), DelayDataAgeMinutes()).c_str());
    gWindowServices.openNewGameDialog(owner);
    if (DelayDataLoaded()) SyncClockToNow();
    StartTimerWhenStopped();
    return true;
}

void StartGameFromCommandLine(HWND main, const std::wstring& path)
{
    // A name alone narrows whether or not the file is there: one that is not
    // is reported as the file dialog's road reports a path it cannot open.
    const bool there = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::string narrow = there ? NarrowPathFor(path) : std::string();
    if (narrow.empty())
        ReportUnopenablePath(main);
    else
        StartGameFromTimetable(main, narrow);
}

bool LoadGame(HWND owner, const std::wstring& widePath)
{
    const std::string path = NarrowPathFor(widePath);
    if (path.empty()) {
        ReportUnopenablePath(owner);
        return false;
    }
    std::string failedPicture;
    const int32_t result = BuildGameWithPictures(
        [&](Game& game) { return FillGameFromSave(game, path.c_str(), gGameFolder.c_str()); }, failedPicture);
    if (result == kPictureMissing) {
        ReportMissingPicture(owner, failedPicture);
        return false;
    }
    if (result == kSavedGameFileError) {
        gGameFilesMessageBox(owner, "Błąd odczytu pliku z zapisanym stanem gry", "Błąd odczytu pliku.", MB_OK);
        return false;
    }
    if (result != kSavedGameOk) {
        gGameFilesMessageBox(owner, "Plik z zapisanym stanem gry pochodzi ze starszej wersji Semariona.",
                             "Niewłaściwa wersja pliku.", MB_OK);
        return false;
    }
    Game& game = TheGame();
    EndDelayData(game);
    gCurrentSavePath = widePath;
    // The station's remarks and picture lie beside its station file, which
    // is beside the saved game or in its folder under "Stacje".
    const std::string stationFolder = FolderOf(FindStationFile(path, game.StationName(), gGameFolder));
    EnterGame(stationFolder + StationBaseName(game.StationName()) + ".roz", false);
    StartTimerWhenStopped();
    return true;
}

bool WriteSavedGame(const std::wstring& widePath)
{
    const std::wstring temp = WideFolderOf(widePath) + kSaveTempName;
    DeleteFileW(temp.c_str());  // one an earlier crash left behind
    const std::string narrowTemp = NarrowPathFor(temp);
    const bool written = !narrowTemp.empty() && TheGame().SaveGameState(narrowTemp.c_str()) == kSavedGameOk;
    return ReplaceWithDraft(temp, widePath, written);
}

bool SaveGameTo(HWND owner, const std::wstring& widePath)
{
    if (WriteSavedGame(widePath)) return true;
    gGameFilesMessageBox(owner, "Nastapil blad podczas proby zapisu pliku *.sav", "Błąd zapisu", MB_OK);
    return false;
}

void AutosaveTick()
{
    if (!AutosaveDue()) return;
    const bool saved = WriteSavedGame(GetAutosavePath());
    SetStatusText(1, AutosaveStatusText(saved, TheGame().Now()).c_str());
}

void AutosaveAtSessionEnd()
{
    if (gUi.gameRunning) WriteSavedGame(GetAutosavePath());
}

void FreeStationBackground()
{
    if (gStationBackground.picture) DeleteObject(gStationBackground.picture);
    gStationBackground.picture = nullptr;
    ++gStationBackground.load;
}
