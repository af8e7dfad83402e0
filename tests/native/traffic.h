// Test support for the simulation: Testowo with a timetable of hand-written
// trains, a clock of one-second steps, and the steps of the game's timer as
// the main window runs them (the step, then the admission with its answers).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/game.h"
#include "timetable_access.h"

// Vehicle types of the traffic timetables, from 1.
enum TrafficType : int32_t {
    kTypeElectricLoco = 1,  ///< "EU07", kind 3
    kTypeElectricUnit = 2,  ///< "EN57", kind 1
    kTypeCar = 3,           ///< "B", kind 0
    kTypeDieselLoco = 4,    ///< "SM42", kind 4
};

// One train row of a ".roz" file; everything not named here is 0.
struct TrainSpec {
    int32_t rowState = 0;       ///< [0]
    int32_t arrival = 0;        ///< [1] HHMM, 0 = none
    TileCode entry = 501;       ///< [2]
    int32_t locoType = 0;       ///< [4] a row without units: its locomotive type
    int32_t departure = 0;      ///< [5] HHMM, 0 = none
    TileCode exit = 560;        ///< [6]
    int32_t arrivalLink = 0;    ///< [11]
    int32_t trainState = 0;     ///< [15]
    int32_t carType = 0;        ///< [16] the row's own vehicle type
    TileCode startTile = 0;     ///< [22]
    int32_t startSlot = 0;      ///< [23]
};

// A train of an electric locomotive and a car.
TrainSpec CarTrain(int32_t arrival, int32_t departure, TileCode entry = 501, TileCode exit = 560);

// A unit of the timetable: type, unit name (named "U<name>"), its two rows.
struct UnitSpec {
    int32_t type = 0;          ///< locomotive type
    int32_t name = 0;          ///< unit-name index
    int32_t arrivalRow = 0;    ///< row that comes in with it
    int32_t departureRow = 0;  ///< row that leaves with it
};

// A version-3 timetable of the four traffic types, the given trains and units.
std::string TrafficRoz(const std::vector<TrainSpec>& trains, const std::vector<UnitSpec>& units = {});

class Traffic : public testing::Test {
protected:
    void SetUp() override;

    // Loads the trains into the game's timetable; no random delays.
    void Load(const std::vector<TrainSpec>& trains, const std::vector<UnitSpec>& units = {});
    // The clock at h:mm:ss, one second a step.
    void SetClock(int32_t hhmm, int32_t seconds = 0);

    // One timer step: the simulation step, then the admission, every question
    // answered with `answer`. Returns the step's flags.
    int32_t Step(int32_t answer = 0);
    // Steps until the condition holds, at most `limit` steps; false when it never did.
    template <typename Condition>
    bool StepUntil(Condition condition, int32_t limit)
    {
        for (int32_t i = 0; i < limit; ++i) {
            if (condition()) return true;
            Step();
        }
        return condition();
    }
    void Steps(int32_t n);

    VehicleSlot& Slot(int32_t row, int32_t slot);
    int32_t TileStateOf(TileCode tile) const;
    int32_t& Field(int32_t row, int32_t field) { return TimetableTestAccess::Field(game.timetable, row, field); }
    // Gives the head in (row, slot) a route: the path from its destination back to the tile it stands on.
    void Route(int32_t row, int32_t slot, const std::vector<TileCode>& path);
    // Tiles from `from` to `to` in the order a head travels them, as a path (destination first).
    static std::vector<TileCode> Path(TileCode from, TileCode to);
    // Fills a slot: a vehicle of `type` (its kind from the timetable) of train `train`.
    void Put(int32_t row, int32_t slot, int32_t type, int32_t train, bool coupled);

    Game game;
    std::vector<int32_t> asked;  ///< arrival positions the admission asked about, in order
};
