// Today's real delays of a game started on a timetable with a delays file:
// the pending delays, handed to the trains shortly before they are due, and
// the small queries of the game's start and the timetable window.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "sources/delays_text.h"

class Game;

// Owned and touched by the user-interface thread only.
struct DelayData {
    std::vector<DelayEntry> pending;  ///< delays not handed over yet, in the order of the text
    LocalMinute stamp;                ///< when the delays were fetched (local time)
    bool hasStamp = false;            ///< the text had a stamp line
    bool loaded = false;              ///< a delays file was found when the game started ("today" mode)
    uint64_t lastRefreshTick = 0;     ///< ms tick of the file's loading or of the last due refresh
    int32_t refreshInterval = 0;      ///< minutes: 0 reads the setting again, 15 after a failure
};
extern DelayData gDelayData;

// The local time for the stamp's age: the C library's, replaceable for tests.
using LocalTimeSource = LocalMinute (*)();
LocalTimeSource SetLocalTimeSource(LocalTimeSource source);  // nullptr restores; returns the old

// A new game on timetablePath: "today" mode when its delays file opens. A
// timetable made just now (writtenSince, the moment its making began; 0 for
// any other) takes only a delays file written with it, not one an earlier
// timetable of the same name left beside it. realTimeOrSlower: [Zegar]
// Interval is at least ClockStepMillis, as for UpdateRandomDelaysSwitch.
void LoadDelaysFile(Game& game, const std::string& timetablePath, bool realTimeOrSlower,
                    std::time_t writtenSince = 0);
// A loaded saved game has no delays file: "today" mode ends with the old game.
void EndDelayData(Game& game);
// The text's entries become the pending list, the stamp the stamp, and the
// text the next refresh's request.
void ParseDelaysText(Game& game, const std::string& text);

size_t DelayEntryCount();
bool DelayDataLoaded();
int32_t DelayDataAgeMinutes();  // -1 without a stamp

// Once per simulation step: hands over the delays of trains due within the
// look-ahead and one minute, drops those whose train already has its times.
void ApplyDueDelays(Game& game);
// Random delays stay off while today's delays run at real time or slower.
void UpdateRandomDelaysSwitch(Game& game, bool realTimeOrSlower);

// The status lines of a game started in "today" mode.
std::string TodayDelaysStatusText(size_t count, int32_t ageMinutes);
std::string TodayClockStatusText(int32_t hour, int32_t minute, int32_t placed);
