// The station chooser on a game folder of the test's own: 25 stations, one
// of them with two layouts; the player's doings come from a timer once the
// dialog's own loop runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sources/station_catalogue.h"
#include "sources/station_choice.h"
#include "sources/win32/text_cp1250.h"
#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/screenshot.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/station_thumb.h"
#include "ui/win32/station_chooser.h"
#include "ui/win32/station_thumb_paint.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kTitle[] = L"Rozkład fikcyjny - wybierz stację";

struct Message {
    std::string text;     ///< code page 1250
    std::string caption;  ///< code page 1250
};
std::vector<Message> gMessages;
std::vector<std::wstring> gFileDialogFolders;  // initial folders of the open-file dialogs
std::wstring gFileAnswer;                      // what they choose; empty: cancel

int Record(HWND, const char* text, const char* caption, UINT)
{
    gMessages.push_back({text, caption});
    return IDOK;
}

bool AnswerFile(HWND, const std::wstring& folder, std::wstring& path)
{
    gFileDialogFolders.push_back(folder);
    path = gFileAnswer;
    return !gFileAnswer.empty();
}

int Count(HWND dialog, int list) { return static_cast<int>(SendDlgItemMessageW(dialog, list, LB_GETCOUNT, 0, 0)); }
int Selection(HWND dialog, int list) { return static_cast<int>(SendDlgItemMessageW(dialog, list, LB_GETCURSEL, 0, 0)); }

std::wstring Line(HWND dialog, int list, int index)
{
    wchar_t text[256] = {};
    SendDlgItemMessageW(dialog, list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring Text(HWND dialog, int id)
{
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, id, text, 512);
    return text;
}

void Type(HWND dialog, const wchar_t* text) { SetDlgItemTextW(dialog, kStationSearchEdit, text); }

// The player picks a line of a list with the mouse.
void Pick(HWND dialog, int list, int index, WORD notification = LBN_SELCHANGE)
{
    SendDlgItemMessageW(dialog, list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list, notification),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
}

void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void Key(HWND dialog, WPARAM key) { SendDlgItemMessageW(dialog, kStationSearchEdit, WM_KEYDOWN, key, 0); }

class StationChooser : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gMessages.clear();
        gFileDialogFolders.clear();
        gFileAnswer.clear();
        savedCalls_ = gStationChooserCalls;
        gStationChooserCalls = {Record, AnswerFile};
        savedFolder_ = gGameFolder;

        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        game_ = fs::path(temp) / L"semarion_chooser";
        fs::remove_all(game_);
        const fs::path stations = game_ / L"Stacje";
        const fs::path sample = fs::path(SEMARION_FIXTURES).parent_path().parent_path() / "game" / "Stacje";
        lodz_ = stations / L"Łódź Kaliska";
        fs::create_directories(lodz_ / L"archiwum");
        fs::copy_file(sample / "Testowo" / "Testowo.stc", lodz_ / L"Łódź Kaliska.stc");
        Write(lodz_ / L"LK-2024.roz", "3,\nŁódź Kaliska\n");
        Write(lodz_ / L"archiwum" / L"LK-2010.roz", "3,\nStary\n");
        Write(lodz_ / L"archiwum" / L"LK-2011.roz", "3,\nStary\n");
        for (int i = 1; i <= 24; ++i) {
            const fs::path station = stations / (L"Stacja " + std::to_wstring(100 + i));
            fs::create_directories(station);
            Write(station / L"rozklad.roz", "3,\nStacja\n");
        }
        gGameFolder = WideToAnsi(game_.wstring());
    }

    void TearDown() override
    {
        gStationChooserCalls = savedCalls_;
        gGameFolder = savedFolder_;
        fs::remove_all(game_);
        MainWindowFixture::TearDown();
    }

    static void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    // Opens the chooser with the script to run in it.
    std::wstring Choose(void (*script)(HWND))
    {
        ScheduleDialogScript(kTitle, script);
        std::wstring chosen = ChooseStationTimetable(window_, WideToAnsi(kTitle).c_str());
        EXPECT_TRUE(DialogScriptRan());
        return chosen;
    }

    fs::path game_;   ///< the test's game folder
    fs::path lodz_;   ///< the station with two layouts
    StationChooserCalls savedCalls_{};
    std::string savedFolder_;
};

}  // namespace

TEST_F(StationChooser, PlainLettersFindTheStationAndItsOlderLayoutIsChosen)
{
    const std::wstring chosen = Choose([](HWND dialog) {
        EXPECT_EQ(Count(dialog, kStationList), 25);
        EXPECT_EQ(Selection(dialog, kStationList), 0);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kStationSearchEdit));

        Type(dialog, L"lodz");
        ASSERT_EQ(Count(dialog, kStationList), 1);
        EXPECT_EQ(Line(dialog, kStationList, 0), L"Łódź Kaliska");
        ASSERT_EQ(Count(dialog, kLayoutList), 2);
        EXPECT_EQ(Line(dialog, kLayoutList, 0), L"Łódź Kaliska  (1 rozkład)");
        EXPECT_EQ(Line(dialog, kLayoutList, 1), L"Stary  (2 rozkłady)");
        EXPECT_EQ(Text(dialog, kStationInfoText),
                  L"Układ i tabor bierzemy z: LK-2024.roz\n(to najnowszy z rozkładów na tym schemacie)"
                  L"  \u2014 ta stacja ma kilka schematów, wybierz po prawej");
        EXPECT_EQ(gThumbGrid.rows, 12);  // Testowo's grid under this station's name
        UpdateWindow(dialog);
        SaveScreenshot(dialog, TestPicturePath("station_chooser.bmp").c_str());

        Pick(dialog, kLayoutList, 1);
        EXPECT_NE(Text(dialog, kStationInfoText).find(L"LK-2011.roz"), std::wstring::npos);
        EXPECT_EQ(gThumbGrid.rows, 0);  // no "Stary.stc" beside it
        Press(dialog, IDOK);
    });
    EXPECT_EQ(chosen, (lodz_ / L"archiwum" / L"LK-2011.roz").wstring());
    EXPECT_TRUE(gMessages.empty());
}

TEST_F(StationChooser, TakingNothingIsExplainedAndTheDialogStays)
{
    const std::wstring chosen = Choose([](HWND dialog) {
        Type(dialog, L"ŁÓDŹ");
        EXPECT_EQ(Count(dialog, kStationList), 1);

        Type(dialog, L"xyz");
        EXPECT_EQ(Count(dialog, kStationList), 0);
        EXPECT_EQ(Count(dialog, kLayoutList), 0);
        EXPECT_EQ(Text(dialog, kStationInfoText), L"");
        EXPECT_EQ(gThumbGrid.rows, 0);
        Press(dialog, IDOK);
        ASSERT_EQ(gMessages.size(), 1u);
        EXPECT_EQ(gMessages[0].text, "Zadna stacja nie pasuje do wpisanego tekstu.");
        EXPECT_EQ(gMessages[0].caption, "Rozkład na dziś");
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kStationSearchEdit));

        Type(dialog, L"");
        EXPECT_EQ(Count(dialog, kStationList), 25);
        SendDlgItemMessageW(dialog, kStationList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Press(dialog, IDOK);
        ASSERT_EQ(gMessages.size(), 2u);
        EXPECT_EQ(gMessages[1].text, "Wybierz stacje z listy.");
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(chosen, L"");
}

TEST_F(StationChooser, ArrowAndPageKeysInTheSearchBoxMoveTheStation)
{
    Choose([](HWND dialog) {
        Key(dialog, VK_NEXT);
        EXPECT_EQ(Selection(dialog, kStationList), 10);
        EXPECT_EQ(Count(dialog, kLayoutList), 1);  // the layouts follow the station
        Pick(dialog, kStationList, 2);
        Key(dialog, VK_PRIOR);
        EXPECT_EQ(Selection(dialog, kStationList), 0);
        Key(dialog, VK_UP);
        EXPECT_EQ(Selection(dialog, kStationList), 0);
        SendDlgItemMessageW(dialog, kStationList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Key(dialog, VK_DOWN);
        EXPECT_EQ(Selection(dialog, kStationList), 0);
        Pick(dialog, kStationList, 23);
        Key(dialog, VK_NEXT);
        EXPECT_EQ(Selection(dialog, kStationList), 24);
        Press(dialog, IDCANCEL);
    });
}

TEST_F(StationChooser, DoubleClickingALayoutTakesItsNewestTimetable)
{
    const std::wstring chosen = Choose([](HWND dialog) {
        Type(dialog, L"kaliska");
        Pick(dialog, kLayoutList, 1, LBN_DBLCLK);
    });
    EXPECT_EQ(chosen, (lodz_ / L"archiwum" / L"LK-2011.roz").wstring());
}

TEST_F(StationChooser, AnyTimetableFileWhenAskedOrWhenThereIsNoStation)
{
    gFileAnswer = L"C:\\gdzies\\inny.roz";
    EXPECT_EQ(Choose([](HWND dialog) { Press(dialog, kTimetableFileButton); }), L"C:\\gdzies\\inny.roz");
    ASSERT_EQ(gFileDialogFolders.size(), 1u);
    EXPECT_EQ(gFileDialogFolders[0], game_.wstring() + L"\\Stacje");

    // No station at all: no chooser, the file dialog at once; cancelled.
    gGameFolder = WideToAnsi((game_ / L"pusty").wstring());
    gFileAnswer.clear();
    EXPECT_EQ(ChooseStationTimetable(window_, "Rozkład"), L"");
    EXPECT_EQ(gFileDialogFolders.size(), 2u);
}

TEST_F(StationChooser, ThumbnailDrawsTheLayoutScaledIntoItsFrame)
{
    ASSERT_TRUE(LoadStationThumb((lodz_ / L"Łódź Kaliska.stc").wstring()));
    const COLORREF background = static_cast<COLORREF>(gSettings.schematStacji);
    Canvas canvas(440, 200, RGB(255, 0, 255));
    DrawStationThumb(canvas.Dc(), RECT{0, 0, 440, 200});
    ASSERT_TRUE(canvas.Save("station_thumb.bmp"));
    const Pixels24 pixels = canvas.Pixels();
    // 44 x 12 tiles scaled to 440 pixels across, centred top to bottom.
    EXPECT_EQ(PixelAt(pixels, 0, 0), background);
    EXPECT_EQ(PixelAt(pixels, 439, 199), background);
    int drawn = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 440; ++x) drawn += PixelAt(pixels, x, y) != background;
    EXPECT_GT(drawn, 500);
    for (int x = 0; x < 440; ++x) {
        EXPECT_EQ(PixelAt(pixels, x, 39), background) << x;  // above the picture: 200 - 120 = 80, halved
        EXPECT_EQ(PixelAt(pixels, x, 160), background) << x;
    }

    ASSERT_FALSE(LoadStationThumb((game_ / L"brak.stc").wstring()));
    Canvas empty(100, 50, RGB(255, 0, 255));
    DrawStationThumb(empty.Dc(), RECT{0, 0, 100, 50});
    EXPECT_EQ(PixelAt(empty.Pixels(), 50, 25), background);
}
