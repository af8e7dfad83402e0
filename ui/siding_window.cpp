// The siding window's bands, texts, hit ranges, clicks and placement.
#include "ui/siding_window.h"

#include <algorithm>
#include <cstdio>

#include "simulation/coupling.h"
#include "simulation/coupling_texts.h"
#include "simulation/notify.h"
#include "simulation/pantographs.h"
#include "simulation/track_names.h"
#include "ui/station_pane_input.h"
#include "ui/tile_pictures.h"
#include "ui/timetable_texts.h"
#include "ui/train_pane_input.h"

SidingWindowState gSidingWindow;
SidingHitTable gSidingHits;

namespace {

constexpr int32_t kRailLeft = 28;      ///< units: the rail starts right of the signal
constexpr int32_t kRailY = 40;         ///< units below the band's top
constexpr int32_t kLabelX = 31;        ///< units: the sub-track's label
constexpr int32_t kTextY = 42;         ///< units below the band's top: labels and vehicle texts
constexpr int32_t kSignalY = 6;        ///< units below the band's top
constexpr int32_t kUncoupledGap = 10;  ///< units after a vehicle not coupled to the next
constexpr int32_t kWidthMargin = 10;   ///< units added to the widest band
constexpr int32_t kLabelLength = 7;    ///< characters of a sub-track label

// Columns of a train-carrying vehicle's texts, in units from its left edge.
constexpr int32_t kPlatformColumn = 0;
constexpr int32_t kNumberColumn = 19;
constexpr int32_t kExitColumn = 62;
constexpr int32_t kTimeColumn = 74;
constexpr int32_t kDelayColumn = 104;
constexpr int32_t kTypeColumn = 134;

bool HoldsVehicle(Game& game, int32_t row, int32_t slot) { return game.SlotVehicleType(row, slot) >= 1; }

// The slot whose vehicles span x in a band's ranges, -1 when none; the whole
// height of the band counts.
int32_t VehicleAtX(const VehicleHitRanges& ranges, int32_t x) { return VehicleAtTrainPanePoint(ranges, 2, x, 1); }

// The band under pane y, -1 above the first or below the last.
int32_t BandAt(const SidingWindowState& state, int32_t y)
{
    if (y < 0) return -1;
    const int32_t band = y / kSidingBand;
    return band < SidingRowCount(state) ? band : -1;
}

int32_t TextColour(Game& game, int32_t row, int32_t slot)
{
    return game.SlotOperational(row, slot) ? kPaneLocoColour : kPaneDamagedColour;
}

PaneFont TextFont(Game& game, int32_t row, int32_t slot)
{
    if (game.IsSlotConsistMoving(row, slot)) return PaneFont::kItalic;
    return game.SlotCountdown(row, slot) != 0 ? PaneFont::kBold : PaneFont::kRegular;
}

void AddText(SidingPanePlan& plan, int32_t x, int32_t y, std::string text, int32_t colour, PaneFont font, double s)
{
    if (!text.empty()) plan.texts.push_back({ScaleUnits(x, s), ScaleUnits(y, s), std::move(text), colour, font});
}

// What stands in a slot said in words under its picture: a car or unit its
// train's departure (platform, number, exit, time, delay) and a unit its
// type; a locomotive its type.
void AddVehicleTexts(Game& game, SidingPanePlan& plan, int32_t row, int32_t slot, int32_t x, int32_t y, double s)
{
    const int32_t colour = TextColour(game, row, slot);
    const PaneFont font = TextFont(game, row, slot);
    const int32_t kind = game.SlotKind(row, slot);
    if (kind >= kKindElectricLoco) {
        AddText(plan, x, y, game.VehicleTypeName(row, slot), colour, font, s);
        return;
    }
    const int32_t train = game.SlotTrain(row, slot);
    // A vehicle of no timetable train has no departure to tell of.
    if (train >= 0 && train < game.TrainCount()) {
        AddText(plan, x + kPlatformColumn, y, PlatformNumeral(game.Platform(train, kRawRow, kDepartureSide)), colour,
                font, s);
        AddText(plan, x + kNumberColumn, y, game.TrainNumberText(train, kRawRow, kDepartureSide).Text(), colour, font,
                s);
        AddText(plan, x + kExitColumn, y,
                LineNumberText(game, game.ExitTile(train, kRawRow), game.ExitNumberOfRow(train, kRawRow)), colour,
                font, s);
        AddText(plan, x + kTimeColumn, y, ScheduledTimeText(game, train, kRawRow, kDepartureSide), colour, font, s);
        AddText(plan, x + kDelayColumn, y, SignedDelayText(game.Delay(train, kRawRow, kDepartureSide)), colour, font,
                s);
    }
    if (kind == kKindElectricUnit || kind == kKindDieselUnit)
        AddText(plan, x + kTypeColumn, y, game.VehicleTypeName(row, slot), colour, font, s);
}

}  // namespace

void BeginSidingWindow(SidingWindowState& state, int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile,
                       bool choosing)
{
    state.point = point;
    state.firstRow = firstRow;
    state.lastRow = lastRow;
    state.tile = tile;
    state.choosing = choosing;
    state.chosen = false;
}

int32_t SidingRowCount(const SidingWindowState& state)
{
    return std::clamp(state.lastRow - state.firstRow + 1, 1, kSidingMaxRows);
}

std::string SidingTitle(Game& game, const SidingWindowState& state)
{
    const std::string code = PointShortCode(game, state.point);
    const int32_t rows = SidingRowCount(state);
    char title[64];
    if (code.empty())
        std::snprintf(title, sizeof title, "Bocznica  (tory 1-%d)", rows);
    else
        std::snprintf(title, sizeof title, "Bocznica %s  (tory %s/1-%s/%d)", code.c_str(), code.c_str(), code.c_str(),
                      rows);
    return title;
}

std::string SubTrackLabel(const std::string& shortCode, int32_t subTrack)
{
    std::string label = shortCode.empty() ? std::to_string(subTrack) : shortCode + "/" + std::to_string(subTrack);
    if (label.size() > static_cast<size_t>(kLabelLength)) label.resize(kLabelLength);
    return label;
}

int32_t SidingPaneWidth(Game& game, const SidingWindowState& state, SlotStripWidth width)
{
    int32_t need = kSidingMinWidth;
    for (int32_t band = 0; band < SidingRowCount(state); ++band) {
        const int32_t row = state.firstRow + band;
        int32_t x = kSidingVehiclesX, last = x;
        for (int32_t slot = 0; slot < kSlotsPerPoint && HoldsVehicle(game, row, slot); ++slot) {
            last = x;
            x += width(row, slot);
            if (!game.SlotCoupled(row, slot)) x += kUncoupledGap;
        }
        need = std::max({need, x, last + kSidingRoomAfter});
    }
    return need + kWidthMargin;
}

SidingPanePlan PlanSidingPane(Game& game, const SidingWindowState& state, SlotStripWidth width, double scale)
{
    SidingPanePlan plan;
    const std::string code = PointShortCode(game, state.point);
    for (int32_t band = 0; band < SidingRowCount(state); ++band) {
        const int32_t row = state.firstRow + band;
        const int32_t top = kSidingBand * band;
        plan.rails.push_back({ScaleUnits(kRailLeft, scale), ScaleUnits(top + kRailY, scale)});
        AddText(plan, kLabelX, top + kTextY, SubTrackLabel(code, band + 1), kPaneLocoColour, PaneFont::kBold, scale);
        plan.signals.push_back({ScaleUnits(top + kSignalY, scale),
                                HoldsVehicle(game, row, 0) && game.IsSlotConsistMoving(row, 0)});
        int32_t x = kSidingVehiclesX;
        VehicleHitRanges& hits = plan.hits[static_cast<size_t>(band)];
        for (int32_t slot = 0; slot < kSlotsPerPoint && HoldsVehicle(game, row, slot); ++slot) {
            const int32_t w = width(row, slot);
            plan.pictures.push_back({row, slot, x, top});
            hits[static_cast<size_t>(slot)] = {x, x + w};
            AddVehicleTexts(game, plan, row, slot, x, top + kTextY, scale);
            x += w;
            if (!game.SlotCoupled(row, slot)) x += kUncoupledGap;
        }
    }
    return plan;
}

SidingClickOutcome SidingPaneClick(Game& game, SidingWindowState& state, const SidingHitTable& hits, bool rightButton,
                                   int32_t x, int32_t y)
{
    NotifyStatusText("");
    const int32_t band = BandAt(state, y);
    if (band < 0) return SidingClickOutcome::kNothing;
    const int32_t row = state.firstRow + band;
    if (state.choosing) {
        state.chosenRow = row;
        state.chosen = true;
        return SidingClickOutcome::kClose;
    }
    if (x >= 1 && x <= kSidingIconRight && HoldsVehicle(game, row, 0)) {
        // The siding's slot 0 names the sub-track a route from the siding starts from.
        game.SetSlotLink(state.point, 0, row);
        StationPaneClick(game, true, TileColumn(state.tile) * kTileSize, TileRow(state.tile) * kTileSize, true);
        return SidingClickOutcome::kClose;
    }
    const int32_t vehicle = VehicleAtX(hits[static_cast<size_t>(band)], x);
    if (vehicle < 0) return SidingClickOutcome::kNothing;
    if (!rightButton && vehicle == 0) {
        NotifyStatusText(kCouplingNothingLeft);
        return SidingClickOutcome::kNothing;
    }
    // The joint between vehicles pos and pos + 1.
    const int32_t pos = rightButton ? vehicle : vehicle - 1;
    std::string text = game.CoupleOrUncouple(state.tile, pos, row);
    if (text.empty()) {
        LogCouplingEvent(game, row, pos);
        text = CouplingStatusText(game, row, pos);
    }
    NotifyStatusText(text.c_str());
    return SidingClickOutcome::kRepaint;
}

SidingClickOutcome SidingPaneShiftClick(Game& game, const SidingWindowState& state, const SidingHitTable& hits,
                                        int32_t x, int32_t y)
{
    const int32_t band = BandAt(state, y);
    if (state.choosing || band < 0) return SidingClickOutcome::kNothing;
    const int32_t vehicle = VehicleAtX(hits[static_cast<size_t>(band)], x);
    if (vehicle < 0) return SidingClickOutcome::kNothing;
    const int32_t row = state.firstRow + band;
    const int32_t result = TogglePantograph(game, row, vehicle);
    const char* text = result == kPantographNotElectric ? TurnLocomotiveMessage(game.TurnLocomotive(row, vehicle))
                                                        : PantographResultText(result);
    NotifyStatusText(text);
    return SidingClickOutcome::kRepaint;
}

SidingDialogLayout LayOutSidingDialog(int32_t clientWidth, int32_t clientHeight)
{
    SidingDialogLayout layout;
    layout.pane = {kSidingPaneMargin, kSidingPaneMargin, clientWidth - 2 * kSidingPaneMargin, clientHeight - 35};
    layout.button = {(clientWidth - 60) / 2, clientHeight - 26, 60, 20};
    return layout;
}

PaneRect PlaceSidingWindow(int32_t frameWidth, int32_t frameHeight, const PaneRect& workArea, const PaneRect* owner,
                           const PaneRect& remembered)
{
    PaneRect place;
    place.width = std::min(frameWidth, workArea.width);
    place.height = std::min(frameHeight, workArea.height);
    const PaneRect& over = owner ? *owner : workArea;
    place.x = over.x + (over.width - place.width) / 2;
    place.y = over.y + (over.height - place.height) / 2;
    if (remembered.width >= 1 && remembered.height >= 1) place = remembered;
    const int32_t right = workArea.x + workArea.width, bottom = workArea.y + workArea.height;
    if (place.x + place.width > right) place.x = right - place.width;
    if (place.y + place.height > bottom) place.y = bottom - place.height;
    place.x = std::max(place.x, workArea.x);
    place.y = std::max(place.y, workArea.y);
    return place;
}
