// The consist preview's walk over the selected point.
#include "ui/consist_preview.h"

#include "ui/train_pane.h"

std::vector<PreviewSlot> PreviewSlots(Game& game, int32_t point)
{
    std::vector<PreviewSlot> slots;
    if (point < 0) return slots;
    for (int32_t slot = 0; slot < VehiclesOnPoint(game, point); ++slot) {
        PreviewSlot entry;
        entry.vehicles = VehiclesOfSlot(game, point, slot, true);
        // A composition is listed as the train runs, whichever way its unit faces.
        if (game.SlotKind(point, slot) < kKindElectricLoco) entry.vehicles.mirrored = false;
        entry.gapAfter = game.SlotCoupled(point, slot) == 0;
        slots.push_back(std::move(entry));
    }
    return slots;
}

int32_t PreviewTotalWidth(const std::vector<PreviewSlot>& slots, const PreviewStripWidth& widthOf)
{
    int32_t width = 0;
    for (const PreviewSlot& slot : slots) width += widthOf(slot.vehicles) + (slot.gapAfter ? kStripGap : 0);
    return width;
}

bool CanOpenPreview(const Game& game, int selectedTile) { return selectedTile != 0 && game.HasCompositions(); }
