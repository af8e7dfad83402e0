// Clicks and the tooltip on the train pane's vehicle strip: a click on a
// vehicle couples or uncouples it with its left (left button) or right
// (right button) neighbour, a Ctrl+click raises the other pantograph or turns
// the locomotive on the turntable, and the mouse resting on a vehicle names
// its train. Window-free: the train pane finds the vehicle under the mouse
// in the hit ranges of its last paint and calls these; refusals go to the
// pane input sink (ui/pane_input.h).
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

// Height of the vehicle strip at the station font scale: trunc(40 x scale).
int TrainStripHeight(double stationFontScale);

// The slot of the vehicle under a pane point, -1 when none: only for
// 0 < y < stripHeight, the first of the painter's hit ranges (ten, each with
// `left` and `right` pane x, (-1, -1) where nothing was drawn) for which
// left < x < right.
template <typename HitRanges>
int32_t VehicleAtTrainPanePoint(const HitRanges& ranges, int stripHeight, int x, int y)
{
    if (y <= 0 || y >= stripHeight) return -1;
    int32_t slot = 0;
    for (const auto& range : ranges) {
        if (slot == kSlotsPerPoint) break;
        if (range.left < x && x < range.right) return slot;
        ++slot;
    }
    return -1;
}

// The clicks and the tooltip on `vehicle`, a slot of the selected point
// (`gSelection`) as the hit test found it; -1 (no vehicle) does nothing.
// Left or right button: the joint with the left or the right neighbour.
void TrainPaneCoupleClick(Game& game, bool rightButton, int32_t vehicle);
// Ctrl + left button: the pantograph, or the turntable for a vehicle that is not electric.
void TrainPaneVehicleClick(Game& game, int32_t vehicle);
// Two lines joined by "\n", empty for no vehicle or without a game.
std::string BuildVehicleTooltip(Game& game, int32_t vehicle);
