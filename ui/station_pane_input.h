// Clicks on the station schematic: a right click selects the consist
// standing on a point (or opens the siding or depot window), two left clicks
// lay a route for it: the first names the destination and, once the move is
// allowed, marks the candidate tracks; the second picks one of them and
// hands its tiles to the consist's head. Refusals go to the pane input sink
// (ui/pane_input.h). Window-free: the pane converts its messages and calls.
//
// State: gSelection (ui/ui_state.h), read and written here; the view of the
// last paint (gStationView) turns a pane point into a tile.
#pragma once

#include <cstdint>

#include "model/game.h"

// One click. With byTile false (x, y) is a pane point; with byTile true it
// is column x 14 and row x 14 of a tile (the siding window selects its
// siding's tile so). Nothing happens without a running game but the message
// line being cleared.
void StationPaneClick(Game& game, bool rightButton, int x, int y, bool byTile);

// The tile a click names: false outside the grid (and, for a pane point,
// left of or above the schematic's origin).
bool ClickedTile(const Game& game, bool byTile, int x, int y, TileCode& tile);
