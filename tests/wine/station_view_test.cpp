// The station view painted for Testowo after a new game: the schematic with
// its occupied tracks, the labels and their columns, the event box, the
// background picture, and the pane's zoom, pan and centring; what the panes
// show after any sequence of play and view changes is what a paint from
// nothing shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/game.h"
#include "native/slot_texts.h"
#include "simulation/admission.h"
#include "simulation/event_log.h"
#include "simulation/hints.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "support/canvas.h"
#include "support/fresh_ui_state.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "ui/commands.h"
#include "ui/event_box.h"
#include "ui/station_pane_input.h"
#include "ui/station_view.h"
#include "ui/track_labels.h"
#include "ui/win32/boards_paint.h"
#include "ui/win32/fonts.h"
#include "ui/win32/panes.h"
#include "ui/win32/station_view_paint.h"
#include "ui/win32/tile_bitmaps.h"
#include "ui/win32/train_pane.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 420;
constexpr COLORREF kStation = RGB(255, 255, 255);
constexpr COLORREF kFill = static_cast<COLORREF>(kEventBoxFill);  // the columns share it

std::string TestowoTimetable() { return std::string(SEMARION_FIXTURES) + "/../../game/Stacje/Testowo/Testowo.roz"; }

bool Reddish(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool Bluish(COLORREF c) { return GetBValue(c) > 100 && GetRValue(c) < 90; }

// Pixels of one colour in a rectangle of the picture.
int CountColour(const Pixels24& p, int left, int top, int right, int bottom, COLORREF colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(p, x, y) == colour;
    return n;
}

// A new game on Testowo through the model, drawn with the program's tiles and fonts.
class StationViewPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gStationView = StationViewState();
        TheGame() = Game();
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        LoadTileBitmaps();
        LoadMarkerBitmaps();
        CreateFonts(gUiScale);
        FixedRandom draws(100);  // the start placement of the new-game tests
        ASSERT_EQ(TheGame().NewGameFromTimetable(TestowoTimetable().c_str()), kNewGameStarted);
        gUi.gameRunning = true;
    }
    void TearDown() override
    {
        ClearLog();
        SetStationBackgroundSource(nullptr);
        SetNotifyHooks(oldHooks_);
        FreeTileBitmaps();
        FreeMarkerBitmaps();
        DeleteFonts();
        TheGame() = Game();
        FreshUiState();
        gStationView = StationViewState();
    }
    Pixels24 Paint(Canvas& canvas)
    {
        PaintStationView(canvas.Dc(), kWidth, kHeight);
        return canvas.Pixels();
    }
    // The pane pixel of grid pixel (gx, gy) at the last paint.
    static POINT PanePoint(double gx, double gy)
    {
        return {gStationView.originX + static_cast<LONG>(gx * gStationView.scale),
                gStationView.originY + static_cast<LONG>(gy * gStationView.scale)};
    }
    static COLORREF At(const Pixels24& p, double gx, double gy)
    {
        const POINT pt = PanePoint(gx, gy);
        return PixelAt(p, pt.x, pt.y);
    }

    NotifyHooks oldHooks_{};
};

TEST_F(StationViewPaint, TestowoAfterANewGameShowsItsTracksTrainsAndLabels)
{
    // Past 5:10 the unit on P2 waits to leave: a hint. The day's draws are
    // fixed too, or a delay drawn from the clock's seed may move the unit on.
    {
        FixedRandom draws(100);
        for (int i = 0; i < 70; ++i) TheGame().SimulationStep();
    }
    ASSERT_FALSE(BuildHints(TheGame()).empty());
    ClearLog();
    AddLogEvent("Zimowe warunki: opóźnienia większe");
    AddLogEvent("Wjechał pociąg 1301 o czasie");
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    const Pixels24 p = Paint(canvas);
    ASSERT_TRUE(canvas.Save("station_view_testowo.bmp"));

    // Testowo's drawn tiles reach from column 1 to 42: the whole 44 x 12
    // grid, fitted to the width.
    EXPECT_NEAR(gStationView.scale, kWidth / (44.0 * 14), 1e-9);
    EXPECT_EQ(gStationView.originX, 0);
    EXPECT_EQ(gStationView.originY, (kHeight - NearestInt(12 * 14 * gStationView.scale)) / 2);

    // The centre line of P1's track (row 4, column 12) is red: EU07 and its
    // car stand there. The main line east of the platforms is free: blue.
    EXPECT_TRUE(Reddish(At(p, 12 * 14 + 7, 4 * 14 + 7))) << std::hex << At(p, 12 * 14 + 7, 4 * 14 + 7);
    EXPECT_TRUE(Bluish(At(p, 25 * 14 + 7, 4 * 14 + 7))) << std::hex << At(p, 25 * 14 + 7, 4 * 14 + 7);
    EXPECT_EQ(At(p, 20 * 14 + 7, 10 * 14 + 7), kStation);  // no tile

    // Both label columns and the event box have their light fill.
    EXPECT_GT(CountColour(p, 0, 0, 120, 30, kFill), 200);
    EXPECT_GT(CountColour(p, kWidth - 120, 0, kWidth, 30, kFill), 200);
    EXPECT_EQ(PixelAt(p, kWidth - 6, kHeight - 6), kFill);
    EXPECT_GT(CountColour(p, kWidth / 2, kHeight - 60, kWidth, kHeight, RGB(200, 80, 0)), 10);  // the hint
}

TEST_F(StationViewPaint, WithoutLabelsOrGameOnlyTheSchematicOrTheColour)
{
    ClearLog();
    AddLogEvent("Start");
    gSettings.opisyTorow = false;
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    Pixels24 p = Paint(canvas);
    EXPECT_EQ(CountColour(p, 0, 0, kWidth, kHeight, kFill), 0);
    ASSERT_TRUE(canvas.Save("station_view_no_labels.bmp"));

    // Below 1:1 the stretch goes halftone: the tracks are still there.
    gSettings.rozmiarSchematu = 0.5;
    p = Paint(canvas);
    ASSERT_LT(gStationView.scale, 1.0);
    ASSERT_TRUE(canvas.Save("station_view_small.bmp"));
    EXPECT_GT(kWidth * kHeight - CountColour(p, 0, 0, kWidth, kHeight, kStation), 1000);
    EXPECT_EQ(PixelAt(p, 5, 5), kStation);  // around it only the station colour

    gUi.gameRunning = false;
    gSettings.opisyTorow = true;
    p = Paint(canvas);
    EXPECT_EQ(CountColour(p, 0, 0, kWidth, kHeight, kStation), kWidth * kHeight);
    EXPECT_DOUBLE_EQ(gStationView.scale, 1.0);
    EXPECT_EQ(gStationView.originX, 0);
}

TEST_F(StationViewPaint, TheBackgroundPictureShowsThroughTheTracksWhite)
{
    static ScopedBitmap background;
    {
        ScopedWindowDC screen(nullptr);
        background.Reset(CreateCompatibleBitmap(screen.Get(), 44 * 14, 12 * 14));
        ScopedMemoryDC memory(screen.Get());
        ScopedSelect select(memory.Get(), background.Get());
        const RECT all = {0, 0, 44 * 14, 12 * 14};
        ScopedBrush green(CreateSolidBrush(RGB(0, 200, 0)));
        FillRect(memory.Get(), &all, green.Get());
    }
    SetStationBackgroundSource([] { return StationBackground{background.Get(), 1}; });
    gSettings.opisyTorow = false;
    gSettings.rozmiarSchematu = 2.0;  // big pixels: no edge falls between two tile rows
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    Pixels24 p = Paint(canvas);
    EXPECT_EQ(At(p, 25 * 14 + 7, 4 * 14 + 1), kStation) << "Tlo off: no picture";

    gSettings.tlo = true;
    p = Paint(canvas);
    ASSERT_TRUE(canvas.Save("station_view_background.bmp"));
    EXPECT_EQ(At(p, 25 * 14 + 7, 4 * 14 + 1), RGB(0, 200, 0));  // above the rails of a free track
    EXPECT_TRUE(Bluish(At(p, 25 * 14 + 7, 4 * 14 + 7)));       // the rails themselves
    EXPECT_EQ(At(p, 20 * 14 + 7, 10 * 14 + 7), RGB(0, 200, 0));  // an empty tile
    background.Reset();
}

// The pane itself: it paints through its own procedure, zooms at the wheel,
// pans while the middle button is held and centres on a double click and on
// the menu command.
class StationPane : public MainWindowFixture {};

TEST_F(StationPane, WheelZoomsDragPansAndCentringForgetsThePan)
{
    ASSERT_NE(gStationPane, nullptr);
    EXPECT_EQ(SendMessageA(gStationPane, WM_ERASEBKGND, 0, 0), 1);
    POINT screen = {50, 40};
    ClientToScreen(gStationPane, &screen);
    SendMessageA(gStationPane, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, kZoomStep);
    EXPECT_TRUE(gStationView.anchorSet);
    EXPECT_EQ(gStationView.anchorPaneX, 50);
    EXPECT_EQ(gStationView.anchorPaneY, 40);
    const WORD down = static_cast<WORD>(-3 * WHEEL_DELTA);  // three notches at once still make one step
    SendMessageA(gStationPane, WM_MOUSEWHEEL, MAKEWPARAM(0, down), MAKELPARAM(screen.x, screen.y));
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, 1.0);

    SendMessageA(gStationPane, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(GetCapture(), gStationPane);
    SendMessageA(gStationPane, WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(30, 5));
    SendMessageA(gStationPane, WM_MBUTTONUP, 0, MAKELPARAM(30, 5));
    EXPECT_EQ(gStationView.panX, 20);
    EXPECT_EQ(gStationView.panY, -5);
    EXPECT_NE(GetCapture(), gStationPane);
    SendMessageA(gStationPane, WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));  // no drag: nothing moves
    EXPECT_EQ(gStationView.panX, 20);

    SendMessageA(gStationPane, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(10, 10));
    SendMessageA(gStationPane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(12, 10));
    ReleaseCapture();  // the capture taken away ends the drag
    SendMessageA(gStationPane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 10));
    EXPECT_EQ(gStationView.panX, 22);

    SendMessageA(gStationPane, WM_MBUTTONDBLCLK, MK_MBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(gStationView.panX, 0);
    gStationView.panY = 33;
    Command(kCmdCentreSchematic);
    EXPECT_EQ(gStationView.panY, 0);
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, 1.0);
    gStationView = StationViewState();
}

// The panes in a shown main window on a paused Testowo shift, changed as
// the player and the game change them; after each change they are repainted
// as the timer repaints them, and what they show is compared with a paint
// from nothing.
class StationPaneKeptPicture : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        gSettings.dzwiek = false;
        gStationView = StationViewState();
        game_ = std::make_unique<SampleGame>("Testowo");
        gUi.paused = true;
        SetStationBackgroundSource([] { return StationBackground{Background(), 1}; });
        Resize(900, 600);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        Settle();
    }
    void TearDown() override
    {
        SetStationBackgroundSource(nullptr);
        game_.reset();  // puts back the window's hooks before the window goes
        MainWindowFixture::TearDown();
        gStationView = StationViewState();
    }
    // A picture of Testowo's grid size, green with a red stripe every 20 rows.
    static HBITMAP Background()
    {
        static ScopedBitmap picture;
        if (picture) return picture.Get();
        ScopedWindowDC screen(nullptr);
        picture.Reset(CreateCompatibleBitmap(screen.Get(), 44 * 14, 12 * 14));
        ScopedMemoryDC memory(screen.Get());
        ScopedSelect select(memory.Get(), picture.Get());
        ScopedBrush green(CreateSolidBrush(RGB(0, 160, 0))), red(CreateSolidBrush(RGB(200, 0, 0)));
        const RECT all = {0, 0, 44 * 14, 12 * 14};
        FillRect(memory.Get(), &all, green.Get());
        for (int y = 0; y < 12 * 14; y += 20) {
            const RECT stripe = {0, y, 44 * 14, y + 3};
            FillRect(memory.Get(), &stripe, red.Get());
        }
        return picture.Get();
    }
    void Resize(int width, int height)
    {
        SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static void Settle()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    // The repaint of the panes after each timer message.
    static void Repaint()
    {
        Settle();
        InvalidateAllPanes();
        Settle();
        for (HWND pane : {gStationPane, gArrivalsBoard, gDeparturesBoard, gTrainPane}) UpdateWindow(pane);
    }
    // What the station pane shows against a paint from nothing.
    static int Stale() { return PixelsDifferingFromAnew(gStationPane, PaintStationViewAnew); }
    static void Wheel(int turns)
    {
        POINT screen = {200, 150};
        ClientToScreen(gStationPane, &screen);
        const WORD delta = static_cast<WORD>(turns * WHEEL_DELTA);
        SendMessageA(gStationPane, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(screen.x, screen.y));
        Repaint();
    }
    // Ten-second steps with every arriving train let onto its line.
    static void Run(int steps)
    {
        Game& game = TheGame();
        for (int i = 0; i < steps; ++i) {
            game.SimulationStep();
            for (int32_t row = game.AdmitArrivingTrains(kFirstAsk, kLetOntoLine); row >= 0;)
                row = game.AdmitArrivingTrains(row, kLetOntoLine);
        }
        Repaint();
    }
    // The route of the unit on platform 2 (tile 513) to the east exit (542, then 530).
    static void RouteFromPlatformTwo()
    {
        StationPaneClick(TheGame(), true, 13 * 14, 5 * 14, true);
        StationPaneClick(TheGame(), false, 42 * 14, 5 * 14, true);
        StationPaneClick(TheGame(), false, 30 * 14, 5 * 14, true);
        Repaint();
    }

    std::unique_ptr<SampleGame> game_;  ///< Testowo in TheGame()
};

TEST_F(StationPaneKeptPicture, ZoomedOutAgainAfterTheUnitLeftShowsItGone)
{
    Repaint();
    Wheel(-1);  // reduced
    Wheel(1);   // enlarged
    Command(kCmdCentreSchematic);
    Repaint();
    RouteFromPlatformTwo();
    EXPECT_EQ(Stale(), 0);
    Run(60);
    Wheel(-1);
    EXPECT_EQ(Stale(), 0) << "the kept reduced schematic from before the route";
}

TEST_F(StationPaneKeptPicture, ShrunkBackAfterTheTrainsMovedShowsThemWhereTheyAre)
{
    Resize(760, 560);
    Repaint();
    ASSERT_LT(gStationView.scale, 1.0);
    Resize(1200, 800);
    Repaint();
    ASSERT_GT(gStationView.scale, 1.0);
    RouteFromPlatformTwo();
    Run(60);
    Resize(760, 560);
    Repaint();
    EXPECT_EQ(Stale(), 0);
}

// Random (seeded) sequences of steps, routes, wheel turns, window sizes,
// pan drags, colour and background changes and a window opened over the
// panes and closed again.
TEST_F(StationPaneKeptPicture, AfterAnySequenceThePanesShowWhatAPaintFromNothingShows)
{
    constexpr int kSizes[][2] = {{760, 560}, {1200, 800}, {700, 500}, {1000, 480}};
    constexpr COLORREF kColours[] = {RGB(255, 255, 255), RGB(230, 230, 200), RGB(40, 40, 60)};
    std::mt19937 random(29);
    gSettings.rozmiarSchematu = 1 / kZoomStep;  // reduced at the first size, enlarged at the second
    Resize(760, 560);
    Repaint();
    for (int action = 0; action < 100; ++action) {
        const unsigned what = random() % 8;
        switch (what) {
        case 0: Run(1 + static_cast<int>(random() % 40)); break;
        case 1: RouteFromPlatformTwo(); break;
        case 2: Wheel(random() % 2 ? 1 : -1); break;
        case 3: {
            const int* size = kSizes[random() % 4];
            Resize(size[0], size[1]);
            Repaint();
            break;
        }
        case 4: {  // a pan drag with the middle button
            const int dx = static_cast<int>(random() % 121) - 60, dy = static_cast<int>(random() % 81) - 40;
            SendMessageA(gStationPane, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(300, 200));
            SendMessageA(gStationPane, WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(300 + dx, 200 + dy));
            SendMessageA(gStationPane, WM_MBUTTONUP, 0, MAKELPARAM(300 + dx, 200 + dy));
            Repaint();
            break;
        }
        case 5:  // the station colour, also without the tiles loaded again as the options dialog does
            gSettings.schematStacji = static_cast<int>(kColours[random() % 3]);
            if (random() % 2) LoadTileBitmaps();
            Repaint();
            break;
        case 6:
            gSettings.tlo = !gSettings.tlo;
            Repaint();
            break;
        default: {  // a tool window over the panes, closed: they repaint what it uncovers
            RECT pane;
            GetWindowRect(gStationPane, &pane);
            HWND tool = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "",
                                        WS_POPUP | WS_VISIBLE | WS_BORDER, pane.left - 60, pane.top + 30, 400, 200,
                                        window_, nullptr, nullptr, nullptr);
            Settle();
            UpdateWindow(tool);
            DestroyWindow(tool);
            Settle();
            for (HWND uncovered : {gStationPane, gArrivalsBoard, gDeparturesBoard, gTrainPane}) UpdateWindow(uncovered);
            break;
        }
        }
        ASSERT_EQ(Stale(), 0) << "after action " << action << " (" << what << ")";
        // The boards keep their pictures too; the train pane draws anew at every paint.
        auto arrivals = [](HDC dc, int w, int h) { PaintArrivalsBoard(dc, w, h); };
        auto departures = [](HDC dc, int w, int h) { PaintDeparturesBoard(dc, w, h); };
        ASSERT_EQ(PixelsDifferingFromAnew(gArrivalsBoard, arrivals), 0) << action;
        ASSERT_EQ(PixelsDifferingFromAnew(gDeparturesBoard, departures), 0) << action;
        ASSERT_EQ(PixelsDifferingFromAnew(gTrainPane, PaintTrainPane), 0) << action;
    }
}

}  // namespace
