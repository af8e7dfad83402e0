// Route setting: the tracks that join a consist's point to the clicked point
// are marked as candidates in the TileState grid; a click on one of them
// locks it and gives its tiles to the consist's head as its path.
//
// The Game members (declared in model/game.h): RouteSelection,
// MarkRouteCandidates, PathExistsBetween, FindSlotForRoute,
// SetRouteThroughTile, ClearRouteCandidates.
//
// A track joins A to B when it starts at A and ends at B, or, when it is
// two-way, ends at A and starts at B; for an electric head it must carry
// catenary as well. A track whose tile list has no end mark joins nothing.
// The path a head gets lists the destination B first and A last.
#pragma once

#include <cstdint>

#include "model/game.h"

// Results of Game::MarkRouteCandidates (and of Game::RouteSelection with two tiles).
enum MarkResult : int32_t {
    kCandidatesMarked = 0,  ///< at least one track is marked
    kNoTrackJoins = 2,      ///< no track joins the two points
    kAllTracksBlocked = 5,  ///< tracks join them, but every one is locked or occupied
};

// Results of Game::SetRouteThroughTile.
enum SetRouteResult : int32_t {
    kRouteSet = 0,
    kRouteNotOnCandidate = 2,  ///< the tile is on no candidate track
    kRouteAmbiguous = 3,       ///< the tile is on more than one candidate track
};

// Game::RouteSelection's first argument besides a tile.
constexpr ::TileCode kRouteClear = -1;     ///< with b -1 too: clears the candidates
constexpr ::TileCode kRouteReadStart = -2;  ///< returns A
constexpr ::TileCode kRouteReadEnd = -3;    ///< returns B

// What the player reads when no candidates were marked: the blocked text for
// kAllTracksBlocked, the catenary text when an electric head finds only
// tracks without catenary, else the no-route text.
const char* MarkRouteRefusal(const Game& game, int32_t result, ::TileCode a, ::TileCode b, bool electricOnly);
// What the player reads after a refused second click ("" for kRouteSet).
const char* SetRouteRefusal(int32_t result);
