// The game file commands of the "Plik" menu.
#include "ui/win32/game_file_commands.h"

#include <commdlg.h>

#include "sources/win32/text_cp1250.h"
#include "ui/autosave.h"
#include "ui/startup.h"
#include "ui/ui_state.h"
#include "ui/win32/game_files.h"
#include "ui/win32/status_bar.h"

namespace {

constexpr DWORD kPathChars = 260;
// Filters: pairs of a label and a pattern, ended by an empty label.
constexpr wchar_t kTimetableFilter[] = L"Rozklad (*.roz)\0*.roz\0";
constexpr wchar_t kSaveFilter[] = L"Stan gry (*.sav)\0*.sav\0";

bool ShowFileDialog(HWND owner, GameFileDialog dialog, std::wstring& path)
{
    wchar_t file[kPathChars] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kPathChars;
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    ofn.lpstrFilter = kSaveFilter;
    const std::wstring stations = AnsiToWide(gGameFolder) + L"\\Stacje";
    BOOL chosen = FALSE;
    switch (dialog) {
    case GameFileDialog::kTimetable:
        ofn.lpstrFilter = kTimetableFilter;
        ofn.lpstrInitialDir = stations.c_str();
        ofn.lpstrTitle = L"Nowa gra - wybierz rozklad (*.roz)";
        chosen = GetOpenFileNameW(&ofn);
        break;
    case GameFileDialog::kLoad:
        chosen = GetOpenFileNameW(&ofn);
        break;
    case GameFileDialog::kSaveAs:
        ofn.Flags = OFN_OVERWRITEPROMPT;
        ofn.lpstrDefExt = L"sav";
        chosen = GetSaveFileNameW(&ofn);
        break;
    }
    if (!chosen) return false;
    path = file;
    return true;
}

}  // namespace

bool (*gChooseGameFile)(HWND, GameFileDialog, std::wstring&) = ShowFileDialog;

bool AskSaveGame(HWND owner)
{
    if (!gUi.gameRunning) return true;
    if (gGameFilesMessageBox(owner, "Czy chcesz zapisać stan gry?", "Zapis stanu gry", MB_YESNO) != IDYES)
        return true;
    return SaveGameCommand(owner);
}

void NewGameCommand(HWND owner)
{
    if (!AskSaveGame(owner)) return;
    std::wstring chosen;
    if (!gChooseGameFile(owner, GameFileDialog::kTimetable, chosen)) return;
    const std::string path = NarrowPathFor(chosen);
    if (path.empty()) {
        ReportUnopenablePath(owner);
        return;
    }
    // Only a game that started leaves the old save behind.
    if (StartGameFromTimetable(owner, path)) gCurrentSavePath.clear();
}

bool LoadGameCommand(HWND owner)
{
    std::wstring chosen;
    return AskSaveGame(owner) && gChooseGameFile(owner, GameFileDialog::kLoad, chosen) && LoadGame(owner, chosen);
}

void LoadLastAutosaveCommand(HWND owner)
{
    const std::wstring path = GetAutosavePath();
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        gGameFilesMessageBox(owner, "Nie ma jeszcze żadnego autozapisu.", "Autozapis", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!AskSaveGame(owner) || !LoadGame(owner, path)) return;
    gCurrentSavePath.clear();  // a later save asks for a name rather than overwrite the autosave
    ResetAutosaveBase();
    SetStatusText(1, "Wczytany ostatni autozapis.");
}

bool SaveGameCommand(HWND owner)
{
    return gCurrentSavePath.empty() ? SaveGameAsCommand(owner) : SaveGameTo(owner, gCurrentSavePath);
}

bool SaveGameAsCommand(HWND owner)
{
    std::wstring chosen;
    // A path the save could not be written to is not the game's save: Ctrl+S
    // goes on writing the one it had.
    if (!gChooseGameFile(owner, GameFileDialog::kSaveAs, chosen) || !SaveGameTo(owner, chosen)) return false;
    gCurrentSavePath = chosen;
    return true;
}
