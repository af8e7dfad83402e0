// The game dialogs on Testowo, each opened as the player opens it and driven
// through its controls: the new game's options and the remarks on top, the
// about box's links, the coming half hour with its refresh and layout, the
// train search, the event log with its export, the shift summary and the API
// key with its file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "simulation/event_log.h"
#include "simulation/train_tracking.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/read_whole_file.h"
#include "support/sample_game.h"
#include "support/screenshot.h"
#include "ui/api_key.h"
#include "ui/commands.h"
#include "ui/game_dialog_ids.h"
#include "ui/game_dialog_texts.h"
#include "ui/startup.h"
#include "ui/station_remarks.h"
#include "ui/win32/api_key_dialog.h"
#include "ui/win32/info_dialogs.h"
#include "ui/win32/list_dialogs.h"
#include "ui/win32/main_commands.h"
#include "ui/win32/settings_file.h"

namespace {

// A control's text in code page 1250.
std::string Text(HWND dialog, int id)
{
    wchar_t wide[1024] = {};
    GetDlgItemTextW(dialog, id, wide, 1024);
    char text[1024] = {};
    WideCharToMultiByte(1250, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void Type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
void Press(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }
void Close(HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }

std::vector<std::string> ListLines(HWND dialog, int id)
{
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring wide(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&wide[0]));
        char text[1024] = {};
        WideCharToMultiByte(1250, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
        lines.push_back(text);
    }
    return lines;
}

// A control's rectangle in the dialog's client coordinates.
RECT ClientRect(HWND dialog, int id)
{
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Picture(HWND dialog, const char* name)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveScreenshot(dialog, name);
}

struct MessageBoxCall {
    std::string text;     ///< code page 1250
    std::string caption;  ///< code page 1250
    UINT type;            ///< buttons and icon
};
std::vector<MessageBoxCall> gBoxes;
int RecordBox(HWND, const char* text, const char* caption, UINT type)
{
    gBoxes.push_back({text, caption, type});
    return IDOK;
}

std::vector<std::string> gShellOpened;
HINSTANCE WINAPI RecordShellOpen(HWND, const char* verb, const char* file, const char*, const char*, int show)
{
    gShellOpened.push_back(std::string(verb) + " " + file + " " + std::to_string(show));
    return reinterpret_cast<HINSTANCE>(33);
}

class GameDialogs : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gBoxes.clear();
        gShellOpened.clear();
        oldEventBox_ = std::exchange(gEventLogMessageBox, RecordBox);
        oldKeyBox_ = std::exchange(gApiKeyMessageBox, RecordBox);
        oldShellOpen_ = std::exchange(gAboutShellOpen, RecordShellOpen);
        game_ = std::make_unique<SampleGame>("Testowo");
        ResetTrainTracking();
        ClearLog();
    }
    void TearDown() override
    {
        game_.reset();
        MainWindowFixture::TearDown();
        gEventLogMessageBox = oldEventBox_;
        gApiKeyMessageBox = oldKeyBox_;
        gAboutShellOpen = oldShellOpen_;
        gStationDescription.clear();
        ClearLog();
    }

private:
    std::unique_ptr<SampleGame> game_;  ///< the shift on Testowo
    int (*oldEventBox_)(HWND, const char*, const char*, UINT) = nullptr;
    int (*oldKeyBox_)(HWND, const char*, const char*, UINT) = nullptr;
    HINSTANCE(WINAPI* oldShellOpen_)(HWND, const char*, const char*, const char*, const char*, int) = nullptr;
};

TEST_F(GameDialogs, NewGameOptionsApplyOnEscapeAndOpenTheRemarks)
{
    gStationDescription = "Stacja ćwiczebna.\r\nDwa perony, jedna bocznica.";
    ScheduleDialogScript(L"Nowa gra", [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kNewGameStation), "Stacja: Testowo");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kNewGamePreview)));
        EXPECT_EQ(IsDlgButtonChecked(dialog, kNewGamePreview), TheGame().HasCompositions() ? 1u : 0u);
        EXPECT_EQ(IsDlgButtonChecked(dialog, kNewGameShedTransfers), 0u);
        EXPECT_EQ(IsDlgButtonChecked(dialog, kNewGameTestGame), 0u);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kNewGameRemarks)));
        Press(dialog, kNewGameShedTransfers);
        Press(dialog, kNewGameTestGame);
        Picture(dialog, "new_game_dialog.bmp");
        ScheduleDialogScript(L"Uwagi", [](HWND remarks) {
            EXPECT_EQ(Text(remarks, kRemarksEdit), gStationDescription);
            DWORD start = 1, end = 1;
            SendDlgItemMessageW(remarks, kRemarksEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(start, end);  // nothing selected
            EXPECT_EQ(GetFocus(), GetDlgItem(remarks, IDOK));
            Picture(remarks, "remarks_dialog.bmp");
            Press(remarks, IDOK);
        });
        Press(dialog, kNewGameRemarks);
        EXPECT_TRUE(IsWindow(dialog));  // still open under the remarks
        Close(dialog);                  // Esc
    });
    gWindowServices.openNewGameDialog(window_);
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(TheGame().AllowShedTransfers(), 1);
    EXPECT_TRUE(TheGame().IsTestGame());

    gStationDescription.clear();
    ScheduleDialogScript(L"Nowa gra", [](HWND dialog) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kNewGameRemarks)));
        Press(dialog, IDOK);
    });
    gWindowServices.openNewGameDialog(window_);
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(TheGame().AllowShedTransfers(), 0);
    EXPECT_FALSE(TheGame().IsTestGame());
}

TEST_F(GameDialogs, RemarksFromTheMenuOnlyWhenThereAreSome)
{
    EXPECT_TRUE(GetMenuState(GetMenu(window_), kCmdRemarks, MF_BYCOMMAND) & MF_GRAYED);  // no game yet
    EnableGameCommands(window_, false);
    EXPECT_TRUE(GetMenuState(GetMenu(window_), kCmdRemarks, MF_BYCOMMAND) & MF_GRAYED);
    EnableGameCommands(window_, true);
    EXPECT_FALSE(GetMenuState(GetMenu(window_), kCmdRemarks, MF_BYCOMMAND) & MF_GRAYED);
    gStationDescription = "Uwagi do stacji.";
    ScheduleDialogScript(L"Uwagi", [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kRemarksEdit), "Uwagi do stacji.");
        Close(dialog);
    });
    Command(kCmdRemarks);
    EXPECT_TRUE(DialogScriptRan());
}

// A click on a static that notifies its parent.
void Click(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

TEST_F(GameDialogs, AboutBoxOpensItsLinks)
{
    ScheduleDialogScript(L"O programie", [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kAboutWebLink), kAboutWebAddress);
        EXPECT_EQ(Text(dialog, kAboutMailLink), kAboutMailAddress);
        Click(dialog, kAboutWebLink);
        Click(dialog, kAboutMailLink);
        Picture(dialog, "about_dialog.bmp");
        Press(dialog, IDOK);
    });
    Command(kCmdAbout);
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(gShellOpened, (std::vector<std::string>{
                                std::string("open ") + kAboutWebAddress + " 1",
                                std::string("open mailto:") + kAboutMailAddress + "?subject=[Semarion] 1"}));
}

TEST_F(GameDialogs, ComingHalfHourRefreshesAndFollowsItsSize)
{
    ScheduleDialogScript(L"Najbliższe pół godziny", [](HWND dialog) {
        std::vector<std::string> lines = ListLines(dialog, kUpcomingList);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines, UpcomingLines(TheGame()));
        EXPECT_NE(lines[0].find("odjazd"), std::string::npos) << lines[0];
        HWND list = GetDlgItem(dialog, kUpcomingList);
        EXPECT_GT(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 16);

        // Nothing in the coming half hour: one line says so at the next refresh.
        TheGame().clock.Set(23, 0, 0);
        SendMessageW(dialog, WM_TIMER, 1, 0);
        EXPECT_EQ(ListLines(dialog, kUpcomingList), std::vector<std::string>{kNothingUpcoming});
        TheGame().clock.Set(5, 0, 0);
        SendMessageW(dialog, WM_TIMER, 1, 0);
        EXPECT_EQ(ListLines(dialog, kUpcomingList).size(), lines.size());

        SetWindowPos(dialog, nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(dialog, &client);
        const RECT listRect = ClientRect(dialog, kUpcomingList);
        EXPECT_EQ(listRect.left, 5);
        EXPECT_EQ(listRect.top, 5);
        EXPECT_EQ(listRect.right, client.right - 5);
        EXPECT_EQ(listRect.bottom, client.bottom - 28);
        const RECT close = ClientRect(dialog, IDOK);
        EXPECT_EQ(close.left, client.right / 2 - 30);
        EXPECT_EQ(close.right - close.left, 60);
        EXPECT_EQ(close.top, client.bottom - 25);
        EXPECT_EQ(close.bottom - close.top, 20);
        Picture(dialog, "upcoming_dialog.bmp");
        Close(dialog);
    });
    TheGame().clock.Set(5, 0, 0);
    Command(kCmdUpcoming);
    EXPECT_TRUE(DialogScriptRan());
}

TEST_F(GameDialogs, TrainSearchSelectsATrainThatStandsHere)
{
    ScheduleDialogScript(L"Szukaj pociągu", [](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kFindTrainEdit));
        Type(dialog, kFindTrainEdit, L"99999");
        Press(dialog, IDOK);
        EXPECT_EQ(Text(dialog, kFindTrainResult), "Nie ma w rozkładzie pociągu o numerze 99999.");
        EXPECT_EQ(gSelection.selectedTile, 0);

        // Waiting outside the station: its status, nothing selected.
        Type(dialog, kFindTrainEdit, L"3311");
        Press(dialog, IDOK);
        const FindTrainResult coming = TrainInfoText(TheGame(), "3311");
        EXPECT_EQ(coming.tile, 0);
        EXPECT_EQ(Text(dialog, kFindTrainResult), FindTrainAnswer(coming, "3311"));
        EXPECT_EQ(gSelection.selectedTile, 0);

        gSelection.routeLaying = true;
        gSelection.candidatesShown = true;
        Type(dialog, kFindTrainEdit, L" 1301 ");
        Press(dialog, IDOK);
        const FindTrainResult standing = TrainInfoText(TheGame(), "1301");
        ASSERT_NE(standing.tile, 0);
        EXPECT_EQ(Text(dialog, kFindTrainResult), "1301  " + standing.relation + "\r\n" + standing.status);
        EXPECT_EQ(gSelection.selectedTile, standing.tile);
        EXPECT_FALSE(gSelection.routeLaying);
        EXPECT_FALSE(gSelection.candidatesShown);
        EXPECT_EQ(StatusText(1), "Pociąg 1301: " + standing.status);
        Picture(dialog, "find_train_dialog.bmp");

        // Only a number's room of a long text is read.
        Type(dialog, kFindTrainEdit, std::wstring(200, L'7').c_str());
        Press(dialog, IDOK);
        EXPECT_EQ(Text(dialog, kFindTrainResult),
                  "Nie ma w rozkładzie pociągu o numerze " + std::string(kTrainNumberChars, '7') + ".");
        Press(dialog, IDCANCEL);
    });
    Command(kCmdFindTrain);
    EXPECT_TRUE(DialogScriptRan());
}

TEST_F(GameDialogs, EventLogAppendsTheNewestAndSavesToAFile)
{
    TheGame().clock.Set(9, 5, 0);
    for (int i = 0; i < 2500; ++i) AddLogEvent(("zdarzenie " + std::to_string(i)).c_str());
    ScheduleDialogScript(L"Dziennik zdarzeń", [](HWND dialog) {
        std::vector<std::string> lines = ListLines(dialog, kEventLogList);
        ASSERT_EQ(lines.size(), 2000u);
        EXPECT_EQ(lines.front(), "09:05   zdarzenie 500");
        HWND list = GetDlgItem(dialog, kEventLogList);
        EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1900);  // the newest in view

        TheGame().clock.Set(9, 6, 0);
        AddLogEvent("Pociąg 1301 odjechał.");
        SendMessageW(dialog, WM_TIMER, 1, 0);
        lines = ListLines(dialog, kEventLogList);
        ASSERT_EQ(lines.size(), 2001u);  // the dropped ones stay listed
        EXPECT_EQ(lines.back(), "09:06   Pociąg 1301 odjechał.");
        EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1900);  // the newest in view
        Picture(dialog, "event_log_dialog.bmp");

        Press(dialog, kEventLogSave);
        SetWindowPos(dialog, nullptr, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(ClientRect(dialog, kEventLogSave).left, client.right / 2 - 100);
        EXPECT_EQ(ClientRect(dialog, IDOK).left, client.right / 2 + 10);
        EXPECT_EQ(ClientRect(dialog, kEventLogList).bottom, client.bottom - 28);
        Press(dialog, IDOK);
    });
    Command(kCmdEventLog);
    EXPECT_TRUE(DialogScriptRan());
    const std::string path = LogExportPath(GetExeFolder());
    ASSERT_EQ(gBoxes.size(), 1u);
    EXPECT_EQ(gBoxes[0].text, "Dziennik zapisany do pliku:\n" + path);
    EXPECT_EQ(gBoxes[0].caption, "Dziennik zdarzeń");
    EXPECT_EQ(gBoxes[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_NE(ReadWholeFile(path).find("Pociąg 1301 odjechał."), std::string::npos);
    std::remove(path.c_str());
}

TEST_F(GameDialogs, ShiftSummaryAtTheStart)
{
    TheGame().clock.Set(5, 7, 0);
    ScheduleDialogScript(L"Podsumowanie dyżuru", [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kShiftSummaryFirst), "Stan na godzinę 05:07");
        EXPECT_EQ(Text(dialog, kShiftSummaryFirst + 3), "");
        EXPECT_EQ(Text(dialog, kShiftSummaryFirst + 5), "Niedozwolonych operacji: brak");
        EXPECT_EQ(Text(dialog, kShiftSummaryFirst + 6), "PUNKTY KARNE: 0");
        EXPECT_EQ(Text(dialog, kShiftSummaryFirst + 7), "Jeszcze nic nie odjechalo - dyzur dopiero sie zaczyna.");
        Picture(dialog, "shift_summary_dialog.bmp");
        Close(dialog);
    });
    Command(kCmdShiftSummary);
    TheGame().SetTestGame(true);
    ScheduleDialogScript(L"Podsumowanie dyżuru", [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kShiftSummaryFirst + 7), "Gra testowa - punktow karnych sie nie liczy.");
        Press(dialog, IDOK);
    });
    Command(kCmdShiftSummary);
    EXPECT_TRUE(DialogScriptRan());
}

class ApiKeyDialog : public GameDialogs {
protected:
    void SetUp() override
    {
        GameDialogs::SetUp();
        oldFolder_ = gGameFolder;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        gGameFolder = std::string(temp) + "semarion_api_key";
        CreateDirectoryA(gGameFolder.c_str(), nullptr);
    }
    void TearDown() override
    {
        std::remove(ApiKeyPath(gGameFolder).c_str());
        RemoveDirectoryA(gGameFolder.c_str());
        gGameFolder = oldFolder_;
        GameDialogs::TearDown();
    }

private:
    std::string oldFolder_;
};

TEST_F(ApiKeyDialog, EmptyKeyIsRefusedAndATypedOneSavedWithoutBlanks)
{
    ScheduleDialogScript(L"Klucz do API PLK", [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kApiKeyExplanation), ApiKeyExplanation());
        EXPECT_EQ(Text(dialog, kApiKeyNote), kApiKeyNoteText);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kApiKeyEdit));
        Type(dialog, kApiKeyEdit, L"  \t ");
        Press(dialog, IDOK);
        ASSERT_EQ(gBoxes.size(), 1u);
        EXPECT_EQ(gBoxes[0].text, "Nie wkleiłeś klucza.");
        EXPECT_EQ(gBoxes[0].caption, "Klucz do API PLK");
        EXPECT_TRUE(IsWindow(dialog));
        Type(dialog, kApiKeyEdit, L"  \tabc-DEF-123\t ");
        Picture(dialog, "api_key_dialog.bmp");
        Press(dialog, IDOK);
    });
    std::string key = "stary";
    EXPECT_TRUE(AskApiKey(window_, key));
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(key, "abc-DEF-123");
    EXPECT_EQ(ReadWholeFile(ApiKeyPath(gGameFolder)), "abc-DEF-123");

    // Cancelled, the key and its file stay. (The script's closing OK comes
    // after the ending: it finds the edit emptied and is refused.)
    gBoxes.clear();
    ScheduleDialogScript(L"Klucz do API PLK", [](HWND dialog) {
        Type(dialog, kApiKeyEdit, L"inny");
        Press(dialog, IDCANCEL);
        Type(dialog, kApiKeyEdit, L"");
    });
    EXPECT_FALSE(AskApiKey(window_, key));
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(key, "abc-DEF-123");
    EXPECT_EQ(ReadWholeFile(ApiKeyPath(gGameFolder)), "abc-DEF-123");
}

TEST_F(ApiKeyDialog, KeyFileThatCannotBeCreatedIsReported)
{
    gGameFolder += "\\no such folder";
    ScheduleDialogScript(L"Klucz do API PLK", [](HWND dialog) {
        Type(dialog, kApiKeyEdit, L"klucz");
        Press(dialog, IDOK);
    });
    std::string key;
    EXPECT_FALSE(AskApiKey(window_, key));
    EXPECT_TRUE(DialogScriptRan());
    ASSERT_EQ(gBoxes.size(), 1u);
    EXPECT_EQ(gBoxes[0].text, "Nie udało się zapisać pliku klucz-api.txt.");
    EXPECT_EQ(gBoxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    gGameFolder.resize(gGameFolder.size() - std::string("\\no such folder").size());
}

}  // namespace
