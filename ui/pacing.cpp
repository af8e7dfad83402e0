// Pacing arithmetic of the simulation timer.
#include "ui/pacing.h"

#include "model/game.h"
#include "simulation/notify.h"
#include "simulation/train_tracking.h"
#include "sources/delay_data.h"
#include "sources/delay_refresh.h"
#include "ui/settings.h"
#include "ui/ui_state.h"

ClockDriver gClockDriver;

namespace {

constexpr int kDefaultStepSeconds = 10;
constexpr int kMinPeriodMs = 40;
constexpr int kMaxPeriodMs = 1000;

int StepSeconds() { return gClockDriver.nominalStepSeconds > 1 ? gClockDriver.nominalStepSeconds : 1; }

}  // namespace

int ClockStepMillis() { return StepSeconds() * 1000; }

int ClockStepMillisMin5s() { return ClockStepMillis() > 5000 ? ClockStepMillis() : 5000; }

double SpeedFactor()
{
    int interval = gSettings.interval < 2 ? 1 : gSettings.interval;
    return 1000.0 * StepSeconds() / interval;
}

int TimerPeriodMs()
{
    double speed = SpeedFactor();
    if (speed <= 0) return kMaxPeriodMs;
    double period = 1000.0 / speed;
    if (period < kMinPeriodMs) period = kMinPeriodMs;
    if (period > kMaxPeriodMs) period = kMaxPeriodMs;
    return static_cast<int>(period + 0.5);
}

void ResetClockTickBase()
{
    gClockDriver.tickBase = TickNow();
    gClockDriver.stepAccumulator = 0;
}

int ClockTicksForTimer()
{
    ClockDriver& d = gClockDriver;
    uint64_t now = TickNow();
    if (d.tickBase == 0) {
        d.tickBase = now;
        return 1;
    }
    uint64_t elapsed = now - d.tickBase;
    d.tickBase = now;
    if (elapsed > static_cast<uint64_t>(kLongGapMs)) elapsed = static_cast<uint64_t>(TimerPeriodMs());
    d.stepAccumulator += static_cast<double>(elapsed) * SpeedFactor() / 1000.0;
    int n = d.stepAccumulator >= kMaxStepsPerMessage ? kMaxStepsPerMessage : static_cast<int>(d.stepAccumulator);
    if (n < 1) n = 1;
    d.stepAccumulator -= n;
    if (d.stepAccumulator < 0) d.stepAccumulator = 0;
    return n;
}

const char* const kPauseReasons[kPauseReasonCount] = {
    "układasz drogę - Esc przerywa",
    "otwarty podgląd składu",
    "okno gry nieaktywne",
};

const char* PauseReason()
{
    if (gSettings.pauzaZaznaczanie && (gSelection.routeLaying || gSelection.candidatesShown)) return kPauseReasons[0];
    if (gSettings.pauzaPodglad && gUi.previewOpen) return kPauseReasons[1];
    if (gSettings.pauzaNieaktywne && !gUi.appActive) return kPauseReasons[2];
    return nullptr;
}

bool IsAutoPaused() { return PauseReason() != nullptr; }

bool ClockRealTimeOrSlower() { return gSettings.interval >= ClockStepMillis(); }

RefreshGate DelayRefreshGate()
{
    RefreshGate gate;
    gate.gameRunning = gUi.gameRunning;
    gate.clockFree = ClockRealTimeOrSlower() && !gUi.paused && !IsAutoPaused();
    return gate;
}

void SyncStepFromGame()
{
    Game& game = TheGame();
    int stationStep = static_cast<int>(game.clock.Step(0));
    gClockDriver.nominalStepSeconds = stationStep > 0 ? stationStep : kDefaultStepSeconds;
    game.clock.Step(1);
    // The game moves its trains once in S steps, counted afresh from here.
    game.moveDivisor = gClockDriver.nominalStepSeconds;
    game.tickCounter = 0;
    ResetClockTickBase();
}

int SyncClockToLocalTime(int localHHMM)
{
    if (!gUi.gameRunning) return 0;
    Game& game = TheGame();
    int placed = static_cast<int>(game.PlaceTrainsForTime(localHHMM));
    gSelection = SelectionState();
    gUi.prevDueDepartures = 0;
    gSettings.czasRzeczywisty = true;
    gSettings.interval = ClockStepMillis();
    NotifyRestartTimer();
    UpdateRandomDelaysSwitch(game, ClockRealTimeOrSlower());
    ResetTrainTracking();
    NotifyStatusBar();
    NotifyRepaint();
    return placed;
}
