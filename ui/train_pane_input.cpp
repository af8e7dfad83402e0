// The train pane's clicks on vehicles and the vehicle tooltip.
#include "ui/train_pane_input.h"

#include <cmath>
#include <string>

#include "simulation/coupling.h"
#include "simulation/coupling_texts.h"
#include "simulation/notify.h"
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

void TrainPaneCoupleClick(Game& game, bool rightButton, int32_t vehicle)
{
    NotifyStatusText("");
    const int32_t point = SelectedPointOf(game);
    if (point < 0 || vehicle < 0 || vehicle >= kSlotsPerPoint) return;
    if (!rightButton && vehicle == 0) {
        RefuseCommand(game, kCouplingNothingLeft, true);
        return;
    }
    // The joint between vehicles pos and pos + 1.
    const int32_t pos = rightButton ? vehicle : vehicle - 1;
    const char* refusal = game.CoupleOrUncouple(gSelection.selectedTile, pos, -1);
    const bool started = refusal[0] == '\0';
    if (started) LogCouplingEvent(game, point, pos);
    ThePaneInputSink().repaintTrain();
    if (started)
        NotifyStatusText(CouplingStatusText(game, point, pos).c_str());
    else
        RefuseCommand(game, refusal, true);
}

void TrainPaneVehicleClick(Game& game, int32_t vehicle)
{
    const int32_t point = SelectedPointOf(game);
    if (point < 0 || vehicle < 0 || vehicle >= kSlotsPerPoint) return;
    const int32_t result = TogglePantograph(game, point, vehicle);
    const char* text = result == kPantographNotElectric ? TurnLocomotiveMessage(game.TurnLocomotive(point, vehicle))
                                                        : PantographResultText(result);
    NotifyStatusText(text);
    ThePaneInputSink().repaintTrain();
}

std::string BuildVehicleTooltip(Game& game, int32_t vehicle)
{
    const int32_t point = SelectedPointOf(game);
    if (point < 0 || vehicle < 0 || vehicle >= kSlotsPerPoint || game.SlotVehicleType(point, vehicle) == 0) return "";
    if (game.SlotKind(point, vehicle) >= kKindElectricLoco) return VehicleTypeTooltip(game, point, vehicle, true);
    if (!CarriesTimetableTrain(game, point, vehicle)) return VehicleTypeTooltip(game, point, vehicle, false);
    return TrainTooltip(game, point, vehicle);
}
