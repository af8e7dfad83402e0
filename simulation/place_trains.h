// Placing trains for a time of day (Game::PlaceTrainsForTime): the traffic
// jumps to another time; the trains the jump skips are done and taken off the
// station, the trains that stand at a platform at the new time are put there
// (train vehicles only: locomotives are not placed), and the clock is set.
//
// Times are minutes of the day; a time of the next day (2400 and more) or of
// the day before (negative) is never placed. A jump to an earlier time counts
// as a jump forward through midnight.
#pragma once

#include <cstdint>

constexpr int32_t kArrivedLongAgo = 30;  ///< minutes before the new time: an arrival this old is done
