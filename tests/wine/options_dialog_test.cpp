#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "support/canvas.h"
#include "support/delay_options_recorder.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/screenshot.h"
#include "ui/commands.h"
#include "ui/options_form.h"
#include "ui/settings.h"
#include "ui/win32/options_dialog.h"
#include "ui/win32/tile_bitmaps.h"

namespace {

DialogScript gScript;               // what the player does in the open dialog
void (*gPopupScript)(HWND popup);   // what the player does in a dialog the options open
bool gPopupRan;
HWND gOptions;

// Painted as the player sees it: the swatches and the pictures read its surface.
void RunOptionsScript(HWND dialog)
{
    gOptions = dialog;
    UpdateWindow(dialog);
    gScript(dialog);
}

BOOL CALLBACK FindOwnedPopup(HWND window, LPARAM found)
{
    if (GetWindow(window, GW_OWNER) != gOptions || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Waits for the popup to show inside its own modal loop, then drives it.
void CALLBACK RunPopupScript(HWND, UINT, UINT_PTR, DWORD)
{
    HWND popup = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedPopup, reinterpret_cast<LPARAM>(&popup));
    if (!popup || gPopupRan) return;
    gPopupRan = true;
    gPopupScript(popup);
}

// The player presses a button that opens a modal dialog of its own.
void PressWithPopup(HWND dialog, int id, void (*script)(HWND popup))
{
    gPopupScript = script;
    gPopupRan = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, RunPopupScript);
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
}

void Press(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void Type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

std::string Text(HWND dialog, int id)
{
    char text[300] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int Position(HWND dialog) { return static_cast<int>(SendDlgItemMessageA(dialog, kSpeedTrackbar, TBM_GETPOS, 0, 0)); }

void Slide(HWND dialog, int position)
{
    HWND trackbar = GetDlgItem(dialog, kSpeedTrackbar);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(trackbar));
}

// The player clicks a tab, as the tab control reports it.
void SelectTab(HWND dialog, int page)
{
    HWND tab = GetDlgItem(dialog, kOptionsTab);
    SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR header = {tab, static_cast<UINT_PTR>(kOptionsTab), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, kOptionsTab, reinterpret_cast<LPARAM>(&header));
}

void Screenshot(HWND dialog, const char* path)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveScreenshot(dialog, path);
}

COLORREF SwatchColour(HWND dialog, int id)
{
    HWND swatch = GetDlgItem(dialog, id);
    RedrawWindow(swatch, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(swatch);
    COLORREF colour = GetPixel(dc, 10, 6);
    ReleaseDC(swatch, dc);
    return colour;
}

class OptionsDialog : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        SetKnownDelayOptions();
    }
    void RunFromMenu(int command, void (*script)(HWND dialog))
    {
        gScript = script;
        ScheduleDialogScript(L"Opcje", RunOptionsScript);
        Command(command);
        EXPECT_TRUE(DialogScriptRan());
    }
    INT_PTR Run(int page, void (*script)(HWND dialog))
    {
        gScript = script;
        ScheduleDialogScript(L"Opcje", RunOptionsScript);
        INT_PTR result = OpenOptionsDialog(window_, page);
        EXPECT_TRUE(DialogScriptRan());
        return result;
    }
};

// Each page's first and last control, to tell which page shows.
int FirstOf(int page) { return kOptionsPages[page].ids[0]; }
int LastOf(int page) { return kOptionsPages[page].ids[kOptionsPages[page].count - 1]; }
int gPage;

TEST_F(OptionsDialog, EachMenuCommandOpensItsPageAndTabsSwitchPages)
{
    const int commands[] = {kCmdOptionsClock,   kCmdOptionsDelays, kCmdOptionsSettings,
                            kCmdOptionsColours, kCmdOptionsSounds, kCmdOptionsOther};
    for (gPage = 0; gPage < kOptionsPageCount; ++gPage) {
        RunFromMenu(commands[gPage], [](HWND dialog) {
            EXPECT_EQ(SendDlgItemMessageA(dialog, kOptionsTab, TCM_GETCURSEL, 0, 0), gPage);
            for (int page = 0; page < kOptionsPageCount; ++page) {
                EXPECT_EQ(Visible(dialog, FirstOf(page)), page == gPage) << page;
                EXPECT_EQ(Visible(dialog, LastOf(page)), page == gPage) << page;
            }
            std::string picture = "options_page_" + std::to_string(gPage) + ".bmp";
            Screenshot(dialog, picture.c_str());
            SelectTab(dialog, (gPage + 1) % kOptionsPageCount);
            EXPECT_FALSE(Visible(dialog, FirstOf(gPage)));
            EXPECT_TRUE(Visible(dialog, LastOf((gPage + 1) % kOptionsPageCount)));
            Press(dialog, IDCANCEL);
        });
    }
}

TEST_F(OptionsDialog, ClockTrackbarFollowsRealTimeAndOkSetsTheInterval)
{
    gClockDriver.nominalStepSeconds = 10;
    EXPECT_EQ(Run(0, [](HWND dialog) {
                  EXPECT_EQ(SendDlgItemMessageA(dialog, kSpeedTrackbar, TBM_GETRANGEMAX, 0, 0), 9990);
                  EXPECT_EQ(Position(dialog), 10000 - 780);
                  EXPECT_FALSE(Checked(dialog, kRealTimeCheckBox));
                  Press(dialog, kRealTimeCheckBox);
                  EXPECT_EQ(Position(dialog), 0);
                  Press(dialog, kRealTimeCheckBox);
                  EXPECT_EQ(Position(dialog), 9800);
                  Slide(dialog, 9990);
                  Press(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(gSettings.interval, 10);
    EXPECT_FALSE(gSettings.czasRzeczywisty);

    Run(0, [](HWND dialog) {
        Press(dialog, kRealTimeCheckBox);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(gSettings.interval, 10000);
    EXPECT_TRUE(gSettings.czasRzeczywisty);
}

TEST_F(OptionsDialog, TypedDelaysAndPausesAreReadBackClamped)
{
    Run(1, [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kLookAheadEdit), "45");
        EXPECT_EQ(Text(dialog, 227), "3");   // Ekspres -
        EXPECT_EQ(Text(dialog, 232), "15");  // Specjalny +
        Type(dialog, kLookAheadEdit, "60");
        Type(dialog, 221, "-5");
        Type(dialog, 222, "abc");
        Type(dialog, 223, "7");
        Type(dialog, 232, "250");

        SelectTab(dialog, 2);
        EXPECT_TRUE(Checked(dialog, kPauseRouteCheckBox));
        EXPECT_FALSE(Enabled(dialog, kPausePreviewCheckBox));
        EXPECT_TRUE(Checked(dialog, kAllTrainsRadio));
        Press(dialog, kPauseRouteCheckBox);
        EXPECT_TRUE(Enabled(dialog, kPausePreviewCheckBox));
        Press(dialog, kPausePreviewCheckBox);
        Press(dialog, kPauseRouteCheckBox);  // ticking it again clears the preview pause
        EXPECT_FALSE(Checked(dialog, kPausePreviewCheckBox));
        EXPECT_FALSE(Enabled(dialog, kPausePreviewCheckBox));
        Press(dialog, kPauseInactiveCheckBox);
        Press(dialog, kFirstTrainsRadio);
        Type(dialog, kFirstTrainsEdit, "30");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(TheGame().LookAhead(), 60);
    EXPECT_EQ(TheGame().DelayChance(0, 0), 0);
    EXPECT_EQ(TheGame().DelayChance(0, 1), 0);
    EXPECT_EQ(TheGame().DelayChance(1, 0), 7);
    EXPECT_EQ(TheGame().DelayChance(5, 1), 100);
    EXPECT_EQ(TheGame().DelayChance(3, 1), 13);
    EXPECT_TRUE(gSettings.pauzaZaznaczanie);
    EXPECT_FALSE(gSettings.pauzaPodglad);
    EXPECT_FALSE(gSettings.pauzaNieaktywne);
    EXPECT_EQ(gSettings.rozkladPierwszych, 30);
}

TEST_F(OptionsDialog, StationColourIsPickedShownAndComposedIntoTheTiles)
{
    LoadTileBitmaps();
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(0)), 7, 7), RGB(255, 255, 255));
    Run(3, [](HWND dialog) {
        EXPECT_EQ(SwatchColour(dialog, 250), RGB(255, 255, 255));
        PressWithPopup(dialog, 251, [](HWND picker) {
            SetDlgItemInt(picker, 706, 12, FALSE);  // red, green and blue of the colour dialog
            SetDlgItemInt(picker, 707, 34, FALSE);
            SetDlgItemInt(picker, 708, 56, FALSE);
            SendDlgItemMessageA(picker, IDOK, BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(gPopupRan);
        EXPECT_EQ(SwatchColour(dialog, 250), RGB(12, 34, 56));
        EXPECT_EQ(gSettings.schematStacji, 0xFFFFFF);  // not before OK
        Press(dialog, kBackgroundCheckBox);
        Screenshot(dialog, "options_colours.bmp");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(gSettings.schematStacji, static_cast<int>(RGB(12, 34, 56)));
    EXPECT_TRUE(gSettings.tlo);
    EXPECT_EQ(PixelAt(PixelsOf(TileBitmap(0)), 7, 7), RGB(12, 34, 56));
    FreeTileBitmaps();
}

TEST_F(OptionsDialog, SoundsBrowseTickTheBoxAndAFileThatDoesNotPlayClearsIt)
{
    Run(4, [](HWND dialog) {
        EXPECT_EQ(Text(dialog, 262), "Audio\\22.wav");
        Press(dialog, 261);
        EXPECT_FALSE(Checked(dialog, 261));
        PressWithPopup(dialog, 263, [](HWND files) { PostMessageA(files, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_TRUE(gPopupRan);
        EXPECT_TRUE(Checked(dialog, 261));
        EXPECT_EQ(Text(dialog, 262), "Audio\\22.wav");

        Type(dialog, 266, "Audio\\nie_ma_takiego.wav");
        PressWithPopup(dialog, 268, [](HWND box) {
            wchar_t title[64] = {};
            GetWindowTextW(box, title, 64);
            EXPECT_STREQ(title, L"Błąd odczytu");
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        EXPECT_TRUE(gPopupRan);
        EXPECT_FALSE(Checked(dialog, 265));
        EXPECT_EQ(Text(dialog, 266), "Audio\\nie_ma_takiego.wav");

        Type(dialog, 270, "");
        PressWithPopup(dialog, 272, [](HWND) {});  // nothing to play: no message
        EXPECT_FALSE(gPopupRan);
        Press(dialog, kMuteCheckBox);
        Press(dialog, IDOK);
    });
    EXPECT_FALSE(gSettings.dzwiek);
    EXPECT_TRUE(gSettings.nowyPociag);
    EXPECT_FALSE(gSettings.blad);
    EXPECT_EQ(gSettings.bladPlik, "Audio\\nie_ma_takiego.wav");
    EXPECT_EQ(gSettings.mijankaPlik, "");
}

TEST_F(OptionsDialog, SuppliesKeepUntouchedSecondsAndClampTypedHours)
{
    Run(5, [](HWND dialog) {
        EXPECT_EQ(Text(dialog, kWaterEdit), "17");
        EXPECT_EQ(Text(dialog, kExtinguishEdit), "4");
        EXPECT_TRUE(Enabled(dialog, kLastSupplyControl));
        Press(dialog, kSuppliesCheckBox);
        EXPECT_FALSE(Enabled(dialog, kFirstSupplyControl));
        EXPECT_FALSE(Enabled(dialog, kWaterEdit));
        Screenshot(dialog, "options_supplies_off.bmp");
        Press(dialog, kSuppliesCheckBox);
        EXPECT_TRUE(Enabled(dialog, kWaterEdit));
        Press(dialog, IDOK);
    });
    EXPECT_EQ(gSettings.wodaSekund, 60000);
    EXPECT_TRUE(gSettings.zapasyWlaczone);

    Run(5, [](HWND dialog) {
        Type(dialog, kWaterEdit, "0");
        Type(dialog, kCoalEdit, "1000");
        Type(dialog, kFireUpEdit, "");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(gSettings.wodaSekund, 3600);
    EXPECT_EQ(gSettings.wegielSekund, 999 * 3600);
    EXPECT_EQ(gSettings.paliwoSekund, 400000);
    EXPECT_EQ(gSettings.rozpalanieSekund, 0);
}

TEST_F(OptionsDialog, CancelDropsEveryChange)
{
    EXPECT_EQ(Run(2, [](HWND dialog) {
                  Press(dialog, kFixedPreviewCheckBox);
                  SelectTab(dialog, 1);
                  Type(dialog, kLookAheadEdit, "90");
                  SelectTab(dialog, 0);
                  Slide(dialog, 0);
                  Press(dialog, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_TRUE(gSettings.stalyRozmiar);
    EXPECT_EQ(TheGame().LookAhead(), 45);
    EXPECT_EQ(gSettings.interval, 780);
}

}  // namespace
