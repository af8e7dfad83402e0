// The consist preview without windows: which pictures the strip of the
// selected point shows, slot by slot (a train's vehicle as its whole
// composition, a locomotive as it stands), the gaps between uncoupled slots,
// and whether the preview may open.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/game.h"
#include "ui/stock_pictures.h"

// The pictures one slot contributes, and whether a gap follows them.
struct PreviewSlot {
    StripVehicles vehicles;  ///< types in drawing order, and their facing
    bool gapAfter = false;   ///< the slot is not coupled to the next
};

// The slots of a point from slot 0 up to the first empty one; none for -1.
std::vector<PreviewSlot> PreviewSlots(Game& game, int32_t point);

// The strip's width in picture pixels: each slot's pictures (widthOf gives
// their total, 0 for types without pictures) and the gaps.
using PreviewStripWidth = std::function<int32_t(const StripVehicles& vehicles)>;
int32_t PreviewTotalWidth(const std::vector<PreviewSlot>& slots, const PreviewStripWidth& widthOf);

// Space opens it only on a selected point of a timetable with compositions.
bool CanOpenPreview(const Game& game, int selectedTile);
