// Known delay options in the program's game, so a test can tell what was
// written to its timetable: look-ahead 45; class k early k, late 10 + k; no
// disruption shifts them.
#pragma once

#include "model/game.h"
#include "simulation/disruptions.h"

inline void SetKnownDelayOptions()
{
    Game& game = TheGame();
    StartDisruptions(game);  // while no game runs: the chances are the player's own
    game.LookAhead(45);
    for (int cls = 0; cls < 6; ++cls) {
        game.DelayChance(cls, 0, cls);
        game.DelayChance(cls, 1, 10 + cls);
    }
}
