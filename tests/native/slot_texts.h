// Test helpers that put what stands in a game into short texts, and a
// random source that gives one value while a scope lasts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"
#include "model/random.h"

// Every draw gives the value while the scope lasts.
class FixedRandom {
public:
    explicit FixedRandom(int draw) : old_(SetRandomSource(Draw)) { Value() = draw; }
    ~FixedRandom() { SetRandomSource(old_); }
    FixedRandom(const FixedRandom&) = delete;
    FixedRandom& operator=(const FixedRandom&) = delete;

    static int& Value()
    {
        static int value = 0;
        return value;
    }

private:
    static int Draw() { return Value(); }

    RandomSource old_;  ///< the source before
};

// "slot:type#number rTrain" of every vehicle of a slot row, "+" when coupled to the next.
inline std::string RowText(Game& game, int32_t row)
{
    std::string text;
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        VehicleSlot* v = game.SlotAt(row, s);
        if (!v || v->IsEmpty()) continue;
        text += (text.empty() ? "" : " ") + std::to_string(s) + ":" + game.VehicleTypeName(row, s) + "#" +
                std::to_string(v->Number()) + " r" + std::to_string(v->Train()) + (v->Coupled() ? "+" : "");
    }
    return text;
}

// "type.number:status" of every depot entry in depot order, "/countdown" when it counts down.
inline std::string DepotText(Game& game)
{
    const DepotStats& stats = game.DepotStats();
    std::string text;
    for (int32_t i = 0; i < stats.listed; ++i) {
        const DepotListing& row = stats.table[static_cast<size_t>(i)];
        VehicleSlot& loco = row.entry->slot;
        text += (i ? " " : "") + std::string(game.timetable.VehicleTypeName(loco.Type())) + "." +
                std::to_string(loco.Number()) + ":" + std::to_string(row.status) +
                (row.countdown ? "/" + std::to_string(row.countdown) : "");
    }
    return text;
}

inline std::vector<TileCode> OccupiedTiles(const Game& game)
{
    std::vector<TileCode> tiles;
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c)
            if (game.TileState(r, c) == kTileOccupied) tiles.push_back(MakeTileCode(r, c));
    return tiles;
}

// Depot steps with its exit free until slot 0 of the depot point (point 0) holds a locomotive.
inline void RunDepotUntilOneLeaves(Game& game, int32_t steps)
{
    for (int32_t step = 0; step < steps && game.SlotAt(0, 0)->IsEmpty(); ++step) {
        game.depot.SetExitFree(1);
        game.depot.Tick();
    }
}
