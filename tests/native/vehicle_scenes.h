// Test helpers that set a scene by hand: vehicles put on a slot row, rows
// emptied, tile states read and written by TileCode.
#pragma once

#include <cstdint>
#include <vector>

#include "model/game.h"

// One vehicle to put on a row.
struct SceneVehicle {
    int32_t type = 0;         ///< vehicle type; the kind follows it in the timetable
    int32_t train = 0;        ///< timetable row
    int32_t number = 0;       ///< unit-name index with shed transfers, 0 = unnamed
    int32_t operational = 1;  ///< 0: damaged
};

inline VehicleSlot& SceneSlot(Game& game, int32_t row, int32_t slot)
{
    return *game.slots.At(static_cast<uint32_t>(row), static_cast<uint32_t>(slot));
}

// Puts the vehicles from slot `first` up, standing, each coupled to the next but the last.
inline void PutVehicles(Game& game, int32_t row, int32_t first, const std::vector<SceneVehicle>& vehicles)
{
    int32_t slot = first;
    for (const SceneVehicle& v : vehicles) {
        const bool last = slot == first + static_cast<int32_t>(vehicles.size()) - 1;
        SceneSlot(game, row, slot++).Fill(v.train, v.type, game.timetable.VehicleTypeKind(v.type), v.number,
                                          v.operational, last ? 0 : 1, kMotionStanding);
    }
}

inline void EmptyRow(Game& game, int32_t row)
{
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) SceneSlot(game, row, s) = VehicleSlot();
}

inline int32_t TileStateAt(const Game& game, TileCode tile) { return game.TileState(TileRow(tile), TileColumn(tile)); }

inline void SetTileStateAt(Game& game, TileCode tile, int32_t state)
{
    *game.tileStates.At(static_cast<uint32_t>(TileRow(tile)), static_cast<uint32_t>(TileColumn(tile))) = state;
}
