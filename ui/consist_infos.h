// The consists standing on one slot-grid row (a point, or one sub-track of a
// siding) as the track labels and the consist views list them: each with its
// train's label, its locomotives at both ends and its warnings.
#pragma once

#include <cstdint>
#include <vector>

#include "model/game.h"
#include "simulation/vehicle_status.h"

// The consists on slot-grid row `row`, in slot order. A light engine standing
// uncoupled just before or after a consist on the same row is merged into
// it as its front or rear locomotive instead of being listed on its own.
std::vector<ConsistInfo> CollectConsistInfos(Game& game, int32_t row);
