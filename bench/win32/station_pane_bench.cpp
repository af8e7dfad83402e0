// Under Wine: one full repaint of the station pane, 1280 x 800, on Tarninowo
// as the program shows it (tiles, background picture, labels, event box),
// at the start of the shift and two hours into a shift nobody dispatches,
// when trains stand at every entry and most platforms; then at 6:00 with a
// track tile changing its state before each repaint, so that the schematic
// is composed again every time.
//
//   semarion_win_bench [REPAINTS]   prints the time of one repaint per case
//
// A plain timer over real repaints of the real window: the Windows build has
// no benchmark library, and what is measured here is GDI under Wine.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/admission.h"
#include "simulation/notify.h"
#include "ui/startup.h"
#include "ui/ui_state.h"
#include "ui/win32/game_files.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/station_view_paint.h"

namespace {

constexpr int kPaneWidth = 1280;
constexpr int kPaneHeight = 800;
constexpr int kStepsInTwoHours = 720;  // ten-second steps

// The game folder beside the sources, on the drive this program runs from.
std::string GameFolder()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string drive = module[0] && module[1] == ':' ? std::string(module, 2) : std::string();
    return drive + SEMARION_GAME_FOLDER;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Repaints the pane `repaints` times, each after `change` (not timed);
// prints the median, fastest and slowest.
template <typename Change>
void Measure(const char* name, HWND pane, int repaints, Change change)
{
    std::vector<double> times;
    for (int i = 0; i < repaints; ++i) {
        change(i);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-32s %4d repaints  median %.2f ms  fastest %.2f ms  slowest %.2f ms\n", name, repaints,
                times[times.size() / 2], times.front(), times.back());
}

// Two hours of the shift with every train let onto its line at once and
// nobody setting routes.
void RunUndispatched(Game& game)
{
    for (int step = 0; step < kStepsInTwoHours; ++step) {
        game.SimulationStep();
        for (int32_t row = game.AdmitArrivingTrains(kFirstAsk, kLetOntoLine); row >= 0;)
            row = game.AdmitArrivingTrains(row, kLetOntoLine);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int repaints = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 200;
    gInstance = GetModuleHandleA(nullptr);
    gGameFolder = GameFolder();
    SetNotifyHooks({[] { return gUi.gameRunning; }, nullptr, nullptr, nullptr});
    SetStationBackgroundSource([] { return gStationBackground; });
    gGameFilesMessageBox = [](HWND, const char* text, const char*, UINT) {
        std::fprintf(stderr, "%s\n", text);
        return IDNO;  // nothing to save at the end
    };
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterPaneClasses(gInstance) || !RegisterMainWindowClass(gInstance)) return 1;
    gWindowServices.openNewGameDialog = [](HWND) {};  // the shift's options as they start
    HWND main = CreateMainWindow(gInstance);
    if (!main || !StartGameFromTimetable(main, gGameFolder + "\\Stacje\\Tarninowo\\Tarninowo.roz")) {
        std::fprintf(stderr, "Tarninowo did not start\n");
        return 1;
    }
    // The clock stays still: the cases below move the game themselves.
    gUi.paused = true;
    ShowWindow(main, SW_SHOWNOACTIVATE);
    SetWindowPos(gStationPane, nullptr, 0, 0, kPaneWidth, kPaneHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(main);

    auto nothing = [](int) {};
    Measure("start of the shift", gStationPane, repaints, nothing);
    RunUndispatched(TheGame());
    Measure("6:00, nobody dispatching", gStationPane, repaints, nothing);
    Measure("6:00, arrivals board", gArrivalsBoard, repaints, nothing);
    Measure("6:00, departures board", gDeparturesBoard, repaints, nothing);
    Measure("6:00, train pane", gTrainPane, repaints, nothing);
    // A track tile turning occupied and free again, as a train moves on.
    Game& game = TheGame();
    int32_t row = 0, col = 0;
    while (row < game.GridRows() && game.TileCode(row, col) < 100) {
        if (++col == game.GridCols()) col = 0, ++row;
    }
    const int32_t state = game.TileState(row, col);
    Measure("6:00, a tile changed each time", gStationPane, repaints,
            [&](int i) { *game.tileStates.At(static_cast<uint32_t>(row), static_cast<uint32_t>(col)) = i % 2 ? state : 1 - state % 2; });
    DestroyWindow(main);
    return 0;
}
