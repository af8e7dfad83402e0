#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/screenshot.h"
#include "ui/commands.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/view_sizes.h"
#include "ui/win32/panes.h"
#include "ui/win32/view_size_dialog.h"

namespace {

constexpr wchar_t kTitle[] = L"Widok - rozmiary";
std::map<std::string, std::string> gWritten;  // key -> value of the settings writes
int gToolPaneRepaints;

std::string NoValue(const char*, const char*, const char* fallback, const char*) { return fallback; }
void Record(const char*, const char* key, const char* value, const char*) { gWritten[key] = value; }

std::string Label(HWND dialog, int id)
{
    char text[32] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int Position(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, TBM_GETPOS, 0, 0)); }

// The player drags a trackbar to a position.
void Slide(HWND dialog, int id, int position)
{
    HWND trackbar = GetDlgItem(dialog, id);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(trackbar));
}

int PaneWidth(HWND pane)
{
    RECT rect;
    GetWindowRect(pane, &rect);
    return rect.right - rect.left;
}

int PaneHeight(HWND pane)
{
    RECT rect;
    GetWindowRect(pane, &rect);
    return rect.bottom - rect.top;
}

class ViewSizeDialog : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gWritten.clear();
        gToolPaneRepaints = 0;
        savedIni_ = SetIniAccess({NoValue, Record});
        gWindowServices.invalidateToolPanes = [] { ++gToolPaneRepaints; };
        gUi.gameRunning = true;
        SetWindowPos(window_, nullptr, 0, 0, 1000, 700, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        SetIniAccess(savedIni_);
    }
    INT_PTR Run(void (*script)(HWND dialog))
    {
        ScheduleDialogScript(kTitle, script);
        INT_PTR result = OpenViewSizeDialog(window_);
        EXPECT_TRUE(DialogScriptRan());
        return result;
    }
    void RunFromMenu(void (*script)(HWND dialog))
    {
        ScheduleDialogScript(kTitle, script);
        Command(kCmdViewSizes);
        EXPECT_TRUE(DialogScriptRan());
    }

private:
    IniAccess savedIni_{};
};

int gBoardsBefore;

TEST_F(ViewSizeDialog, ShowsTheSettingsAppliesThemLiveAndCancelPutsThemBack)
{
    gBoardsBefore = PaneWidth(gArrivalsBoard);
    INT_PTR result = Run([](HWND dialog) {
        EXPECT_EQ(Position(dialog, 494), 14);
        EXPECT_EQ(Position(dialog, 492), 16);
        EXPECT_EQ(Position(dialog, 496), 100);
        EXPECT_EQ(Position(dialog, 503), 100);
        EXPECT_EQ(Label(dialog, 493), "14%");
        EXPECT_EQ(Label(dialog, 491), "16%");
        EXPECT_EQ(Label(dialog, 495), "100%");
        EXPECT_EQ(Label(dialog, 502), "100%");
        EXPECT_EQ(IsDlgButtonChecked(dialog, 497), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog, 498), static_cast<UINT>(BST_CHECKED));

        Slide(dialog, 494, 25);
        EXPECT_DOUBLE_EQ(gSettings.szerokoscTablic, 0.25);
        EXPECT_EQ(Label(dialog, 493), "25%");
        EXPECT_GT(PaneWidth(gArrivalsBoard), gBoardsBefore);  // laid out at once
        Slide(dialog, 496, 150);
        EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, 1.5);
        EXPECT_EQ(Label(dialog, 495), "150%");

        SendDlgItemMessageA(dialog, 497, BM_CLICK, 0, 0);
        EXPECT_TRUE(gSettings.caleSklady);
        EXPECT_EQ(gToolPaneRepaints, 1);
        SendDlgItemMessageA(dialog, 498, BM_CLICK, 0, 0);
        EXPECT_FALSE(gSettings.opisyTorow);

        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveScreenshot(dialog, "view_size_dialog.bmp");
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_DOUBLE_EQ(gSettings.szerokoscTablic, 0.14);
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, 1.0);
    EXPECT_FALSE(gSettings.caleSklady);
    EXPECT_TRUE(gSettings.opisyTorow);
    EXPECT_EQ(PaneWidth(gArrivalsBoard), gBoardsBefore);
    EXPECT_TRUE(gWritten.empty());
}

TEST_F(ViewSizeDialog, OkFromTheMenuKeepsTheChangesAndSavesThem)
{
    int trainBefore = PaneHeight(gTrainPane);
    RunFromMenu([](HWND dialog) {
        Slide(dialog, 492, 30);
        Slide(dialog, 503, 200);
        SendDlgItemMessageA(dialog, 498, BM_CLICK, 0, 0);
        SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
    });
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.3);
    EXPECT_GT(PaneHeight(gTrainPane), trainBefore);
    EXPECT_DOUBLE_EQ(gSettings.powiekszeniePodgladu, 2.0);
    EXPECT_FALSE(gSettings.opisyTorow);
    EXPECT_EQ(gWritten["Wysokosc_podgladu"], "30");
    EXPECT_EQ(gWritten["Powiekszenie_podgladu"], "200");
    EXPECT_EQ(gWritten["Opisy_torow"], "0");
}

}  // namespace
