// VehicleSlot: one place for one vehicle at a station point or in the depot.
//
// Each field has one accessor that reads when given its sentinel and writes
// otherwise, always returning the current value. Vehicles move between slots
// only by MoveFrom, which carries the vehicle and leaves the source empty.
#pragma once

#include <cstdint>
#include <vector>

#include "model/grid2d.h"
#include "model/tile_code.h"

// Vehicle kinds.
enum VehicleKind : int32_t {
    kKindCar = 0,             ///< car without traction
    kKindElectricUnit = 1,    ///< electric multiple unit
    kKindDieselUnit = 2,      ///< diesel multiple unit
    kKindElectricLoco = 3,    ///< electric locomotive
    kKindDieselLoco = 4,      ///< diesel locomotive
    kKindSteamLoco = 5,       ///< steam locomotive
};

// Motion states.
enum VehicleMotion : int32_t {
    kMotionStanding = 0,
    kMotionMoving = 1,   ///< moving along its path
    kMotionRouted = 2,   ///< route given and about to start, or counting down
};

constexpr int32_t kTypeNoTimetableTrain = 100;  ///< types from here on belong to no timetable train

class VehicleSlot {
public:
    VehicleSlot() = default;
    // A slot owns its path: it moves, it is never copied.
    VehicleSlot(const VehicleSlot&) = delete;
    VehicleSlot& operator=(const VehicleSlot&) = delete;
    VehicleSlot(VehicleSlot&&) = default;
    VehicleSlot& operator=(VehicleSlot&&) = default;

    // Field accessors; the default argument is each field's read sentinel.
    int32_t Train(int32_t v = -1);
    // Sets the train whatever the value, -1 too (a light engine's, a train
    // gone from the timetable), while the type is below 100.
    void SetTrain(int32_t train);
    int32_t Type(int32_t v = 0);
    int32_t Kind(int32_t v = 0);
    int32_t Number(int32_t v = 0);
    int32_t Operational(int32_t v = -100);
    int32_t Coupled(int32_t v = -1);
    int32_t Motion(int32_t v = -1);
    int32_t Countdown(int32_t v = -1);
    int32_t Link(int32_t v = 0);
    int32_t Turned(int32_t v = -100);
    int32_t Serviced(int32_t v = -100);
    int32_t EnsureSerial();
    bool IsElectric() const;
    bool IsEmpty() const { return type_ == 0; }

    // The path: destination tile first, the tile under the vehicle last.
    void SetPath(std::vector<TileCode> tiles);  // stops at a 0 terminator if the list has one
    bool HasPath() const { return !path_.empty(); }
    TileCode PathFirst() const;
    TileCode PathLast() const;
    TileCode NextTile() const { return PathLast(); }
    TileCode PathAt(uint32_t i) const;  // 0 past the end, as the list's terminator
    uint32_t PathLength() const { return static_cast<uint32_t>(path_.size()); }
    TileCode PathPop();

    void Fill(int32_t train, int32_t type, int32_t kind, int32_t number,
              int32_t operational, int32_t coupled, int32_t motion);
    void MoveFrom(VehicleSlot& source);

private:
    void Clear();

    int32_t train_ = 0;        ///< timetable row of the vehicle's train
    int32_t type_ = 0;         ///< vehicle type from 1; 0 empty; 100+ no timetable train
    int32_t kind_ = 0;         ///< VehicleKind
    int32_t number_ = 0;       ///< vehicle number, or unit-name index with shed transfers
    bool operational_ = true;  ///< serviceable
    bool coupled_ = false;     ///< coupled to the vehicle in the next slot
    int32_t motion_ = 0;       ///< VehicleMotion
    std::vector<TileCode> path_;  ///< tiles still to travel; empty = no path
    int32_t countdown_ = 0;    ///< steps left of a timed action
    int32_t link_ = 0;         ///< a value of the place, not of the vehicle
    bool turned_ = false;      ///< turned on the turntable
    bool serviced_ = true;     ///< serviced (leaving the depot sets it)
    int32_t serial_ = 0;       ///< unique serial, 0 = none yet
};

using SlotRow = GridRow<VehicleSlot>;
using SlotGrid = Grid2D<VehicleSlot>;

constexpr int32_t kSlotsPerPoint = 10;  ///< every station point has ten slots
