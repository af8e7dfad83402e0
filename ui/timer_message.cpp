// The work of one simulation timer message.
#include "ui/timer_message.h"

#include "model/game.h"
#include "simulation/admission.h"
#include "simulation/disruptions.h"
#include "simulation/event_log.h"
#include "simulation/notify.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "sources/delay_data.h"
#include "sources/delay_refresh.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/ui_state.h"

namespace {

constexpr int kDueToDepart = 3;

// Midnight: a new day is logged once, reported and the tracking starts afresh.
void StartNewDay()
{
    AddLogEvent("Północ - nowa doba, rozkład rusza od nowa");
    NotifyStatusText("Nowa doba - rozkład rusza od nowa, punkty od zera");
    ResetTrainTracking();
}

// Admits the trains due at the entries; while one asks for its line section the
// timer stands and the player answers. A train asking is named by its
// position in the arrival index.
void AdmitArrivingTrains(Game& game)
{
    int position = game.AdmitArrivingTrains(kFirstAsk, 0);
    if (position < 0) return;
    if (gClockDriver.timerId != 0) NotifyStopTimer();
    // The player decides on the station as it is now, not as the last message left it.
    NotifyStatusBar();
    NotifyRepaint();
    while (position >= 0) {
        gSectionRequest.entryTile = game.EntryPointTileOfRow(position, kArrivalMode);
        gSectionRequest.entryNumber = game.EntryNumberOfRow(position, kArrivalMode);
        gSectionRequest.waitingTrain = game.TrainNumberText(position, kArrivalMode, kArrivalSide).Text();
        NotifyPlaySound(Sound::kSection);
        NotifyAskSectionPermission();
        position = game.AdmitArrivingTrains(position, gSectionRequest.answer);
    }
}

int DueDepartureCount(Game& game)
{
    int count = 0;
    for (int t = 0; t < game.TrainCount(); ++t)
        if (game.TrainStateNow(t, kDepartureMode) == kDueToDepart) ++count;
    return count;
}

void PlayStepSounds(Game& game, int flags)
{
    int due = DueDepartureCount(game);
    if (due > gUi.prevDueDepartures) NotifyPlaySound(Sound::kDeparture);
    gUi.prevDueDepartures = due;
    if (flags % 10 != 0) NotifyPlaySound(Sound::kNewTrain);
    if (flags / 10 != 0) NotifyPlaySound(Sound::kDelay);
}

}  // namespace

int CombineStepFlags(int combined, int stepResult)
{
    int moved = stepResult % 10 != 0 ? 1 : 0;
    int changed = stepResult / 10 != 0 ? 10 : 0;
    return combined | moved | changed;
}

int RunTimerMessage()
{
    if (!gUi.gameRunning || gUi.paused || IsAutoPaused()) {
        ResetClockTickBase();
        // A pause that began or ended anywhere shows in the clock part.
        NotifyStatusBar();
        return 0;
    }
    Game& game = TheGame();
    int steps = ClockTicksForTimer();
    int flags = 0;
    PollDelayRefresh(game, DelayRefreshGate());
    NotifyAutosaveTick();
    int run = 0;
    while (run < steps) {
        ++run;
        ApplyDueDelays(game);
        int before = game.Now();
        flags = CombineStepFlags(flags, game.SimulationStep());
        if (game.Now() < before) StartNewDay();
        TrackTrainsTick(game);
        DisruptionsTick(game);
        AdmitArrivingTrains(game);
        if (gClockDriver.timerId == 0 && gUi.gameRunning) {
            // The permission question stopped the clock: start afresh and drop
            // the rest of this message, supplies of this step included.
            ResetClockTickBase();
            NotifyRestartTimer();
            break;
        }
        SuppliesTick(game);
    }
    PlayStepSounds(game, flags);
    NotifyStatusBar();
    NotifyRepaint();
    return run;
}
