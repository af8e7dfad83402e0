// Arrival and departure tracking: the per-train records, one step of them,
// and the shift's score.
#include "simulation/train_tracking.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "simulation/notify.h"
#include "simulation/train_search.h"
#include "simulation/upcoming_trains.h"

namespace {

constexpr int32_t kLongestLateness = kMinutesPerDay / 2;  ///< a longer one is an early leave

struct ShiftStats {
    int32_t departedCount = 0;           ///< trains scored
    int32_t delayMinutes = 0;            ///< sum of the scored lateness
    int32_t heldBeforeEntryMinutes = 0;  ///< the part gathered before the entry
    int32_t penaltyEvents = 0;           ///< refused operations
    int32_t maxDelay = 0;                ///< largest lateness
    std::string maxDelayTrain;           ///< its train's number
};

std::vector<TrainProgress> gProgress;  // by timetable row
ShiftStats gStats;
bool gFirstPass = true;   // the first step after a reset only records
int32_t gLastMinute = -1; // minute of the day of the previous step
uint64_t gLastTimes = 0;  // the timetable's TimesRevision at the previous step

int32_t WrapDay(int64_t minutes)
{
    const int64_t r = minutes % kMinutesPerDay;
    return static_cast<int32_t>(r < 0 ? r + kMinutesPerDay : r);
}

int32_t SaturatedSum(int64_t a, int64_t b) { return static_cast<int32_t>(std::min<int64_t>(a + b, INT32_MAX)); }

// Standing on a platform, siding or other station track, not at an entry or exit.
bool OnStationTrack(Game& game, int32_t train)
{
    const int32_t point = TrainStandingPoint(game, train);
    if (point < 0) return false;
    const int32_t kind = game.PointKind(point);
    return kind != kPointEntry && kind != kPointExit && kind != kPointLine;
}

void LogArrival(Game& game, int32_t train)
{
    const int32_t delay = game.Delay(train, kRawRow, kArrivalSide);
    const std::string number = TrainNumberText(game, train, kArrivalSide);
    char text[220];
    if (delay != 0)
        std::snprintf(text, sizeof text, "Wjechał pociąg %s (%+d min)", number.c_str(), static_cast<int>(delay));
    else
        std::snprintf(text, sizeof text, "Wjechał pociąg %s o czasie", number.c_str());
    NotifyLogEvent(text);
}

void LogStateChange(Game& game, int32_t train, int32_t state)
{
    char text[220];
    if (state == 2)
        std::snprintf(text, sizeof text, "Pociąg %s czeka na wjazd", TrainNumberText(game, train, kArrivalSide).c_str());
    else if (state == 3)
        std::snprintf(text, sizeof text, "Pociąg %s czeka na wyjazd - minęła godzina odjazdu",
                      TrainNumberText(game, train, kDepartureSide).c_str());
    else
        return;
    NotifyLogEvent(text);
}

// Arrival on a station track, and the first minute away from the tracks
// (waiting at the exit for the line), looked at once per game minute.
void NoteWhereItStands(Game& game, int32_t train, int32_t state, TrainProgress& r, int32_t now)
{
    const bool arriving = !r.arrivalLogged && (state == 1 || state == 3 || state == 4);
    const bool mayWait = r.arrivalLogged && r.waitStartMinute == -1 && !r.done && state != -1;
    if (!arriving && !mayWait) return;
    const bool onTrack = OnStationTrack(game, train);
    if (arriving && onTrack) {
        r.arrivalLogged = 1;
        if (!gFirstPass) LogArrival(game, train);
    } else if (mayWait && !onTrack) {
        r.waitStartMinute = now;
    }
}

int32_t ExpectedDepartureMinute(Game& game, int32_t train, int32_t departure)
{
    return WrapDay(int64_t{HhmmToMinutes(departure)} + ExpectedDelay(game, train));
}

void ScoreDeparture(Game& game, int32_t train, TrainProgress& r)
{
    const int32_t lateness = r.waitStartMinute == -1 ? DelayMinutesUntilNow(game, r.expectedDepartureMinute)
                                                     : DelayMinutesBetween(r.expectedDepartureMinute, r.waitStartMinute);
    const int64_t gathered = int64_t{game.Delay(train, kRawRow, kArrivalSide)} - r.arrivalDelayAtSight;
    const int32_t held = static_cast<int32_t>(std::clamp<int64_t>(gathered, 0, lateness));
    r.done = 1;
    gStats.departedCount = SaturatedSum(gStats.departedCount, 1);
    gStats.delayMinutes = SaturatedSum(gStats.delayMinutes, lateness);
    gStats.heldBeforeEntryMinutes = SaturatedSum(gStats.heldBeforeEntryMinutes, held);
    const std::string number = TrainNumberText(game, train, kDepartureSide);
    if (lateness > gStats.maxDelay) {
        gStats.maxDelay = lateness;
        gStats.maxDelayTrain = number;
    }
    char text[200];
    if (lateness < 1)
        std::snprintf(text, sizeof text, "Odjechał pociąg %s o czasie", number.c_str());
    else
        std::snprintf(text, sizeof text, "Odjechał pociąg %s - %d min po czasie (punkty karne)", number.c_str(),
                      static_cast<int>(lateness));
    NotifyLogEvent(text);
}

// The expected departure, kept up to date while the train is here, and the
// score once it has left.
void KeepDeparture(Game& game, int32_t train, int32_t state, TrainProgress& r, bool timesChanged)
{
    // Gone before the tracking started (a loaded game, the clock set to real
    // time): when it left is not known, so it is not scored.
    if (gFirstPass && state == -1) {
        r.done = 1;
        return;
    }
    // A train still here: what the last step worked out from the same times holds.
    if (!timesChanged && state != -1) return;
    const int32_t departure = game.RowTime(train, kDepartureSide);
    if (!r.departureKnown) {
        if (game.HasExpectedArrival(train) && departure != 0) {
            r.departureKnown = 1;
            r.arrivalDelayAtSight = game.Delay(train, kRawRow, kArrivalSide);
            r.expectedDepartureMinute = ExpectedDepartureMinute(game, train, departure);
        } else if (state == -1) {
            r.done = 1;
        }
        return;
    }
    if (state != -1) {
        // Real delays may move it while the train is here.
        if (departure != 0) r.expectedDepartureMinute = ExpectedDepartureMinute(game, train, departure);
        return;
    }
    ScoreDeparture(game, train, r);
}

}  // namespace

void ResetTrainTracking()
{
    gProgress.clear();
    gStats = ShiftStats();
    gFirstPass = true;
    gLastMinute = -1;
    gLastTimes = 0;
}

void TrackTrainsTick(Game& game)
{
    if (!NotifyGameRunning() || game.IsTestGame()) return;
    gProgress.resize(static_cast<size_t>(std::max(game.TrainCount(), 0)));
    const int32_t now = ClockMinuteOfDay(game);
    const bool newMinute = now != gLastMinute;
    gLastMinute = now;
    const bool timesChanged = game.timetable.TimesRevision() != gLastTimes;
    gLastTimes = game.timetable.TimesRevision();
    for (int32_t t = 0; t < static_cast<int32_t>(gProgress.size()); ++t) {
        TrainProgress& r = gProgress[static_cast<size_t>(t)];
        const int32_t state = game.TrainStateNow(t, kRawRow);
        if (newMinute) NoteWhereItStands(game, t, state, r, now);
        if (state != r.lastState) {
            if (!gFirstPass) LogStateChange(game, t, state);
            r.lastState = state;
        }
        if (!r.done) KeepDeparture(game, t, state, r, timesChanged);
    }
    gFirstPass = false;
}

void AddPenaltyEvent(const Game& game)
{
    if (NotifyGameRunning() && !game.IsTestGame()) gStats.penaltyEvents = SaturatedSum(gStats.penaltyEvents, 1);
}

int32_t GetPenaltyPoints(const Game& game)
{
    if (game.IsTestGame()) return 0;
    return SaturatedSum(gStats.delayMinutes, int64_t{kPointsPerEvent} * gStats.penaltyEvents);
}

ScoreSummary GetScoreSummary(const Game& game)
{
    ScoreSummary summary;
    summary.departedCount = gStats.departedCount;
    summary.stillAtStation = static_cast<int32_t>(std::count_if(gProgress.begin(), gProgress.end(), [](const TrainProgress& r) {
        return r.departureKnown && !r.done;
    }));
    summary.delayMinutes = gStats.delayMinutes;
    summary.heldBeforeEntryMinutes = gStats.heldBeforeEntryMinutes;
    summary.penaltyEvents = gStats.penaltyEvents;
    summary.penaltyPoints = GetPenaltyPoints(game);
    summary.maxDelay = gStats.maxDelay;
    summary.maxDelayTrain = gStats.maxDelayTrain;
    return summary;
}

std::string TrainNumberText(Game& game, int32_t train, int32_t side)
{
    MallocPtr number = game.TrainNumberText(train, kRawRow, side);
    return number ? number.Get() : "bez numeru";
}

int32_t DelayMinutesBetween(int64_t from, int64_t to)
{
    const int32_t d = WrapDay(to - from);
    return d > kLongestLateness ? 0 : d;
}

int32_t DelayMinutesUntilNow(const Game& game, int64_t from) { return DelayMinutesBetween(from, ClockMinuteOfDay(game)); }
