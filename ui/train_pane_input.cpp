// The train pane's clicks on vehicles and the vehicle tooltip.
#include "ui/train_pane_input.h"

#include <cmath>
#include <string>

#include "simulation/coupling.h"
#include "simulation/coupling_texts.h"
#include "simulation/pantographs.h"
#include "ui/pane_input.h"
#include "ui/ui_state.h"

namespace {

// The selected point while a game runs, else -1. Tile 0 is never looked up:
// a point with fewer than three tiles holds 0 in its tile fields.
int32_t SelectedPointOf(const Game& game)
{
    if (!gUi.gameRunning || gSelection.selectedTile == 0) return -1;
    return game.FindPointByTile(gSelection.selectedTile);
}

bool CarriesTimetableTrain(Game& game, int32_t point, int32_t slot)
{
    const int32_t train = game.SlotTrain(point, slot);
    return game.SlotVehicleType(point, slot) < kTypeNoTimetableTrain && train >= 0 && train < game.TrainCount();
}

// Two lines of a train-carrying vehicle: platform, number, entry or exit,
// expected time and link digit; then origin and destination.
std::string TrainTooltip(Game& game, int32_t point, int32_t slot)
{
    const int32_t train = game.SlotTrain(point, slot);
    const int32_t pointKind = game.PointKind(point);
    const int32_t state = game.TrainStateNow(train, kRawRow);
    const bool arriving = (pointKind == kPointEntry || pointKind == kPointLine) && (state == 1 || state == 4);
    const int32_t side = arriving ? kArrivalSide : kDepartureSide;
    // A locomotive or special vehicle that is not coming in shows where it leaves from.
    const int32_t platformSide = !arriving && game.IsSlotLocoOrSpecial(point, slot) ? kDepartureSide : kArrivalSide;

    const int32_t platform = game.Platform(train, kRawRow, platformSide);
    std::string text = "P: ";
    if (platform >= 1 && platform <= 9) text += RomanNumeral(platform).Text();
    text += "  Nr: ";
    text += game.TrainNumberText(train, kRawRow, side).Text();
    text += "  W: ";
    text += std::to_string(arriving ? game.EntryNumberOfRow(train, kRawRow) : game.ExitNumberOfRow(train, kRawRow));
    text += "  Godz: ";
    text += game.ExpectedTimeText(train, kRawRow, side).Text();
    const int32_t digit = game.LinkDigit(train, platformSide);
    if (digit != 0) text += " (" + std::to_string(digit) + ")";
    text += "\n";
    text += game.OriginText(train, kRawRow).Text();
    text += " - ";
    text += game.DestinationText(train, kRawRow).Text();
    return text;
}

// A locomotive: its type and, when units have names, its unit. A car or unit
// of no timetable train shows only its type: it has no train to tell of.
std::string VehicleTypeTooltip(Game& game, int32_t point, int32_t slot, bool withUnit)
{
    std::string text = game.VehicleTypeName(point, slot);
    text += "\n";
    if (withUnit) text += game.SlotUnitName(point, slot).Text();
    return text;
}

}  // namespace

int TrainStripHeight(double stationFontScale) { return static_cast<int>(std::trunc(40 * stationFontScale)); }

int32_t VehicleAtTrainPanePoint(const VehicleHitRanges& ranges, int stripHeight, int x, int y)
{
    if (y <= 0 || y >= stripHeight) return -1;
    for (int32_t i = 0; i < kSlotsPerPoint; ++i) {
        const VehicleHitRange& r = ranges[static_cast<size_t>(i)];
        if (r.left < x && x < r.right) return i;
    }
    return -1;
}

void TrainPaneCoupleClick(Game& game, const VehicleHitRanges& ranges, int stripHeight, bool rightButton, int x,
                          int y)
{
    const PaneInputSink& sink = ThePaneInputSink();
    sink.showStatus("");
    const int32_t point = SelectedPointOf(game);
    const int32_t i = VehicleAtTrainPanePoint(ranges, stripHeight, x, y);
    if (point < 0 || i < 0) return;
    if (!rightButton && i == 0) {
        RefuseCommand(game, kCouplingNothingLeft, true);
        return;
    }
    // The joint between vehicles pos and pos + 1.
    const int32_t pos = rightButton ? i : i - 1;
    const char* refusal = game.CoupleOrUncouple(gSelection.selectedTile, pos, -1);
    const bool started = refusal[0] == '\0';
    if (started) LogCouplingEvent(game, point, pos);
    sink.repaintTrain();
    if (started)
        sink.showStatus(CouplingStatusText(game, point, pos).c_str());
    else
        RefuseCommand(game, refusal, true);
}

void TrainPaneVehicleClick(Game& game, const VehicleHitRanges& ranges, int stripHeight, int x, int y)
{
    const int32_t point = SelectedPointOf(game);
    const int32_t i = VehicleAtTrainPanePoint(ranges, stripHeight, x, y);
    if (point < 0 || i < 0) return;
    const int32_t result = TogglePantograph(game, point, i);
    const char* text = result == kPantographNotElectric ? TurnLocomotiveMessage(game.TurnLocomotive(point, i))
                                                        : PantographResultText(result);
    const PaneInputSink& sink = ThePaneInputSink();
    sink.showStatus(text);
    sink.repaintTrain();
}

std::string BuildVehicleTooltip(Game& game, const VehicleHitRanges& ranges, int stripHeight, int x, int y)
{
    const int32_t point = SelectedPointOf(game);
    const int32_t i = VehicleAtTrainPanePoint(ranges, stripHeight, x, y);
    if (point < 0 || i < 0 || game.SlotVehicleType(point, i) == 0) return "";
    if (game.SlotKind(point, i) >= kKindElectricLoco) return VehicleTypeTooltip(game, point, i, true);
    if (!CarriesTimetableTrain(game, point, i)) return VehicleTypeTooltip(game, point, i, false);
    return TrainTooltip(game, point, i);
}
