// The work of one simulation timer message.
#include "ui/timer_message.h"

#include "ui/game_hooks.h"
#include "ui/pacing.h"
#include "ui/ui_hooks.h"
#include "ui/ui_state.h"

namespace {

constexpr int kArrivalSide = 2;
constexpr int kDueToDepart = 3;
constexpr int kReadSentinel = -100;

// Midnight: a new day is logged once, reported and the tracking starts afresh.
void StartNewDay(const UiHooks& ui)
{
    gGameHooks.addLogEvent("Północ - nowa doba, rozkład rusza od nowa");
    ui.setStatusText(1, "Nowa doba - rozkład rusza od nowa, punkty od zera");
    gGameHooks.resetTrainTracking();
}

// Admits the trains due at the entries; while one asks for its line section the
// timer stands and the player answers.
void AdmitArrivingTrains(const UiHooks& ui)
{
    GameHooks& game = gGameHooks;
    int row = game.admitArrivingTrains(-2, 0);
    if (row < 0) return;
    if (gClockDriver.timerId != 0) ui.stopTimer();
    // The player decides on the station as it is now, not as the last message left it.
    ui.updateStatusBar();
    ui.repaint();
    while (row >= 0) {
        gSectionRequest.entryTile = game.entryPointTileOfRow(row);
        gSectionRequest.entryNumber = game.entryNumberOfRow(row);
        gSectionRequest.waitingTrain = game.trainNumberText(row);
        ui.playSound(Sound::kSection);
        ui.askSectionPermission();
        row = game.admitArrivingTrains(row, gSectionRequest.answer);
    }
}

int DueDepartureCount()
{
    int count = 0;
    int trains = gGameHooks.trainCount();
    for (int t = 0; t < trains; ++t)
        if (gGameHooks.trainStateNow(t, 1, kReadSentinel) == kDueToDepart) ++count;
    return count;
}

void PlayStepSounds(int flags, const UiHooks& ui)
{
    int due = DueDepartureCount();
    if (due > gUi.prevDueDepartures) ui.playSound(Sound::kDeparture);
    gUi.prevDueDepartures = due;
    if (flags % 10 != 0) ui.playSound(Sound::kNewTrain);
    if (flags / 10 != 0) ui.playSound(Sound::kDelay);
}

}  // namespace

int CombineStepFlags(int combined, int stepResult)
{
    int moved = stepResult % 10 != 0 ? 1 : 0;
    int changed = stepResult / 10 != 0 ? 10 : 0;
    return combined | moved | changed;
}

int RunTimerMessage(const UiHooks& ui)
{
    if (!gUi.gameRunning || gUi.paused || IsAutoPaused()) {
        ResetClockTickBase();
        return 0;
    }
    GameHooks& game = gGameHooks;
    int steps = ClockTicksForTimer();
    int flags = 0;
    game.pollDelayRefresh();
    game.autosaveTick();
    int run = 0;
    while (run < steps) {
        ++run;
        game.applyDueDelays();
        int before = game.now();
        flags = CombineStepFlags(flags, game.simulationStep());
        if (game.now() < before) StartNewDay(ui);
        game.trackTrainsTick();
        game.disruptionsTick();
        AdmitArrivingTrains(ui);
        if (gClockDriver.timerId == 0 && gUi.gameRunning) {
            // The permission question stopped the clock: start afresh and drop
            // the rest of this message, supplies of this step included.
            ResetClockTickBase();
            ui.restartTimer();
            break;
        }
        game.suppliesTick();
    }
    PlayStepSounds(flags, ui);
    ui.updateStatusBar();
    ui.repaint();
    return run;
}
