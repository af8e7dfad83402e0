// Train search: a train found by its number, with a one-line account of
// where it stands or when it comes or goes, and where a train's vehicles
// stand.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

struct FindTrainResult {
    int32_t train = -1;    ///< timetable row, -1 when not found
    int32_t tile = 0;      ///< first TileCode of the point where it stands, 0 when none
    std::string number;    ///< the trimmed query
    std::string relation;  ///< "origin - destination"
    std::string status;    ///< "stoi na stacji: ...", "wjedzie o ...", "już odjechał"
};

// The first train, arrivals first, whose number equals the trimmed query
// exactly; train -1 and empty texts without a game, for an empty query, or
// when no train has that number.
FindTrainResult TrainInfoText(Game& game, const char* query);

// The text without leading and trailing blanks and tabs; null gives "".
std::string TrimmedName(const char* text);

// Where a vehicle of a train numbered query stands: slot-grid rows in
// order, slots up to the first empty one; a sub-track row gives its siding.
// Only trains that are here (state neither 0 nor -1) count, so a locomotive
// that carries no train of its own is not taken for one.
struct TrainVehiclePlace {
    int32_t point = -1;    ///< the point, -1 when none
    int32_t subTrack = 0;  ///< sub-track from 1 on a siding, else 0
    int32_t train = -1;    ///< the vehicle's train
};
TrainVehiclePlace FindPointOfTrainLoco(Game& game, const std::string& query);

// The point where a train's cars or units stand: FindPointOfTrain, else its
// siding; -1 when none.
int32_t TrainStandingPoint(Game& game, int32_t train);
