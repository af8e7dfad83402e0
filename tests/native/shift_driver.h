// Test support for whole-shift scenarios: the event log and the message line
// of a running game, the player's clicks that lay a route, a count of every
// vehicle of the station and its depot, and the checks that hold after any
// step of a shift.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "model/game.h"
#include "simulation/consist.h"
#include "simulation/event_log.h"
#include "simulation/notify.h"
#include "simulation/routes.h"

// While it lives a game runs for the simulation: the message line and the
// log both go into the program's event log, cleared at the start.
class RunningGameLog {
public:
    RunningGameLog()
        : old_(SetNotifyHooks({[] { return true; }, AddLogEvent, AddLogEvent, [] {}}))
    {
        ClearLog();
    }
    ~RunningGameLog()
    {
        ClearLog();
        SetNotifyHooks(old_);
    }
    RunningGameLog(const RunningGameLog&) = delete;
    RunningGameLog& operator=(const RunningGameLog&) = delete;

private:
    NotifyHooks old_;  ///< the hooks to put back
};

// Log entries whose text starts with prefix (code page 1250, as logged).
inline int32_t LoggedCount(const std::string& prefix)
{
    int32_t n = 0;
    for (int32_t i = 0; i < LogCount(); ++i) n += GetLogEvent(i).text.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

// The two clicks of the player that send the consist at fromTile to toTile:
// the move is validated, the candidates marked, and the first candidate tile
// that names one track alone is clicked. Null when the route is set, else
// what the player reads.
inline const char* ClickRoute(Game& game, TileCode fromTile, TileCode toTile, int32_t subTrackRow = -1)
{
    if (const char* refusal = game.ValidateMove(fromTile, toTile, subTrackRow)) return refusal;
    VehicleSlot* head = game.FindSlotForRoute(fromTile, toTile);
    if (!head) return "no head";
    const bool electric = head->IsElectric();
    const int32_t marked = game.RouteSelection(fromTile, toTile, electric);
    if (marked != kCandidatesMarked) return MarkRouteRefusal(game, marked, fromTile, toTile, electric);
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c)
            if (game.TileState(r, c) == kTileCandidate && game.SetRouteThroughTile(head, r * kMaxGridColumns + c, electric) == kRouteSet)
                return nullptr;
    game.ClearRouteCandidates();
    return "no single candidate";
}

// Every vehicle of the station's slots and of the depot, by type; a serial
// found twice is a vehicle duplicated.
struct VehicleCensus {
    std::map<int32_t, int32_t> byType;  ///< vehicles of each type
    int32_t total = 0;                  ///< all vehicles
    int32_t inDepot = 0;                ///< of which in the depot
    int32_t duplicatedSerials = 0;      ///< serials seen more than once
};

inline VehicleCensus TakeCensus(Game& game)
{
    VehicleCensus census;
    std::map<int32_t, int32_t> serials;
    auto count = [&](VehicleSlot& v) {
        if (v.IsEmpty()) return;
        ++census.byType[v.Type()];
        ++census.total;
        if (++serials[v.EnsureSerial()] == 2) ++census.duplicatedSerials;
    };
    for (int32_t r = 0; r < SlotRowCount(game); ++r)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) count(*game.SlotAt(r, s));
    const DepotStats& depot = game.DepotStats();
    for (int32_t i = 0; i < depot.listed; ++i) count(depot.table[static_cast<size_t>(i)].entry->slot);
    census.inDepot = depot.listed;
    return census;
}

// Points (sidings aside: their vehicles stand on sub-tracks) where a vehicle
// stands still but the point's tile is not marked occupied; "" when none.
inline std::string PointsNotMarkedOccupied(Game& game)
{
    std::string wrong;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        if (game.PointKind(p) == kPointSiding) continue;
        bool standing = false;
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
            VehicleSlot& v = *game.SlotAt(p, s);
            standing = standing || (!v.IsEmpty() && v.Motion() == kMotionStanding && !v.HasPath());
        }
        const TileCode tile = game.PointTile(p);
        if (standing && game.TileState(TileRow(tile), TileColumn(tile)) != kTileOccupied)
            wrong += " " + std::to_string(p);
    }
    return wrong;
}
