// Arrival and departure tracking and penalty points: every train watched
// from step to step, its arrival, its wait at an entry and its overdue
// departure logged, and its departure scored: each minute it leaves later
// than it could have is one penalty point, each refused operation of the
// player five more.
//
// Nothing is tracked and no point counts in a test game. The records are not
// saved: ResetTrainTracking starts afresh at a new or loaded game, the clock
// set to real time, and midnight.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

constexpr int32_t kPointsPerEvent = 5;  ///< penalty points of one refused operation

// What a train has shown so far; one per timetable row.
struct TrainProgress {
    uint8_t departureKnown = 0;           ///< the expected departure minute is known
    uint8_t done = 0;                     ///< scored, or gone without a score
    uint8_t arrivalLogged = 0;            ///< seen standing on a station track
    int32_t arrivalDelayAtSight = 0;      ///< arrival delay when the departure became known
    int32_t expectedDepartureMinute = 0;  ///< 0..1439: it may leave from then on without the player's fault
    int32_t lastState = 0;                ///< train state at the previous step
    int32_t waitStartMinute = -1;         ///< minute it left the station tracks to wait for the line, -1 none
};

// The shift so far, for the shift summary.
struct ScoreSummary {
    int32_t departedCount = 0;           ///< trains scored
    int32_t stillAtStation = 0;          ///< trains with a known departure not yet scored
    int32_t delayMinutes = 0;            ///< sum of the scored lateness
    int32_t heldBeforeEntryMinutes = 0;  ///< the part gathered while held before the entry
    int32_t penaltyEvents = 0;           ///< refused operations
    int32_t pointsPerEvent = kPointsPerEvent;  ///< always 5
    int32_t penaltyPoints = 0;           ///< GetPenaltyPoints
    int32_t maxDelay = 0;                ///< the largest lateness of one train
    std::string maxDelayTrain;           ///< number of that train, the first one on a tie
};

void ResetTrainTracking();
void TrackTrainsTick(Game& game);  // one simulation step; nothing without a game or in a test game
void AddPenaltyEvent(const Game& game);  // one refused operation; none in a test game
int32_t GetPenaltyPoints(const Game& game);  // lateness + 5 per refused operation; 0 in a test game
ScoreSummary GetScoreSummary(const Game& game);

// The train's number on side kArrivalSide or kDepartureSide, "bez numeru" when none.
std::string TrainNumberText(Game& game, int32_t train, int32_t side);

// (to - from) minutes brought into 0..1439; 0 from 721 on (an early leave
// counts nothing). Both are minutes of the day.
int32_t DelayMinutesBetween(int64_t from, int64_t to);
int32_t DelayMinutesUntilNow(const Game& game, int64_t from);
