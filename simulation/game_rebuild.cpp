// Emptying a game for the next one.
#include "simulation/game_rebuild.h"

void ClearForNextGame(Game& game)
{
    game.clock = GameClock(0, 0);
    game.depot.Reset();
    game.stationName.fill(0);
    game.pictureNames = PictureNameTable{};
    game.tileCodes = Grid2D<int32_t>();
    game.tileStates = Grid2D<int32_t>();
    game.paths = Grid2D<int32_t>();
    game.cols = 0;
    game.rows = 0;
    game.pathCount = 0;
    game.pointCount = 0;
    game.subTrackCount = 0;
    game.points = Grid2D<int32_t>();
    game.slots = SlotGrid();
    game.lineSections = Grid2D<int32_t>();
    game.moveDivisor = 1;
    game.tickCounter = 0;
    game.startNotes.clear();
}
