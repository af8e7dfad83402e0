// The small timetable texts the boards and the train pane share: platform
// numerals, line numbers, scheduled times and signed delays.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

// "I" .. "IX" for platforms 1..9; empty for any other number.
std::string PlatformNumeral(int32_t platform);

// The number of the entry or exit line at `tile`; empty for a row without
// that tile (a train that starts or ends at the station) or one no point has:
// the number found would be another point's.
std::string LineNumberText(const Game& game, TileCode tile, int32_t number);

// The scheduled time as "H:MM"; empty for 0, which means the row has no such
// time.
std::string ScheduledTimeText(Game& game, int32_t index, int32_t mode, int32_t side);

// "+5" late, "-3" early, empty on time.
std::string SignedDelayText(int32_t minutes);
