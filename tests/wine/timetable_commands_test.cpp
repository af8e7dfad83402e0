// Today's and the fictional timetable commands in the main window: the road
// today's timetable takes, a cancelled choice, a real failed download, a
// script's Polish error next to the program's own line, and a game started
// on what a script or the server made.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/game.h"
#include "sources/delay_data.h"
#include "sources/win32/text_cp1250.h"
#include "support/main_window_fixture.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/timetable_commands.h"
#include "ui/win32/game_files.h"
#include "ui/win32/timetable_commands.h"

namespace {

struct Message {
    std::wstring text;    ///< as the box shows it
    std::string caption;  ///< code page 1250
    UINT type;            ///< buttons and icon
};
std::vector<Message> gMessages;
std::vector<std::string> gCalls;  // what the commands asked for, in order
std::wstring gChosen;             // the chooser's answer
std::wstring gDownloaded;         // the server stand-in's answer when it is not the real one
std::string gScriptResult;        // the script's result path (UTF-8)
std::string gScriptLog;           // and its output (UTF-8)
std::string gServer;              // [Rozklad] Serwer

std::string ReadSetting(const char* section, const char* key, const char* fallback, const char*)
{
    return std::string(section) == "Rozklad" && std::string(key) == "Serwer" ? gServer : fallback;
}

class TimetableCommands : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gWindowServices.openNewGameDialog = [](HWND) {};  // the new game's options would wait for a player
        gMessages.clear();
        gCalls.clear();
        gChosen.clear();
        gDownloaded.clear();
        gScriptResult.clear();
        gScriptLog.clear();
        gServer.clear();
        savedIni_ = SetIniAccess({ReadSetting, [](const char*, const char*, const char*, const char*) {}});
        savedCalls_ = gTimetableCommandCalls;
        gTimetableCommandCalls.chooseStation = [](HWND, const char* title) {
            gCalls.push_back(std::string("choose ") + title);
            return gChosen;
        };
        gTimetableCommandCalls.runScript = [](const std::wstring& script, const std::wstring&, std::string& log) {
            gCalls.push_back("script " + WideToAnsi(script));
            log = gScriptLog;
            return gScriptResult;
        };
        gTimetableCommandCalls.askApiKey = [](HWND, std::string&) {
            gCalls.push_back("key");
            return false;
        };
        gTimetableCommandCalls.messageBox = [](HWND, const std::wstring& text, const char* caption, UINT type) {
            gMessages.push_back({text, caption, type});
            return IDOK;
        };
        savedFolder_ = gGameFolder;
        GetCurrentDirectoryA(MAX_PATH, savedCurrent_);  // a started game enters its folder
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        gGameFolder = std::string(temp) + "semarion_timetable_commands";
        std::filesystem::remove_all(gGameFolder);
        std::filesystem::create_directories(gGameFolder);
        const std::string game = std::string(SEMARION_FIXTURES) + "/../../game/";
        for (const char* name : {"Testowo.roz", "Testowo.stc"})
            ASSERT_TRUE(CopyFileA((game + "Stacje/Testowo/" + name).c_str(), (gGameFolder + "\\" + name).c_str(), FALSE));
        std::filesystem::copy(game + "Tabor", gGameFolder + "\\Tabor");  // no game starts without its pictures
        timetable_ = gGameFolder + "\\Testowo.roz";
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        gTimetableCommandCalls = savedCalls_;
        SetIniAccess(savedIni_);
        SetCurrentDirectoryA(savedCurrent_);
        std::error_code ignored;
        std::filesystem::remove_all(gGameFolder, ignored);
        gGameFolder = savedFolder_;
        gCurrentSavePath.clear();
        TheGame() = Game();
    }
    void WriteKeyFile() { std::ofstream(gGameFolder + "\\klucz-api.txt") << "abc"; }
    bool GameStarted() const { return gUi.gameRunning && TheGame().PointCount() > 0; }

    std::string timetable_;  ///< a copy of Testowo's timetable in the test's game folder

private:
    TimetableCommandCalls savedCalls_{};
    IniAccess savedIni_{};
    std::string savedFolder_;
    char savedCurrent_[MAX_PATH] = "";
};

TEST_F(TimetableCommands, WithoutAKeyTheServerIsAskedAndAFailureIsShown)
{
    gServer = "http://127.0.0.1:1";  // nothing listens there
    gChosen = AnsiToWide(timetable_);
    TodayTimetableCommand(window_);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"choose Rozkład na dziś - wybierz stację"}));
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].caption, "Rozkład na dziś");
    EXPECT_EQ(gMessages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    const std::wstring first = Cp1250ToWide("Nie udało się pobrać rozkładu z serwera.\n\n");
    EXPECT_EQ(gMessages[0].text.substr(0, first.size()), first);
    EXPECT_GT(gMessages[0].text.size(), first.size());  // the transport's error follows
    EXPECT_FALSE(GameStarted());
}

TEST_F(TimetableCommands, ACancelledChoiceEndsSilently)
{
    gServer = kBuiltInServer;
    TodayTimetableCommand(window_);
    FictionalTimetableCommand(window_);
    EXPECT_EQ(gCalls.size(), 2u);
    EXPECT_TRUE(gMessages.empty());
    EXPECT_FALSE(GameStarted());
}

TEST_F(TimetableCommands, TheServersTimetableStartsAGame)
{
    gServer = kBuiltInServer;
    gChosen = AnsiToWide(timetable_);
    gTimetableCommandCalls.download = [](const std::wstring& chosen, std::string&) {
        gCalls.push_back("download");
        return chosen;  // the server sent the template back as today's timetable
    };
    gCurrentSavePath = L"C:\\stary.sav";
    TodayTimetableCommand(window_);
    EXPECT_EQ(gCalls.back(), "download");
    EXPECT_TRUE(gMessages.empty());
    EXPECT_TRUE(GameStarted());
    EXPECT_TRUE(gCurrentSavePath.empty());  // the next save asks for a name
}

TEST_F(TimetableCommands, AKeyFileTakesTheScriptWhoseErrorShowsInPolish)
{
    gServer = "http://rozklady.example:8080";
    WriteKeyFile();
    gChosen = AnsiToWide(timetable_);
    gScriptLog = "B\xC5\x82\xC4\x85" "d: brak stacji w API";  // "Błąd", UTF-8 as the script prints it
    TodayTimetableCommand(window_);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"choose Rozkład na dziś - wybierz stację", "script rozklad_na_dzis.py"}));
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].text,
              Cp1250ToWide("Nie udało się przygotowac dzisiejszego rozkładu.\n\n") + L"B\u0142\u0105d: brak stacji w API");
    EXPECT_FALSE(GameStarted());
}

TEST_F(TimetableCommands, TheFictionalScriptsTimetableStartsAGame)
{
    gChosen = AnsiToWide(timetable_);
    gScriptResult = timetable_;  // a plain ASCII path is the same in UTF-8
    FictionalTimetableCommand(window_);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"choose Rozkład fikcyjny - wybierz stację", "script rozklad_losowy.py"}));
    EXPECT_TRUE(gMessages.empty());
    EXPECT_TRUE(GameStarted());

    gScriptResult.clear();
    gScriptLog = "nie ma szablonu";
    FictionalTimetableCommand(window_);
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].caption, "Rozkład fikcyjny");
    EXPECT_EQ(gMessages[0].text, Cp1250ToWide("Nie udało się ułożyć fikcyjnego rozkładu.\n\n") + L"nie ma szablonu");
    EXPECT_TRUE(GameStarted());  // the running game stays
}

// A game on a timetable just made runs today's mode on the delays file made
// with it, never on one an earlier timetable of that name left behind.
TEST_F(TimetableCommands, OnlyTheDelaysMadeWithTheTimetableAreTaken)
{
    WriteKeyFile();
    gChosen = AnsiToWide(timetable_);
    gScriptResult = timetable_;
    const std::string delays = gGameFolder + "\\Testowo.opoz";
    std::ofstream(delays) << "POBRANE 2026-01-01 00:00\n1 5 5\n";
    std::filesystem::last_write_time(delays, std::filesystem::last_write_time(delays) - std::chrono::hours(30));
    TodayTimetableCommand(window_);
    ASSERT_TRUE(GameStarted());
    EXPECT_FALSE(DelayDataLoaded());

    gTimetableCommandCalls.runScript = [](const std::wstring&, const std::wstring& chosen, std::string&) {
        std::ofstream(WideToAnsi(chosen.substr(0, chosen.size() - 4)) + ".opoz") << "1 5 5\n";
        return gScriptResult;
    };
    TodayTimetableCommand(window_);
    ASSERT_TRUE(GameStarted());
    EXPECT_TRUE(DelayDataLoaded());
    EXPECT_EQ(DelayEntryCount(), 1u);

    // Chosen by hand, a timetable takes the delays file beside it, however old.
    std::filesystem::last_write_time(delays, std::filesystem::last_write_time(delays) - std::chrono::hours(30));
    ASSERT_TRUE(StartGameFromTimetable(window_, timetable_));
    EXPECT_TRUE(DelayDataLoaded());
    EndDelayData(TheGame());
}

TEST_F(TimetableCommands, AScriptPathThatCannotBeOpenedIsReported)
{
    gChosen = AnsiToWide(timetable_);
    gScriptResult = "C:\\\xE6\x97\xA5\xE6\x9C\xAC\\plan.roz";  // characters no code page 1250 name can hold
    FictionalTimetableCommand(window_);
    ASSERT_EQ(gMessages.size(), 1u);
    EXPECT_EQ(gMessages[0].text, Cp1250ToWide("Rozkład powstał, ale nie udało się go otworzyć."));
}

}  // namespace
