// The station schematic's clicks: selection and the two clicks of a route.
#include "ui/station_pane_input.h"

#include <string>

#include "simulation/disruptions.h"
#include "simulation/notify.h"
#include "simulation/routes.h"
#include "simulation/supplies.h"
#include "ui/pane_input.h"
#include "ui/station_view.h"
#include "ui/tile_pictures.h"
#include "ui/ui_state.h"

namespace {

bool IsPlatformKind(int32_t kind) { return kind == kPointPlatform || kind == kPointFreightPlatform; }

void DropRouteLaying(Game& game)
{
    gSelection.routeLaying = false;
    gSelection.candidatesShown = false;
    game.RouteSelection(kRouteClear, kRouteClear, false);
}

void Select(Game& game, TileCode tile)
{
    const PaneInputSink& sink = ThePaneInputSink();
    gSelection.selectedTile = tile;
    sink.repaintTrain();
    DropRouteLaying(game);
    sink.repaintStation();
}

// Right button: the consist of the clicked point becomes the selection.
void SelectClick(Game& game, TileCode tile, bool byTile)
{
    const PaneInputSink& sink = ThePaneInputSink();
    if (byTile) {
        Select(game, tile);
        return;
    }
    switch (game.PointKindAtTile(tile)) {
    case 0:
        return;
    case kPointSiding:
        DropRouteLaying(game);
        sink.repaintStation();
        sink.viewSiding(game.FindPointByTile(tile), game.SidingSubTrackRow(tile, 55), game.SidingSubTrackRow(tile, 60),
                        tile);
        return;
    case kPointDepot:
        Select(game, tile);
        if (game.TileState(TileRow(tile), TileColumn(tile)) == kTileFree) sink.openDepot();
        return;
    default:
        if (game.PointHasVehicle(tile)) Select(game, tile);
        return;
    }
}

// The tile of a platform's end that faces `from`, in the clicked tile's row.
TileCode FacingEnd(const Game& game, TileCode from, TileCode clicked)
{
    return MakeTileCode(TileRow(clicked), game.PointSideNumber(from, clicked));
}

bool RouteNeedsCatenary(Game& game, const VehicleSlot& head, TileCode source)
{
    return head.IsElectric() && !game.PointHasNonElectricTraction(source);
}

// First left click: the destination. Checks the move and marks the candidates.
void FirstRouteClick(Game& game, TileCode destination)
{
    const PaneInputSink& sink = ThePaneInputSink();
    const int32_t kind = game.PointKindAtTile(destination);
    if (kind == 0) return;
    const std::string closure = PointClosureText(game, game.FindPointByTile(destination));
    if (!closure.empty()) {
        RefuseCommand(game, closure.c_str(), false);
        return;
    }
    std::string blocked;
    if (GetDepartureBlockReason(game, game.FindPointByTile(gSelection.selectedTile), &blocked)) {
        RefuseCommand(game, blocked.c_str(), true);
        return;
    }
    // A platform is entered and left at its end that faces the other point.
    if (IsPlatformKind(kind)) destination = FacingEnd(game, gSelection.selectedTile, destination);
    if (IsPlatformKind(game.PointKindAtTile(gSelection.selectedTile)))
        gSelection.selectedTile = FacingEnd(game, destination, gSelection.selectedTile);

    int32_t subTrackRow = -1;
    if (kind == kPointSiding &&
        !sink.chooseSubTrack(game.FindPointByTile(destination), game.SidingSubTrackRow(destination, 55),
                             game.SidingSubTrackRow(destination, 60), destination, &subTrackRow))
        return;
    if (const char* refusal = game.ValidateMove(gSelection.selectedTile, destination, subTrackRow)) {
        RefuseCommand(game, refusal, true);
        return;
    }
    const VehicleSlot* head = game.FindSlotForRoute(gSelection.selectedTile, destination);
    if (!head) return;
    const bool catenary = RouteNeedsCatenary(game, *head, gSelection.selectedTile);
    const int32_t result = game.RouteSelection(gSelection.selectedTile, destination, catenary);
    if (result != kCandidatesMarked) {
        RefuseCommand(game, MarkRouteRefusal(game, result, gSelection.selectedTile, destination, catenary), true);
        return;
    }
    gSelection.routeLaying = true;
    gSelection.candidatesShown = true;
    sink.repaintStation();
}

// Second left click: the track through the clicked tile becomes the route.
// The head is the one the first click found: it is looked up towards the
// destination, not towards the clicked tile, which may lie level with the
// consist.
void SecondRouteClick(Game& game, TileCode clicked)
{
    const PaneInputSink& sink = ThePaneInputSink();
    VehicleSlot* head = game.FindSlotForRoute(gSelection.selectedTile, game.RouteSelection(kRouteReadEnd, 0, false));
    if (!head) return;
    const int32_t result =
        game.SetRouteThroughTile(head, clicked, RouteNeedsCatenary(game, *head, gSelection.selectedTile));
    if (result == kRouteSet) {
        gSelection.candidatesShown = false;
        gSelection.routeLaying = false;
        gSelection.selectedTile = 0;
        sink.repaintStation();
        sink.repaintTrain();
    } else if (result == kRouteNotOnCandidate || result == kRouteAmbiguous) {
        RefuseCommand(game, SetRouteRefusal(result), false);
    }
}

}  // namespace

bool ClickedTile(const Game& game, bool byTile, int x, int y, TileCode& tile)
{
    if (!byTile) return TileAtPanePoint(gStationView, game.GridCols(), game.GridRows(), x, y, tile);
    if (x < 0 || y < 0) return false;
    const int32_t column = x / kTileSize, row = y / kTileSize;
    if (column >= game.GridCols() || row >= game.GridRows() || column >= kMaxGridColumns) return false;
    tile = MakeTileCode(row, column);
    return true;
}

void StationPaneClick(Game& game, bool rightButton, int x, int y, bool byTile)
{
    NotifyStatusText("");
    TileCode tile = 0;
    if (!gUi.gameRunning || !ClickedTile(game, byTile, x, y, tile)) return;
    if (rightButton)
        SelectClick(game, tile, byTile);
    else if (gSelection.selectedTile != 0 && !gSelection.routeLaying)
        FirstRouteClick(game, tile);
    else if (gSelection.selectedTile != 0)
        SecondRouteClick(game, tile);
    // A route begun or ended stops the clock or lets it go: the clock part
    // says so now, not at the next step.
    NotifyStatusBar();
}
