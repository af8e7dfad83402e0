// The entries and exits window and the line-section window on Testowo: the
// table's rows and remembered size, the permission dialog's two modes, its
// answers, where its pane sits and what the queue shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "model/game.h"
#include "simulation/line_sections.h"
#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "support/screenshot.h"
#include "ui/commands.h"
#include "ui/entries_exits.h"
#include "ui/section_queue.h"
#include "ui/settings.h"
#include "ui/win32/entries_exits_dialog.h"
#include "ui/win32/section_dialog.h"

namespace {

std::string Text(HWND dialog, int id)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// The control's own visibility: the dialog itself may not be shown yet.
bool Shown(HWND dialog, int id) { return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }

// A control's rectangle in the dialog's client coordinates.
RECT ClientRect(HWND dialog, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE WindowSize(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

bool HasInk(const Pixels24& p, int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom && y < p.height; ++y)
        for (int x = left; x < right && x < p.width; ++x)
            if (PixelAt(p, x, y) != RGB(255, 255, 255)) return true;
    return false;
}

class LineWindows : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        testowo_.emplace("Testowo");
        for (int32_t p = 0; p < TheGame().PointCount(); ++p)
            if (TheGame().PointKind(p) == kPointLine) line_ = p;
        ASSERT_GE(line_, 0);
        gSectionRequest.entryTile = TheGame().PointTile(line_);
        gSectionRequest.entryNumber = 2;
        gSectionRequest.waitingTrain = "12345";
    }
    void TearDown() override
    {
        testowo_.reset();  // puts back the window's hooks before the window goes
        MainWindowFixture::TearDown();
    }
    void Ask(void (*script)(HWND dialog), int askMode = 1)
    {
        gSectionRequest.answer = -1;
        ScheduleDialogScript(L"Pozwolenie zajęcia odcinka", script);
        OpenSectionPermissionDialog(window_, askMode);
        EXPECT_TRUE(DialogScriptRan());
    }

    int32_t line_ = -1;  ///< Testowo's line with block sections

private:
    std::optional<SampleGame> testowo_;  ///< the shift the windows show
};

TEST_F(LineWindows, EntriesTableFromTheMenuRemembersItsSize)
{
    ScheduleDialogScript(L"Wjazdy/Wyjazdy", [](HWND dialog) {
        HWND pane = FindWindowExA(dialog, nullptr, "SemarionWWPane", nullptr);
        ASSERT_NE(pane, nullptr);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, 230);
        const int rows = TheGame().EntryExitCode(0);
        EXPECT_EQ(client.bottom, EntriesPaneHeight(rows) + 40);
        SaveScreenshot(dialog, "entries_exits.bmp");

        Canvas canvas(220, EntriesPaneHeight(rows), RGB(0, 0, 0));
        PaintEntriesExitsPane(canvas.Dc(), 220, EntriesPaneHeight(rows));
        const Pixels24 p = canvas.Pixels();
        EXPECT_EQ(PixelAt(p, 219, EntriesPaneHeight(rows) - 1), RGB(255, 255, 255));
        EXPECT_TRUE(HasInk(p, 55, 0, 95, 18));  // "Wyp."
        for (int n = 1; n <= rows; ++n) {
            EXPECT_TRUE(HasInk(p, 10, 20 * n, 24, 20 * n + 14)) << "track tile of row " << n;
            EXPECT_TRUE(HasInk(p, 110, 20 * n, 150, 20 * n + 14)) << "line minutes of row " << n;
        }
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Command(kCmdEntriesExits);
    ASSERT_TRUE(DialogScriptRan());
    EXPECT_GT(gSettings.wjazdyW, 230);
    EXPECT_GT(gSettings.wjazdyH, 40);

    gSettings.wjazdyW = 400;
    gSettings.wjazdyH = 300;
    ScheduleDialogScript(L"Wjazdy/Wyjazdy", [](HWND dialog) {
        EXPECT_EQ(WindowSize(dialog).cx, 400);
        EXPECT_EQ(WindowSize(dialog).cy, 300);
        RECT client;
        GetClientRect(dialog, &client);
        RECT pane = ClientRect(dialog, FindWindowExA(dialog, nullptr, "SemarionWWPane", nullptr));
        EXPECT_EQ(pane.right - pane.left, client.right - 10);
        EXPECT_EQ(pane.bottom - pane.top, client.bottom - 40);
        RECT close = ClientRect(dialog, GetDlgItem(dialog, kEntriesCloseButton));
        EXPECT_EQ(close.left, client.right / 2 - 25);
        EXPECT_EQ(close.top, client.bottom - 32);
        SendDlgItemMessageA(dialog, kEntriesCloseButton, BM_CLICK, 0, 0);
    });
    Command(kCmdEntriesExits);
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(gSettings.wjazdyW, 400);
}

TEST_F(LineWindows, EntriesTableNeedsAGame)
{
    gUi.gameRunning = false;
    ScheduleDialogScript(L"Wjazdy/Wyjazdy", [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
    OpenEntriesExitsDialog(window_);
    MSG msg;
    Sleep(30);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_FALSE(DialogScriptRan());
}

TEST_F(LineWindows, AskModeWaitsTheMinutesTypedOrLetsTheTrainOn)
{
    Ask([](HWND dialog) {
        EXPECT_EQ(Text(dialog, kSectionHeading), "Odcinek dojazdowy do wjazdu nr: 2");
        EXPECT_EQ(Text(dialog, kSectionQuestion), "Pociąg numer 12345 czeka na pozwolenie zajęcia odcinka");
        EXPECT_EQ(Text(dialog, kSectionGrant), "Zezwalam");
        for (int id : {kSectionQuestion, kSectionMinutesLabel, kSectionMinutes, kSectionWait}) EXPECT_TRUE(Shown(dialog, id));
        EXPECT_EQ(Text(dialog, kSectionMinutes), "");
        SetDlgItemTextA(dialog, kSectionMinutes, "5");
        SendDlgItemMessageA(dialog, kSectionWait, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(gSectionRequest.answer, 5);

    Ask([](HWND dialog) {
        SetDlgItemTextA(dialog, kSectionMinutes, "99999");
        SendDlgItemMessageA(dialog, kSectionWait, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(gSectionRequest.answer, kMaxWaitingMinutes);

    Ask([](HWND dialog) { SendDlgItemMessageA(dialog, kSectionWait, BM_CLICK, 0, 0); });
    EXPECT_EQ(gSectionRequest.answer, 0);  // an empty box lets the train on

    Ask([](HWND dialog) {
        SetDlgItemTextA(dialog, kSectionMinutes, "30");
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc grants
    });
    EXPECT_EQ(gSectionRequest.answer, 0);

    Ask([](HWND dialog) {
        SetDlgItemTextA(dialog, kSectionMinutes, "30");
        SendDlgItemMessageA(dialog, kSectionGrant, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(gSectionRequest.answer, 0);
}

TEST_F(LineWindows, ViewModeOnlyShowsTheQueue)
{
    EnterBlock(TheGame(), line_, 0, 7);
    Ask(
        [](HWND dialog) {
            EXPECT_EQ(Text(dialog, kSectionGrant), "OK");
            for (int id : {kSectionQuestion, kSectionMinutesLabel, kSectionMinutes, kSectionWait})
                EXPECT_FALSE(Shown(dialog, id));
            EXPECT_EQ(Text(dialog, kSectionQuestion), "");
            // the pane lies between the heading and the question, whatever the dialog font
            RECT pane = ClientRect(dialog, FindWindowExA(dialog, nullptr, "SemarionMijankaPane", nullptr));
            RECT heading = ClientRect(dialog, GetDlgItem(dialog, kSectionHeading));
            RECT question = ClientRect(dialog, GetDlgItem(dialog, kSectionQuestion));
            EXPECT_GE(pane.top, heading.bottom);
            EXPECT_LE(pane.bottom, question.top);
            EXPECT_EQ(pane.left, heading.left);
            EXPECT_EQ(pane.right, heading.right);
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            SaveScreenshot(dialog, "section_view_mode.bmp");
            SendDlgItemMessageA(dialog, kSectionGrant, BM_CLICK, 0, 0);
        },
        0);
    EXPECT_EQ(gSectionRequest.answer, 0);
}

TEST_F(LineWindows, QueueShowsTheTrainToTheExpectedTime)
{
    EnterBlock(TheGame(), line_, 0, 7);
    Canvas canvas(kQueueContentWidth, 100, RGB(0, 0, 0));
    PaintSectionPane(canvas.Dc(), kQueueContentWidth, 100);
    const Pixels24 p = canvas.Pixels();
    canvas.Save("section_queue.bmp");
    EXPECT_TRUE(HasInk(p, 0, 0, 18, 18));       // "1. "
    EXPECT_TRUE(HasInk(p, 20, 0, 60, 18));      // scheduled arrival
    EXPECT_TRUE(HasInk(p, 120, 0, 180, 18));    // train number
    EXPECT_TRUE(HasInk(p, 520, 0, kQueueContentWidth, 18));  // expected arrival, inside the pane
    EXPECT_FALSE(HasInk(p, 20, 20, kQueueContentWidth, 38)); // block 2 is empty
}

}  // namespace
