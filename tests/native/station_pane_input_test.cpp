// The station schematic's clicks on Testowo: selecting consists, the two
// clicks of a route with every refusal, its penalty and sound, and the
// platform ends that the clicks are moved to.
#include <gtest/gtest.h>

#include "pane_input_recorder.h"
#include "scripted_random.h"
#include "simulation/disruptions.h"
#include "simulation/notify.h"
#include "simulation/routes.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "support/fresh_ui_state.h"
#include "testowo_game.h"
#include "ui/commands.h"
#include "ui/station_pane_input.h"
#include "ui/station_view.h"

namespace {

constexpr int kNoWinter = 99;     ///< a winter draw that gives none
constexpr int kClosureDraw = 5;   ///< a closure draw that closes a point

class StationPaneInput : public TestowoGame {
protected:
    void SetUp() override
    {
        TestowoGame::SetUp();
        FreshUiState();
        gStationView = StationViewState();  // scale 1 at the origin: a tile is 14 pane pixels
        gUi.gameRunning = true;
        oldHooks_ = SetNotifyHooks(Recording({[] { return true; }}));
        ResetTrainTracking();
    }
    void TearDown() override
    {
        gSettings.utrudnienia = false;
        StartDisruptions(game);  // no closure stays for the next test
        SetNotifyHooks(oldHooks_);
        FreshUiState();
        gStationView = StationViewState();
    }
    // A click in the middle of a tile at the view of the last paint.
    void Click(bool right, TileCode tile)
    {
        const double cell = 14 * gStationView.scale;
        StationPaneClick(game, right, gStationView.originX + static_cast<int>((TileColumn(tile) + 0.5) * cell),
                         gStationView.originY + static_cast<int>((TileRow(tile) + 0.5) * cell), false);
    }
    void Right(TileCode tile) { Click(true, tile); }
    void Left(TileCode tile) { Click(false, tile); }
    int Penalties() { return GetScoreSummary(game).penaltyEvents; }
    // One refused click: its text, the penalties so far, a sound for every message.
    void ExpectRefused(const char* text, int penalties)
    {
        EXPECT_EQ(sink->LastMessage(), text);
        EXPECT_EQ(Penalties(), penalties);
        EXPECT_EQ(sink->sounds, static_cast<int>(sink->messages.size()));
    }

    RecordingSink sink;
    NotifyHooks oldHooks_{};
};

TEST_F(StationPaneInput, TwoClicksRouteTheStabledLocomotivesToAPlatform)
{
    EmptyRow(game, kStcPlatform2);
    Right(730);
    EXPECT_EQ(gSelection.selectedTile, 730);
    EXPECT_EQ(sink->trainRepaints, 1);

    // The middle of the platform names its end that faces the consist.
    Left(513);
    EXPECT_TRUE(gSelection.routeLaying);
    EXPECT_TRUE(gSelection.candidatesShown);
    EXPECT_EQ(game.RouteSelection(kRouteReadEnd, 0, false), 514);
    EXPECT_EQ(TileStateAt(game, 730), kTileCandidateStart);
    EXPECT_EQ(TileStateAt(game, 625), kTileCandidate);
    EXPECT_EQ(TileStateAt(game, 514), kTileCandidate);
    EXPECT_TRUE(sink->messages.empty());
    EXPECT_EQ(Penalties(), 0);

    // A tile of no candidate: refused without a penalty, the candidates stay.
    Left(430);
    ExpectRefused("Wskazany punkt nie znajduje się na zaznaczanej trasie", 0);
    EXPECT_TRUE(gSelection.routeLaying);
    EXPECT_EQ(TileStateAt(game, 625), kTileCandidate);

    Left(625);
    VehicleSlot& head = *game.SlotAt(kStcStabling, 0);
    EXPECT_EQ(head.PathFirst(), 514);
    EXPECT_EQ(head.PathLast(), 730);
    EXPECT_EQ(head.Motion(), kMotionRouted);
    EXPECT_FALSE(game.SlotAt(kStcStabling, 1)->HasPath());  // only the head carries the path
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_FALSE(gSelection.candidatesShown);
    EXPECT_EQ(TileStateAt(game, 625), kTileLocked);
    EXPECT_EQ(TileStateAt(game, 730), kTileOccupied);
    EXPECT_EQ(sink->messages.size(), 1u);

    // Nothing selected now: a left click does nothing.
    Left(412);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_EQ(sink->messages.size(), 1u);
}

TEST_F(StationPaneInput, TheRoutedConsistComesToStandOnThePlatform)
{
    EmptyRow(game, kStcPlatform2);
    for (TileCode tile : {512, 513, 514}) SetTileStateAt(game, tile, kTileFree);
    Right(730);
    Left(513);
    Left(625);
    ASSERT_EQ(gSelection.selectedTile, 0);
    // The consist goes over to the platform's slots at once, then runs tile by tile.
    game.SimulationStep();
    EXPECT_EQ(RowText(game, kStcPlatform2), "0:SM42#41 r0+ 1:SM42#42 r0");
    EXPECT_EQ(RowText(game, kStcStabling), "");
    int steps = 1;
    for (; steps < 1000 && game.IsSlotConsistMoving(kStcPlatform2, 0); ++steps) game.SimulationStep();
    EXPECT_FALSE(game.IsSlotConsistMoving(kStcPlatform2, 0)) << steps << " steps";
    EXPECT_EQ(TileStateAt(game, 514), kTileOccupied);
    EXPECT_EQ(TileStateAt(game, 625), kTileFree);
    EXPECT_EQ(TileStateAt(game, 730), kTileFree);
}

TEST_F(StationPaneInput, RightClicksSelectConsistsOnlyAndDropTheCandidates)
{
    Right(730);
    Left(513);
    ASSERT_TRUE(gSelection.candidatesShown);

    Right(1020);  // no point there
    EXPECT_EQ(gSelection.selectedTile, 730);
    EXPECT_TRUE(gSelection.candidatesShown);
    EXPECT_EQ(sink->clears, 3);  // every click clears the message line first

    Right(933);  // another consist: the candidates go, the start tile stays
    EXPECT_EQ(gSelection.selectedTile, 933);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_FALSE(gSelection.candidatesShown);
    EXPECT_EQ(TileStateAt(game, 625), kTileFree);
    EXPECT_EQ(TileStateAt(game, 730), kTileCandidateStart);

    EmptyRow(game, kStcPlatform1);
    Right(413);  // an empty track
    EXPECT_EQ(gSelection.selectedTile, 933);

    // The siding opens its window and keeps the selection.
    Right(713);
    EXPECT_EQ(gSelection.selectedTile, 933);
    EXPECT_EQ(sink->sidingViewed,
              (std::vector<int32_t>{kStcSiding, kStcSubTrack1, kStcSubTrack1 + kStcSubTracks - 1, 713}));

    // The depot is selected even when empty; its window opens when its tile is free.
    Right(937);
    EXPECT_EQ(gSelection.selectedTile, 937);
    EXPECT_EQ(sink->depotOpened, 1);
    SetTileStateAt(game, 937, kTileLocked);
    Right(937);
    EXPECT_EQ(sink->depotOpened, 1);

    // The siding window selects by tile, whatever stands there.
    StationPaneClick(game, true, 13 * 14, 7 * 14, true);
    EXPECT_EQ(gSelection.selectedTile, 713);
    EXPECT_TRUE(sink->messages.empty());
}

TEST_F(StationPaneInput, WithoutAGameOrOutsideTheGridOnlyTheMessageLineClears)
{
    gUi.gameRunning = false;
    Right(730);
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_EQ(sink->clears, 1);

    gUi.gameRunning = true;
    StationPaneClick(game, true, 44 * 14, 5, false);  // right of the last column
    StationPaneClick(game, true, 5, 12 * 14, true);   // below the last row
    StationPaneClick(game, true, -14, 5, true);
    EXPECT_EQ(gSelection.selectedTile, 0);

    // A zoomed and panned view: left of or above the origin is nothing.
    gStationView.scale = 2.0;
    gStationView.originX = 30;
    gStationView.originY = 40;
    TileCode tile = 0;
    EXPECT_TRUE(ClickedTile(game, false, 30 + 13 * 28 + 27, 40 + 5 * 28, tile));
    EXPECT_EQ(tile, 513);
    EXPECT_FALSE(ClickedTile(game, false, 29, 100, tile));
    EXPECT_FALSE(ClickedTile(game, false, 100, 39, tile));
    Right(730);
    EXPECT_EQ(gSelection.selectedTile, 730);
    EXPECT_EQ(sink->clears, 5);
}

TEST_F(StationPaneInput, RefusedMovesShowTheirTextWithAPenaltyAndKeepTheSelection)
{
    Right(413);
    Left(1020);  // no point: nothing
    EXPECT_EQ(gSelection.selectedTile, 413);
    EXPECT_TRUE(sink->messages.empty());

    // Eastwards the car leads: the selection moves to the platform's east end and stays there.
    Left(542);
    ExpectRefused("Brak lokomotywy na początku składu", 1);
    EXPECT_EQ(gSelection.selectedTile, 414);
    EXPECT_FALSE(gSelection.routeLaying);

    Left(412);
    ExpectRefused("Wskazano dwa razy ten sam punkt", 2);

    Left(401);  // westwards the EU07 leads, but its train leaves to the east
    ExpectRefused("Zły punkt wyjazdowy dla tego pociągu", 3);
    EXPECT_EQ(gSelection.selectedTile, 412);

    EXPECT_EQ(GetPenaltyPoints(game), 3 * kPointsPerEvent);
}

TEST_F(StationPaneInput, AClosedDestinationIsRefusedWithoutAPenalty)
{
    EmptyRow(game, kStcPlatform2);
    for (TileCode tile : {512, 513, 514}) SetTileStateAt(game, tile, kTileFree);
    {
        // P2, the only free platform, for 20 minutes of track works.
        ScriptedRandom draws({kNoWinter, kClosureDraw, 0, 5, 1});
        StartDisruptions(game);
        DisruptionsTick(game);
    }
    ASSERT_TRUE(IsPointClosed(kStcPlatform2));
    *sink = PaneInputRecord();  // the closure's announcement in the message line is not the click's
    Right(730);
    Left(512);
    ExpectRefused("P2 zamknięty do 05:20 (prace torowe)", 0);
    EXPECT_EQ(gSelection.selectedTile, 730);
    EXPECT_FALSE(gSelection.routeLaying);
}

TEST_F(StationPaneInput, AFailedCandidateSearchClearsTheRouteButKeepsTheSelection)
{
    EmptyRow(game, kStcPlatform2);
    SetTileStateAt(game, 625, kTileLocked);  // another route crosses the only track
    Right(730);
    Left(514);
    ExpectRefused("Trasa zajęta - inny przebieg blokuje te droge", 1);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_FALSE(gSelection.candidatesShown);
    EXPECT_EQ(gSelection.selectedTile, 730);

    // An electric locomotive on the line finds only tracks without catenary.
    EmptyRow(game, kStcPlatform1);
    PutVehicles(game, kStcLine, 0, {{kTwEu07, kTwArriving}});
    Right(401);
    Left(412);
    ExpectRefused("Tor bez sieci trakcyjnej - lokomotywa elektryczna tam nie wjedzie", 2);
    EXPECT_EQ(gSelection.selectedTile, 401);
}

TEST_F(StationPaneInput, AColdSteamLocomotiveCannotLeave)
{
    ASSERT_TRUE(ExtinguishSteamLoco(game, kStcLocoTrack));
    *sink = PaneInputRecord();  // the command's own message line is not the click's
    Right(933);
    Left(937);
    ExpectRefused("Parowóz jest wygaszony - rozpal go (Dyżur -> Rozpal parowóz) albo sciągnij stąd inną maszyną", 1);
    EXPECT_FALSE(gSelection.routeLaying);
}

TEST_F(StationPaneInput, ASidingDestinationAsksForItsSubTrack)
{
    PutVehicles(game, kStcLine, 0, {{kTwSm42, kTwFreightIn}});
    Right(401);
    Left(713);  // the chooser closed without a choice: nothing more
    EXPECT_EQ(sink->sidingAsked,
              (std::vector<int32_t>{kStcSiding, kStcSubTrack1, kStcSubTrack1 + kStcSubTracks - 1, 713}));
    EXPECT_TRUE(sink->messages.empty());
    EXPECT_EQ(Penalties(), 0);
    EXPECT_FALSE(gSelection.routeLaying);

    sink->chooserAnswers = true;
    sink->chooserRow = kStcSubTrack1;
    Left(713);
    EXPECT_TRUE(gSelection.candidatesShown);
    EXPECT_EQ(game.SlotAt(kStcSiding, 0)->Link(), -kStcSubTrack1);  // the consist enters the sub-track at its front
    EXPECT_TRUE(sink->messages.empty());
}

// A freight platform has two tiles: its east end is its second tile, not an
// empty third one (which named column 0 of its row).
TEST_F(StationPaneInput, ATwoTilePlatformIsEnteredAndLeftAtItsLastTile)
{
    EXPECT_EQ(game.PointSideNumber(730, 213), 14);
    EXPECT_EQ(game.PointSideNumber(401, 214), 13);
    EXPECT_EQ(game.PointFarEndTile(kStcFreight), 214);
    EXPECT_EQ(game.PointFarEndTile(kStcDepot), 937);

    EmptyRow(game, kStcFreight);
    EmptyRow(game, kStcStabling);
    PutVehicles(game, kStcFreight, 0, {{kTwEaos, kTwFreight}, {kTwSm42, kTwFreight}});
    Right(213);
    Left(730);
    EXPECT_EQ(gSelection.selectedTile, 214);
    ExpectRefused("Brak trasy między wskazanymi punktami", 1);
    // Leaving from the far end takes the vehicle at the high end.
    EXPECT_EQ(game.FindSlotForRoute(214, 730), game.SlotAt(kStcFreight, 1));

    // Coming from the east, a click on its first tile names its second.
    PutVehicles(game, kStcStabling, 0, {{kTwSm42, kTwFreight}});
    Right(730);
    Left(213);
    EXPECT_EQ(gSelection.selectedTile, 730);
    ExpectRefused("Brak trasy między wskazanymi punktami", 2);
    EXPECT_EQ(game.RouteSelection(kRouteReadEnd, 0, false), 214);
}

}  // namespace
