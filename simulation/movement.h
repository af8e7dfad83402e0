// Train movement: Game::MoveTrains runs once per simulation step in three
// phases: the consists (settling, coming in from the entries, leaving through
// the exits, starting, running one tile per move tick, and the switch of a
// train's role at its platform), then the coupling countdowns, then the line
// sections.
#pragma once

#include <cstdint>

#include "model/game.h"

// The first phase: every slot of every row, in row and slot order. Returns
// true when a consist came in from a line (finished its countdown at an entry).
bool MoveConsists(Game& game, bool moveTick);

// The second phase: the countdowns of coupling and uncoupling; a slot whose
// countdown reaches 0 counts its right neighbour down with it and inverts its
// coupled-to-next flag.
void RunCountdowns(Game& game);
