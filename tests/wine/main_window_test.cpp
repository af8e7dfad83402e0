#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "simulation/train_tracking.h"
#include "sources/win32/text_cp1250.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "ui/commands.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/ui_state.h"
#include "ui/win32/main_commands.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/status_bar.h"

namespace {

class MainWindow : public MainWindowFixture {
protected:
    UINT ItemState(int id) const { return GetMenuState(GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND); }
    bool Checked(int id) const { return (ItemState(id) & MF_CHECKED) != 0; }
    bool Grayed(int id) const { return (ItemState(id) & (MF_GRAYED | MF_DISABLED)) != 0; }
    void OpenPopups()
    {
        HMENU shift = GetSubMenu(GetMenu(window_), 2);
        SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(shift), 2);
    }
};

TEST_F(MainWindow, CreatedWithItsClassTitleAndSize)
{
    char text[128] = {};
    GetWindowTextA(window_, text, sizeof text);
    EXPECT_STREQ(text, "Semarion Win32 port - Phase 1");
    GetClassNameA(window_, text, sizeof text);
    EXPECT_STREQ(text, "SemarionMainWindow");
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(rect.right - rect.left, 900);
    EXPECT_EQ(rect.bottom - rect.top, 600);

    DestroyWindow(window_);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(gMainWindow, nullptr);
}

TEST_F(MainWindow, PanesAndStatusBarAreMadeAndLaidOut)
{
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    for (int i = 0; i < kPaneClassCount; ++i) {
        ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kPaneClasses[i].name, &info)) << kPaneClasses[i].name;
        EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
        EXPECT_EQ(info.hbrBackground, nullptr);
    }
    EXPECT_EQ(kPaneClassCount, 11);
    const HWND panes[] = {gStationPane, gArrivalsBoard, gTrainPane, gDeparturesBoard};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(panes[i], nullptr);
        EXPECT_EQ(GetParent(panes[i]), window_);
        EXPECT_EQ(GetDlgCtrlID(panes[i]), 101 + i);
    }
    EXPECT_TRUE(GetWindowLongA(gTrainPane, GWL_STYLE) & WS_HSCROLL);

    ASSERT_NE(gStatusBar, nullptr);
    int edges[4] = {};
    ASSERT_EQ(SendMessageA(gStatusBar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    RECT client, bar, station;
    GetClientRect(window_, &client);
    EXPECT_EQ(edges[0], 120);
    EXPECT_EQ(edges[2], -1);
    // The message line gives way to the clock part's longest text, whole in
    // the bar's own font with room for the part's edges.
    HDC dc = GetDC(gStatusBar);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(gStatusBar, WM_GETFONT, 0, 0)));
    const std::wstring longest = L"Godzina: 23:59:59  (pauza: układasz drogę - Esc przerywa)";
    SIZE extent = {};
    GetTextExtentPoint32W(dc, longest.c_str(), static_cast<int>(longest.size()), &extent);
    SelectObject(dc, font);
    ReleaseDC(gStatusBar, dc);
    EXPECT_GT(extent.cx, 170);
    EXPECT_GE(client.right - edges[1], extent.cx + 6);
    EXPECT_LT(client.right - edges[1], extent.cx + 60);

    // no game: the station pane takes everything above the status bar
    GetWindowRect(gStatusBar, &bar);
    GetWindowRect(gStationPane, &station);
    EXPECT_EQ(station.right - station.left, client.right);
    EXPECT_EQ(station.bottom - station.top, client.bottom - (bar.bottom - bar.top));
    GetWindowRect(gArrivalsBoard, &station);
    EXPECT_EQ(station.right - station.left, 0);
}

TEST_F(MainWindow, MenuFollowsTheCommandTable)
{
    HMENU bar = GetMenu(window_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(kMenuCount));
    for (size_t m = 0; m < kMenuCount; ++m) {
        wchar_t text[128] = {};
        GetMenuStringW(bar, static_cast<UINT>(m), text, 128, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), Cp1250ToWide(kMenus[m].title));
        HMENU popup = GetSubMenu(bar, static_cast<int>(m));
        ASSERT_NE(popup, nullptr);
        int position = 0;
        for (size_t i = 0; i < kMenus[m].count; ++i) {
            const MenuItem& item = kMenus[m].items[i];
            EXPECT_EQ(GetMenuItemID(popup, position), static_cast<UINT>(item.id));
            GetMenuStringW(popup, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
            EXPECT_EQ(std::wstring(text), Cp1250ToWide(item.text)) << item.id;
            bool greyedAtStart = !IsCommandBuilt(item.id) || item.id == kCmdPause || item.id == kCmdRealTime ||
                                 item.id == kCmdRemarks;
            EXPECT_EQ(Grayed(item.id), greyedAtStart) << item.id;
            ++position;
            if (item.separatorAfter) {
                EXPECT_TRUE(GetMenuState(popup, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR)
                    << "after " << item.id;
                ++position;
            }
        }
        EXPECT_EQ(GetMenuItemCount(popup), position);
    }
    EXPECT_TRUE(Checked(kCmdDisruptions));
    EXPECT_TRUE(Checked(kCmdHints));
    EXPECT_FALSE(Checked(kCmdPause));
}

TEST_F(MainWindow, AcceleratorsFollowTheItemTexts)
{
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> accelerators(static_cast<size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
    CopyAcceleratorTableA(table, accelerators.data(), static_cast<int>(accelerators.size()));
    size_t expected = 0;
    for (size_t m = 0; m < kMenuCount; ++m)
        for (size_t i = 0; i < kMenus[m].count; ++i) {
            AcceleratorKey key{};
            if (!ParseAccelerator(kMenus[m].items[i].text, key)) continue;
            ++expected;
            bool found = false;
            for (const ACCEL& a : accelerators)
                found |= a.cmd == kMenus[m].items[i].id && a.key == key.key &&
                         (a.fVirt & ~FNOINVERT) == (FVIRTKEY | (key.ctrl ? FCONTROL : 0));
            EXPECT_TRUE(found) << kMenus[m].items[i].id;
        }
    EXPECT_EQ(accelerators.size(), expected);
    DestroyAcceleratorTable(table);
}

TEST_F(MainWindow, TogglesChangeCheckMarksSettingsAndTheMessageLine)
{
    Command(kCmdPause);
    EXPECT_TRUE(gUi.paused);
    EXPECT_TRUE(Checked(kCmdPause));
    Command(kCmdPause);
    EXPECT_FALSE(gUi.paused);
    EXPECT_FALSE(Checked(kCmdPause));

    Command(kCmdDisruptions);
    EXPECT_FALSE(gSettings.utrudnienia);
    EXPECT_FALSE(Checked(kCmdDisruptions));
    EXPECT_EQ(StatusText(1), "Utrudnienia wyłączone - dyżur bez niespodzianek.");
    Command(kCmdDisruptions);
    EXPECT_TRUE(gSettings.utrudnienia);
    EXPECT_TRUE(Checked(kCmdDisruptions));

    Command(kCmdHints);
    EXPECT_FALSE(gSettings.podpowiedzi);
    EXPECT_FALSE(Checked(kCmdHints));
    EXPECT_EQ(StatusText(1), "Podpowiedzi wyłączone.");
}

TEST_F(MainWindow, RealTimeRunsOnlyInAGame)
{
    Command(kCmdRealTime);
    EXPECT_FALSE(gSettings.czasRzeczywisty);
    EXPECT_EQ(gSettings.interval, 780);
    EXPECT_EQ(gClockDriver.timerId, 0u);

    SampleGame testowo("Testowo");
    Command(kCmdRealTime);
    EXPECT_TRUE(gSettings.czasRzeczywisty);
    EXPECT_EQ(gSettings.interval, 10000);
    EXPECT_NE(gClockDriver.timerId, 0u);
    std::string status = StatusText(1);
    EXPECT_EQ(status.rfind("Godzina ", 0), 0u) << status;
    EXPECT_NE(status.find("(składów na stacji: "), std::string::npos) << status;
    EXPECT_NE(status.find("), tempo rzeczywiste."), std::string::npos) << status;
}

TEST_F(MainWindow, SteamCommandsNeedASelectedLocomotive)
{
    OpenPopups();
    EXPECT_TRUE(Grayed(kCmdExtinguish));
    EXPECT_TRUE(Grayed(kCmdFireUp));
    Command(kCmdFireUp);
    EXPECT_EQ(StatusText(1), "Zaznacz najpierw wygaszony parowóz");

    SampleGame testowo("Testowo");
    OpenPopups();
    EXPECT_TRUE(Grayed(kCmdExtinguish));  // nothing selected
    gSelection.selectedTile = 933;        // the Ol49 on the locomotive track, fired up
    OpenPopups();
    EXPECT_FALSE(Grayed(kCmdExtinguish));
    EXPECT_TRUE(Grayed(kCmdFireUp));
}

int gDialogMode;
uintptr_t gTimerWhenAsked;

TEST_F(MainWindow, KeysOpenTheLineOrCancelTheRoute)
{
    gDialogMode = -1;
    gWindowServices.openSectionPermissionDialog = [](HWND, int mode) { gDialogMode = mode; };
    SendMessageA(window_, WM_KEYDOWN, '1', 0);
    EXPECT_EQ(gDialogMode, -1);  // no game

    SampleGame testowo("Testowo");
    ASSERT_LT(TheGame().EntryTileByNumber(4), 0);
    SendMessageA(window_, WM_KEYDOWN, '4', 0);
    EXPECT_EQ(gDialogMode, -1);  // no such line
    SendMessageA(window_, WM_KEYDOWN, '1', 0);
    EXPECT_EQ(gDialogMode, 0);
    EXPECT_EQ(gSectionRequest.entryTile, 401);  // line 1 with its block sections
    EXPECT_EQ(gSectionRequest.entryNumber, 1);

    SetStatusText(1, "");
    SendMessageA(window_, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(StatusText(1), "");
    gSelection.routeLaying = true;
    SendMessageA(window_, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_EQ(StatusText(1), "Układanie drogi przerwane");
}

TEST_F(MainWindow, TimerDrivesTheStepsAndStopsBeforeTheSaveQuestion)
{
    SendMessageA(window_, WM_TIMER, 1, 0);  // no game: nothing to show
    EXPECT_EQ(StatusText(2), "");

    SampleGame testowo("Testowo");  // 5:00, ten-second steps
    gSettings.dzwiek = false;       // the departures due would sound
    AddPenaltyEvent(TheGame());
    gWindowServices.openSectionPermissionDialog = [](HWND, int) { gSectionRequest.answer = 0; };
    gWindowServices.askSaveGame = [](HWND) {
        gTimerWhenAsked = gClockDriver.timerId;
        return true;
    };
    SendMessageA(window_, WM_TIMER, 2, 0);  // not the simulation's timer
    EXPECT_EQ(StatusText(2), "");
    SendMessageA(window_, WM_TIMER, 1, 0);  // one step of ten game seconds
    EXPECT_EQ(StatusText(2), "Godzina: 05:00:10");
    EXPECT_EQ(StatusText(0), "Punkty karne: 5");

    // Standing still, and saying why from the moment the window is left.
    SendMessageA(window_, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(gUi.appActive);
    EXPECT_EQ(StatusText(2), "Godzina: 05:00:10  (pauza: okno gry nieaktywne)");
    SendMessageA(window_, WM_TIMER, 1, 0);
    EXPECT_EQ(StatusText(2), "Godzina: 05:00:10  (pauza: okno gry nieaktywne)");
    SendMessageA(window_, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(StatusText(2), "Godzina: 05:00:10");

    Command(kCmdRealTime);  // starts timer 1
    ASSERT_NE(gClockDriver.timerId, 0u);
    gTimerWhenAsked = 99;
    Command(kCmdExit);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(gTimerWhenAsked, 0u);
    ResetTrainTracking();
}

// Help opens the game folder's "help\\spis.html", or "semarion.chm" when
// that is missing: the system opens each with what its kind is associated
// with, here, for the test, a command that writes down the file it was given.
// Wine reads the associations from the classes root alone; what was there
// before is put back.
class HelpFiles : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "semarion_help";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ + "\\help");
        savedFolder_ = gGameFolder;
        gGameFolder = folder_;
        GetCurrentDirectoryA(MAX_PATH, savedCurrent_);
        SetCurrentDirectoryA(folder_.c_str());
        const std::string command = "cmd.exe /c echo %1>\"" + folder_ + "\\otwarte.txt\"";
        RegSetValueA(HKEY_CLASSES_ROOT, "SemarionTestOpen\\shell\\open\\command", REG_SZ, command.c_str(), 0);
        for (Kind& kind : kinds_) {
            char value[MAX_PATH] = {};
            LONG size = sizeof value;
            kind.had = RegQueryValueA(HKEY_CLASSES_ROOT, kind.name, value, &size) == ERROR_SUCCESS;
            kind.before = value;
            RegSetValueA(HKEY_CLASSES_ROOT, kind.name, REG_SZ, "SemarionTestOpen", 0);
        }
    }
    void TearDown() override
    {
        for (const Kind& kind : kinds_) {
            if (kind.had)
                RegSetValueA(HKEY_CLASSES_ROOT, kind.name, REG_SZ, kind.before.c_str(), 0);
            else
                RegDeleteTreeA(HKEY_CLASSES_ROOT, kind.name);
        }
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "SemarionTestOpen");
        SetCurrentDirectoryA(savedCurrent_);
        gGameFolder = savedFolder_;
        std::filesystem::remove_all(folder_);
        MainWindow::TearDown();
    }
    // The file the help command had opened, as the association was given it.
    std::string Opened()
    {
        const std::string written = folder_ + "\\otwarte.txt";
        DeleteFileA(written.c_str());
        Command(kCmdHelp);
        std::string text;
        for (int waited = 0; waited < 200 && text.find('\n') == std::string::npos; ++waited) {
            Sleep(50);
            std::ifstream in(written);
            std::getline(in, text, '\0');
        }
        return text;
    }

    struct Kind {
        const char* name;    ///< the file kind's key
        bool had;            ///< it was associated before the test
        std::string before;  ///< with this class
    };
    Kind kinds_[2] = {{".html", false, {}}, {".chm", false, {}}};
    std::string folder_;
    std::string savedFolder_;
    char savedCurrent_[MAX_PATH] = {};
};

TEST_F(HelpFiles, TheContentsPageOrElseTheHelpFile)
{
    std::ofstream(folder_ + "\\help\\spis.html") << "<html></html>";
    std::ofstream(folder_ + "\\semarion.chm") << "chm";
    EXPECT_NE(Opened().find("help\\spis.html"), std::string::npos);
    DeleteFileA((folder_ + "\\help\\spis.html").c_str());
    const std::string chm = Opened();
    EXPECT_NE(chm.find("semarion.chm"), std::string::npos) << chm;
    EXPECT_EQ(chm.find("spis.html"), std::string::npos) << chm;
}

}  // namespace
