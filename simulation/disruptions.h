// Disruptions: a shift in winter (one in four) and the morning and afternoon
// rush hours raise the delay chances of every train class; now and then a
// free platform, stabling track or freight platform is closed for 15 to 45
// minutes for a stated reason.
//
// Switched by [Opcje] Utrudnienia. While disruptions run, the timetable's
// chances are the player's own (the base values, saved when they start) plus
// the current offset; the base values are what the settings file and the
// options dialog read and write, through BaseDelayChance. Nothing is saved
// with a game: StartDisruptions begins afresh at every new and loaded game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"

struct PointClosure {
    int32_t point = -1;       ///< StationPoint index
    int32_t untilMinute = 0;  ///< minute of the day 0..1439 at which it opens again
    std::string reason;       ///< why it is closed
};

constexpr int32_t kWinterOffset = 10;  ///< percent added to every chance in winter
constexpr int32_t kRushOffset = 15;    ///< percent added during the rush hours
constexpr int32_t kMaxClosures = 2;    ///< closures active at once

// Life cycle: at a new or loaded game and when the option is switched while
// a game runs; then after every simulation step.
void StartDisruptions(Game& game);
void DisruptionsTick(Game& game);

// Queries.
bool IsPointClosed(int32_t point);
std::string PointClosureText(Game& game, int32_t point);  // "P1 zamknięty do 10:25 (prace torowe)", or ""
bool IsWinter();
// Kinds 4, 6 and 9 in index order, with slot 0 empty, not closed, and no
// route set or being laid into them.
std::vector<int32_t> ClosureCandidates(Game& game);

// The delay chances: the player's own values saved once, then every chance
// set to its saved value + offset, clamped to 0..100.
void SaveDelayChances(Game& game);
void ShiftDelayChances(Game& game, int32_t offset);

// The player's own chance of class cls (0..5) and sign (0 early, 1 late):
// kReadValue reads, any other value sets it. While disruptions shift the
// chances it reads and writes the saved value and keeps the shift on top;
// otherwise it is Game::DelayChance.
int32_t BaseDelayChance(Game& game, int32_t cls, int32_t sign, int32_t value = kReadValue);
