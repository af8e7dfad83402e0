// The depot window on Tarninowo (four engines in the shed): the pane painted
// cell by cell, and the dialog opened from the menu, calling engines out by a
// click on their picture or, with shed transfers, from the list by name.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "sources/win32/text_cp1250.h"
#include "support/canvas.h"
#include "support/dialog_script.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "support/screenshot.h"
#include "ui/commands.h"
#include "ui/depot_table.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/win32/depot_window.h"
#include "ui/win32/drawing.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_input_sink.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

int Count(const Pixels24& p, const RECT& area, COLORREF colour, bool equal)
{
    int n = 0;
    for (int y = area.top; y < std::min<LONG>(area.bottom, p.height); ++y)
        for (int x = area.left; x < std::min<LONG>(area.right, p.width); ++x) n += (PixelAt(p, x, y) == colour) == equal;
    return n;
}

// A cell's part in pixels, from logical units.
RECT Units(int left, int top, int right, int bottom)
{
    return {UiPixels(left), UiPixels(top), UiPixels(right), UiPixels(bottom)};
}

// Statuses of the depot's entries in depot order.
std::vector<int32_t> Statuses()
{
    const DepotStats& stats = TheGame().DepotStats();
    std::vector<int32_t> statuses;
    for (int32_t i = 0; i < stats.listed; ++i) statuses.push_back(stats.table[static_cast<size_t>(i)].status);
    return statuses;
}

DepotGeometry Geometry()
{
    DepotGeometry geometry;
    geometry.baseWidth = MeasureLocoBitmaps(TheGame().DepotStats(), [](int32_t type) {
        return static_cast<int32_t>(BitmapSize(GetVehicleBitmap(type, false)).cx);
    });
    return geometry;
}

TEST(DepotPane, FourEnginesInTwoRowsWithTheirCountsAndReadiness)
{
    FreshUiState();
    SampleGame game("Tarninowo");
    const DepotGeometry g = Geometry();
    const DepotPaneExtent extent = DepotPaneSize(4, g);
    EXPECT_EQ(extent.height, 2 * 40 + 6);
    const int width = UiPixels(extent.width), height = UiPixels(extent.height);
    // EU07 called out, the SU45 damaged.
    ASSERT_EQ(TheGame().depot.Release(5, -1), kDepotOk);
    TheGame().DepotStats().table[1].entry->slot.Operational(0);
    Canvas canvas(width, height, RGB(1, 2, 3));
    PaintDepotPane(canvas.Dc(), width, height);
    const Pixels24 p = canvas.Pixels();
    ASSERT_TRUE(canvas.Save("depot_pane_tarninowo.bmp"));

    const int cell = g.CellWidth();
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 2; ++row) {
            const int x0 = column * cell, y0 = row * 40;
            EXPECT_GT(Count(p, Units(x0, y0, x0 + g.baseWidth, y0 + 40), kWhite, false), 100)
                << "the picture of cell " << row << "," << column;
            EXPECT_GT(Count(p, Units(x0 + g.NameX(), y0 + 20, x0 + g.FirstCountX() + 20, y0 + 40), RGB(0, 0, 0), true),
                      10)
                << "name and fit count in black";
        }
    // Left column: EU07 (row 0, being prepared), SU45 (row 1, damaged).
    EXPECT_GT(Count(p, Units(g.NameX(), 0, g.CellWidth(), 18), RGB(0, 0, 255), true), 10) << "its readiness";
    EXPECT_GT(Count(p, Units(g.ThirdCountX(), 20, g.ThirdCountX() + 20, 40), RGB(0, 0, 255), true), 5);
    EXPECT_GT(Count(p, Units(g.SecondCountX(), 60, g.SecondCountX() + 20, 80), RGB(255, 0, 0), true), 5);
    EXPECT_EQ(Count(p, Units(g.NameX(), 40, g.CellWidth(), 58), RGB(0, 0, 255), true), 0) << "nothing prepared";
}

TEST(DepotPane, WithoutAGameOnlyWhite)
{
    FreshUiState();
    Canvas canvas(300, 100, RGB(1, 2, 3));
    PaintDepotPane(canvas.Dc(), 300, 100);
    EXPECT_EQ(Count(canvas.Pixels(), {0, 0, 300, 100}, kWhite, true), 300 * 100);
}

HWND Pane(HWND dialog) { return GetDlgItem(dialog, kDepotPane); }

void Click(HWND pane, int unitsX, int unitsY)
{
    const LPARAM at = MAKELPARAM(UiPixels(unitsX) + 1, UiPixels(unitsY) + 1);
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(pane, WM_LBUTTONUP, 0, at);
}

void Paint(HWND dialog)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

class DepotWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        game_ = std::make_unique<SampleGame>("Tarninowo");
        SetWindowPos(window_, nullptr, 0, 0, 1000, 700, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        game_.reset();
        MainWindowFixture::TearDown();
    }
    void RunFromMenu(DialogScript script)
    {
        ScheduleDialogScript(L"Lokomotywownia", script);
        Command(kCmdDepot);
        EXPECT_TRUE(DialogScriptRan());
    }

    std::unique_ptr<SampleGame> game_;
};

TEST_F(DepotWindow, FromTheMenuAClickOnAPictureCallsTheEngineOutAndTheSizeIsRemembered)
{
    RunFromMenu([](HWND dialog) {
        HWND pane = Pane(dialog);
        ASSERT_NE(pane, nullptr);
        const DepotGeometry g = Geometry();
        RECT rect;
        GetWindowRect(pane, &rect);
        EXPECT_EQ(rect.right - rect.left, UiPixels(2 * g.CellWidth()));
        EXPECT_EQ(rect.bottom - rect.top, UiPixels(2 * 40 + 6));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kDepotList)));

        Click(pane, g.NameX(), 1);  // beside the picture: nothing
        EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotParked, kDepotParked, kDepotParked}));
        Click(pane, g.CellWidth() + 1, 41);  // the right column's second type: TKt48
        EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotParked, kDepotParked, kDepotPreparing}));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kDepotList)));
        Paint(dialog);
        EXPECT_EQ(PixelsDifferingFromAnew(pane, PaintDepotPane), 0);
        SaveScreenshot(dialog, TestPicturePath("depot_window.bmp").c_str());
    });
    EXPECT_GT(gSettings.lokomW, 0);
    EXPECT_GT(gSettings.lokomH, 0);

    gSettings.lokomW = 520;
    gSettings.lokomH = 260;
    RunFromMenu([](HWND dialog) {
        RECT rect;
        GetWindowRect(dialog, &rect);
        EXPECT_EQ(rect.right - rect.left, 520);
        EXPECT_EQ(rect.bottom - rect.top, 260);
        RECT client;
        GetClientRect(dialog, &client);
        GetWindowRect(Pane(dialog), &rect);
        EXPECT_EQ(rect.right - rect.left, client.right - 10) << "laid out to the window";
        EXPECT_EQ(rect.bottom - rect.top, client.bottom - 33);
    });
    EXPECT_EQ(gSettings.lokomW, 520);
    EXPECT_EQ(gSettings.lokomH, 260);
}

TEST_F(DepotWindow, WithShedTransfersTheListOffersTheEnginesByNameAndThePickCallsItOut)
{
    TheGame().AllowShedTransfers(1);
    RunFromMenu([](HWND dialog) {
        HWND list = GetDlgItem(dialog, kDepotList);
        const DepotGeometry g = Geometry();
        Click(Pane(dialog), 1, 41);  // SU45
        ASSERT_TRUE(IsWindowVisible(list));
        ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
        wchar_t name[64] = {};
        SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(name));
        EXPECT_EQ(std::wstring(name), Cp1250ToWide(TheGame().UnitName(1, kRawRow).Text()));
        EXPECT_FALSE(std::wstring(name).empty());
        RECT at;
        GetWindowRect(list, &at);
        POINT corner = {at.left, at.top};
        ScreenToClient(dialog, &corner);
        EXPECT_EQ(corner.x, 5);
        EXPECT_EQ(corner.y, 5 + UiPixels(40));
        EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotParked, kDepotParked, kDepotParked}));
        Paint(dialog);
        SaveScreenshot(dialog, TestPicturePath("depot_window_list.bmp").c_str());

        Click(Pane(dialog), g.FirstCountX(), 41);  // beside the pictures: the list closes
        EXPECT_FALSE(IsWindowVisible(list));
        Click(Pane(dialog), 1, 41);
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kDepotList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        EXPECT_FALSE(IsWindowVisible(list));
        EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotPreparing, kDepotParked, kDepotParked}));

        // An engine of a lower type comes in while the list is open and the
        // grid moves down: the pick is still the engine the list showed.
        Click(Pane(dialog), 1, 0);  // EU07
        VehicleSlot newcomer;
        newcomer.Fill(0, 1, kKindElectricLoco, 9, 1, 0, kMotionStanding);
        ASSERT_EQ(TheGame().depot.Add(newcomer), kDepotOk);
        Paint(dialog);
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kDepotList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(Statuses(),
                  (std::vector<int32_t>{kDepotParked, kDepotPreparing, kDepotPreparing, kDepotParked, kDepotParked}));
    });
}

TEST_F(DepotWindow, TheMainWindowsRepaintReachesThePaneOnlyWhileItIsOpen)
{
    RunFromMenu([](HWND dialog) {
        HWND pane = Pane(dialog);
        UpdateWindow(pane);
        EXPECT_FALSE(GetUpdateRect(pane, nullptr, FALSE));
        kMainWindowHooks.repaint();
        EXPECT_TRUE(GetUpdateRect(pane, nullptr, FALSE));
    });
    gWindowServices.invalidateToolPanes();  // closed: nothing to repaint, nothing happens
}

TEST_F(DepotWindow, TheStationPanesRightClickOnTheDepotOpensIt)
{
    ScheduleDialogScript(L"Lokomotywownia", [](HWND dialog) { EXPECT_NE(Pane(dialog), nullptr); });
    kWindowPaneInputSink.openDepot();
    EXPECT_TRUE(DialogScriptRan());
}

}  // namespace
