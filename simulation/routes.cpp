// Route setting: candidate tracks, the choice of one, its path and the head
// that carries it.
#include "simulation/routes.h"

#include <vector>

#include "simulation/consist_ends.h"

namespace {

enum class Direction { kNone, kForward, kReverse };

int32_t Cell(const Game& game, int32_t track, int32_t c)
{
    return *game.paths.At(static_cast<uint32_t>(track), static_cast<uint32_t>(c));
}

// The cell of the track's end mark, -1 when its row has none.
int32_t EndMark(const Game& game, int32_t track)
{
    const int32_t cells = static_cast<int32_t>(game.paths.Row(static_cast<uint32_t>(track))->Count());
    for (int32_t c = kPathFirstTile; c < cells && c < kPathCells; ++c)
        if (Cell(game, track, c) == 0) return c;
    return -1;
}

bool IsTrack(const Game& game, int32_t track)
{
    return track >= 0 && track < game.pathCount && static_cast<uint32_t>(track) < game.paths.RowCount();
}

Direction Joins(const Game& game, int32_t track, TileCode a, TileCode b, bool electricOnly)
{
    // A track without its end mark, or without a tile, is never offered: its
    // tiles could not be told from the rest of the row.
    if (EndMark(game, track) <= kPathFirstTile) return Direction::kNone;
    if (electricOnly && Cell(game, track, kPathCatenary) != 1) return Direction::kNone;
    const TileCode start = Cell(game, track, kPathFirstTile);
    const TileCode end = Cell(game, track, kPathEndTile);
    if (start == a && end == b) return Direction::kForward;
    if (Cell(game, track, kPathTwoWay) == 1 && end == a && start == b) return Direction::kReverse;
    return Direction::kNone;
}

// Calls visit(tile) for the track's end-tile entry and then its tiles, up to the end mark.
template <typename Visit>
void ForEachTrackTile(const Game& game, int32_t track, Visit visit)
{
    const int32_t mark = EndMark(game, track);
    for (int32_t c = kPathEndTile; c < mark; ++c) visit(Cell(game, track, c));
}

// The TileState grid by TileCode; a tile off the grid reads free and is never written.
bool OnGrid(const Game& game, TileCode tile)
{
    const int32_t row = TileRow(tile);
    return tile >= 0 && row < game.GridRows() && TileColumn(tile) < game.GridCols() &&
           static_cast<uint32_t>(row) < game.tileStates.RowCount();
}

int32_t StateOf(const Game& game, TileCode tile)
{
    return OnGrid(game, tile) ? game.TileState(TileRow(tile), TileColumn(tile)) : kTileFree;
}

void SetState(Game& game, TileCode tile, int32_t state)
{
    if (OnGrid(game, tile))
        *game.tileStates.At(static_cast<uint32_t>(TileRow(tile)), static_cast<uint32_t>(TileColumn(tile))) = state;
}

bool IsBlocked(const Game& game, int32_t track, TileCode a, TileCode b)
{
    bool blocked = false;
    ForEachTrackTile(game, track, [&](TileCode tile) {
        const int32_t state = StateOf(game, tile);
        if (state == kTileLocked || (state == kTileOccupied && tile != a && tile != b)) blocked = true;
    });
    return blocked;
}

void MarkTrack(Game& game, int32_t track, TileCode b)
{
    ForEachTrackTile(game, track, [&](TileCode tile) {
        if (StateOf(game, tile) != kTileOccupied || tile == b) SetState(game, tile, kTileCandidate);
    });
}

// Whether the track runs through the tile and every tile of it is a candidate or an end.
bool OffersTile(const Game& game, int32_t track, TileCode tile, TileCode a, TileCode b)
{
    bool contains = false;
    bool allCandidates = true;
    ForEachTrackTile(game, track, [&](TileCode t) {
        if (t == tile) contains = true;
        if (StateOf(game, t) != kTileCandidate && t != a && t != b) allCandidates = false;
    });
    return contains && allCandidates;
}

void LockTrack(Game& game, int32_t track)
{
    ForEachTrackTile(game, track, [&](TileCode tile) {
        const int32_t state = StateOf(game, tile);
        if (state == kTileCandidateStart) SetState(game, tile, kTileOccupied);
        else if (state != kTileOccupied) SetState(game, tile, kTileLocked);
    });
}

// The track's tiles with the destination first: backwards when it runs from
// A to B, as listed when it is used in reverse.
std::vector<TileCode> PathOf(const Game& game, int32_t track, Direction direction)
{
    std::vector<TileCode> tiles;
    const int32_t mark = EndMark(game, track);
    for (int32_t c = kPathFirstTile; c < mark; ++c) tiles.push_back(Cell(game, track, c));
    if (direction == Direction::kForward) return {tiles.rbegin(), tiles.rend()};
    return tiles;
}

// From slot 0 up: the first powered vehicle of the leading run.
VehicleSlot* SearchUp(Game& game, int32_t row)
{
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        VehicleSlot* v = game.SlotAt(row, s);
        if (!v) return nullptr;
        if (v->Kind() > kKindCar) return v;
        if (!v->Coupled()) return nullptr;
    }
    return nullptr;
}

// From slot 9 down: the first powered vehicle of the run at the high end.
VehicleSlot* SearchDown(Game& game, int32_t row)
{
    for (int32_t s = kSlotsPerPoint - 1; s >= 0; --s) {
        VehicleSlot* v = game.SlotAt(row, s);
        if (!v) return nullptr;
        if (v->Kind() > kKindCar) return v;
        if (s == 0) return nullptr;
        if (!v->IsEmpty() && !SlotOrEmpty(game, row, s - 1).Coupled()) return nullptr;
    }
    return nullptr;
}

}  // namespace

int32_t Game::RouteSelection(::TileCode a, ::TileCode b, bool electricOnly)
{
    if (a == kRouteClear && b == kRouteClear) return ClearRouteCandidates();
    if (a >= 0 && b >= 0) {
        routeStart = a;
        routeEnd = b;
        return MarkRouteCandidates(a, b, electricOnly);
    }
    if (a == kRouteReadStart) return routeStart;
    if (a == kRouteReadEnd) return routeEnd;
    return 1;
}

int32_t Game::MarkRouteCandidates(::TileCode a, ::TileCode b, bool electricOnly)
{
    bool marked = false;
    bool blocked = false;
    for (int32_t t = 0; IsTrack(*this, t); ++t) {
        if (Joins(*this, t, a, b, electricOnly) == Direction::kNone) continue;
        if (IsBlocked(*this, t, a, b)) {
            blocked = true;
            continue;
        }
        MarkTrack(*this, t, b);
        marked = true;
    }
    if (!marked) return blocked ? kAllTracksBlocked : kNoTrackJoins;
    SetState(*this, a, kTileCandidateStart);
    return kCandidatesMarked;
}

bool Game::PathExistsBetween(::TileCode a, ::TileCode b, bool electricOnly) const
{
    for (int32_t t = 0; IsTrack(*this, t); ++t)
        if (Joins(*this, t, a, b, electricOnly) != Direction::kNone) return true;
    return false;
}

VehicleSlot* Game::FindSlotForRoute(::TileCode fromTile, ::TileCode toTile)
{
    for (int32_t p = 0; p < pointCount; ++p) {
        if (PointTile(p) == fromTile) {
            const int32_t row = SourceRow(*this, p);
            return TileColumn(toTile) - TileColumn(fromTile) < 1 ? SearchUp(*this, row) : SearchDown(*this, row);
        }
        // A move that starts at a point's far end always takes the vehicle at the high end.
        if (PointTileAt(p, 2) == fromTile) return SearchDown(*this, p);
    }
    return nullptr;
}

int32_t Game::SetRouteThroughTile(VehicleSlot* head, ::TileCode clickedTile, bool electricOnly)
{
    if (!head || StateOf(*this, clickedTile) != kTileCandidate) return kRouteNotOnCandidate;
    int32_t found = 0;
    int32_t chosen = -1;
    for (int32_t t = 0; IsTrack(*this, t); ++t) {
        if (Joins(*this, t, routeStart, routeEnd, electricOnly) == Direction::kNone) continue;
        if (!OffersTile(*this, t, clickedTile, routeStart, routeEnd)) continue;
        ++found;
        chosen = t;
    }
    if (found == 0) return kRouteNotOnCandidate;
    if (found > 1) return kRouteAmbiguous;
    LockTrack(*this, chosen);
    head->SetPath(PathOf(*this, chosen, Joins(*this, chosen, routeStart, routeEnd, electricOnly)));
    head->Motion(kMotionRouted);
    return ClearRouteCandidates();
}

int32_t Game::ClearRouteCandidates()
{
    for (int32_t r = 0; r < rows && static_cast<uint32_t>(r) < tileStates.RowCount(); ++r) {
        GridRow<int32_t>* row = tileStates.Row(static_cast<uint32_t>(r));
        for (uint32_t c = 0; c < row->Count(); ++c)
            if (*row->At(c) == kTileCandidate) *row->At(c) = kTileFree;
    }
    return 0;
}

const char* MarkRouteRefusal(const Game& game, int32_t result, ::TileCode a, ::TileCode b, bool electricOnly)
{
    if (result == kCandidatesMarked) return "";
    if (result == kAllTracksBlocked) return "Trasa zajęta - inny przebieg blokuje te droge";
    if (electricOnly && game.PathExistsBetween(a, b, false) && !game.PathExistsBetween(a, b, true))
        return "Tor bez sieci trakcyjnej - lokomotywa elektryczna tam nie wjedzie";
    return "Brak trasy między wskazanymi punktami";
}

const char* SetRouteRefusal(int32_t result)
{
    switch (result) {
    case kRouteNotOnCandidate: return "Wskazany punkt nie znajduje się na zaznaczanej trasie";
    case kRouteAmbiguous: return "Wskazany punkt nie identyfikuje jednoznacznie trasy";
    default: return "";
    }
}
