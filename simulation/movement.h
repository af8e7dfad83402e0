// Train movement: Game::MoveTrains runs once per simulation step in three
// phases: the consists (settling, coming in from the entries, leaving through
// the exits, starting, running one tile per move tick, and the switch of a
// train's role at its platform), then the coupling countdowns, then the line
// sections.
#pragma once

#include <cstdint>

#include "model/game.h"

// A train that has stood at its platform this long switches from its arriving
// role to its departing one. Its arrival there is stored as a time of the next
// day, so the switch comes when that time less 23 h 55 min has come.
constexpr int32_t kRoleSwitchLag = 24 * 60 - 5;  ///< minutes taken off the next-day arrival

// The first phase: every slot of every row, in row and slot order. Returns
// true when a consist came in from a line (finished its countdown at an entry).
bool MoveConsists(Game& game, bool moveTick);

// The second phase: the countdowns of coupling and uncoupling; a slot whose
// countdown reaches 0 counts its right neighbour down with it and inverts its
// coupled-to-next flag.
void RunCountdowns(Game& game);
