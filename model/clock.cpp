// GameClock: set, read and tick the game time.
#include "model/clock.h"

#include <cstdlib>

GameClock::GameClock(int32_t hour, int32_t minute)
{
    if (!Set(hour, minute, 0)) {
        hour_ = 0;
        minute_ = 0;
        seconds_ = 0;
    }
    step_ = 10;
}

int32_t GameClock::Set(int32_t hour, int32_t minute, int32_t seconds)
{
    if (hour < 0 || hour > 24 || minute < 0 || minute > 59) return 0;
    hour_ = hour;
    minute_ = minute;
    seconds_ = seconds;
    return 1;
}

int32_t GameClock::HHMM() const { return hour_ * 100 + minute_; }

int32_t GameClock::Seconds() const { return seconds_; }

int32_t GameClock::Step(int32_t v)
{
    if (v > 0) step_ = (60 % v == 0) ? v : 10;
    return step_;
}

void GameClock::Tick()
{
    seconds_ += step_;
    if (seconds_ >= 60) {
        ++minute_;
        seconds_ = std::abs(60 - seconds_);
    }
    if (minute_ == 60) {
        ++hour_;
        minute_ = 0;
    }
    if (hour_ == 24) {
        hour_ = 0;
        throw kMidnightSignal;
    }
}
