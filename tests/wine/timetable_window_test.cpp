// The timetable window on Tarninowo: the table painted at several scales and
// looked at, the dialog opened from the menu and from a board's double
// click, its title, scroll bars, scrolling, remembered size and closing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/game.h"
#include "native/slot_texts.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/fixture_path.h"
#include "support/main_window_fixture.h"
#include "ui/commands.h"
#include "ui/settings.h"
#include "ui/timetable_table.h"
#include "ui/win32/fonts.h"
#include "ui/win32/timetable_window.h"

namespace {

constexpr COLORREF kArrivals = RGB(255, 255, 240);
constexpr COLORREF kDepartures = RGB(240, 248, 255);

std::string Tarninowo() { return FixturePath("\\..\\..\\game\\Stacje\\Tarninowo\\Tarninowo.roz"); }

int CountColour(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(p, x, y) == colour;
    return n;
}

std::string WindowTextOf(HWND window)
{
    wchar_t wide[128] = {};
    GetWindowTextW(window, wide, 128);
    char text[256] = {};
    WideCharToMultiByte(1250, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

SCROLLINFO BarOf(HWND window, int bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

SIZE ClientSize(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

class TimetableWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gSettings.przyjazdy = static_cast<int>(kArrivals);
        gSettings.odjazdy = static_cast<int>(kDepartures);
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        TheGame() = Game();
        FixedRandom draws(100);
        ASSERT_EQ(TheGame().NewGameFromTimetable(Tarninowo().c_str()), kNewGameStarted);
        gUi.gameRunning = true;
    }
    void TearDown() override
    {
        TheGame() = Game();
        SetNotifyHooks(oldHooks_);
        MainWindowFixture::TearDown();
    }
    // Runs `open` with the script armed for a dialog titled `title`.
    void RunDialog(const wchar_t* title, void (*script)(HWND), void (*open)(HWND main))
    {
        ScheduleDialogScript(title, script);
        open(window_);
        EXPECT_TRUE(DialogScriptRan());
        EXPECT_EQ(gTimetablePane, nullptr) << "closed";
    }

    NotifyHooks oldHooks_{};
};

TEST_F(TimetableWindow, TheArrivalsTableIsPaintedWithItsHeaderRulesAndColouredLines)
{
    gTimetableMode = kArrivalMode;
    const int units = TimetableHeightUnits(TheGame(), kArrivalMode, 0);
    EXPECT_GE(units, (104 + 1) * 20);
    Canvas canvas(900, units, RGB(1, 2, 3));
    EXPECT_EQ(DrawTimetableTable(canvas.Dc(), 1.0, 0, 0), units);
    const Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("timetable_arrivals_tarninowo.bmp"));
    EXPECT_EQ(PixelAt(p, 450, 20), RGB(0, 0, 0)) << "the header's line";
    EXPECT_EQ(PixelAt(p, 18, units - 2), RGB(0, 0, 0)) << "the first rule runs down the table";
    EXPECT_EQ(PixelAt(p, 850, units - 2), kArrivals) << "no rule after the last column";
    EXPECT_GT(CountColour(p, 0, 0, 900, 20, RGB(0, 0, 0)), 200) << "header texts";
    EXPECT_GT(CountColour(p, 0, 20, 630, units, RGB(0, 0, 0)), 5000) << "trains still to come";
    EXPECT_EQ(CountColour(p, 0, 20, 630, units, RGB(0, 0, 255)), 0) << "what stands at the start is leaving";
    EXPECT_GT(CountColour(p, 795, 20, 900, units, RGB(0, 0, 255)), 100) << "where they stand";
}

TEST_F(TimetableWindow, ThePaneScalesTheTableToItsWidthAndScrollsToItsEnd)
{
    gTimetableMode = kDepartureMode;
    gSettings.rozkladPierwszych = 30;
    const int units = TimetableHeightUnits(TheGame(), kDepartureMode, 30);
    // 450 wide: the smallest scale, a table wider than the pane.
    gTimetableHPos = 10000;
    gTimetableVPos = 10000;
    Canvas narrow(450, 300, RGB(1, 2, 3));
    PaintTimetablePane(narrow.Dc(), 450, 300);
    ASSERT_TRUE(narrow.Save("timetable_departures_narrow_end.bmp"));
    EXPECT_EQ(gTimetableHPos, 630 - 450);
    EXPECT_EQ(gTimetableVPos, static_cast<int>(units * 0.7) - 300);
    const Pixels24 p = narrow.Pixels();
    EXPECT_EQ(CountColour(p, 0, 0, 450, 300, RGB(1, 2, 3)), 0) << "the whole pane painted";
    EXPECT_GT(CountColour(p, 0, 0, 450, 300, RGB(0, 0, 0)), 300) << "the last lines";
    // 1800 wide: twice the size, all of it in view horizontally.
    gTimetableHPos = 50;
    gTimetableVPos = 0;
    Canvas wide(1800, 700, RGB(1, 2, 3));
    PaintTimetablePane(wide.Dc(), 1800, 700);
    ASSERT_TRUE(wide.Save("timetable_departures_wide.bmp"));
    EXPECT_EQ(gTimetableHPos, 0);
    EXPECT_EQ(PixelAt(wide.Pixels(), 900, 40), RGB(0, 0, 0)) << "the header's line at twice its place";
    gSettings.rozkladPierwszych = 0;
}

TEST_F(TimetableWindow, TheMenuOpensArrivalsWithScrollBarsAndPageScrolling)
{
    RunDialog(L"Przyjazdy", [](HWND dialog) {
        EXPECT_EQ(gTimetableMode, kArrivalMode);
        ASSERT_NE(gTimetablePane, nullptr);
        EXPECT_EQ(GetParent(gTimetablePane), dialog);
        const SIZE dialogClient = ClientSize(dialog);
        RECT pane;
        GetWindowRect(gTimetablePane, &pane);
        EXPECT_EQ(pane.right - pane.left, dialogClient.cx - 10);
        EXPECT_EQ(pane.bottom - pane.top, dialogClient.cy - 40);
        UpdateWindow(gTimetablePane);
        const SIZE client = ClientSize(gTimetablePane);
        const double s = TimetableScaleForWidth(client.cx);
        const SCROLLINFO bar = BarOf(gTimetablePane, SB_VERT);
        EXPECT_EQ(bar.nMax, TimetablePixels(TimetableHeightUnits(TheGame(), kArrivalMode, 0), s) - 1);
        EXPECT_EQ(static_cast<int>(bar.nPage), client.cy);
        SendMessageA(gTimetablePane, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageA(gTimetablePane, WM_VSCROLL, SB_LINEDOWN, 0);
        EXPECT_EQ(gTimetableVPos, 220);
        SendMessageA(gTimetablePane, WM_VSCROLL, SB_PAGEUP, 0);
        SendMessageA(gTimetablePane, WM_VSCROLL, SB_PAGEUP, 0);
        EXPECT_EQ(gTimetableVPos, 0) << "never above the top";
        SendMessageA(gTimetablePane, WM_HSCROLL, SB_LINERIGHT, 0);
        EXPECT_EQ(gTimetableHPos, 65);
        UpdateWindow(gTimetablePane);
        Canvas canvas(client.cx, client.cy, RGB(1, 2, 3));
        PaintTimetablePane(canvas.Dc(), client.cx, client.cy);
        ASSERT_TRUE(canvas.Save("timetable_window_arrivals.bmp"));
    }, [](HWND main) { SendMessageA(main, WM_COMMAND, kCmdArrivals, 0); });
}

TEST_F(TimetableWindow, ADoubleClickOnTheDeparturesBoardOpensDeparturesAndTheSizeIsRemembered)
{
    gSettings.rozkladW = 700;
    gSettings.rozkladH = 500;
    RunDialog(L"Odjazdy", [](HWND dialog) {
        EXPECT_EQ(gTimetableMode, kDepartureMode);
        RECT rect;
        GetWindowRect(dialog, &rect);
        EXPECT_EQ(rect.right - rect.left, 700);
        EXPECT_EQ(rect.bottom - rect.top, 500);
        SetWindowPos(dialog, nullptr, 0, 0, 800, 560, SWP_NOMOVE | SWP_NOZORDER);
        const SIZE client = ClientSize(dialog);
        RECT button;
        GetWindowRect(GetDlgItem(dialog, IDOK), &button);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
        EXPECT_EQ(button.top, client.cy - 32);
        EXPECT_EQ(button.left + (button.right - button.left) / 2, client.cx / 2) << "centred";
        EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDOK)), "Zamknij");
    }, [](HWND main) { SendMessageA(gDeparturesBoard, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10)); (void)main; });
    EXPECT_EQ(gSettings.rozkladW, 800);
    EXPECT_EQ(gSettings.rozkladH, 560);
}

TEST_F(TimetableWindow, WithoutAGameNothingOpens)
{
    gUi.gameRunning = false;
    OpenTimetableDialog(window_, kArrivalMode);
    PumpMessages();
    EXPECT_EQ(FindWindowW(L"#32770", L"Przyjazdy"), nullptr);
    EXPECT_EQ(gTimetablePane, nullptr);
}

}  // namespace
