// Game files from the window: a game started from a timetable or the command
// line, saved, loaded, autosaved, and every refusal leaving the running game
// as it was; on Testowo, copied into the test's own folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/game.h"
#include "native/station_files.h"
#include "sources/win32/text_cp1250.h"
#include "support/main_window_fixture.h"
#include "support/read_whole_file.h"
#include "ui/autosave.h"
#include "ui/commands.h"
#include "ui/game_file_names.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/station_remarks.h"
#include "ui/station_view.h"
#include "ui/ui_state.h"
#include "ui/win32/game_file_commands.h"
#include "ui/win32/game_files.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

struct Message {
    std::string text;     ///< the box's text
    std::string caption;  ///< its caption
    UINT type;            ///< buttons and icon
};
std::vector<Message> gMessages;
int gAnswer;  // what the boxes answer
std::vector<GameFileDialog> gDialogs;
std::wstring gChosen;  // what the file dialogs choose; empty: cancelled
int gNewGameDialogs;
uint64_t gNow;

int RecordMessage(HWND, const char* text, const char* caption, UINT type)
{
    gMessages.push_back({text, caption, type});
    return gAnswer;
}

bool Choose(HWND, GameFileDialog dialog, std::wstring& path)
{
    gDialogs.push_back(dialog);
    path = gChosen;
    return !gChosen.empty();
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

std::wstring Wide(const std::string& path) { return AnsiToWide(path); }

std::string Title(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

const char kTestowoTitle[] = "Semarion Win32 port - Phase 2 - Testowo.stc";

// A main window, the game's pictures, and a folder
// of the test's own holding a copy of Testowo.
class GameFiles : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gMessages.clear();
        gDialogs.clear();
        gChosen.clear();
        gAnswer = IDNO;
        gNewGameDialogs = 0;
        gGameFilesMessageBox = RecordMessage;
        savedChooser_ = gChooseGameFile;
        gChooseGameFile = Choose;
        gWindowServices.openNewGameDialog = [](HWND) { ++gNewGameDialogs; };
        savedFolder_ = gGameFolder;
        gGameFolder = FullPath(std::string(SEMARION_FIXTURES) + "/../../game");
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "semarion_" + test->name() + "\\";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        for (const char* name : {"Testowo.roz", "Testowo.stc"})
            ASSERT_TRUE(CopyFileA((gGameFolder + "\\Stacje\\Testowo\\" + name).c_str(), (folder_ + name).c_str(),
                                  FALSE));
        GetCurrentDirectoryA(MAX_PATH, savedCurrent_);
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        gChooseGameFile = savedChooser_;
        gGameFolder = savedFolder_;
        gCurrentSavePath.clear();
        gStationDescription.clear();
        gSettings = Settings();
        TheGame() = Game();
        SetCurrentDirectoryA(savedCurrent_);
        std::filesystem::remove_all(folder_);
    }
    std::string Write(const std::string& name, const std::string& text)
    {
        std::ofstream(folder_ + name, std::ios::binary) << text;
        return folder_ + name;
    }
    bool Start(const std::string& name = "Testowo.roz")
    {
        return StartGameFromTimetable(window_, NarrowPathFor(Wide(folder_ + name)));
    }
    UINT ItemState(int id) const { return GetMenuState(GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND); }

    std::string folder_;  // the test's own folder, ending in a backslash

private:
    bool (*savedChooser_)(HWND, GameFileDialog, std::wstring&) = nullptr;
    std::string savedFolder_;
    char savedCurrent_[MAX_PATH] = {};
};

TEST_F(GameFiles, CommandLineTimetableStartsTheGame)
{
    gSelection.selectedTile = 412;
    gUi.paused = true;
    gStationView.panX = 30;
    // No game, nothing to save: Save and Save as are greyed and do nothing.
    SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(window_), 0)), 0);
    EXPECT_NE(ItemState(kCmdSaveGame) & MF_GRAYED, 0u);
    EXPECT_NE(ItemState(kCmdSaveGameAs) & MF_GRAYED, 0u);
    SendMessageA(window_, WM_COMMAND, kCmdSaveGameAs, 0);
    EXPECT_TRUE(gDialogs.empty());
    SetStatusText(1, "Parowóz Ol49 nabrał wody na L1");
    StartGameFromCommandLine(window_, Wide(folder_ + "Testowo.roz"));
    SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(window_), 0)), 0);
    EXPECT_EQ(ItemState(kCmdSaveGame) & MF_GRAYED, 0u);
    EXPECT_EQ(ItemState(kCmdSaveGameAs) & MF_GRAYED, 0u);

    EXPECT_TRUE(gMessages.empty()) << gMessages[0].text;
    EXPECT_EQ(Title(window_), kTestowoTitle);
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_FALSE(gUi.paused);
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_EQ(gStationView.panX, 0);
    EXPECT_EQ(gNewGameDialogs, 1);
    EXPECT_NE(gClockDriver.timerId, 0u);
    EXPECT_EQ(TheGame().clock.Step(0), 1);
    EXPECT_EQ(TheGame().moveDivisor, 10);
    EXPECT_EQ(ItemState(kCmdPause) & (MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_EQ(ItemState(kCmdRealTime) & MF_GRAYED, 0u);
    EXPECT_TRUE(gCurrentSavePath.empty());
    EXPECT_EQ(StatusText(2), "Godzina: 05:00:00");
    EXPECT_EQ(StatusText(1), "");  // no word of the game before
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(std::string(current) + "\\", folder_);  // the timetable's folder

    // A path whose folder, or file, is not there is reported, and the game
    // runs on.
    StartGameFromCommandLine(window_, Wide(folder_ + "brak\\Testowo.roz"));
    StartGameFromCommandLine(window_, Wide(folder_ + "Brak.roz"));
    ASSERT_EQ(gMessages.size(), 2u);
    EXPECT_EQ(gMessages[0].text, "Nie udało się otworzyć pliku z tej ścieżki.");
    EXPECT_EQ(gMessages[1].text, "Nie udało się otworzyć pliku z tej ścieżki.");
    EXPECT_EQ(gNewGameDialogs, 1);
    EXPECT_EQ(Title(window_), kTestowoTitle);
}

TEST_F(GameFiles, ARefusedTimetableLeavesTheRunningGameOrNone)
{
    Write("Stary.roz", "7,\nTestowo\n0,\n");
    EXPECT_FALSE(Start("Stary.roz"));
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].text, "Stara wersja pliku z rozkładem. Skontaktuj się z autorem rozkładu.");
    EXPECT_EQ(gMessages[0].caption, "Błąd odczytu pliku");
    EXPECT_EQ(gMessages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(gUi.gameRunning);
    EXPECT_EQ(Title(window_), kTitleNoGame);
    EXPECT_NE(ItemState(kCmdPause) & MF_GRAYED, 0u);

    ASSERT_TRUE(Start());
    gCurrentSavePath = L"C:\\zapis.sav";
    gChosen = Wide(folder_ + "Stary.roz");
    gMessages.clear();
    NewGameCommand(window_);
    ASSERT_EQ(gMessages.size(), 2u);
    EXPECT_EQ(gMessages[0].text, "Czy chcesz zapisać stan gry?");
    EXPECT_EQ(gMessages[0].caption, "Zapis stanu gry");
    EXPECT_EQ(gMessages[0].type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(gMessages[1].caption, "Błąd odczytu pliku");
    EXPECT_EQ(gDialogs, (std::vector<GameFileDialog>{GameFileDialog::kTimetable}));
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_EQ(Title(window_), kTestowoTitle);
    EXPECT_STREQ(TheGame().StationName(), "Testowo.stc");
    EXPECT_EQ(TheGame().TrainCount(), 10);
    EXPECT_EQ(gCurrentSavePath, L"C:\\zapis.sav");  // the running game's save stays

    gChosen = Wide(folder_ + "Testowo.roz");
    NewGameCommand(window_);
    EXPECT_TRUE(gCurrentSavePath.empty());

    // Without its rolling-stock pictures the new game does not start: the
    // first missing one is named, the new game's options never open, and the
    // running game goes on with its pictures, unchanged to its last byte.
    const std::string before = folder_ + "przed.sav";
    ASSERT_TRUE(SaveGameTo(window_, Wide(before)));
    const std::string saved = ReadWholeFile(before);
    Write("Inne.roz", Replaced(ReadWholeFile(folder_ + "Testowo.roz"), "SM42_1", "ZZ42_1"));
    gChosen = Wide(folder_ + "Inne.roz");
    gCurrentSavePath = Wide(before);
    gMessages.clear();
    const int dialogs = gNewGameDialogs;
    NewGameCommand(window_);
    ASSERT_EQ(gMessages.size(), 2u);
    EXPECT_EQ(gMessages[1].text, "Brak rysunku ZZ42_1");
    EXPECT_EQ(gMessages[1].caption, "Brak rysunku");
    EXPECT_EQ(gMessages[1].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_EQ(Title(window_), kTestowoTitle);
    EXPECT_EQ(gNewGameDialogs, dialogs);
    EXPECT_EQ(gCurrentSavePath, Wide(before));
    EXPECT_NE(GetVehicleBitmap(2, false), nullptr);  // SM42_1
    ASSERT_TRUE(SaveGameCommand(window_));  // Ctrl+S: the same game over its own save
    EXPECT_EQ(ReadWholeFile(before), saved);

    // With no game running, none starts.
    TheGame() = Game();
    gUi.gameRunning = false;
    gMessages.clear();
    EXPECT_FALSE(Start("Inne.roz"));
    EXPECT_EQ(gMessages.size(), 1u);
    EXPECT_FALSE(gUi.gameRunning);
    EXPECT_EQ(TheGame().pointCount, 0);
}

TEST_F(GameFiles, ASavedGameLoadsBackTheSame)
{
    ASSERT_TRUE(Start());
    Write("~semarion-zapis.tmp", "left by a crash");
    const std::string first = folder_ + "pierwszy.sav";
    ASSERT_TRUE(SaveGameTo(window_, Wide(first)));
    EXPECT_FALSE(std::filesystem::exists(folder_ + "~semarion-zapis.tmp"));

    TheGame() = Game();  // as after a restart
    gUi = UiFlags();
    gUi.paused = true;
    ASSERT_TRUE(LoadGame(window_, Wide(first)));
    EXPECT_TRUE(gMessages.empty());
    EXPECT_EQ(gCurrentSavePath, Wide(first));
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_FALSE(gUi.paused);
    EXPECT_EQ(Title(window_), kTestowoTitle);
    EXPECT_EQ(TheGame().clock.Step(0), 1);
    EXPECT_EQ(TheGame().moveDivisor, 10);
    EXPECT_EQ(gNewGameDialogs, 1);  // the new game's only

    const std::string second = folder_ + "drugi.sav";
    ASSERT_TRUE(SaveGameTo(window_, Wide(second)));
    EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(first));

    // Ctrl+S overwrites the loaded save.
    SaveGameCommand(window_);
    EXPECT_TRUE(gDialogs.empty());
    EXPECT_EQ(ReadWholeFile(first), ReadWholeFile(second));
}

TEST_F(GameFiles, AFailedLoadLeavesTheRunningGame)
{
    ASSERT_TRUE(Start());
    gCurrentSavePath = L"C:\\zapis.sav";
    EXPECT_FALSE(LoadGame(window_, Wide(folder_ + "brak.sav")));
    Write("stary.sav", "1,\nTestowo.stc\n");
    EXPECT_FALSE(LoadGame(window_, Wide(folder_ + "stary.sav")));
    EXPECT_FALSE(LoadGame(window_, Wide(folder_ + "brak\\gra.sav")));
    ASSERT_EQ(gMessages.size(), 3u);
    EXPECT_EQ(gMessages[0].text, "Błąd odczytu pliku z zapisanym stanem gry");
    EXPECT_EQ(gMessages[0].caption, "Błąd odczytu pliku.");
    EXPECT_EQ(gMessages[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(gMessages[1].text, "Plik z zapisanym stanem gry pochodzi ze starszej wersji Semariona.");
    EXPECT_EQ(gMessages[1].caption, "Niewłaściwa wersja pliku.");
    EXPECT_EQ(gMessages[2].text, "Nie udało się otworzyć pliku z tej ścieżki.");
    EXPECT_EQ(gMessages[2].caption, "Błąd odczytu pliku");
    EXPECT_EQ(gMessages[2].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_EQ(TheGame().TrainCount(), 10);
    EXPECT_EQ(gCurrentSavePath, L"C:\\zapis.sav");
}

TEST_F(GameFiles, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    ASSERT_TRUE(Start());
    const std::string old = Write("stary.sav", "stary zapis");
    // The file the save is written into first cannot be made.
    std::filesystem::create_directory(folder_ + "~semarion-zapis.tmp");
    EXPECT_FALSE(SaveGameTo(window_, Wide(old)));
    std::filesystem::remove(folder_ + "~semarion-zapis.tmp");
    EXPECT_FALSE(SaveGameTo(window_, Wide(folder_ + "brak\\gra.sav")));
    ASSERT_EQ(gMessages.size(), 2u);
    for (const Message& message : gMessages) {
        EXPECT_EQ(message.text, "Nastapil blad podczas proby zapisu pliku *.sav");
        EXPECT_EQ(message.caption, "Błąd zapisu");
        EXPECT_EQ(message.type, static_cast<UINT>(MB_OK));
    }
    EXPECT_EQ(ReadWholeFile(old), "stary zapis");
}

// "Save first?" answered Yes while the save cannot be written: the message,
// and the command that asked is given up; the unsaved game runs on.
TEST_F(GameFiles, AFailedSaveAtTheQuestionGivesUpTheCommand)
{
    ASSERT_TRUE(Start());
    gCurrentSavePath = Wide(folder_ + "brak\\gra.sav");
    ASSERT_TRUE(CopyFileA((folder_ + "Testowo.roz").c_str(), WideToAnsi(GetAutosavePath()).c_str(), FALSE));
    gAnswer = IDYES;
    gChosen = Wide(folder_ + "Testowo.roz");
    gWindowServices.askSaveGame = AskSaveGame;
    NewGameCommand(window_);
    EXPECT_FALSE(LoadGameCommand(window_));
    LoadLastAutosaveCommand(window_);
    SendMessageA(window_, WM_CLOSE, 0, 0);
    DeleteFileW(GetAutosavePath().c_str());
    ASSERT_EQ(gMessages.size(), 8u);
    for (size_t m = 0; m < gMessages.size(); m += 2) {
        EXPECT_EQ(gMessages[m].text, "Czy chcesz zapisać stan gry?");
        EXPECT_EQ(gMessages[m + 1].caption, "Błąd zapisu");
    }
    EXPECT_TRUE(gDialogs.empty());
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_EQ(gNewGameDialogs, 1);
    EXPECT_EQ(gCurrentSavePath, Wide(folder_ + "brak\\gra.sav"));

    // Yes with no save yet and the save dialog cancelled gives it up too.
    gCurrentSavePath.clear();
    gChosen.clear();
    gMessages.clear();
    SendMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(gDialogs, (std::vector<GameFileDialog>{GameFileDialog::kSaveAs}));
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(GameFiles, SaveAsChoosesTheFileAndTheSaveQuestionSavesThere)
{
    AskSaveGame(window_);  // no game: no question
    EXPECT_TRUE(gMessages.empty());

    ASSERT_TRUE(Start());
    SaveGameCommand(window_);  // no save yet: the dialog, cancelled
    EXPECT_EQ(gDialogs, (std::vector<GameFileDialog>{GameFileDialog::kSaveAs}));
    EXPECT_TRUE(gCurrentSavePath.empty());

    gChosen = Wide(folder_ + "jako.sav");
    SaveGameAsCommand(window_);
    EXPECT_EQ(gCurrentSavePath, gChosen);
    ASSERT_TRUE(std::filesystem::exists(folder_ + "jako.sav"));
    std::filesystem::remove(folder_ + "jako.sav");

    gAnswer = IDYES;
    AskSaveGame(window_);
    EXPECT_EQ(gDialogs.size(), 2u);  // the current save is overwritten without asking
    EXPECT_TRUE(std::filesystem::exists(folder_ + "jako.sav"));

    // Saved as into a folder that is not there: the failure is told, and
    // Ctrl+S goes on writing the game's own save.
    std::filesystem::remove(folder_ + "jako.sav");
    gMessages.clear();
    gChosen = Wide(folder_ + "brak\\nowy.sav");
    EXPECT_FALSE(SaveGameAsCommand(window_));
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].caption, "Błąd zapisu");
    EXPECT_EQ(gCurrentSavePath, Wide(folder_ + "jako.sav"));
    EXPECT_TRUE(SaveGameCommand(window_));
    EXPECT_TRUE(std::filesystem::exists(folder_ + "jako.sav"));
}

TEST_F(GameFiles, TheAutosaveIsWrittenAfterItsIntervalAndLoadsAgain)
{
    const std::string autosave = WideToAnsi(GetAutosavePath());
    std::filesystem::remove(autosave);
    LoadLastAutosaveCommand(window_);
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].text, "Nie ma jeszcze żadnego autozapisu.");
    EXPECT_EQ(gMessages[0].caption, "Autozapis");
    EXPECT_EQ(gMessages[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    gMessages.clear();

    gNow = 1000;
    TickSource oldTicks = SetTickSource([] { return gNow; });
    gSettings.autozapisMinut = 1;
    ASSERT_TRUE(Start());
    gCurrentSavePath = Wide(folder_ + "moj.sav");
    gNow += 59000;
    AutosaveTick();
    EXPECT_FALSE(std::filesystem::exists(autosave));
    gNow += 1000;
    AutosaveTick();
    ASSERT_TRUE(std::filesystem::exists(autosave));
    EXPECT_EQ(StatusText(1), "Autozapis: stan gry z godziny 05:00 zapisany.");
    EXPECT_EQ(gCurrentSavePath, Wide(folder_ + "moj.sav"));

    // The station lies under the game folder's "Stacje", not beside the autosave.
    LoadLastAutosaveCommand(window_);
    SetTickSource(oldTicks);
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].text, "Czy chcesz zapisać stan gry?");
    EXPECT_EQ(StatusText(1), "Wczytany ostatni autozapis.");
    EXPECT_TRUE(gCurrentSavePath.empty());
    EXPECT_EQ(gAutosaveBase, 60000u + 1000u);
    EXPECT_EQ(TheGame().TrainCount(), 10);
    SaveGameCommand(window_);  // asks for a name rather than overwrite the autosave
    EXPECT_EQ(gDialogs, (std::vector<GameFileDialog>{GameFileDialog::kSaveAs}));
    std::filesystem::remove(autosave);
}

TEST_F(GameFiles, RemarksAndBackgroundComeFromBesideTheStation)
{
    Write("Testowo.txt", "Stacja testowa.");
    Write("Inne.txt", "Nastawnia wschodnia.");
    ASSERT_TRUE(CopyFileA((gGameFolder + "\\Tabor\\SM31.bmp").c_str(), (folder_ + "Testowo.bmp").c_str(), FALSE));
    ASSERT_TRUE(Start());
    EXPECT_EQ(gStationDescription,
              "=== Testowo.txt ===\r\nStacja testowa.\r\n\r\n=== Inne.txt ===\r\nNastawnia wschodnia.");
    EXPECT_NE(gStationBackground.picture, nullptr);
    const int32_t firstLoad = gStationBackground.load;

    // Saved elsewhere and loaded with the station found under the game
    // folder: the station's own remarks and picture, no other text.
    std::filesystem::create_directories(folder_ + "Stacje\\Testowo");
    for (const char* name : {"Testowo.stc", "Testowo.txt", "Testowo.bmp"})
        std::filesystem::rename(folder_ + name, folder_ + "Stacje\\Testowo\\" + name);
    std::filesystem::create_directories(folder_ + "zapisy");
    ASSERT_TRUE(SaveGameTo(window_, Wide(folder_ + "zapisy\\gra.sav")));
    Write("zapisy\\Uwagi.txt", "cudze");
    const std::string gameTabor = gGameFolder + "\\Tabor";
    gGameFolder = folder_;  // without "Tabor" at first: the pictures are missing
    EXPECT_FALSE(LoadGame(window_, Wide(folder_ + "zapisy\\gra.sav")));
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].text, "Brak rysunku " + std::string(TheGame().pictureNames[1].data()));
    EXPECT_EQ(gMessages[0].caption, "Brak rysunku");
    EXPECT_EQ(gMessages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(gUi.gameRunning);  // the running game goes on
    EXPECT_TRUE(gCurrentSavePath.empty());

    gMessages.clear();
    std::filesystem::copy(gameTabor, folder_ + "Tabor");
    ASSERT_TRUE(LoadGame(window_, Wide(folder_ + "zapisy\\gra.sav")));
    EXPECT_TRUE(gMessages.empty());
    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_EQ(gStationDescription, "Stacja testowa.");
    EXPECT_NE(gStationBackground.picture, nullptr);
    // the same picture loaded again may get the freed one's handle: the schematic knows it by its load
    EXPECT_NE(gStationBackground.load, firstLoad);
}

// NarrowPathFor makes the file's folder current: the suite gets its own back.
class NarrowPathForWindows : public testing::Test {
protected:
    void SetUp() override { GetCurrentDirectoryA(MAX_PATH, savedCurrent_); }
    void TearDown() override { SetCurrentDirectoryA(savedCurrent_); }

    char savedCurrent_[MAX_PATH] = {};  ///< the current folder before the test
};

TEST_F(NarrowPathForWindows, ANameOutsideTheCodePageOpensByItsShortForm)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::wstring folder = AnsiToWide(temp) + L"semarion_narrow\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring polish = folder + L"rozk\u0142ad.sav";
    const std::wstring foreign = folder + L"\u4e2d.sav";
    for (const std::wstring& path : {polish, foreign}) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, "zapis", 5, &written, nullptr);
        CloseHandle(file);
    }
    bool lossy = true;
    EXPECT_EQ(WideToAnsi(L"rozk\u0142ad", &lossy), "rozkład");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(WideToAnsi(L"\u4e2d", &lossy), "?");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(WideToAnsi(L""), "");
    EXPECT_EQ(Utf8ToWide("\xc5\x82"), L"\u0142");

    EXPECT_EQ(NarrowPathFor(polish), "rozkład.sav");
    const std::string shortForm = NarrowPathFor(foreign);
    ASSERT_FALSE(shortForm.empty());
    EXPECT_EQ(ReadWholeFile(shortForm), "zapis");
    EXPECT_EQ(NarrowPathFor(folder + L"\u4e2d-brak.sav"), "");  // a missing file has no short form
    EXPECT_EQ(NarrowPathFor(L""), "");

    DeleteFileW(polish.c_str());
    DeleteFileW(foreign.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
