// Upcoming trains: the arrivals and departures of the coming minutes, the
// departure delay a train may have without the dispatcher's fault, and the
// small time and text helpers that the tracking, the hints, the train search
// and the boards share.
//
// All read the Game only. Without a running game the list is empty and the
// expected delay 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"

// One line of the coming arrivals and departures.
struct UpcomingRecord {
    int32_t minutesFromNow = 0;  ///< the sort key; negative while a waiting or standing train is late
    uint8_t isArrival = 0;       ///< an arrival, else a departure
    uint8_t overdue = 0;         ///< waits at its entry (arrival) or its departure time has come
    int32_t delay = 0;           ///< arrival delay, or ExpectedDelay for a departure
    int32_t row = -1;            ///< the timetable row
    std::string timeText;        ///< scheduled time "H:MM"
    std::string number;          ///< train number of that side, empty when none
    std::string relation;        ///< "origin - destination"
    std::string place;           ///< platform numeral, or where a departing train stands
};

// The records whose time lies from 60 minutes ago to window minutes ahead,
// ascending by minutesFromNow; a train not yet here whose time has passed
// counts as tomorrow's.
std::vector<UpcomingRecord> BuildUpcomingList(Game& game, int32_t window);
bool UpcomingLess(const UpcomingRecord& a, const UpcomingRecord& b);

// The train's departure delay less what its scheduled stop absorbs of its
// arrival delay, never above the drawn departure delay; 0 for a row outside
// the timetable or without a game.
int32_t ExpectedDelay(Game& game, int32_t train);

// Row states 3, 4 and 6: trains that are never admitted, which the list leaves out.
bool IsFinishedStatus(int32_t rowState);

// Time helpers.
int32_t ClockMinuteOfDay(const Game& game);  // 0..1439, a negated time as its absolute value
int32_t ParseHourMinute(const char* text);   // "H:MM" to minutes; -1 when two numbers are not read
// minutes - the clock's minute of the day: -720..720 when isSigned, else 0..1439.
int32_t MinutesFromNow(const Game& game, int64_t minutes, bool isSigned);

// "a - b"; the separator only between two non-empty parts (null counts as empty).
std::string JoinNameAndRoute(const char* a, const char* b);
// The origin and destination of a train, joined so.
std::string TrainRelation(Game& game, int32_t index, int32_t mode);
