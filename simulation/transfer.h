// Moving a starting consist into the slots of its destination point, and the
// room test the move validator puts before every route
// (Game::TransferConsist, Game::HasRoomForConsist).
#pragma once

#include <cstdint>

#include "model/game.h"

// The consist whose head is slot `slot` of row `row` moves into the point of
// its head's destination tile (path element 0): on a platform behind the
// vehicles standing there, or in front of them when it comes to the
// platform's first tile; into slot 0 on every other point, and on through a
// siding into the sub-track row its slot 0 names. Nothing moves when the
// destination has no room for the whole consist.
void TransferConsistAt(Game& game, int32_t row, int32_t slot);

// Sets the head in slot `slot` of row `row` moving and transfers its consist.
void StartConsist(Game& game, int32_t row, int32_t slot);

// The head in sub-track row `row` starts: the end of the sub-track it leaves by
// comes back onto the siding point first, and its head then starts from there.
void LeaveSiding(Game& game, int32_t row, int32_t slot);
