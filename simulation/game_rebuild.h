// Building a new or loaded game in the place of the running one, so that a
// failure leaves the running game exactly as it was.
#pragma once

#include <cstdint>
#include <utility>

#include "model/game.h"

// Empties a game that was moved from for the next one: no station, no
// vehicles, the clock at 0:00:00 with its 10-second step. What carries over
// from game to game stays: the shed-transfer option, and in the moved-from
// timetable its settings (look-ahead, random-delays switch, delay chances,
// categories, test-game flag), which the next game's reader takes over when
// it replaces the timetable whole.
void ClearForNextGame(Game& game);

// Sets the running game aside, empties the game for the next one and lets
// build fill it. When build returns anything but 0, the running game is put
// back whole (its slots, and so the depot's output slot, at the same
// addresses). No Timetable is constructed on the way, so the random
// generator is not reseeded.
template <typename Build>
int32_t RebuildGame(Game& game, Build build)
{
    Game running(std::move(game));
    ClearForNextGame(game);
    const int32_t result = build(game);
    if (result != 0) game = std::move(running);
    return result;
}
