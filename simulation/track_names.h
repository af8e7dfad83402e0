// Track and point names: the short codes and long names of the station's
// points, platform and track numbers read from the schematic, the consists
// of a point, where a train stands, and the drawn extent of the schematic.
//
// Pure queries over the Game. The ordinal of a point is its number among the
// points of its kind, in index order, from 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"

// "P2", "B1", "T1", "L1", "Pt3" by kind 4, 5, 6, 7, 9 and the ordinal; empty
// for the other kinds, outside the points (every sub-track row) and without a
// game.
std::string PointShortCode(Game& game, int32_t point);

// " na P2" for a point with a short code, else empty: where a message says a
// vehicle stands.
std::string PointAtText(Game& game, int32_t point);

// "peron 2, tor 4", "bocznica 1, tor 3", "wjazd 1"... (train or -1: a train
// whose departure platform names a platform without a digit marker).
std::string PointLongName(Game& game, int32_t point, int32_t train, int32_t subTrack);

// The short code (with "/subTrack"), two blanks and the long name; the long
// name with a capital letter when the point has no short code.
std::string PointFullLabel(Game& game, int32_t point, int32_t train, int32_t subTrack);

// The number written by digit markers at a point's tile and to its right; 0
// when none of its tiles has one, or without a game.
int32_t PlatformNumberOfPoint(Game& game, int32_t point);

// Track number of a platform: 1 on the row of platform 1, then 2, 4, 6 for
// the rows below it and 3, 5, 7 above it, by distance; 0 for other kinds.
int32_t PlatformTrackNumber(Game& game, int32_t point);

// The slots of a slot-grid row split into consists (runs joined by the
// coupled flag), from slot 0 up to the first empty slot.
std::vector<std::vector<int32_t>> ConsistGroupsOnPoint(Game& game, int32_t row);

// Where a train's vehicles stand.
struct SidingPlace {
    int32_t point = -1;    ///< the siding, -1 when not found
    int32_t subTrack = 0;  ///< its sub-track from 1, 0 when not found
};
int32_t FindPointOfTrain(Game& game, int32_t train);  // first point, sub-tracks excluded; -1 none
SidingPlace FindSidingOfTrain(Game& game, int32_t train);
std::string TrainPlaceCode(Game& game, int32_t train);   // "P1", "P1/2", "B1/3"; empty when none
std::string TrainPlaceLabel(Game& game, int32_t train);  // "P1  peron 1, tor 1"
bool TrainHasVehicleNotOk(Game& game, int32_t train);    // some vehicle of it is damaged

// The rows and columns holding a non-zero tile code, widened by one where the
// grid allows; false when no tile has a code.
struct GridBounds {
    int32_t firstRow = 0;  ///< top row
    int32_t lastRow = 0;   ///< bottom row
    int32_t firstCol = 0;  ///< left column
    int32_t lastCol = 0;   ///< right column
};
bool GetOccupiedBounds(const Game& game, GridBounds& bounds);
