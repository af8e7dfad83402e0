// GameClock: the time of the game world, advanced one step per simulation tick.
#pragma once

#include <cstdint>

class GameClock {
public:
    // Thrown by Tick when the clock passes 24:00; the simulation step catches it
    // and rolls the timetable over to the new day.
    static constexpr int kMidnightSignal = 1;

    GameClock(int32_t hour = 0, int32_t minute = 0);

    int32_t Set(int32_t hour, int32_t minute, int32_t seconds);  // 1 accepted, 0 refused
    int32_t HHMM() const;                                         // hour * 100 + minute
    int32_t Seconds() const;
    int32_t Step(int32_t v);  // v <= 0 reads; a divisor of 60 sets, any other v sets 10
    void Tick();              // throws kMidnightSignal at 24:00

private:
    int32_t hour_ = 0;     ///< 0..23 (24 accepted by Set)
    int32_t minute_ = 0;   ///< 0..59
    int32_t seconds_ = 0;  ///< seconds of the minute
    int32_t step_ = 10;    ///< seconds per tick, a divisor of 60
};
