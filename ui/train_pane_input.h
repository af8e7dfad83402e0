// Clicks and the tooltip on the train pane's vehicle strip: a click on a
// vehicle couples or uncouples it with its left (left button) or right
// (right button) neighbour, a Ctrl+click raises the other pantograph or turns
// the locomotive on the turntable, and the mouse resting on a vehicle names
// its train. Window-free: the train pane calls these with the hit ranges of
// its last paint; refusals go to the pane input sink (ui/pane_input.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/game.h"

// The pane x-extent of one vehicle picture at the last paint; a point lies
// on it when left < x < right. (-1, -1) where no vehicle was drawn.
struct VehicleHitRange {
    int left = -1;   ///< pane x of the picture's left edge
    int right = -1;  ///< pane x of its right edge
};
using VehicleHitRanges = std::array<VehicleHitRange, kSlotsPerPoint>;  ///< one per slot of the selected point

// Height of the vehicle strip at the station font scale: trunc(40 x scale).
int TrainStripHeight(double stationFontScale);

// The slot of the vehicle under a pane point: the first whose range holds x,
// only for 0 < y < stripHeight; -1 when none.
int32_t VehicleAtTrainPanePoint(const VehicleHitRanges& ranges, int stripHeight, int x, int y);

// Left or right button on a vehicle of the selected point (`gSelection`).
void TrainPaneCoupleClick(Game& game, const VehicleHitRanges& ranges, int stripHeight, bool rightButton, int x,
                          int y);
// Ctrl + left button: the pantograph, or the turntable for a vehicle that is not electric.
void TrainPaneVehicleClick(Game& game, const VehicleHitRanges& ranges, int stripHeight, int x, int y);

// The tooltip for a pane point: two lines joined by "\n", empty when the
// point is on no vehicle or no game runs.
std::string BuildVehicleTooltip(Game& game, const VehicleHitRanges& ranges, int stripHeight, int x, int y);
